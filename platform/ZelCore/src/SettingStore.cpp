#include <ZelCore/SettingStore.h>

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

class SettingStore::Private
{
public:
    struct Entry
    {
        Setting setting;
        int registrations = 0;
        int conflicts = 0;
    };

    mutable QMutex mutex;
    QStringList order;
    QHash<QString, Entry> entries;
};

SettingStore::SettingStore()
    : d(new Private)
{
}

SettingStore::~SettingStore()
{
    delete d;
}

SettingStore *SettingStore::Self()
{
    // Decided once: a process either has a registry or runs without one.
    static const bool disabled = qEnvironmentVariableIntValue("ZELCORE_NO_SETTING_STORE") == 1;
    if (disabled)
        return nullptr;
    // Never destroyed: libraries still register and look up keys while their
    // own statics are torn down at unload.
    static SettingStore *const store = new SettingStore;
    return store;
}

bool SettingStore::registerSetting(const Setting &setting)
{
    QMutexLocker lock(&d->mutex);
    auto it = d->entries.find(setting.key());
    if (it == d->entries.end()) {
        d->order.append(setting.key());
        d->entries.insert(setting.key(), Private::Entry{setting, 1, 0});
        return true;
    }
    ++it->registrations;
    if (it->setting != setting)
        ++it->conflicts;
    return false;
}

bool SettingStore::contains(const QString &key) const
{
    QMutexLocker lock(&d->mutex);
    return d->entries.contains(key);
}

Setting SettingStore::setting(const QString &key) const
{
    QMutexLocker lock(&d->mutex);
    return d->entries.value(key).setting;
}

QStringList SettingStore::keys() const
{
    QMutexLocker lock(&d->mutex);
    return d->order;
}

QList<Setting> SettingStore::settings() const
{
    QMutexLocker lock(&d->mutex);
    QList<Setting> result;
    result.reserve(d->order.size());
    for (const QString &key : std::as_const(d->order))
        result.append(d->entries.value(key).setting);
    return result;
}

int SettingStore::registrationCount(const QString &key) const
{
    QMutexLocker lock(&d->mutex);
    return d->entries.value(key).registrations;
}

int SettingStore::conflictCount(const QString &key) const
{
    QMutexLocker lock(&d->mutex);
    return d->entries.value(key).conflicts;
}
