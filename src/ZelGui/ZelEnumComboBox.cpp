#include <ZelGui/ZelEnumComboBox.h>

#include <QSignalBlocker>

ZelEnumComboBox::ZelEnumComboBox(QWidget *parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, &ZelEnumComboBox::mavEnumComboBox_currentIndexChanged);
}

ZelEnumComboBox::~ZelEnumComboBox() = default;

ZelEnumeration ZelEnumComboBox::enumeration() const
{
    return m_enumeration;
}

QUuid ZelEnumComboBox::currentValue() const
{
    return currentData(Qt::UserRole).value<QUuid>();
}

ZelEnumerationItem ZelEnumComboBox::currentValueItem() const
{
    return m_enumeration.getItem(currentValue());
}

int ZelEnumComboBox::findItem(const QUuid &id) const
{
    const int n = count();
    for (int i = 0; i < n; ++i) {
        if (itemData(i, Qt::UserRole).value<QUuid>() == id)
            return i;
    }
    return -1;
}

void ZelEnumComboBox::setEnum(ZelEnumeration enumer)
{
    if (m_updating)
        return;
    m_updating = true;
    {
        // Restores the host's own blocking state afterwards.
        const QSignalBlocker blocker(this);
        clear();
        m_enumeration = enumer;
        const QList<ZelEnumerationItem> items = m_enumeration.items();
        for (const ZelEnumerationItem &item : items)
            addItem(item.text(), QVariant::fromValue(item.id()));
    }
    m_updating = false;
}

void ZelEnumComboBox::setCurrentValue(QUuid id)
{
    selectSilently(id);
}

void ZelEnumComboBox::setCurrentValue(ZelEnumerationItem item)
{
    selectSilently(item.id());
}

void ZelEnumComboBox::changeValue(QUuid id)
{
    const int index = findItem(id);
    if (index >= 0)
        setCurrentIndex(index);
}

void ZelEnumComboBox::selectSilently(const QUuid &id)
{
    if (m_updating)
        return;
    m_updating = true;
    {
        const QSignalBlocker blocker(this);
        const int index = findItem(id);
        if (index >= 0)
            setCurrentIndex(index);
    }
    m_updating = false;
}

void ZelEnumComboBox::mavEnumComboBox_currentIndexChanged(int index)
{
    if (m_updating)
        return;
    m_updating = true;
    Q_EMIT currentValueChanged(itemData(index, Qt::UserRole).value<QUuid>());
    m_updating = false;
}
