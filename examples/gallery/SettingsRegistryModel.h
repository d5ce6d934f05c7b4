#pragma once

#include <ZelCore/SettingStore.h>

#include <QAbstractTableModel>
#include <QList>

// Every key of the settings registry, in registration order, beside the
// value the application's configuration holds for it. The Current column
// writes through ZelAbstractAppConfig, and the model follows the
// configuration's notifier, so changes made anywhere show at once.
class SettingsRegistryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { KeyColumn, TypeColumn, DefaultColumn, CurrentColumn, FlagColumn, ColumnCount };
    enum Role {
        // The cell's value as a QVariant of the key's type: the default in
        // DefaultColumn, the current value (converted when Qt can) in
        // CurrentColumn.
        ValueRole = Qt::UserRole + 1,
        // Whether the configuration stores a value for the row's key.
        StoredRole,
    };

    // Reads SettingStore::Self(); empty when the process has no registry.
    explicit SettingsRegistryModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Edits of the Current column: the text is read as a value of the key's
    // type and stored. Text that does not convert is refused (false, and
    // editRejected()); text equal to the current value stores nothing.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    Setting setting(int row) const;
    // The row of key, or -1.
    int rowOf(const QString &key) const;
    bool isStored(int row) const;
    // The current value of the row's key, converted to its default's type
    // where possible.
    QVariant currentValue(int row) const;

    // Removes the stored value of the row's key, so the default applies
    // again. False when nothing was stored.
    bool resetToDefault(int row);

public Q_SLOTS:
    // Picks up keys registered since (libraries loaded later).
    void reload();

Q_SIGNALS:
    void editRejected(const QString &key, const QString &text, const QString &reason);
    void valueStored(const QString &key, const QVariant &value);

private:
    void onSettingChanged(const QString &key);
    void onSettingsReset();

    QList<Setting> m_settings;
};
