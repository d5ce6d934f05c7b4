// Actions that re-announce their events, bindable actions owning their handler connections.

#include <ZelGui/ZelBindableQAction.h>
#include <ZelGui/ZelQAction.h>

#include <QApplication>
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
    int triggers = 0;
    QList<bool> checks;
    void slotTriggerAction() override { ++triggers; }
    void slotCheckAction(bool on) override { checks << on; }
};

class tst_ZelGuiActions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void triggerReannouncesAndChangesRepeatTheEnabledState()
    {
        // The icon constructor wires the signals like the others.
        ZelBindableQAction action(QIcon(QPixmap(8, 8)), QStringLiteral("Grid"), nullptr);
        QStringList log;
        logEmissions(&action, &log);
        action.trigger();
        QCOMPARE(log, (QStringList{"actionTriggered(true)", "triggered(false)"}));
        action.setCheckable(true);
        log.clear();
        action.trigger();
        // The action's own connections run first; a check change repeats the enabled state.
        QCOMPARE(log,
                 (QStringList{"actionEnabled(true)", "actionChecked(true)", "toggled(true)", "actionTriggered(true)", "triggered(true)"}));
        log.clear();
        action.setEnabled(false);
        action.setToolTip(QStringLiteral("Grid lines")); // any change repeats the current state
        action.setEnabled(true);
        QCOMPARE(log, (QStringList{"actionEnabled(false)", "actionEnabled(false)", "actionEnabled(true)"}));
    }

    void overridesTakeTheEvents()
    {
        OwnTriggerAction action(nullptr);
        action.setCheckable(true);
        QStringList log;
        logEmissions(&action, &log);
        action.trigger();
        action.trigger();
        QCOMPARE(action.triggers, 2);
        QCOMPARE(action.checks, (QList<bool>{true, false}));
        QCOMPARE(log,
                 (QStringList{"actionEnabled(true)", "toggled(true)", "triggered(true)", "actionEnabled(true)", "toggled(false)",
                              "triggered(false)"}));
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
};

QTEST_MAIN(tst_ZelGuiActions)
#include "tst_zelgui_actions.moc"
