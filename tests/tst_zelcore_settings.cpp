#include <ZelCore/settings.h>

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelEnumeration.h>

#include <QColor>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// Registered while this program loads, after the shared keys above.
ZEL_DECLARE_SETTING(settingTestFirst, "tst_zelcore/first", QVariant::fromValue<int>(1), true)
ZEL_DECLARE_SETTING(settingTestSecond, "tst_zelcore/second", QVariant::fromValue(QStringLiteral("two")), false)
// The same key again with another default: counted, not stored.
ZEL_DECLARE_SETTING(settingTestFirstAgain, "tst_zelcore/first", QVariant::fromValue<int>(100), true)

class tst_ZelCoreSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        ZelLog::setEchoToQt(false);
        ZelAbstractAppConfig::reset();
    }
    void keysDeclaredAtLoadKeepTheirOrder();
    void repeatsAreCountedAndConflictsKeptOut();
    void configStoresAndAnnounces();
    void iniFileTakesWritesAndReplacesValues();
    void valuesSurviveAnIniFile();
    void generalKeysReadFromAFileAreReplacedInPlace();
};

void tst_ZelCoreSettings::keysDeclaredAtLoadKeepTheirOrder()
{
    SettingStore *store = SettingStore::Self();
    const QStringList keys = store->keys();
    int previous = -1; // the shared keys, in the order of settings.h
    for (const char *key : {"general/icon_size", "general/language", "document/working_directory",
                            "general/secpolicy", "general/first_run", "element/ceconfig"}) {
        QVERIFY2(keys.indexOf(QLatin1String(key)) > previous && store->conflictCount(QLatin1String(key)) == 0, key);
        previous = int(keys.indexOf(QLatin1String(key)));
    }
    // This program's keys come after them, each once; the repeat with another default kept the first, and its place.
    QVERIFY(keys.indexOf(settingTestFirstKey) > previous);
    QCOMPARE(keys.indexOf(settingTestSecondKey), keys.indexOf(settingTestFirstKey) + 1);
    QCOMPARE(QList<int>({int(keys.count(settingTestFirstKey)), store->registrationCount(settingTestFirstKey),
                         store->conflictCount(settingTestFirstKey), store->registrationCount(settingTestSecondKey)}),
             QList<int>({1, 2, 1, 1}));
    QCOMPARE(store->setting(settingTestFirstKey).defaultValue(), QVariant(1));
}

void tst_ZelCoreSettings::repeatsAreCountedAndConflictsKeptOut()
{
    SettingStore *store = SettingStore::Self();
    // The first registration is (5, true); each repeat comes twice.
    for (const auto &[tag, repeatDefault, repeatFlag, conflicts] : {std::tuple{"identical", QVariant(5), true, 0},
             {"other type", QVariant(5.0), true, 1}, {"other flag", QVariant(5), false, 1}, {"no default", QVariant(), true, 1}}) {
        const QString key = QStringLiteral("tst_zelcore/repeat/") + QLatin1String(tag);
        QVERIFY(!store->contains(key) && store->setting(key) == Setting());
        const Setting first(key, QVariant(5), true);
        QVERIFY(store->registerSetting(first));
        QVERIFY(!store->registerSetting(Setting(key, repeatDefault, repeatFlag)));
        QVERIFY(!store->registerSetting(Setting(key, repeatDefault, repeatFlag)));
        QCOMPARE(QList<int>({store->registrationCount(key), store->conflictCount(key), int(store->keys().count(key))}),
                 QList<int>({3, 2 * conflicts, 1}));
        QCOMPARE(store->setting(key), first);
        QCOMPARE(store->setting(key).defaultValue().metaType(), QMetaType::fromType<int>());
    }
}

void tst_ZelCoreSettings::configStoresAndAnnounces()
{
    QSignalSpy changed(ZelAbstractAppConfig::notifier(), &ZelSettingsNotifier::settingChanged);
    QSignalSpy reset(ZelAbstractAppConfig::notifier(), &ZelSettingsNotifier::settingsReset);
    const QString key = QStringLiteral("group/value");
    QCOMPARE(ZelAbstractAppConfig::setting(key, 7), QVariant(7));
    QVERIFY(!ZelAbstractAppConfig::contains(key));

    ZelAbstractAppConfig::setSetting(key, 3);
    ZelAbstractAppConfig::setSetting(QStringLiteral("a/first"), QStringLiteral("x"));
    QCOMPARE(ZelAbstractAppConfig::setting(key, 7), QVariant(3));
    QCOMPARE(ZelAbstractAppConfig::storedKeys(), QStringList({QStringLiteral("a/first"), key}));
    // An invalid value removes; removing what is not there says nothing.
    ZelAbstractAppConfig::setSetting(key, QVariant());
    QVERIFY(!ZelAbstractAppConfig::contains(key));
    ZelAbstractAppConfig::remove(key);
    QCOMPARE(changed, QList<QVariantList>({{key}, {QStringLiteral("a/first")}, {key}}));

    QThread *announcedOn = nullptr; // announced from the thread that wrote
    const QMetaObject::Connection connection = QObject::connect(ZelAbstractAppConfig::notifier(),
        &ZelSettingsNotifier::settingChanged, [&announcedOn] { announcedOn = QThread::currentThread(); });
    QScopedPointer<QThread> writer(QThread::create([key] { ZelAbstractAppConfig::setSetting(key, 4); }));
    writer->start();
    QVERIFY(writer->wait(10000) && QObject::disconnect(connection));
    QVERIFY(announcedOn == writer.data() && ZelAbstractAppConfig::setting(key) == QVariant(4));

    ZelAbstractAppConfig::reset();
    QCOMPARE(reset.size(), 1);
    QVERIFY(ZelAbstractAppConfig::storedKeys().isEmpty());
}

void tst_ZelCoreSettings::iniFileTakesWritesAndReplacesValues()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.ini"));
    QSettings file(path, QSettings::IniFormat); // another writer of the same file
    file.setValue(QStringLiteral("shared/value"), QStringLiteral("from file"));
    file.sync();
    ZelAbstractAppConfig::setSetting(QStringLiteral("shared/value"), QStringLiteral("from memory"));

    QSignalSpy reset(ZelAbstractAppConfig::notifier(), &ZelSettingsNotifier::settingsReset);
    ZelAbstractAppConfig::attachIniFile(path);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(QFileInfo(ZelAbstractAppConfig::iniFile()).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("shared/value")).toString(), QStringLiteral("from file"));

    // Writes reach the file at once; attaching again reloads what another writer changed.
    ZelAbstractAppConfig::setSetting(QStringLiteral("new/key"), 99);
    ZelAbstractAppConfig::remove(QStringLiteral("shared/value"));
    file.sync();
    QVERIFY(file.value(QStringLiteral("new/key")).toInt() == 99 && !file.contains(QStringLiteral("shared/value")));
    file.setValue(QStringLiteral("shared/value"), QStringLiteral("edited"));
    file.sync();
    ZelAbstractAppConfig::attachIniFile(path);
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("shared/value")).toString(), QStringLiteral("edited"));

    // Detached, values stay in memory and writes no longer reach the file.
    ZelAbstractAppConfig::attachIniFile(QString());
    QVERIFY(ZelAbstractAppConfig::iniFile().isEmpty() && ZelAbstractAppConfig::setting(QStringLiteral("new/key")) == 99);
    ZelAbstractAppConfig::setSetting(QStringLiteral("after/detach"), 1);
    file.sync();
    QVERIFY(!file.contains(QStringLiteral("after/detach")));
}

void tst_ZelCoreSettings::valuesSurviveAnIniFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("types.ini")), copy = dir.filePath(QStringLiteral("copy.ini"));
    // Our types, also under "general", which QSettings writes as "[%General]" and reads back as "General/...".
    const QVariantMap values{
        {settingSecurityPolicyKey, QVariant::fromValue(ZelApplicationSecurityPolicy{false, true, 5})},
        {QStringLiteral("t/enumeration"), QVariant::fromValue(ZelEnumeration(QStringLiteral("Filter"),
            {ZelEnumerationItem(QUuid::createUuid(), QStringLiteral("Red"), QColor(Qt::red)),
             ZelEnumerationItem(QUuid::createUuid(), QStringLiteral("None"), QVariant())}))},
        {settingCEConfigLastKey, QVariant::fromValue(ZelCore::CaptureEngineData{QStringLiteral("Камера 1"), 0.5, 16.0, 10,
                                                                                QByteArray("\x00\x01\xff", 3)})},
        {settingWorkingDirectoryKey, QVariant::fromValue(ContextedDirectory{{"export", QStringLiteral("/data/out")},
                                                                            {"", QStringLiteral("/tmp")}})}};
    ZelAbstractAppConfig::attachIniFile(path);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        ZelAbstractAppConfig::setSetting(it.key(), it.value());
    ZelAbstractAppConfig::reset();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().count("@Variant(") == values.size());
    // Read from a copy: QSettings caches the file it just wrote, a copy has to be parsed.
    QVERIFY(QFile::copy(path, copy));
    ZelAbstractAppConfig::attachIniFile(copy);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        QVERIFY2(ZelAbstractAppConfig::setting(it.key()) == it.value(), qPrintable(it.key())); // type and value
}

void tst_ZelCoreSettings::generalKeysReadFromAFileAreReplacedInPlace()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[%General]\nicon_size=large\nlanguage=31\n");
    file.close();

    ZelAbstractAppConfig::attachIniFile(path);
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("general/icon_size")).toString(), QStringLiteral("large"));
    ZelAbstractAppConfig::setSetting(QStringLiteral("general/icon_size"), 24);
    ZelAbstractAppConfig::remove(QStringLiteral("general/language"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QCOMPARE(text.count("[%General]"), 1);
    QCOMPARE(text.count("icon_size="), 1);
    QVERIFY(!text.contains("language="));
    ZelAbstractAppConfig::reset();
    ZelAbstractAppConfig::attachIniFile(path);
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("general/icon_size")).toInt(), 24);
    QVERIFY(!ZelAbstractAppConfig::contains(QStringLiteral("general/language")));
}

QTEST_GUILESS_MAIN(tst_ZelCoreSettings)
#include "tst_zelcore_settings.moc"
