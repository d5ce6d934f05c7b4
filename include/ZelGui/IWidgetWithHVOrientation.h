#pragma once

#include <ZelGui/zelgui_export.h>

//! Marks a widget that can lay itself out horizontally or vertically, so that
//! a host can find such widgets among others (dynamic_cast). It carries no
//! state and no operations.
class ZELGUI_EXPORT IWidgetWithHVOrientation
{
public:
    IWidgetWithHVOrientation() = default;
};
