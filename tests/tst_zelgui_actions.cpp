// Actions that re-announce their events, bindable actions owning their handler connections, bindable buttons.

#include <ZelGui/ZelBindablePushButton.h>
#include <ZelGui/ZelBindableQAction.h>
#include <ZelGui/ZelBindableToolButton.h>
#include <ZelGui/ZelQAction.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

// Records the action's signals, in emission order, as "name(argument)".
static void logEmissions(ZelQAction *action, QStringList *log)
{
    const auto record = [log](const char *name) {
        return [=](bool on) { *log << QStringLiteral("%1(%2)").arg(name, on ? "true" : "false"); };
    };
    QObject::connect(action, &QAction::toggled, record("toggled"));
    QObject::connect(action, &QAction::triggered, record("triggered"));
    QObject::connect(action, &ZelQAction::actionChecked, record("actionChecked"));
    QObject::connect(action, &ZelQAction::actionTriggered, record("actionTriggered"));
    QObject::connect(action, &ZelQAction::actionEnabled, record("actionEnabled"));
    QObject::connect(action, &ZelQAction::actionCancelled, record("actionCancelled"));
    QObject::connect(action, &ZelQAction::complete, [log] { *log << "complete"; });
    QObject::connect(action, &ZelQAction::cancelled, [log] { *log << "cancelled"; });
}

struct OwnTriggerAction : ZelQAction
{
    using ZelQAction::ZelQAction;
    int triggers = 0; QList<bool> checks;
    void slotTriggerAction() override { ++triggers; }
    void slotCheckAction(bool on) override { checks << on; }
};

class tst_ZelGuiActions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void everyConstructorWiresTheSignals()
    {
        ZelQAction plain(nullptr), withText(QStringLiteral("Open"), nullptr);
        ZelBindableQAction withIcon(QIcon(QPixmap(8, 8)), QStringLiteral("Save"), nullptr);
        QVERIFY(withText.text() == QLatin1String("Open") && !withIcon.icon().isNull());
        for (ZelQAction *action : {&plain, &withText, static_cast<ZelQAction *>(&withIcon)}) {
            QSignalSpy spy(action, &ZelQAction::actionTriggered);
            action->trigger();
            QCOMPARE(spy.count(), 1);
        }
    }

    void triggerReannounces_data()
    {
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<bool>("checkedBefore");
        QTest::addColumn<QStringList>("expected");
        // The action's own connections run first; a check change repeats the enabled state.
        const QString check = "actionEnabled(true)|actionChecked(%1)|toggled(%1)|actionTriggered(true)|triggered(%1)";
        QTest::newRow("plain") << false << false << QStringList{"actionTriggered(true)", "triggered(false)"};
        QTest::newRow("unchecking") << true << true << check.arg("false").split('|');
        QTest::newRow("checking") << true << false << check.arg("true").split('|');
    }

    void triggerReannounces()
    {
        QFETCH(bool, checkable);
        QFETCH(bool, checkedBefore);
        QFETCH(QStringList, expected);
        ZelBindableQAction action(QStringLiteral("Grid"), nullptr);
        action.setCheckable(checkable);
        action.setChecked(checkedBefore);
        QStringList log;
        logEmissions(&action, &log);
        action.trigger();
        QCOMPARE(log, expected);
    }

    void everyChangeRepeatsTheEnabledState()
    {
        ZelQAction action(QStringLiteral("Zoom"), nullptr);
        QList<bool> states;
        connect(&action, &ZelQAction::actionEnabled, this, [&](bool on) { states << on; });
        action.setText(QStringLiteral("Zoom in"));
        action.setEnabled(false);
        action.setToolTip(QStringLiteral("Zooms in"));
        action.setEnabled(true);
        QCOMPARE(states, (QList<bool>{true, false, false, true}));
    }

    void overridesTakeTheEvents()
    {
        OwnTriggerAction action(QStringLiteral("Own"), nullptr);
        action.setCheckable(true);
        QStringList log;
        logEmissions(&action, &log);
        action.trigger();
        action.trigger();
        QCOMPARE(action.triggers, 2);
        QCOMPARE(action.checks, (QList<bool>{true, false}));
        QCOMPARE(log, (QStringList{"actionEnabled(true)", "toggled(true)", "triggered(true)", "actionEnabled(true)",
                                   "toggled(false)", "triggered(false)"}));
    }

    void installedHandlersOutliveTheirTemporaryHolders()
    {
        ZelBindableQAction action(QStringLiteral("Colour"), nullptr);
        QStringList calls;
        for (const char *name : {"first", "second"})
            action.installHandler(ZelConnection<QMetaObject::Connection>(connect(
                &action, &ZelQAction::actionTriggered, &action, [&calls, name] { calls << name; }, Qt::DirectConnection)));
        { // a holder not handed to the action ends its binding when it goes
            ZelConnection<QMetaObject::Connection> temporary(
                connect(&action, &ZelQAction::actionTriggered, &action, [&calls] { calls << "unbound"; }));
        }
        action.trigger();
        QCOMPARE(calls, (QStringList{"first", "second"}));
    }

    void buttonsHaveTheirOwnClassNames()
    {
        QCOMPARE(ZelBindablePushButton(nullptr).metaObject()->className(), "ZelBindablePushButton");
        QCOMPARE(ZelBindableToolButton(nullptr).metaObject()->className(), "ZelBindableToolButton");
    }
};

QTEST_MAIN(tst_ZelGuiActions)
#include "tst_zelgui_actions.moc"
