#include <ZelGui/ZelColoredSpanSlider.h>

ZelColoredSpanSlider::ZelColoredSpanSlider(QWidget *parent)
    : ZelSpanSlider(Qt::Horizontal, parent)
{
}
