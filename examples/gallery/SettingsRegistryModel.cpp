#include "SettingsRegistryModel.h"

#include "SettingValueText.h"

#include <ZelCore/ZelAbstractAppConfig.h>

#include <QBrush>
#include <QFont>
#include <QPalette>

namespace {

QList<Setting> registeredSettings()
{
    const SettingStore *store = SettingStore::Self();
    return store ? store->settings() : QList<Setting>();
}

bool sameKeys(const QList<Setting> &a, const QList<Setting> &b, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i) {
        if (a.at(i).key() != b.at(i).key())
            return false;
    }
    return true;
}

} // namespace

SettingsRegistryModel::SettingsRegistryModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_settings(registeredSettings())
{
    ZelSettingsNotifier *notifier = ZelAbstractAppConfig::notifier();
    connect(notifier, &ZelSettingsNotifier::settingChanged, this, &SettingsRegistryModel::onSettingChanged);
    connect(notifier, &ZelSettingsNotifier::settingsReset, this, &SettingsRegistryModel::onSettingsReset);
}

int SettingsRegistryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_settings.size());
}

int SettingsRegistryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

Setting SettingsRegistryModel::setting(int row) const
{
    return row >= 0 && row < m_settings.size() ? m_settings.at(row) : Setting();
}

int SettingsRegistryModel::rowOf(const QString &key) const
{
    for (int row = 0; row < m_settings.size(); ++row) {
        if (m_settings.at(row).key() == key)
            return row;
    }
    return -1;
}

bool SettingsRegistryModel::isStored(int row) const
{
    return row >= 0 && row < m_settings.size() && ZelAbstractAppConfig::contains(m_settings.at(row).key());
}

QVariant SettingsRegistryModel::currentValue(int row) const
{
    if (row < 0 || row >= m_settings.size())
        return QVariant();
    const Setting &s = m_settings.at(row);
    const QVariant defaultValue = s.defaultValue();
    return SettingValueText::coerce(ZelAbstractAppConfig::setting(s.key(), defaultValue), defaultValue.metaType());
}

QVariant SettingsRegistryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Setting &s = m_settings.at(index.row());
    const QVariant defaultValue = s.defaultValue();

    switch (index.column()) {
    case KeyColumn:
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return s.key();
        if (role == Qt::ToolTipRole) {
            const SettingStore *store = SettingStore::Self();
            const int registrations = store ? store->registrationCount(s.key()) : 0;
            const int conflicts = store ? store->conflictCount(s.key()) : 0;
            QString tip = QStringLiteral("%1\nregistered %2 time(s)").arg(s.key()).arg(registrations);
            if (conflicts > 0)
                tip += QStringLiteral(", %1 time(s) with a different default or flag").arg(conflicts);
            return tip;
        }
        break;
    case TypeColumn:
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return defaultValue.isValid() ? QString::fromLatin1(defaultValue.typeName()) : QStringLiteral("invalid");
        break;
    case DefaultColumn:
        if (role == Qt::DisplayRole)
            return SettingValueText::display(defaultValue);
        if (role == Qt::ToolTipRole)
            return SettingValueText::details(defaultValue);
        if (role == ValueRole)
            return defaultValue;
        if (role == Qt::ForegroundRole) {
            // Quieter than the current value, whatever the palette.
            QColor text = QPalette().color(QPalette::Text);
            text.setAlphaF(0.6f);
            return QBrush(text);
        }
        break;
    case CurrentColumn: {
        if (role == StoredRole)
            return isStored(index.row());
        const QVariant current = currentValue(index.row());
        // A stored value Qt cannot turn into the key's type (text in an INI
        // file edited by hand) is shown as it is, and flagged.
        const bool mismatched =
            current.isValid() && defaultValue.isValid() && current.metaType() != defaultValue.metaType();
        switch (role) {
        case Qt::DisplayRole:
            return SettingValueText::display(current);
        case Qt::EditRole:
            return SettingValueText::editText(current);
        case ValueRole:
            return current;
        case Qt::ToolTipRole: {
            QString tip = SettingValueText::details(current);
            if (mismatched)
                tip += QStringLiteral("\n(stored as %1, which does not convert to %2)")
                           .arg(QString::fromLatin1(current.typeName()), QString::fromLatin1(defaultValue.typeName()));
            else
                tip += isStored(index.row()) ? QStringLiteral("\n(stored)") : QStringLiteral("\n(default)");
            return tip;
        }
        case Qt::FontRole:
            if (isStored(index.row())) {
                QFont font;
                font.setBold(true);
                return font;
            }
            break;
        case Qt::ForegroundRole:
            if (mismatched)
                return QBrush(QColor(0xc6, 0x28, 0x28));
            break;
        default:
            break;
        }
        break;
    }
    case FlagColumn:
        if (role == Qt::CheckStateRole)
            return s.flag() ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::ToolTipRole)
            return s.flag() ? QStringLiteral("A user preference: offered for reset and export")
                            : QStringLiteral("Application state, kept by the application itself");
        break;
    default:
        break;
    }
    return QVariant();
}

QVariant SettingsRegistryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case KeyColumn:
        return QStringLiteral("Key");
    case TypeColumn:
        return QStringLiteral("Type");
    case DefaultColumn:
        return QStringLiteral("Default");
    case CurrentColumn:
        return QStringLiteral("Current");
    case FlagColumn:
        return QStringLiteral("Flag");
    default:
        return QVariant();
    }
}

Qt::ItemFlags SettingsRegistryModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == CurrentColumn) {
        const QVariant defaultValue = m_settings.at(index.row()).defaultValue();
        if (SettingValueText::isEditableType(defaultValue.metaType())
            && SettingValueText::isEditable(currentValue(index.row())))
            f |= Qt::ItemIsEditable;
    }
    return f;
}

bool SettingsRegistryModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
        || !(flags(index) & Qt::ItemIsEditable))
        return false;

    const Setting &s = m_settings.at(index.row());
    const QString text = value.toString();
    // Views commit whenever an editor closes; unchanged text must not turn
    // a default into a stored value.
    if (text == SettingValueText::editText(currentValue(index.row())))
        return true;

    QString reason;
    const QVariant converted = SettingValueText::fromText(text, s.defaultValue().metaType(), &reason);
    if (!converted.isValid()) {
        Q_EMIT editRejected(s.key(), text, reason);
        return false;
    }
    const QString key = s.key();
    ZelAbstractAppConfig::setSetting(key, converted);
    Q_EMIT valueStored(key, converted);
    return true;
}

bool SettingsRegistryModel::resetToDefault(int row)
{
    if (!isStored(row))
        return false;
    ZelAbstractAppConfig::remove(m_settings.at(row).key());
    return true;
}

void SettingsRegistryModel::reload()
{
    const QList<Setting> now = registeredSettings();
    // The registry only grows: new keys are appended at the end.
    if (now.size() >= m_settings.size() && sameKeys(now, m_settings, m_settings.size())) {
        if (now.size() > m_settings.size()) {
            beginInsertRows(QModelIndex(), int(m_settings.size()), int(now.size()) - 1);
            m_settings = now;
            endInsertRows();
        }
        return;
    }
    beginResetModel();
    m_settings = now;
    endResetModel();
}

void SettingsRegistryModel::onSettingChanged(const QString &key)
{
    const int row = rowOf(key);
    if (row < 0)
        return;
    const QModelIndex cell = index(row, CurrentColumn);
    Q_EMIT dataChanged(cell, cell);
}

void SettingsRegistryModel::onSettingsReset()
{
    reload();
    if (m_settings.isEmpty())
        return;
    Q_EMIT dataChanged(index(0, CurrentColumn), index(int(m_settings.size()) - 1, CurrentColumn));
}
