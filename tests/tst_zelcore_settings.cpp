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

using namespace Qt::StringLiterals;

// Registered while this program loads, after the shared keys above.
ZEL_DECLARE_SETTING(settingTestFirst, "tst_zelcore/first", QVariant::fromValue<int>(1), true)
ZEL_DECLARE_SETTING(settingTestSecond, "tst_zelcore/second", QVariant::fromValue(u"two"_s), false)
// The same key again with another default: counted, not stored.
ZEL_DECLARE_SETTING(settingTestFirstAgain, "tst_zelcore/first", QVariant::fromValue<int>(100), true)

using Config = ZelAbstractAppConfig;

class tst_ZelCoreSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(u"."_s));
        ZelLog::setEchoToQt(false);
        Config::reset();
    }

    void keysDeclaredAtLoadKeepTheirOrder()
    {
        SettingStore *store = SettingStore::Self();
        const QStringList keys = store->keys();
        int previous = -1; // the shared keys, in the order of settings.h
        for (const char *key : {"general/icon_size", "general/language", "document/working_directory",
                                "general/secpolicy", "general/first_run", "element/ceconfig"}) {
            QVERIFY2(keys.indexOf(QLatin1String(key)) > previous && store->conflictCount(QLatin1String(key)) == 0, key);
            previous = int(keys.indexOf(QLatin1String(key)));
        }
        // This program's keys follow, each once; the repeat with another default kept the first and its place.
        QVERIFY(keys.indexOf(settingTestFirstKey) > previous);
        QCOMPARE(keys.indexOf(settingTestSecondKey), keys.indexOf(settingTestFirstKey) + 1);
        QCOMPARE(QList<int>({int(keys.count(settingTestFirstKey)), store->registrationCount(settingTestFirstKey),
                             store->conflictCount(settingTestFirstKey), store->registrationCount(settingTestSecondKey)}),
                 QList<int>({1, 2, 1, 1}));
        QCOMPARE(store->setting(settingTestFirstKey).defaultValue(), QVariant(1));
    }

    void repeatsAreCountedAndConflictsKeptOut()
    {
        SettingStore *store = SettingStore::Self();
        // The first registration is (5, true); each repeat comes twice.
        for (const auto &[tag, repeatDefault, repeatFlag, conflicts] : {std::tuple{"identical", QVariant(5), true, 0},
                 {"other type", QVariant(5.0), true, 1}, {"other flag", QVariant(5), false, 1}, {"no default", QVariant(), true, 1}}) {
            const QString key = u"tst_zelcore/repeat/"_s + QLatin1String(tag);
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

    void configStoresAndAnnounces()
    {
        QSignalSpy changed(Config::notifier(), &ZelSettingsNotifier::settingChanged);
        QSignalSpy reset(Config::notifier(), &ZelSettingsNotifier::settingsReset);
        const QString key = u"group/value"_s;
        QCOMPARE(Config::setting(key, 7), QVariant(7));
        QVERIFY(!Config::contains(key));

        Config::setSetting(key, 3);
        Config::setSetting(u"a/first"_s, u"x"_s);
        QCOMPARE(Config::setting(key, 7), QVariant(3));
        QCOMPARE(Config::storedKeys(), QStringList({u"a/first"_s, key}));
        // An invalid value removes; removing what is not there says nothing.
        Config::setSetting(key, QVariant());
        QVERIFY(!Config::contains(key));
        Config::remove(key);
        QCOMPARE(changed, QList<QVariantList>({{key}, {u"a/first"_s}, {key}}));

        QThread *announcedOn = nullptr; // announced from the thread that wrote
        const QMetaObject::Connection connection = QObject::connect(Config::notifier(),
            &ZelSettingsNotifier::settingChanged, [&announcedOn] { announcedOn = QThread::currentThread(); });
        QScopedPointer<QThread> writer(QThread::create([key] { Config::setSetting(key, 4); }));
        writer->start();
        QVERIFY(writer->wait(10000) && QObject::disconnect(connection));
        QVERIFY(announcedOn == writer.data() && Config::setting(key) == QVariant(4));

        Config::reset();
        QCOMPARE(reset.size(), 1);
        QVERIFY(Config::storedKeys().isEmpty());
    }

    void iniFileTakesWritesAndReplacesValues()
    {
        const QString path = m_dir.filePath(u"writes.ini"_s);
        QSettings file(path, QSettings::IniFormat); // another writer of the same file
        file.setValue(u"shared/value"_s, u"from file"_s);
        file.sync();
        Config::setSetting(u"shared/value"_s, u"from memory"_s);
        QSignalSpy reset(Config::notifier(), &ZelSettingsNotifier::settingsReset);
        Config::attachIniFile(path);
        QCOMPARE(reset.size(), 1);
        QCOMPARE(Config::setting(u"shared/value"_s).toString(), u"from file"_s);

        // Writes reach the file at once; attaching again reloads what another writer changed.
        Config::setSetting(u"new/key"_s, 99);
        Config::remove(u"shared/value"_s);
        file.sync();
        QVERIFY(file.value(u"new/key"_s).toInt() == 99 && !file.contains(u"shared/value"_s));
        file.setValue(u"shared/value"_s, u"edited"_s);
        file.sync();
        Config::attachIniFile(path);
        QCOMPARE(Config::setting(u"shared/value"_s).toString(), u"edited"_s);

        // Detached, values stay in memory and writes no longer reach the file.
        Config::attachIniFile(QString());
        QVERIFY(Config::iniFile().isEmpty() && Config::setting(u"new/key"_s) == 99);
        Config::setSetting(u"after/detach"_s, 1);
        file.sync();
        QVERIFY(!file.contains(u"after/detach"_s));
    }

    void valuesSurviveAnIniFile()
    {
        const QString path = m_dir.filePath(u"types.ini"_s), copy = m_dir.filePath(u"copy.ini"_s);
        // Our types, also under "general", which QSettings writes as "[%General]" and reads back as "General/...".
        const QVariantMap values{
            {settingSecurityPolicyKey, QVariant::fromValue(ZelApplicationSecurityPolicy{false, true, 5})},
            {u"t/enumeration"_s, QVariant::fromValue(ZelEnumeration(u"Filter"_s,
                {ZelEnumerationItem(QUuid::createUuid(), u"Red"_s, QColor(Qt::red)),
                 ZelEnumerationItem(QUuid::createUuid(), u"None"_s, QVariant())}))},
            {settingCEConfigLastKey, QVariant::fromValue(ZelCore::CaptureEngineData{u"Камера 1"_s, 0.5, 16.0, 10,
                                                                                    QByteArray("\x00\x01\xff", 3)})},
            {settingWorkingDirectoryKey, QVariant::fromValue(ContextedDirectory{{"export", u"/data/out"_s}, {"", u"/tmp"_s}})}};
        Config::attachIniFile(path);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            Config::setSetting(it.key(), it.value());
        Config::reset();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().count("@Variant(") == values.size());
        // QSettings caches the file it just wrote; a copy has to be parsed.
        QVERIFY(QFile::copy(path, copy));
        Config::attachIniFile(copy);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            QVERIFY2(Config::setting(it.key()) == it.value(), qPrintable(it.key())); // type and value
    }

    void generalKeysReadFromAFileAreReplacedInPlace()
    {
        QFile file(m_dir.filePath(u"general.ini"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[%General]\nicon_size=large\nlanguage=31\n");
        file.close();
        Config::attachIniFile(file.fileName());
        QCOMPARE(Config::setting(u"general/icon_size"_s).toString(), u"large"_s);
        Config::setSetting(u"general/icon_size"_s, 24);
        Config::remove(u"general/language"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QCOMPARE(text.count("[%General]"), 1);
        QCOMPARE(text.count("icon_size="), 1);
        QVERIFY(!text.contains("language="));
        Config::reset();
        Config::attachIniFile(file.fileName());
        QCOMPARE(Config::setting(u"general/icon_size"_s).toInt(), 24);
        QVERIFY(!Config::contains(u"general/language"_s));
    }
};

QTEST_GUILESS_MAIN(tst_ZelCoreSettings)
#include "tst_zelcore_settings.moc"
