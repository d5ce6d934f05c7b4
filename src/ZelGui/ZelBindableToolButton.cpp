#include <ZelGui/ZelBindableToolButton.h>

ZelBindableToolButton::ZelBindableToolButton(QWidget *parent)
    : QToolButton(parent)
{
}

ZelBindableToolButton::~ZelBindableToolButton() = default;
