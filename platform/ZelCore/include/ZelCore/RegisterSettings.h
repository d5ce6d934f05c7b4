#pragma once

#include <ZelCore/SettingStore.h>

#include <QString>
#include <QVariant>

// Registers one settings key with the process-wide store when constructed.
// Declared next to the key constant by ZEL_DECLARE_SETTING, so every
// compilation unit that sees the declaration registers the key at load.
class RegisterSettings
{
public:
    RegisterSettings(const char *key, const QVariant &defaultValue, bool flag)
    {
        const Setting setting(QString::fromUtf8(key), defaultValue, flag);
        if (SettingStore *store = SettingStore::Self())
            store->registerSetting(setting);
    }
};

// The key constant settingXxxKey and its registration object
// RegisterSettingInstancesettingXxx, file-local to the including unit.
#define ZEL_DECLARE_SETTING(name, key, defaultValue, flag)                                                             \
    static const QString name##Key = QString::fromUtf8(key);                                                           \
    static const RegisterSettings RegisterSettingInstance##name(key, defaultValue, flag);
