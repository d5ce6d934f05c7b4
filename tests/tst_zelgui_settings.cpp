// The library's start-up: the settings keys it registers while loading, the
// accessors widgets read them through, and the names of its value types.

#include <ZelGui/ZelGuiSettings.h>

#include <ZelCore/SettingStore.h>
#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/settings.h>
#include <ZelLog/ZelLog.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <type_traits>

using ProfileMap = QMap<QByteArray, QList<QString>>;

namespace {

// Reads the default without storing it, then writes `changed` under `key` with the registered type.
// Every key read through an accessor is a user preference.
template<typename T, typename Arg>
void checkAccessor(T (*get)(), void (*set)(Arg), const char *key, const typename std::common_type<T>::type &initial,
                   const typename std::common_type<T>::type &changed)
{
    const QString name = QLatin1String(key);
    QCOMPARE(get(), initial);
    QVERIFY(!ZelAbstractAppConfig::contains(name));
    set(changed);
    QCOMPARE(get(), changed);
    const Setting setting = SettingStore::Self()->setting(name);
    QCOMPARE(ZelAbstractAppConfig::setting(name).metaType(), setting.defaultValue().metaType());
    QVERIFY(setting.flag());
}

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

class tst_ZelGuiSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        ZelAbstractAppConfig::reset();
        ZelLog::setEchoToQt(false);
        ZelLog::clearRecords();
        QLocale::setDefault(QLocale::c());
    }

    void containerDefaultsRegisterTheirTypeNames()
    {
        // Registered while the library loaded, before this test used the types.
        QCOMPARE(QMetaType::fromName("ContextedDirectory"), (QMetaType::fromType<QHash<QByteArray, QString>>()));
        QCOMPARE(QMetaType::fromName("HeaderViewState"), QMetaType::fromType<HeaderViewState>());
        QCOMPARE(QMetaType::fromName("ActiveProfile"), QMetaType::fromType<ActiveProfile>());
        QCOMPARE(QMetaType::fromName("QMap<QByteArray,QList<QString>>"), QMetaType::fromType<ProfileMap>());
    }

    void everyKeyRegisteredOnceWithoutConflict()
    {
        // Units that register the same key must agree on its default and flag.
        SettingStore *store = SettingStore::Self();
        const QStringList keys = store->keys();
        for (const QString &key : keys) {
            QCOMPARE(keys.count(key), 1);
            QCOMPARE(store->conflictCount(key), 0);
        }
    }

    void notificationKeysArePreferencesInOrder()
    {
        // The keys a host passes with its messages: preferences, on by default, in this order.
        const QStringList keys = SettingStore::Self()->keys();
        const QStringList notifications{settingMessageNotificationsSuccessLoadKey,
                                        settingMessageNotificationsFailedLoadKey,
                                        settingMessageNotificationsFastCaptureSuccessKey,
                                        settingMessageNotificationsFastCaptureFailedKey,
                                        settingMessageNotificationsAutoCaptureSuccessKey,
                                        settingMessageNotificationsAutoCaptureFailedKey,
                                        settingMessageNotificationsPanoramaKey};
        QCOMPARE(notifications, keys.mid(keys.indexOf(QStringLiteral("notifications/success_load")), 7));
        for (const QString &key : notifications) {
            QCOMPARE(SettingStore::Self()->setting(key).defaultValue(), QVariant(true));
            QVERIFY(SettingStore::Self()->setting(key).flag());
        }
    }

    void accessorsReadDefaultsAndWriteTheirKeys()
    {
        checkAccessor(settingIconSize, settingIconSize, "general/icon_size", 30, 48);
        checkAccessor(settingMessageOffsetHorizontal, settingMessageOffsetHorizontal, "element/tray_message/offset/horizontal", 0, -20);
        checkAccessor(settingMessageOffsetVertical, settingMessageOffsetVertical, "element/tray_message/offset/vertical", 0, 35);
        checkAccessor(settingMessageLifeTime, settingMessageLifeTime, "element/tray_message/lifetime", 7, 0);
        checkAccessor(settingMessageTransparency, settingMessageTransparency, "element/tray_message/transparency", 0.4, 0.75);
        checkAccessor(settingMessageStacked, settingMessageStacked, "element/tray_message/stacked", true, false);
        checkAccessor(settingHeaderViewState, settingHeaderViewState, "elements/tableheaderstate", {},
                      {{"images/main", QByteArray("\x00\xff\x10", 3)}, {"files", QByteArray()}});
        checkAccessor(settingHeaderActiveProfile, settingHeaderActiveProfile, "elements/activeprofile", {},
                      {{"images", QStringLiteral("Compact")}, {"files", QStringLiteral("Подробно")}});
        checkAccessor(settingTableHeaderProfiles, settingTableHeaderProfiles, "general/table_header_profiles", {},
                      {{"images", {QStringLiteral("Compact"), QStringLiteral("Full")}}, {"files", {}}});
    }

    void wrongTypedIniValuesFallBackAndStay()
    {
        QTemporaryDir dir;
        const QString path = corpusCopy(dir, QStringLiteral("wrong-types.ini"));
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

        // The user's change replaces that one value; the others stay as they were.
        settingIconSize(24);
        QSettings file(path, QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("General/icon_size")).toInt(), 24);
        QCOMPARE(file.value(QStringLiteral("element/tray_message/transparency")).toString(), QStringLiteral("half"));
        QCOMPARE(file.allKeys().size(), 31);
    }

    void iniWithBrokenLinesKeepsWhatReads()
    {
        QTemporaryDir dir;
        const QString path = corpusCopy(dir, QStringLiteral("broken-lines.ini"));
        const QByteArray before = fileBytes(path);
        ZelAbstractAppConfig::attachIniFile(path);

        // The lines that read are taken, the rest fall back; nothing throws the store off.
        QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("notifications/panorama")).toBool(), false);
        QCOMPARE(settingMessageStacked(), true); // not in the file: the default
        QVERIFY(settingMessageLifeTime() == 3 || settingMessageLifeTime() == 9); // a repeated key: one of its values
        QCOMPARE(fileBytes(path), before);

        // Changes are written; on a fresh start from the file they come back typed, and the values that read survive.
        settingMessageOffsetVertical(5);
        settingMessageTransparency(0.125);
        const HeaderViewState state{{"table", QByteArray("\x01\x02", 2)}};
        settingHeaderViewState(state);
        ZelAbstractAppConfig::reset();
        QCOMPARE(settingMessageOffsetVertical(), 0);
        ZelAbstractAppConfig::attachIniFile(path);
        QCOMPARE(settingMessageOffsetVertical(), 5);
        QCOMPARE(settingMessageTransparency(), 0.125);
        QCOMPARE(settingHeaderViewState(), state);
        QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("notifications/panorama")).toBool(), false);
    }

    void languageDefaultFollowsTheSystemLocale_data()
    {
        QTest::addColumn<QLocale>("system");
        QTest::addColumn<QLocale::Language>("expected");

        QTest::newRow("russian") << QLocale(QLocale::Russian, QLocale::Russia) << QLocale::Russian;
        QTest::newRow("ukrainian") << QLocale(QLocale::Ukrainian) << QLocale::English;
    }

    void languageDefaultFollowsTheSystemLocale()
    {
        QFETCH(QLocale, system);
        QFETCH(QLocale::Language, expected);

        QLocale::setDefault(system);
        QCOMPARE(settingLanguage(), expected);
        settingLanguage(QLocale::French);
        QCOMPARE(settingLanguage(), QLocale::French);
        // State, not a preference: whatever locale each unit saw, it registered an int.
        const Setting setting = SettingStore::Self()->setting(QStringLiteral("general/language"));
        QCOMPARE(setting.defaultValue().metaType(), QMetaType::fromType<int>());
        QVERIFY(!setting.flag());

        // Every read works the default out again and logs it, a stored language or not.
        const QList<ZelMessage> records = ZelLog::records();
        QCOMPARE(records.size(), 2);
        for (const ZelMessage &record : records) {
            QCOMPARE(record.messageType(), ZelLog::Logging);
            QCOMPARE(record.module(), QStringLiteral("ZelGui"));
            QCOMPARE(record.text(), QStringLiteral("default local language: %1").arg(int(system.language())));
        }
    }
};

QTEST_GUILESS_MAIN(tst_ZelGuiSettings)
#include "tst_zelgui_settings.moc"
