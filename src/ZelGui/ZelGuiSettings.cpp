#include <ZelGui/ZelGuiSettings.h>

#include "ZelHeaderViewSettings_p.h"

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/settings.h>

#include <QMetaType>

ZEL_DECLARE_SETTING(settingHeaderViewState, "elements/tableheaderstate", QVariant::fromValue(HeaderViewState()), true)

ZEL_DECLARE_SETTING(settingMessageOffsetHorizontal, "element/tray_message/offset/horizontal",
                    QVariant::fromValue<int>(0), true)
ZEL_DECLARE_SETTING(settingMessageOffsetVertical, "element/tray_message/offset/vertical", QVariant::fromValue<int>(0),
                    true)
ZEL_DECLARE_SETTING(settingMessageLifeTime, "element/tray_message/lifetime", QVariant::fromValue<int>(7), true)
ZEL_DECLARE_SETTING(settingMessageTransparency, "element/tray_message/transparency", QVariant::fromValue<double>(0.4),
                    true)
ZEL_DECLARE_SETTING(settingMessageStacked, "element/tray_message/stacked", QVariant::fromValue<bool>(true), true)

// The notification keys are also the host's (declared in the public
// header), so their constants are global; they register like the others.
#define ZEL_DECLARE_HOST_SETTING(name, key, defaultValue, flag)                                                        \
    const QString name##Key = QString::fromUtf8(key);                                                                  \
    static const RegisterSettings RegisterSettingInstance##name(key, defaultValue, flag);

ZEL_DECLARE_HOST_SETTING(settingMessageNotificationsSuccessLoad, "notifications/success_load",
                         QVariant::fromValue<bool>(true), true)
ZEL_DECLARE_HOST_SETTING(settingMessageNotificationsFailedLoad, "notifications/failed_load",
                         QVariant::fromValue<bool>(true), true)
ZEL_DECLARE_HOST_SETTING(settingMessageNotificationsFastCaptureSuccess, "notifications/fast_capture_success",
                         QVariant::fromValue<bool>(true), true)
ZEL_DECLARE_HOST_SETTING(settingMessageNotificationsFastCaptureFailed, "notifications/fast_capture_failed",
                         QVariant::fromValue<bool>(true), true)
ZEL_DECLARE_HOST_SETTING(settingMessageNotificationsAutoCaptureSuccess, "notifications/auto_capture_success",
                         QVariant::fromValue<bool>(true), true)
ZEL_DECLARE_HOST_SETTING(settingMessageNotificationsAutoCaptureFailed, "notifications/auto_capture_failed",
                         QVariant::fromValue<bool>(true), true)
ZEL_DECLARE_HOST_SETTING(settingMessageNotificationsPanorama, "notifications/panorama", QVariant::fromValue<bool>(true),
                         true)

namespace {

// The types of the defaults above, known to the meta-type system from load
// on, the containers also under the names settings use for them.
[[maybe_unused]] const int metaTypeIds[] = {
    qRegisterMetaType<ContextedDirectory>("ContextedDirectory"),
    qRegisterMetaType<ZelApplicationSecurityPolicy>(),
    qRegisterMetaType<ZelCore::CaptureEngineData>(),
    qRegisterMetaType<TableHeaderProfiles>(),
    qRegisterMetaType<ActiveProfile>("ActiveProfile"),
    qRegisterMetaType<HeaderViewState>("HeaderViewState"),
};

// Reads key with its default and hands back a T: the stored value itself
// when it is a T, otherwise what Qt's meta-type conversion makes of it, or
// T's zero value when there is no conversion.
template<typename T>
T readSetting(const char *key, const QVariant &defaultValue)
{
    const QVariant value = ZelAbstractAppConfig::setting(QString::fromUtf8(key), defaultValue);
    const QMetaType target = QMetaType::fromType<T>();
    if (value.metaType() == target)
        return value.value<T>();
    T converted{};
    if (!value.isValid() || !QMetaType::convert(value.metaType(), value.constData(), target, &converted))
        return T{};
    return converted;
}

template<typename T>
void writeSetting(const char *key, const T &value)
{
    ZelAbstractAppConfig::setSetting(QString::fromUtf8(key), QVariant::fromValue(value));
}

} // namespace

int settingIconSize()
{
    return readSetting<int>("general/icon_size", QVariant::fromValue<int>(30));
}

void settingIconSize(int size)
{
    writeSetting("general/icon_size", size);
}

QLocale::Language settingLanguage()
{
    return QLocale::Language(readSetting<int>("general/language", QVariant::fromValue<int>(defaultLanguage())));
}

void settingLanguage(QLocale::Language language)
{
    writeSetting("general/language", int(language));
}

int settingMessageOffsetHorizontal()
{
    return readSetting<int>("element/tray_message/offset/horizontal", QVariant::fromValue<int>(0));
}

void settingMessageOffsetHorizontal(int offset)
{
    writeSetting("element/tray_message/offset/horizontal", offset);
}

int settingMessageOffsetVertical()
{
    return readSetting<int>("element/tray_message/offset/vertical", QVariant::fromValue<int>(0));
}

void settingMessageOffsetVertical(int offset)
{
    writeSetting("element/tray_message/offset/vertical", offset);
}

int settingMessageLifeTime()
{
    return readSetting<int>("element/tray_message/lifetime", QVariant::fromValue<int>(7));
}

void settingMessageLifeTime(int seconds)
{
    writeSetting("element/tray_message/lifetime", seconds);
}

double settingMessageTransparency()
{
    return readSetting<double>("element/tray_message/transparency", QVariant::fromValue<double>(0.4));
}

void settingMessageTransparency(double transparency)
{
    writeSetting("element/tray_message/transparency", transparency);
}

bool settingMessageStacked()
{
    return readSetting<bool>("element/tray_message/stacked", QVariant::fromValue<bool>(true));
}

void settingMessageStacked(bool stacked)
{
    writeSetting("element/tray_message/stacked", stacked);
}

TableHeaderProfiles settingTableHeaderProfiles()
{
    return readSetting<TableHeaderProfiles>("general/table_header_profiles",
                                            QVariant::fromValue(TableHeaderProfiles()));
}

void settingTableHeaderProfiles(const QMap<QByteArray, QList<QString>> &profiles)
{
    writeSetting("general/table_header_profiles", profiles);
}

HeaderViewState settingHeaderViewState()
{
    return readSetting<HeaderViewState>("elements/tableheaderstate", QVariant::fromValue(HeaderViewState()));
}

void settingHeaderViewState(const QHash<QByteArray, QByteArray> &state)
{
    writeSetting("elements/tableheaderstate", state);
}

ActiveProfile settingHeaderActiveProfile()
{
    return readSetting<ActiveProfile>("elements/activeprofile", QVariant::fromValue(ActiveProfile()));
}

void settingHeaderActiveProfile(const QMap<QByteArray, QString> &profiles)
{
    writeSetting("elements/activeprofile", profiles);
}
