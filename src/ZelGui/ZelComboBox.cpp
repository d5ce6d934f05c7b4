#include <ZelGui/ZelComboBox.h>

ZelComboBox::ZelComboBox(QWidget *parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, &ZelComboBox::onCurrentIndexChanged);
}

ZelComboBox::~ZelComboBox() = default;

void ZelComboBox::onCurrentIndexChanged(int index)
{
    Q_UNUSED(index)
    Q_UNUSED(m_reserved)
}
