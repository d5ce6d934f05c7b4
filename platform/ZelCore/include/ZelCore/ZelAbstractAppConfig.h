#pragma once

#include <ZelCore/zelcore_export.h>

#include <QObject>
#include <QString>
#include <QVariant>

// The application's configuration: a process-wide key-value store in
// memory. A host may back it with an INI file, whose values are read when it
// is attached and to which every write goes at once. Thread-safe.
class ZELCORE_EXPORT ZelAbstractAppConfig
{
public:
    // The stored value of key, or defaultValue when none is stored.
    static QVariant setting(const QString &key, const QVariant &defaultValue = QVariant());
    // Stores value under key (an invalid QVariant removes the key) and
    // announces the change through notifier().
    static void setSetting(const QString &key, const QVariant &value);

    static bool contains(const QString &key);
    static void remove(const QString &key);
    static QStringList storedKeys();

    // Backs the store with an INI file: the values in the file replace those
    // in memory, and later writes are synced to the file. An empty path
    // detaches the file and keeps the values in memory.
    static void attachIniFile(const QString &path);
    static QString iniFile();

    // Forgets every stored value and detaches any file (tests start clean).
    static void reset();

    // Emits settingChanged(key) after every setSetting() and remove(), on the
    // thread that made the change.
    static class ZelSettingsNotifier *notifier();
};

class ZELCORE_EXPORT ZelSettingsNotifier : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    void settingChanged(const QString &key);
    void settingsReset();
};
