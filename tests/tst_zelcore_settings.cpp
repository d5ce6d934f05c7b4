#include <ZelCore/settings.h>

#include <ZelCore/ZelAbstractAppConfig.h>

#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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

    void registration()
    {
        SettingStore *store = SettingStore::Self();
        // The key declared again at load with another default: listed once, the first kept, the conflict counted.
        QCOMPARE(QList<int>({int(store->keys().count(settingTestFirstKey)), store->conflictCount(settingTestFirstKey)}),
                 QList<int>({1, 1}));
        QCOMPARE(store->setting(settingTestFirstKey).defaultValue(), QVariant(1));

        // A later registration of (5, true) under a new key: only an identical one is no conflict.
        for (const auto &[tag, repeatDefault, repeatFlag, conflicts] : {std::tuple{"same", QVariant(5), true, 0},
                                                                        {"type", QVariant(5.0), true, 1},
                                                                        {"flag", QVariant(5), false, 1},
                                                                        {"none", QVariant(), true, 1}}) {
            const QString key = u"tst_zelcore/repeat/"_s + QLatin1String(tag);
            const Setting first(key, QVariant(5), true);
            QVERIFY(store->registerSetting(first));
            QVERIFY(!store->registerSetting(Setting(key, repeatDefault, repeatFlag)));
            QCOMPARE(QList<int>({store->registrationCount(key), store->conflictCount(key)}), QList<int>({2, conflicts}));
            QCOMPARE(store->setting(key), first);
        }
    }

    void configStoresAndAnnounces()
    {
        QSignalSpy changed(Config::notifier(), &ZelSettingsNotifier::settingChanged);
        const QString key = u"group/value"_s;
        QCOMPARE(Config::setting(key, 7), QVariant(7));
        QVERIFY(!Config::contains(key));

        Config::setSetting(key, 3);
        Config::setSetting(u"a/first"_s, u"x"_s);
        QCOMPARE(Config::setting(key, 7), QVariant(3));
        // An invalid value removes; removing what is not there says nothing.
        Config::setSetting(key, QVariant());
        QVERIFY(!Config::contains(key));
        Config::remove(key);
        QCOMPARE(changed, QList<QVariantList>({{key}, {u"a/first"_s}, {key}}));
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

        // Writes and removals reach the file at once.
        Config::setSetting(u"new/key"_s, 99);
        Config::remove(u"shared/value"_s);
        file.sync();
        QVERIFY(file.value(u"new/key"_s).toInt() == 99 && !file.contains(u"shared/value"_s));
        file.setValue(u"shared/value"_s, u"edited"_s); // attaching again reloads what another writer changed
        file.sync();
        Config::attachIniFile(path);
        QCOMPARE(Config::setting(u"shared/value"_s).toString(), u"edited"_s);

        // Detached, values stay in memory and writes no longer reach the file.
        Config::attachIniFile(QString());
        QCOMPARE(Config::setting(u"new/key"_s), 99);
        Config::setSetting(u"after/detach"_s, 1);
        file.sync();
        QVERIFY(!file.contains(u"after/detach"_s));
    }

    void generalKeysReadFromAFileAreReplacedInPlace()
    {
        QFile file(m_dir.filePath(u"general.ini"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[%General]\nicon_size=large\nlanguage=31\n");
        file.close();
        Config::attachIniFile(file.fileName());
        Config::setSetting(u"general/icon_size"_s, 24);
        Config::remove(u"general/language"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QCOMPARE(std::pair(text.count("[%General]"), text.count("icon_size=")), std::pair(qsizetype(1), qsizetype(1)));
        QVERIFY(!text.contains("language="));
        Config::reset();
        Config::attachIniFile(file.fileName());
        QCOMPARE(Config::setting(u"general/icon_size"_s).toInt(), 24);
        QVERIFY(!Config::contains(u"general/language"_s));
    }
};

QTEST_GUILESS_MAIN(tst_ZelCoreSettings)
#include "tst_zelcore_settings.moc"
