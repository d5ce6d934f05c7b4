#pragma once

#include "IconRecipe.h"

#include <QList>

// The icons of the gallery, which stand in for those a host application
// brings along (res/icons/ of the gallery).
QList<IconRecipe> hostIcons();
