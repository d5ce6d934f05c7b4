#include <ZelGui/ZelBindablePushButton.h>

ZelBindablePushButton::ZelBindablePushButton(QWidget *parent)
    : QPushButton(parent)
{
}

ZelBindablePushButton::~ZelBindablePushButton() = default;
