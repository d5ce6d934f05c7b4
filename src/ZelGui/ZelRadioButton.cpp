#include <ZelGui/ZelRadioButton.h>

ZelRadioButton::ZelRadioButton(QWidget *parent)
    : QRadioButton(parent)
{
}

ZelRadioButton::~ZelRadioButton() = default;
