#pragma once

#include "IconRecipe.h"

#include <QList>

// The widget-box icons of the Designer plugin (designer/icons/), one for each
// widget it offers.
QList<IconRecipe> designerIcons();
