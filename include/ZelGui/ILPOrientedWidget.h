#pragma once

#include <ZelGui/zelgui_export.h>

#include <ZelLog/ZelStatus.h>

//! Implemented, beside QWidget, by dock contents that can lay themselves out
//! in two shapes. ZelDockWidgetLPOriented finds it on its contents with a
//! cross-cast and calls it when the dock moves between areas or floats; the
//! statuses returned are not looked at by the dock.
class ZELGUI_EXPORT ILPOrientedWidget
{
public:
    //! Lay the contents out for a tall, narrow space (left and right areas,
    //! floating).
    virtual ZelStatus orientPortrait() = 0;
    //! Lay the contents out for a wide, low space (top and bottom areas).
    virtual ZelStatus orientLandscape() = 0;

    virtual ~ILPOrientedWidget();
};
