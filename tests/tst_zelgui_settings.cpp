// The library's start-up: the settings keys it registers while loading, the
// accessors widgets read them through, and the names of its value types.

#include <ZelGui/ZelGuiSettings.h>

#include <ZelCore/CaptureEngineData.h>
#include <ZelCore/SettingStore.h>
#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelApplicationSecurityPolicy.h>
#include <ZelCore/settings.h>
#include <ZelLog/ZelLog.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>
#include <type_traits>

// Host-facing names of the settings layer no other test spells out.
namespace hostnames {
using std::is_same_v;
static_assert(std::is_constructible_v<RegisterSettings, const char *, const QVariant &, bool>);
static_assert(is_same_v<decltype(settingMessageNotificationsPanoramaKey), const QString>);
static_assert(is_same_v<ContextedDirectory, QHash<QByteArray, QString>>);
static_assert(is_same_v<HeaderViewState, QHash<QByteArray, QByteArray>>);
static_assert(is_same_v<ActiveProfile, QMap<QByteArray, QString>>);
} // namespace hostnames

using ProfileMap = QMap<QByteArray, QList<QString>>;
using DirectoryHash = QHash<QByteArray, QString>;

class tst_ZelGuiSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void containerDefaultsRegisterTheirTypeNames();
    void init();

    void storeHoldsEveryKeyOnceWithItsDefault_data();
    void storeHoldsEveryKeyOnceWithItsDefault();
    void sharedKeysAreRegisteredByEveryDeclaringUnit();

    void accessorsReadDefaultsAndWriteTheirKeys();
    void noStoredValueCrashesAnAccessor();
    void iniBackedValuesComeBackTyped();
    void wrongTypedIniValuesFallBackAndStay();
    void iniWithBrokenLinesKeepsWhatReads();

    void languageDefaultFollowsTheSystemLocale_data();
    void languageDefaultFollowsTheSystemLocale();
    void everyLanguageReadLogsTheDefault();
};

void tst_ZelGuiSettings::init()
{
    ZelAbstractAppConfig::reset();
    ZelLog::setEchoToQt(false);
    ZelLog::clearRecords();
    QLocale::setDefault(QLocale::c());
}

void tst_ZelGuiSettings::storeHoldsEveryKeyOnceWithItsDefault_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::addColumn<bool>("flag");

    // The language's default depends on the system locale and has its own test.
    QTest::newRow("icon size") << "general/icon_size" << QVariant::fromValue<int>(30) << true;
    QTest::newRow("window state") << "mav/mainwindow/window_state" << QVariant::fromValue(QByteArray()) << true;
    QTest::newRow("window geometry") << "mav/mainwindow/window_geometry" << QVariant::fromValue(QByteArray()) << true;
    QTest::newRow("maximized") << "mav/mainwindow/maximized" << QVariant::fromValue(true) << true;
    QTest::newRow("raster format") << "mav/raster_format" << QVariant::fromValue(QString()) << true;
    QTest::newRow("working directory") << "document/working_directory" << QVariant::fromValue(DirectoryHash()) << false;
    QTest::newRow("last cfg dir") << "general/last_cfg_dir" << QVariant::fromValue(QString()) << false;
    QTest::newRow("display precision") << "general/display_precision" << QVariant::fromValue<int>(3) << true;
    QTest::newRow("max image side") << "general/max_image_side" << QVariant::fromValue<int>(6000) << true;
    QTest::newRow("fps period") << "element/fps_period" << QVariant::fromValue<int>(5000) << true;
    QTest::newRow("security policy") << "general/secpolicy" << QVariant::fromValue(ZelApplicationSecurityPolicy()) << false;
    QTest::newRow("decimals") << "core/decimals" << QVariant::fromValue<int>(3) << true;
    QTest::newRow("number format") << "core/numberformat" << QVariant::fromValue<int>(2) << true;
    QTest::newRow("header profiles") << "general/table_header_profiles" << QVariant::fromValue(ProfileMap()) << true;
    QTest::newRow("first run") << "general/first_run" << QVariant::fromValue(false) << false;
    QTest::newRow("capture config") << "element/ceconfig" << QVariant::fromValue(ZelCore::CaptureEngineData()) << false;
    QTest::newRow("active profile") << "elements/activeprofile" << QVariant::fromValue(ActiveProfile()) << true;
    QTest::newRow("header state") << "elements/tableheaderstate" << QVariant::fromValue(HeaderViewState()) << true;
    QTest::newRow("offset h") << "element/tray_message/offset/horizontal" << QVariant::fromValue<int>(0) << true;
    QTest::newRow("offset v") << "element/tray_message/offset/vertical" << QVariant::fromValue<int>(0) << true;
    QTest::newRow("lifetime") << "element/tray_message/lifetime" << QVariant::fromValue<int>(7) << true;
    QTest::newRow("transparency") << "element/tray_message/transparency" << QVariant::fromValue<double>(0.4) << true;
    QTest::newRow("stacked") << "element/tray_message/stacked" << QVariant::fromValue(true) << true;
    QTest::newRow("success load") << "notifications/success_load" << QVariant::fromValue(true) << true;
    QTest::newRow("failed load") << "notifications/failed_load" << QVariant::fromValue(true) << true;
    QTest::newRow("fast capture ok") << "notifications/fast_capture_success" << QVariant::fromValue(true) << true;
    QTest::newRow("fast capture failed") << "notifications/fast_capture_failed" << QVariant::fromValue(true) << true;
    QTest::newRow("auto capture ok") << "notifications/auto_capture_success" << QVariant::fromValue(true) << true;
    QTest::newRow("auto capture failed") << "notifications/auto_capture_failed" << QVariant::fromValue(true) << true;
    QTest::newRow("panorama") << "notifications/panorama" << QVariant::fromValue(true) << true;
}

void tst_ZelGuiSettings::storeHoldsEveryKeyOnceWithItsDefault()
{
    QFETCH(QString, key);
    QFETCH(QVariant, defaultValue);
    QFETCH(bool, flag);

    SettingStore *store = SettingStore::Self();
    QVERIFY(store);
    QCOMPARE(store->keys().count(key), 1);
    const Setting setting = store->setting(key);
    QCOMPARE(setting.flag(), flag);
    // Exactly the stated type, not merely something that compares equal.
    QCOMPARE(setting.defaultValue().metaType(), defaultValue.metaType());
    QCOMPARE(setting.defaultValue(), defaultValue);
    QCOMPARE(store->conflictCount(key), 0);
}

void tst_ZelGuiSettings::sharedKeysAreRegisteredByEveryDeclaringUnit()
{
    SettingStore *store = SettingStore::Self();
    QVERIFY(store);

    // Every unit including the core settings registers the language, unflagged, whatever locale it saw.
    const Setting language = store->setting(QStringLiteral("general/language"));
    QCOMPARE(language.defaultValue().metaType(), QMetaType::fromType<int>());
    QVERIFY(!language.flag());

    // Core keys come from several units that agree; single-unit keys are registered once.
    const int iconSizeCount = store->registrationCount(QStringLiteral("general/icon_size"));
    QVERIFY2(iconSizeCount >= 2, qPrintable(QString::number(iconSizeCount)));
    QCOMPARE(store->registrationCount(QStringLiteral("element/ceconfig")), iconSizeCount);
    QCOMPARE(store->registrationCount(QStringLiteral("general/language")), iconSizeCount);
    QVERIFY(store->registrationCount(QStringLiteral("elements/activeprofile")) >= 1);
    QCOMPARE(store->registrationCount(QStringLiteral("elements/tableheaderstate")), 1);
    QCOMPARE(store->registrationCount(QStringLiteral("element/tray_message/lifetime")), 1);
    QCOMPARE(store->registrationCount(QStringLiteral("notifications/panorama")), 1);

    // The core keys are registered in the order of their declaration.
    const QStringList keys = store->keys();
    QVERIFY(keys.indexOf(QStringLiteral("general/icon_size")) < keys.indexOf(QStringLiteral("general/language")));
    QVERIFY(keys.indexOf(QStringLiteral("general/first_run")) < keys.indexOf(QStringLiteral("element/ceconfig")));
    // The notification keys a host passes with its messages.
    QCOMPARE(QStringList({settingMessageNotificationsSuccessLoadKey, settingMessageNotificationsFailedLoadKey,
                          settingMessageNotificationsFastCaptureSuccessKey, settingMessageNotificationsFastCaptureFailedKey,
                          settingMessageNotificationsAutoCaptureSuccessKey, settingMessageNotificationsAutoCaptureFailedKey,
                          settingMessageNotificationsPanoramaKey}),
             keys.mid(keys.indexOf(QStringLiteral("notifications/success_load")), 7));
}

void tst_ZelGuiSettings::containerDefaultsRegisterTheirTypeNames()
{
    // Registered while the library loaded, before this test used the types.
    QCOMPARE(QMetaType::fromName("ContextedDirectory"), QMetaType::fromType<DirectoryHash>());
    QCOMPARE(QMetaType::fromName("HeaderViewState"), QMetaType::fromType<HeaderViewState>());
    QCOMPARE(QMetaType::fromName("ActiveProfile"), QMetaType::fromType<ActiveProfile>());
    QCOMPARE(QMetaType::fromName("QMap<QByteArray,QList<QString>>"), QMetaType::fromType<ProfileMap>());
}

namespace {

// Reads the default without storing it, then writes `changed` under `key` with the registered type.
template<typename T, typename Arg>
void checkAccessor(T (*get)(), void (*set)(Arg), const char *key, const typename std::common_type<T>::type &initial,
                   const typename std::common_type<T>::type &changed)
{
    const QString name = QLatin1String(key);
    QCOMPARE(get(), initial);
    QVERIFY(!ZelAbstractAppConfig::contains(name));
    set(changed);
    QCOMPARE(get(), changed);
    const QVariant stored = ZelAbstractAppConfig::setting(name);
    QCOMPARE(stored.metaType(), SettingStore::Self()->setting(name).defaultValue().metaType());
    QCOMPARE(stored.value<T>(), changed);
}

} // namespace

void tst_ZelGuiSettings::accessorsReadDefaultsAndWriteTheirKeys()
{
    checkAccessor(settingIconSize, settingIconSize, "general/icon_size", 30, 48);
    checkAccessor(settingMessageOffsetHorizontal, settingMessageOffsetHorizontal,
                  "element/tray_message/offset/horizontal", 0, -20);
    checkAccessor(settingMessageOffsetVertical, settingMessageOffsetVertical, "element/tray_message/offset/vertical", 0, 35);
    checkAccessor(settingMessageLifeTime, settingMessageLifeTime, "element/tray_message/lifetime", 7, 0);
    checkAccessor(settingMessageTransparency, settingMessageTransparency, "element/tray_message/transparency", 0.4, 0.75);
    checkAccessor(settingMessageStacked, settingMessageStacked, "element/tray_message/stacked", true, false);
    checkAccessor(settingLanguage, settingLanguage, "general/language", QLocale::English, QLocale::Russian);
    checkAccessor(settingHeaderViewState, settingHeaderViewState, "elements/tableheaderstate", {},
                  {{"images/main", QByteArray("\x00\xff\x10", 3)}, {"files", QByteArray()}});
    checkAccessor(settingHeaderActiveProfile, settingHeaderActiveProfile, "elements/activeprofile", {},
                  {{"images", QStringLiteral("Compact")}, {"files", QStringLiteral("Подробно")}});
    checkAccessor(settingTableHeaderProfiles, settingTableHeaderProfiles, "general/table_header_profiles", {},
                  {{"images", {QStringLiteral("Compact"), QStringLiteral("Full")}}, {"files", {}}});

    // A hash where a map belongs has no conversion: the accessor reads an empty map.
    ZelAbstractAppConfig::setSetting(QStringLiteral("elements/activeprofile"),
                                     QVariant::fromValue(HeaderViewState{{"a", "b"}}));
    QVERIFY(settingHeaderActiveProfile().isEmpty());
}

void tst_ZelGuiSettings::noStoredValueCrashesAnAccessor()
{
    const QList<QVariant> values{
        QVariant(), QVariant(std::numeric_limits<double>::quiet_NaN()),
        QVariant(std::numeric_limits<double>::infinity()), QVariant(-std::numeric_limits<double>::infinity()),
        QVariant(std::numeric_limits<qlonglong>::max()), QVariant(std::numeric_limits<int>::min()),
        QVariant(QByteArray(1 << 16, '\xff')),
        QVariant::fromValue(ZelCore::CaptureEngineData()), QVariant::fromValue(QObject::staticMetaObject.className()),
        QVariant(QVariantList{QVariant(), QVariant(1)}),
    };
    const QStringList keys = SettingStore::Self()->keys();
    for (const QVariant &value : values) {
        for (const QString &key : keys)
            ZelAbstractAppConfig::setSetting(key, value);
        // Every accessor answers with a value of its type; what matters is that it returns.
        settingIconSize(), settingLanguage(), settingMessageOffsetHorizontal(), settingMessageOffsetVertical();
        settingMessageLifeTime(), settingMessageTransparency(), settingMessageStacked();
        settingTableHeaderProfiles(), settingHeaderViewState(), settingHeaderActiveProfile();
    }
    // The NaN stored for a double reads back as NaN: it is a double already.
    ZelAbstractAppConfig::setSetting(QStringLiteral("element/tray_message/transparency"),
                                     std::numeric_limits<double>::quiet_NaN());
    QVERIFY(std::isnan(settingMessageTransparency()));
}

void tst_ZelGuiSettings::iniBackedValuesComeBackTyped()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("app.ini"));

    ZelAbstractAppConfig::attachIniFile(path);
    settingIconSize(22);
    settingMessageTransparency(0.125);
    settingMessageStacked(false);
    const HeaderViewState state{{"table", QByteArray("\x01\x02", 2)}};
    settingHeaderViewState(state);

    // A fresh start from the file: plain values come back as text and convert.
    ZelAbstractAppConfig::reset();
    QCOMPARE(settingIconSize(), 30);
    ZelAbstractAppConfig::attachIniFile(path);
    QCOMPARE(settingIconSize(), 22);
    QCOMPARE(settingMessageTransparency(), 0.125);
    QCOMPARE(settingMessageStacked(), false);
    QCOMPARE(settingHeaderViewState(), state);
}

namespace {

// A copy of a corpus file in `dir`, since the store writes back to the file it reads.
QString corpusCopy(const QTemporaryDir &dir, const QString &name)
{
    const QString source = qEnvironmentVariable("ZELGUI_TEST_DATA") + QStringLiteral("/corpus/settings/") + name;
    const QString copy = dir.filePath(name);
    return QFile::copy(source, copy) ? copy : QString();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void tst_ZelGuiSettings::wrongTypedIniValuesFallBackAndStay()
{
    QTemporaryDir dir;
    const QString path = corpusCopy(dir, QStringLiteral("wrong-types.ini"));
    QVERIFY(!path.isEmpty());
    const QByteArray before = fileBytes(path);
    // Qt's own note on the cut variant under one of the keys.
    QTest::ignoreMessage(QtWarningMsg, "QVariant::load: unknown user type with name .");
    ZelAbstractAppConfig::attachIniFile(path);
    // Every key of the file holds a value of the wrong type.
    QCOMPARE(ZelAbstractAppConfig::storedKeys().size(), 31);

    // What cannot be converted reads as the zero value of the type, not the default.
    QCOMPARE(settingIconSize(), 0);
    QCOMPARE(settingLanguage(), QLocale::AnyLanguage);
    QCOMPARE(settingMessageOffsetHorizontal(), 0);
    QCOMPARE(settingMessageOffsetVertical(), 0);
    QCOMPARE(settingMessageLifeTime(), 0);
    QCOMPARE(settingMessageTransparency(), 0.0);
    QCOMPARE(settingMessageStacked(), false);
    QCOMPARE(settingTableHeaderProfiles(), ProfileMap());
    QCOMPARE(settingHeaderViewState(), HeaderViewState());
    QCOMPARE(settingHeaderActiveProfile(), (QMap<QByteArray, QString>()));

    // Reading rewrites nothing.
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("element/tray_message/transparency")).toString(),
             QStringLiteral("half"));

    // The user's change replaces that one value; the others stay as they were.
    settingIconSize(24);
    QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("General/icon_size")).toInt(), 24);
    QCOMPARE(file.value(QStringLiteral("element/tray_message/transparency")).toString(), QStringLiteral("half"));
    QCOMPARE(file.value(QStringLiteral("elements/tableheaderstate")).toString(), QStringLiteral("not a hash"));
    QCOMPARE(file.value(QStringLiteral("General/language")).toString(), QStringLiteral("Klingon")); // as QSettings reads it
    QCOMPARE(file.allKeys().size(), 31);
}

void tst_ZelGuiSettings::iniWithBrokenLinesKeepsWhatReads()
{
    QTemporaryDir dir;
    const QString path = corpusCopy(dir, QStringLiteral("broken-lines.ini"));
    QVERIFY(!path.isEmpty());
    const QByteArray before = fileBytes(path);
    ZelAbstractAppConfig::attachIniFile(path);

    // The lines that read are taken, the rest fall back; nothing throws the store off.
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("notifications/panorama")).toBool(), false);
    QCOMPARE(settingMessageStacked(), true); // not in the file: the default
    QVERIFY(settingMessageLifeTime() == 3 || settingMessageLifeTime() == 9); // a repeated key: one of its values
    (void)settingIconSize();
    (void)settingLanguage();
    (void)settingMessageOffsetHorizontal();
    (void)settingMessageTransparency();
    (void)settingHeaderViewState();
    QCOMPARE(fileBytes(path), before);

    // A change is written; the values that read survive it.
    settingMessageOffsetVertical(5);
    ZelAbstractAppConfig::reset();
    ZelAbstractAppConfig::attachIniFile(path);
    QCOMPARE(settingMessageOffsetVertical(), 5);
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("notifications/panorama")).toBool(), false);
}

void tst_ZelGuiSettings::languageDefaultFollowsTheSystemLocale_data()
{
    QTest::addColumn<QLocale>("system");
    QTest::addColumn<QLocale::Language>("expected");

    QTest::newRow("russian") << QLocale(QLocale::Russian, QLocale::Russia) << QLocale::Russian;
    QTest::newRow("ukrainian") << QLocale(QLocale::Ukrainian) << QLocale::English;
    QTest::newRow("neutral") << QLocale::c() << QLocale::English;
}

void tst_ZelGuiSettings::languageDefaultFollowsTheSystemLocale()
{
    QFETCH(QLocale, system);
    QFETCH(QLocale::Language, expected);

    QLocale::setDefault(system);
    QCOMPARE(defaultLanguage(), expected);
    QCOMPARE(settingLanguage(), expected);
}

void tst_ZelGuiSettings::everyLanguageReadLogsTheDefault()
{
    QLocale::setDefault(QLocale(QLocale::German));
    settingLanguage();
    settingLanguage(QLocale::French);
    QCOMPARE(settingLanguage(), QLocale::French); // a stored language wins, but the default is still worked out

    const QList<ZelMessage> records = ZelLog::records();
    QCOMPARE(records.size(), 2);
    for (const ZelMessage &record : records) {
        QCOMPARE(record.messageType(), ZelLog::Logging);
        QCOMPARE(record.module(), QStringLiteral("ZelGui"));
        QCOMPARE(record.function(), QStringLiteral("QLocale::Language defaultLanguage()"));
        QVERIFY2(record.file().endsWith(QLatin1String("ZelCore/settings.h")), qPrintable(record.file()));
        QCOMPARE(record.line(), 23);
        QCOMPARE(record.text(), QStringLiteral("default local language: %1").arg(int(QLocale::German)));
    }
}

QTEST_GUILESS_MAIN(tst_ZelGuiSettings)
#include "tst_zelgui_settings.moc"
