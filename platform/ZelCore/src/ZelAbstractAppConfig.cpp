#include <ZelCore/ZelAbstractAppConfig.h>

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QSettings>

#include <memory>

namespace {

struct ConfigStore
{
    QMutex mutex;
    QHash<QString, QVariant> values;
    std::unique_ptr<QSettings> file;
};

// QSettings keeps its own meaning for an INI section called "General" (the
// keys outside any section) and hands keys of a "general/" group back as
// "General/...". Our keys are lower case, so the group is restored.
QString storedKey(const QString &iniKey)
{
    static const QString iniGeneral = QStringLiteral("General/");
    if (iniKey.startsWith(iniGeneral))
        return QLatin1String("general/") + QStringView(iniKey).mid(iniGeneral.size());
    return iniKey;
}

// The other way: a key of ours as the file read it, so that a write replaces
// the value the file holds instead of adding a second "[%General]" entry.
QString iniKey(const QString &key)
{
    static const QString general = QStringLiteral("general/");
    if (key.startsWith(general))
        return QLatin1String("General/") + QStringView(key).mid(general.size());
    return key;
}

ConfigStore &store()
{
    static ConfigStore instance;
    return instance;
}

} // namespace

QVariant ZelAbstractAppConfig::setting(const QString &key, const QVariant &defaultValue)
{
    ConfigStore &s = store();
    QMutexLocker lock(&s.mutex);
    const auto it = s.values.constFind(key);
    return it == s.values.cend() ? defaultValue : *it;
}

void ZelAbstractAppConfig::setSetting(const QString &key, const QVariant &value)
{
    if (!value.isValid()) {
        remove(key);
        return;
    }
    {
        ConfigStore &s = store();
        QMutexLocker lock(&s.mutex);
        s.values.insert(key, value);
        if (s.file) {
            s.file->setValue(iniKey(key), value);
            s.file->sync();
        }
    }
    Q_EMIT notifier()->settingChanged(key);
}

bool ZelAbstractAppConfig::contains(const QString &key)
{
    ConfigStore &s = store();
    QMutexLocker lock(&s.mutex);
    return s.values.contains(key);
}

void ZelAbstractAppConfig::remove(const QString &key)
{
    {
        ConfigStore &s = store();
        QMutexLocker lock(&s.mutex);
        if (!s.values.remove(key))
            return;
        if (s.file) {
            s.file->remove(iniKey(key));
            s.file->sync();
        }
    }
    Q_EMIT notifier()->settingChanged(key);
}

QStringList ZelAbstractAppConfig::storedKeys()
{
    ConfigStore &s = store();
    QMutexLocker lock(&s.mutex);
    QStringList keys = s.values.keys();
    keys.sort();
    return keys;
}

void ZelAbstractAppConfig::attachIniFile(const QString &path)
{
    {
        ConfigStore &s = store();
        QMutexLocker lock(&s.mutex);
        s.file.reset();
        if (!path.isEmpty()) {
            s.file = std::make_unique<QSettings>(path, QSettings::IniFormat);
            const QStringList keys = s.file->allKeys();
            for (const QString &key : keys)
                s.values.insert(storedKey(key), s.file->value(key));
        }
    }
    Q_EMIT notifier()->settingsReset();
}

QString ZelAbstractAppConfig::iniFile()
{
    ConfigStore &s = store();
    QMutexLocker lock(&s.mutex);
    return s.file ? s.file->fileName() : QString();
}

void ZelAbstractAppConfig::reset()
{
    {
        ConfigStore &s = store();
        QMutexLocker lock(&s.mutex);
        s.file.reset();
        s.values.clear();
    }
    Q_EMIT notifier()->settingsReset();
}

ZelSettingsNotifier *ZelAbstractAppConfig::notifier()
{
    // Lives as long as the process; created on first use so that it belongs
    // to whichever thread asked first (normally the GUI thread).
    static ZelSettingsNotifier *const instance = new ZelSettingsNotifier;
    return instance;
}
