#pragma once

#include <ZelGui/ZelSpanSlider.h>

//! A horizontal span slider under a class name of its own, so that style
//! sheets and the host's styling code can tell it from the other span
//! sliders (for example to colour its span through the palette's Highlight).
class ZELGUI_EXPORT ZelColoredSpanSlider : public ZelSpanSlider
{
    Q_OBJECT

public:
    //! Creates a horizontal span slider; \a parent owns it.
    explicit ZelColoredSpanSlider(QWidget *parent = nullptr);
};
