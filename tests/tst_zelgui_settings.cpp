// The library's start-up: the settings keys it registers while loading, the
// accessors widgets read them through, and the names of its value types.

#include <ZelGui/GuiUtils.h>
#include <ZelGui/IGraphicsView.h>
#include <ZelGui/ILPOrientedWidget.h>
#include <ZelGui/IWidgetWithHVOrientation.h>
#include <ZelGui/IZelElementTableView.h>
#include <ZelGui/IProgressReporter.h>
#include <ZelGui/ZelBindableQAction.h>
#include <ZelGui/ZelGuiResources.h>
#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelHSLHistogram.h>
#include <ZelGui/ZelImageFile.h>
#include <ZelGui/ZelLineEdit.h>
#include <ZelGui/ZelTipLabel.h>

#include <ZelCore/CaptureEngineData.h>
#include <ZelCore/SettingStore.h>
#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelApplicationSecurityPolicy.h>
#include <ZelCore/settings.h>
#include <ZelLog/ZelLog.h>

#include <QIcon>
#include <QMenu>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>
#include <type_traits>

// The library's foundation names as host code writes them.
namespace hostnames {
using std::is_same_v;
static_assert(std::is_constructible_v<RegisterSettings, const char *, const QVariant &, bool>);
static_assert(is_same_v<decltype(defaultLanguage()), QLocale::Language>);
static_assert(is_same_v<decltype(settingMessageLifeTime()), int> && is_same_v<decltype(settingMessageStacked()), bool>);
static_assert(is_same_v<decltype(settingMessageNotificationsPanoramaKey), const QString>);
static_assert(is_same_v<decltype(qInitResources_ZelGui()), int> && is_same_v<decltype(qCleanupResources_ZelGui()), int>);
static_assert(is_same_v<ContextedDirectory, QHash<QByteArray, QString>>);
static_assert(is_same_v<HeaderViewState, QHash<QByteArray, QByteArray>>);
static_assert(is_same_v<ActiveProfile, QMap<QByteArray, QString>>);
static_assert(is_same_v<decltype(GuiUtils::trTransparentColor), const QString>);
static_assert(std::is_base_of_v<ZelQAction, ZelBindableQAction> && std::is_base_of_v<QLabel, ZelTipLabel>);
static_assert(std::is_base_of_v<QLineEdit, ZelLineEdit> && std::is_abstract_v<IProgressReporter>);
static_assert(is_same_v<decltype(&GuiUtils::makeVisible), void (*)(QWidget *)>);
static_assert(is_same_v<decltype(&GuiUtils::zoomFitToWindow), double (*)(const QSize &, const QSizeF &)>);
static_assert(is_same_v<decltype(&GuiUtils::zoomFitToWindowAccuracy), double (*)(const QSize &, const QSizeF &)>);
static_assert(is_same_v<decltype(&GuiUtils::getColorMenuByColors),
                        QMenu *(*)(const QString &, const QMap<Qt::GlobalColor, QString> &)>);
static_assert(is_same_v<decltype(&GuiUtils::getIconForColor), QIcon (*)(QColor, QSize)>);
static_assert(is_same_v<decltype(&GuiUtils::getColorMenu), QMenu *(*)(const QString &)>);
static_assert(is_same_v<decltype(&GuiUtils::getColorMenuWithoutTransparent), QMenu *(*)(const QString &)>);
static_assert(is_same_v<decltype(&GuiUtils::getStandartColorMap), const QMap<Qt::GlobalColor, QString> &(*)()>);
static_assert(is_same_v<decltype(&GuiUtils::getStandartColorMapWithoutTransparent),
                        const QMap<Qt::GlobalColor, QString> &(*)()>);
static_assert(is_same_v<decltype(&GuiUtils::prettyColors), QHash<QString, QColor> (*)()>);
static_assert(is_same_v<decltype(&GuiUtils::renderTextStatus), void (*)(QPainter *, const QRect &, const QString &)>);
static_assert(std::is_class_v<HSLHistogram> && std::is_class_v<ZelImageFile>);
static_assert(std::is_class_v<ILPOrientedWidget> && std::is_base_of_v<QGraphicsView, IGraphicsView>);
static_assert(std::is_class_v<IWidgetWithHVOrientation> && std::is_class_v<IZelElementTableView>);
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

    void accessorsReadTheirDefaults();
    void accessorsRoundTrip();
    void containerAccessorsRoundTrip();
    void storedValuesOfAnotherTypeConvert_data();
    void storedValuesOfAnotherTypeConvert();
    void containersOfAnotherTypeReadEmpty();
    void noStoredValueCrashesAnAccessor();
    void iniBackedValuesComeBackTyped();
    void wrongTypedIniValuesFallBackAndStay();
    void iniWithBrokenLinesKeepsWhatReads();

    void languageDefaultFollowsTheSystemLocale_data();
    void languageDefaultFollowsTheSystemLocale();
    void everyLanguageReadLogsTheDefaultOnce();
    void storedLanguageWins();
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
    QCOMPARE(setting.key(), key);
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

    // The language comes with every unit that includes the core settings,
    // whatever locale it saw; its flag is false.
    const Setting language = store->setting(QStringLiteral("general/language"));
    QCOMPARE(language.defaultValue().metaType(), QMetaType::fromType<int>());
    QVERIFY(!language.flag());

    // The core keys come from several units, and all of them agree; keys of
    // a single unit are registered exactly once.
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
    QCOMPARE(QMetaType::fromName("ZelApplicationSecurityPolicy"), QMetaType::fromType<ZelApplicationSecurityPolicy>());
    QCOMPARE(QMetaType::fromName("ZelCore::CaptureEngineData"), QMetaType::fromType<ZelCore::CaptureEngineData>());
}

void tst_ZelGuiSettings::accessorsReadTheirDefaults()
{
    QCOMPARE(settingIconSize(), 30);
    QCOMPARE(settingMessageOffsetHorizontal(), 0);
    QCOMPARE(settingMessageOffsetVertical(), 0);
    QCOMPARE(settingMessageLifeTime(), 7);
    QCOMPARE(settingMessageTransparency(), 0.4);
    QCOMPARE(settingMessageStacked(), true);
    QVERIFY(settingTableHeaderProfiles().isEmpty());
    QVERIFY(settingHeaderViewState().isEmpty());
    QVERIFY(settingHeaderActiveProfile().isEmpty());
    QCOMPARE(settingLanguage(), QLocale::English);
    // Reading writes nothing.
    QVERIFY(ZelAbstractAppConfig::storedKeys().isEmpty());
}

void tst_ZelGuiSettings::accessorsRoundTrip()
{
    settingIconSize(48);
    settingMessageOffsetHorizontal(-20);
    settingMessageOffsetVertical(35);
    settingMessageLifeTime(0);
    settingMessageTransparency(0.75);
    settingMessageStacked(false);
    settingLanguage(QLocale::Russian);

    QCOMPARE(settingIconSize(), 48);
    QCOMPARE(settingMessageOffsetHorizontal(), -20);
    QCOMPARE(settingMessageOffsetVertical(), 35);
    QCOMPARE(settingMessageLifeTime(), 0);
    QCOMPARE(settingMessageTransparency(), 0.75);
    QCOMPARE(settingMessageStacked(), false);
    QCOMPARE(settingLanguage(), QLocale::Russian);

    // They went to the keys of the registry, with the registered types.
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("general/icon_size")), QVariant::fromValue<int>(48));
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("element/tray_message/transparency")),
             QVariant::fromValue<double>(0.75));
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("general/language")).metaType(), QMetaType::fromType<int>());
}

void tst_ZelGuiSettings::containerAccessorsRoundTrip()
{
    const HeaderViewState state{{"images/main", QByteArray("\x00\xff\x10", 3)}, {"files", QByteArray()}};
    settingHeaderViewState(state);
    QCOMPARE(settingHeaderViewState(), state);

    const ActiveProfile active{{"images", QStringLiteral("Compact")}, {"files", QStringLiteral("Подробно")}};
    settingHeaderActiveProfile(active);
    QCOMPARE(settingHeaderActiveProfile(), active);

    const ProfileMap profiles{{"images", {QStringLiteral("Compact"), QStringLiteral("Full")}}, {"files", {}}};
    settingTableHeaderProfiles(profiles);
    QCOMPARE(settingTableHeaderProfiles(), profiles);
}

void tst_ZelGuiSettings::storedValuesOfAnotherTypeConvert_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("expected");

    const QString iconSize = QStringLiteral("general/icon_size");
    const QString transparency = QStringLiteral("element/tray_message/transparency");
    const QString stacked = QStringLiteral("element/tray_message/stacked");
    const QString lifetime = QStringLiteral("element/tray_message/lifetime");

    QTest::newRow("digits for int") << iconSize << QVariant(QStringLiteral("12")) << QVariant(12);
    QTest::newRow("letters for int") << iconSize << QVariant(QStringLiteral("large")) << QVariant(0);
    QTest::newRow("bool for int") << lifetime << QVariant(true) << QVariant(1);
    QTest::newRow("list for int") << lifetime << QVariant(QStringList{QStringLiteral("1")}) << QVariant(0);
    QTest::newRow("text for double") << transparency << QVariant(QStringLiteral("0.25")) << QVariant(0.25);
    QTest::newRow("junk for double") << transparency << QVariant(QStringLiteral("half")) << QVariant(0.0);
    QTest::newRow("text true for bool") << stacked << QVariant(QStringLiteral("true")) << QVariant(true);
    QTest::newRow("map for bool") << stacked << QVariant(QVariantMap()) << QVariant(false);
}

void tst_ZelGuiSettings::storedValuesOfAnotherTypeConvert()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QVariant, expected);

    ZelAbstractAppConfig::setSetting(key, stored);
    QVariant actual;
    if (key == QLatin1String("general/icon_size"))
        actual = settingIconSize();
    else if (key == QLatin1String("element/tray_message/lifetime"))
        actual = settingMessageLifeTime();
    else if (key == QLatin1String("element/tray_message/transparency"))
        actual = settingMessageTransparency();
    else
        actual = settingMessageStacked();
    QCOMPARE(actual, expected);
}

void tst_ZelGuiSettings::containersOfAnotherTypeReadEmpty()
{
    // A hash where a map belongs (and the other way round) has no conversion:
    // the accessor reads an empty container, not the stored entries.
    ZelAbstractAppConfig::setSetting(QStringLiteral("elements/activeprofile"),
                                     QVariant::fromValue(HeaderViewState{{"a", "b"}}));
    QVERIFY(settingHeaderActiveProfile().isEmpty());
    ZelAbstractAppConfig::setSetting(QStringLiteral("elements/tableheaderstate"), QVariant(QStringLiteral("state")));
    QVERIFY(settingHeaderViewState().isEmpty());
    ZelAbstractAppConfig::setSetting(QStringLiteral("general/table_header_profiles"), QVariant(42));
    QVERIFY(settingTableHeaderProfiles().isEmpty());
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
    QTest::newRow("german") << QLocale(QLocale::German) << QLocale::English;
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

void tst_ZelGuiSettings::everyLanguageReadLogsTheDefaultOnce()
{
    QLocale::setDefault(QLocale(QLocale::German));
    settingLanguage();
    settingLanguage();

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

void tst_ZelGuiSettings::storedLanguageWins()
{
    QLocale::setDefault(QLocale(QLocale::Russian));
    settingLanguage(QLocale::French);
    QCOMPARE(settingLanguage(), QLocale::French);
    // The default is still worked out (and logged) on every read.
    QCOMPARE(ZelLog::records().size(), 1);
}

QTEST_GUILESS_MAIN(tst_ZelGuiSettings)
#include "tst_zelgui_settings.moc"
