#include <ZelGui/ZelBoolComboBox.h>

#include <QEvent>

ZelBoolComboBox::ZelBoolComboBox(QWidget *parent)
    : QComboBox(parent)
{
    addItem(tr("On"), true);
    addItem(tr("Off"), false);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(false);
    connect(this, &QComboBox::currentIndexChanged, this, &ZelBoolComboBox::slotSetCurrentIndex);
}

ZelBoolComboBox::~ZelBoolComboBox() = default;

bool ZelBoolComboBox::boolValue() const
{
    return currentData(Qt::UserRole).toBool();
}

void ZelBoolComboBox::setBoolValue(bool boolValue)
{
    if (m_settingValue || count() == 0)
        return;
    const QVariant wanted(boolValue);
    const int n = count();
    int found = -1;
    for (int i = 0; i < n && found < 0; ++i) {
        if (itemData(i, Qt::UserRole) == wanted)
            found = i;
    }
    if (found < 0)
        return;
    setCurrentIndex(found);
    m_settingValue = true;
    Q_EMIT boolValueChanged(boolValue);
    m_settingValue = false;
}

void ZelBoolComboBox::slotSetCurrentIndex(int index)
{
    setBoolValue(itemData(index, Qt::UserRole).toBool());
}

void ZelBoolComboBox::changeEvent(QEvent *event)
{
    QComboBox::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // Found by value: the host may have reordered or added items.
    for (int i = 0; i < count(); ++i) {
        const QVariant data = itemData(i, Qt::UserRole);
        if (data.typeId() == QMetaType::Bool)
            setItemText(i, data.toBool() ? tr("On") : tr("Off"));
    }
}
