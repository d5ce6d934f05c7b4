// A process without a settings registry: the library still loads, its
// registrations are dropped, and the accessors answer with the defaults.

#include <ZelGui/ZelGuiSettings.h>

#include <ZelCore/SettingStore.h>
#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelLog/ZelLog.h>

#include <QTest>

class tst_ZelGuiNoStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void accessorsAnswerWithoutARegistry()
    {
        QVERIFY2(qEnvironmentVariableIntValue("ZELCORE_NO_SETTING_STORE") == 1, "run by ctest with the registry off");
        QCOMPARE(SettingStore::Self(), nullptr);
        ZelLog::setEchoToQt(false);
        QCOMPARE(settingIconSize(), 30);
        QCOMPARE(settingMessageTransparency(), 0.4);
        QCOMPARE(settingMessageStacked(), true);
        QCOMPARE(settingMessageLifeTime(), 7);
        QVERIFY(settingHeaderViewState().isEmpty());
        settingMessageLifeTime(3);
        QCOMPARE(settingMessageLifeTime(), 3);
    }
};

QTEST_GUILESS_MAIN(tst_ZelGuiNoStore)
#include "tst_zelgui_nostore.moc"
