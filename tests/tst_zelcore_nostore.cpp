// ZelCore in a process that runs without a settings registry: the keys
// declared while loading are dropped, everything else works as usual.

#include <ZelCore/settings.h>

#include <ZelCore/FSUtils.h>
#include <ZelCore/SettingStore.h>
#include <ZelCore/ZelAbstractAppConfig.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

ZEL_DECLARE_SETTING(settingNoStoreProbe, "tst_zelcore/nostore", QVariant::fromValue<int>(1), true)

class tst_ZelCoreNoStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runsWithoutARegistry()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QVERIFY2(qEnvironmentVariableIntValue("ZELCORE_NO_SETTING_STORE") == 1, "run by ctest with the registry off");
        QCOMPARE(SettingStore::Self(), nullptr);
        qputenv("ZELCORE_NO_SETTING_STORE", "0"); // decided once: asked again, still none
        QCOMPARE(SettingStore::Self(), nullptr);
        const RegisterSettings late("tst_zelcore/late", QVariant(2), false); // dropped quietly

        // The config and what builds on it still work.
        ZelAbstractAppConfig::setSetting(settingNoStoreProbeKey, 5);
        QCOMPARE(ZelAbstractAppConfig::setting(settingNoStoreProbeKey), QVariant(5));
        QTemporaryDir dir;
        QCOMPARE(FSUtils::workDir("open"), QDir::homePath());
        FSUtils::setWorkDir(dir.path(), "open");
        QCOMPARE(FSUtils::workDir("open"), QDir::cleanPath(dir.path()));
    }
};

QTEST_GUILESS_MAIN(tst_ZelCoreNoStore)
#include "tst_zelcore_nostore.moc"
