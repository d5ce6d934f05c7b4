#include <ZelGui/ZelSpinBox.h>

ZelSpinBox::ZelSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    connect(this, &QSpinBox::valueChanged, this, &ZelSpinBox::onValueChanged);
}

ZelSpinBox::~ZelSpinBox() = default;

// A hook for the forms that use the box; the box itself needs nothing here.
void ZelSpinBox::onValueChanged(int value)
{
    Q_UNUSED(value)
}
