#pragma once

#include "IconRecipe.h"

#include <QList>

// The icons libZelGui ships in its resources (res/icons/).
QList<IconRecipe> libraryIcons();
