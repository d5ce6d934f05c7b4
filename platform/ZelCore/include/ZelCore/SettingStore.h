#pragma once

#include <ZelCore/zelcore_export.h>

#include <QList>
#include <QString>
#include <QVariant>

// One registered settings key: its default value (whose type is the key's
// value type) and a flag. A flagged key is a user preference that the
// application may offer to reset and export; an unflagged one is state the
// application keeps for itself (language, working directories, first run).
class ZELCORE_EXPORT Setting
{
public:
    Setting() = default;
    Setting(const QString &key, const QVariant &defaultValue, bool flag)
        : m_key(key)
        , m_defaultValue(defaultValue)
        , m_flag(flag)
    {
    }

    QString key() const { return m_key; }
    QVariant defaultValue() const { return m_defaultValue; }
    bool flag() const { return m_flag; }

    bool operator==(const Setting &other) const
    {
        // The type counts too: 5 and 5.0 are different defaults.
        return m_key == other.m_key && m_flag == other.m_flag
            && m_defaultValue.metaType() == other.m_defaultValue.metaType() && m_defaultValue == other.m_defaultValue;
    }
    bool operator!=(const Setting &other) const { return !(*this == other); }

private:
    QString m_key;
    QVariant m_defaultValue;
    bool m_flag = false;
};

// The process-wide registry of settings keys. Libraries register their keys
// while they are loaded; a key registered again keeps its first record (the
// repeat is counted, not stored). Thread-safe.
class ZELCORE_EXPORT SettingStore
{
public:
    // The registry, or nullptr when the process runs without one (the
    // environment variable ZELCORE_NO_SETTING_STORE is set to 1).
    static SettingStore *Self();

    // Records the key; true when it was new. A repeat with a different
    // default or flag is kept out and counted as a conflict.
    bool registerSetting(const Setting &setting);

    bool contains(const QString &key) const;
    Setting setting(const QString &key) const;
    // Keys in the order of their first registration.
    QStringList keys() const;
    QList<Setting> settings() const;
    // How often the key was registered, repeats included.
    int registrationCount(const QString &key) const;
    // Repeats whose default or flag differed from the first registration.
    int conflictCount(const QString &key) const;

private:
    SettingStore();
    ~SettingStore();
    SettingStore(const SettingStore &) = delete;
    SettingStore &operator=(const SettingStore &) = delete;

    class Private;
    Private *const d;
};
