// The settings registry (repeats, order) and the config with its INI backing.

#include <ZelCore/settings.h>

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelEnumeration.h>
#include <ZelCore/ZelScanAreaRange.h>
#include <ZelCore/ZelVec4D.h>

#include <QColor>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QtConcurrent>

#include <numeric>

// Registered while this program loads, after the shared keys above.
ZEL_DECLARE_SETTING(settingTestFirst, "tst_zelcore/first", QVariant::fromValue<int>(1), true)
ZEL_DECLARE_SETTING(settingTestSecond, "tst_zelcore/second", QVariant::fromValue(QStringLiteral("two")), false)
// The same key again with another default: counted, not stored.
ZEL_DECLARE_SETTING(settingTestFirstAgain, "tst_zelcore/first", QVariant::fromValue<int>(100), true)

class tst_ZelCoreSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void keysDeclaredAtLoadKeepTheirOrder();
    void repeatsAreCountedAndConflictsKeptOut_data();
    void repeatsAreCountedAndConflictsKeptOut();
    void concurrentRegistration();

    void configStoresAndAnnounces();
    void iniFileTakesWritesAndReplacesValues();
    void valuesSurviveAnIniFile();
};

void tst_ZelCoreSettings::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    ZelLog::setEchoToQt(false);
    ZelAbstractAppConfig::reset();
}

void tst_ZelCoreSettings::keysDeclaredAtLoadKeepTheirOrder()
{
    SettingStore *store = SettingStore::Self();
    QVERIFY(store);
    const QStringList keys = store->keys();
    // The shared keys, in the order of settings.h.
    int previous = -1;
    for (const char *key : {"general/icon_size", "general/language", "document/working_directory",
                            "general/secpolicy", "general/first_run", "element/ceconfig"}) {
        QVERIFY2(keys.indexOf(QLatin1String(key)) > previous, key);
        previous = int(keys.indexOf(QLatin1String(key)));
        QCOMPARE(store->conflictCount(QLatin1String(key)), 0);
    }
    QCOMPARE(store->setting(settingWorkingDirectoryKey).defaultValue().metaType(),
             QMetaType::fromType<ContextedDirectory>());
    QCOMPARE(store->setting(settingSecurityPolicyKey).defaultValue(),
             QVariant::fromValue(ZelApplicationSecurityPolicy()));

    // This program's keys come after them, each once; the later repeat with
    // another default kept the first one, and its place.
    QVERIFY(keys.indexOf(settingTestFirstKey) > previous);
    QCOMPARE(keys.indexOf(settingTestSecondKey), keys.indexOf(settingTestFirstKey) + 1);
    QCOMPARE(keys.count(settingTestFirstKey), 1);
    QCOMPARE(store->registrationCount(settingTestFirstKey), 2);
    QCOMPARE(store->conflictCount(settingTestFirstKey), 1);
    QCOMPARE(store->setting(settingTestFirstKey).defaultValue(), QVariant(1));
    QCOMPARE(store->registrationCount(settingTestSecondKey), 1);
}

void tst_ZelCoreSettings::repeatsAreCountedAndConflictsKeptOut_data()
{
    QTest::addColumn<QVariant>("repeatDefault");
    QTest::addColumn<bool>("repeatFlag");
    QTest::addColumn<int>("conflicts");

    // The first registration is (5, true).
    QTest::newRow("identical") << QVariant(5) << true << 0;
    QTest::newRow("other value") << QVariant(6) << true << 1;
    QTest::newRow("other type") << QVariant(5.0) << true << 1;
    QTest::newRow("other flag") << QVariant(5) << false << 1;
    QTest::newRow("no default") << QVariant() << true << 1;
}

void tst_ZelCoreSettings::repeatsAreCountedAndConflictsKeptOut()
{
    QFETCH(QVariant, repeatDefault);
    QFETCH(bool, repeatFlag);
    QFETCH(int, conflicts);

    SettingStore *store = SettingStore::Self();
    const QString key = QStringLiteral("tst_zelcore/repeat/") + QString::fromLatin1(QTest::currentDataTag());
    QVERIFY(!store->contains(key));
    QCOMPARE(store->setting(key), Setting());
    const Setting first(key, QVariant(5), true);
    QVERIFY(store->registerSetting(first));
    QVERIFY(!store->registerSetting(Setting(key, repeatDefault, repeatFlag)));
    QVERIFY(!store->registerSetting(Setting(key, repeatDefault, repeatFlag)));

    QCOMPARE(store->registrationCount(key), 3);
    QCOMPARE(store->conflictCount(key), 2 * conflicts);
    QCOMPARE(store->setting(key), first);
    QCOMPARE(store->setting(key).defaultValue().metaType(), QMetaType::fromType<int>());
    QCOMPARE(store->keys().count(key), 1);
}

void tst_ZelCoreSettings::concurrentRegistration()
{
    SettingStore *store = SettingStore::Self();
    constexpr int threads = 8;
    constexpr int keysPerThread = 200;
    QList<int> workers(threads);
    std::iota(workers.begin(), workers.end(), 0);
    // Every worker registers every key; worker 0 with another flag.
    QtConcurrent::blockingMap(workers, [](int worker) {
        for (int i = 0; i < keysPerThread; ++i)
            SettingStore::Self()->registerSetting(
                Setting(QStringLiteral("tst_zelcore/concurrent/%1").arg(i), QVariant(i), worker == 0));
    });

    const QStringList keys = store->keys();
    for (int i = 0; i < keysPerThread; ++i) {
        const QString key = QStringLiteral("tst_zelcore/concurrent/%1").arg(i);
        QCOMPARE(keys.count(key), 1);
        QCOMPARE(store->registrationCount(key), threads);
        const int conflicts = store->conflictCount(key);
        // Whichever worker came first, the other kind conflicts with it.
        QVERIFY2(conflicts == 1 || conflicts == threads - 1, qPrintable(QString::number(conflicts)));
        QCOMPARE(store->setting(key).flag(), conflicts == threads - 1);
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
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.at(0).at(0).toString(), key);

    // An invalid value removes; removing what is not there says nothing.
    ZelAbstractAppConfig::setSetting(key, QVariant());
    QVERIFY(!ZelAbstractAppConfig::contains(key));
    ZelAbstractAppConfig::remove(key);
    QCOMPARE(changed.size(), 3);

    // Announced from the thread that wrote.
    QThread *announcedOn = nullptr;
    QScopedPointer<QObject> context(new QObject);
    QObject::connect(ZelAbstractAppConfig::notifier(), &ZelSettingsNotifier::settingChanged, context.data(),
                     [&announcedOn] { announcedOn = QThread::currentThread(); }, Qt::DirectConnection);
    QScopedPointer<QThread> writer(QThread::create([key] { ZelAbstractAppConfig::setSetting(key, 4); }));
    writer->start();
    QVERIFY(writer->wait(10000));
    context.reset();
    QCOMPARE(announcedOn, writer.data());
    QCOMPARE(ZelAbstractAppConfig::setting(key), QVariant(4));

    ZelAbstractAppConfig::reset();
    QCOMPARE(reset.size(), 1);
    QVERIFY(ZelAbstractAppConfig::storedKeys().isEmpty());
}

void tst_ZelCoreSettings::iniFileTakesWritesAndReplacesValues()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("app.ini"));
    {
        QSettings external(path, QSettings::IniFormat);
        external.setValue(QStringLiteral("shared/value"), QStringLiteral("from file"));
        external.setValue(QStringLiteral("file/only"), 12);
    }
    ZelAbstractAppConfig::setSetting(QStringLiteral("shared/value"), QStringLiteral("from memory"));
    ZelAbstractAppConfig::setSetting(QStringLiteral("memory/only"), 1);

    QSignalSpy reset(ZelAbstractAppConfig::notifier(), &ZelSettingsNotifier::settingsReset);
    ZelAbstractAppConfig::attachIniFile(path);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(QFileInfo(ZelAbstractAppConfig::iniFile()).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("shared/value")).toString(), QStringLiteral("from file"));
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("file/only")).toInt(), 12);

    // Writes reach the file at once.
    ZelAbstractAppConfig::setSetting(QStringLiteral("new/key"), 99);
    ZelAbstractAppConfig::remove(QStringLiteral("file/only"));
    {
        QSettings check(path, QSettings::IniFormat);
        QCOMPARE(check.value(QStringLiteral("new/key")).toInt(), 99);
        QVERIFY(!check.contains(QStringLiteral("file/only")));
        // Another writer changes the file; attaching again reloads it.
        check.setValue(QStringLiteral("shared/value"), QStringLiteral("edited"));
    }
    ZelAbstractAppConfig::attachIniFile(path);
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("shared/value")).toString(), QStringLiteral("edited"));

    // Detached, values stay in memory and writes no longer reach the file.
    ZelAbstractAppConfig::attachIniFile(QString());
    QVERIFY(ZelAbstractAppConfig::iniFile().isEmpty());
    QCOMPARE(ZelAbstractAppConfig::setting(QStringLiteral("new/key")).toInt(), 99);
    ZelAbstractAppConfig::setSetting(QStringLiteral("after/detach"), 1);
    QSettings check(path, QSettings::IniFormat);
    QVERIFY(!check.contains(QStringLiteral("after/detach")));
}

void tst_ZelCoreSettings::valuesSurviveAnIniFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("types.ini"));

    // Our types, also under the group "general", which QSettings writes as
    // "[%General]" and reads back as "General/...".
    QVariantMap values;
    values[settingSecurityPolicyKey] = QVariant::fromValue(ZelApplicationSecurityPolicy{false, true, 5});
    values[QStringLiteral("t/scan")] =
        QVariant::fromValue(ZelScanAreaRange{QRect(QPoint(-1, -2), QPoint(640, 480)), 2, 3, 4, 5, 6});
    values[QStringLiteral("t/enumeration")] = QVariant::fromValue(ZelEnumeration(
        QStringLiteral("Filter"), {ZelEnumerationItem(QUuid::createUuid(), QStringLiteral("Red"), QColor(Qt::red)),
                                   ZelEnumerationItem(QUuid::createUuid(), QStringLiteral("None"), QVariant())}));
    values[QStringLiteral("t/vec")] = QVariant::fromValue(ZelVec4D(1.0 / 3.0, -0.0, 1e-300, 4));
    values[settingCEConfigLastKey] = QVariant::fromValue(
        ZelCore::CaptureEngineData{QStringLiteral("Камера 1"), 0.5, 16.0, 10, QByteArray("\x00\x01\xff", 3)});
    values[settingWorkingDirectoryKey] = QVariant::fromValue(
        ContextedDirectory{{"export", QStringLiteral("/data/out")}, {"", QStringLiteral("/tmp")}});

    ZelAbstractAppConfig::attachIniFile(path);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        ZelAbstractAppConfig::setSetting(it.key(), it.value());
    ZelAbstractAppConfig::reset();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("@Variant("), values.size());

    // Read from a copy: QSettings caches the file it just wrote, a copy has to be parsed.
    const QString copy = dir.filePath(QStringLiteral("copy.ini"));
    QVERIFY(QFile::copy(path, copy));
    ZelAbstractAppConfig::attachIniFile(copy);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QVariant back = ZelAbstractAppConfig::setting(it.key());
        QVERIFY2(back.metaType() == it.value().metaType(), qPrintable(it.key()));
        QVERIFY2(back == it.value(), qPrintable(it.key()));
    }
}

QTEST_GUILESS_MAIN(tst_ZelCoreSettings)
#include "tst_zelcore_settings.moc"
