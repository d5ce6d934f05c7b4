// Actions that re-announce their events, bindable actions that own their
// handler connections, and the bindable button types.

#include <ZelGui/ZelBindablePushButton.h>
#include <ZelGui/ZelBindableQAction.h>
#include <ZelGui/ZelBindableToolButton.h>
#include <ZelGui/ZelQAction.h>

#include <QApplication>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>

namespace {

// Records the action's signals, in emission order, as "name(argument)".
void logEmissions(ZelQAction *action, QStringList *log)
{
    const auto record = [log](const char *name) {
        return [log, name](bool on) { *log << QStringLiteral("%1(%2)").arg(name, on ? "true" : "false"); };
    };
    QObject::connect(action, &QAction::toggled, record("toggled"));
    QObject::connect(action, &QAction::triggered, record("triggered"));
    QObject::connect(action, &ZelQAction::actionChecked, record("actionChecked"));
    QObject::connect(action, &ZelQAction::actionTriggered, record("actionTriggered"));
    QObject::connect(action, &ZelQAction::actionEnabled, record("actionEnabled"));
    QObject::connect(action, &ZelQAction::actionCancelled, record("actionCancelled"));
    QObject::connect(action, &ZelQAction::complete, [log] { *log << QStringLiteral("complete"); });
    QObject::connect(action, &ZelQAction::cancelled, [log] { *log << QStringLiteral("cancelled"); });
}

struct OwnTriggerAction : ZelQAction
{
    using ZelQAction::ZelQAction;
    int triggers = 0;
    QList<bool> checks;
    void slotTriggerAction() override { ++triggers; }
    void slotCheckAction(bool checked) override { checks << checked; }
};

} // namespace

class tst_ZelGuiActions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void everyConstructorWiresTheSignals()
    {
        QPixmap pixmap(8, 8);
        pixmap.fill(Qt::red);
        ZelQAction plain(nullptr);
        ZelQAction withText(QStringLiteral("Open"), nullptr);
        ZelBindableQAction withIcon(QIcon(pixmap), QStringLiteral("Save"), nullptr);
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
        QTest::addColumn<bool>("byClick");
        QTest::addColumn<QStringList>("expected");

        // The action's own connections run first; a check change repeats the enabled state.
        const QStringList plain{"actionTriggered(true)", "triggered(false)"};
        const QStringList unchecking{"actionEnabled(true)", "actionChecked(false)", "toggled(false)",
                                     "actionTriggered(true)", "triggered(false)"};
        const QStringList checking{"actionEnabled(true)", "actionChecked(true)", "toggled(true)",
                                   "actionTriggered(true)", "triggered(true)"};
        for (bool click : {false, true}) {
            const char *how = click ? ", tool button click" : "";
            QTest::addRow("plain%s", how) << false << false << click << plain;
            QTest::addRow("unchecking%s", how) << true << true << click << unchecking;
            QTest::addRow("checking%s", how) << true << false << click << checking;
        }
    }

    void triggerReannounces()
    {
        QFETCH(bool, checkable);
        QFETCH(bool, checkedBefore);
        QFETCH(bool, byClick);
        QFETCH(QStringList, expected);

        QWidget window;
        ZelBindableToolButton button(&window);
        auto *action = new ZelBindableQAction(QStringLiteral("Grid"), &window);
        action->setCheckable(checkable);
        action->setChecked(checkedBefore);
        int handlerCalls = 0;
        action->installHandler(
            connect(action, &ZelQAction::actionTriggered, action, [&] { ++handlerCalls; }, Qt::DirectConnection));
        button.setDefaultAction(action);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QStringList log;
        logEmissions(action, &log);
        if (byClick)
            QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());
        else
            action->trigger();
        QCOMPARE(log, expected);
        QCOMPARE(handlerCalls, 1);
    }

    void everyChangeRepeatsTheEnabledState()
    {
        ZelQAction action(QStringLiteral("Zoom"), nullptr);
        QList<bool> states;
        connect(&action, &ZelQAction::actionEnabled, this, [&](bool on) { states << on; });
        QPixmap pixmap(4, 4);
        pixmap.fill(Qt::blue);
        action.setText(QStringLiteral("Zoom in"));
        action.setEnabled(false);
        action.setToolTip(QStringLiteral("Zooms in"));
        action.setIcon(QIcon(pixmap));
        action.setEnabled(true);
        QCOMPARE(states, (QList<bool>{true, false, false, false, true}));
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
        // The default re-emissions do not happen.
        QCOMPARE(log, (QStringList{"actionEnabled(true)", "toggled(true)", "triggered(true)",
                                           "actionEnabled(true)", "toggled(false)", "triggered(false)"}));
    }

    void installedHandlersOutliveTheirTemporaryHolders()
    {
        ZelBindableQAction action(QStringLiteral("Colour"), nullptr);
        QStringList calls;
        for (const char *name : {"first", "second"}) {
            action.installHandler(ZelConnection<QMetaObject::Connection>(connect(
                &action, &ZelQAction::actionTriggered, &action, [&calls, name] { calls << name; }, Qt::DirectConnection)));
        }
        {
            // A holder that is not handed to the action ends its binding when it goes.
            ZelConnection<QMetaObject::Connection> temporary(
                connect(&action, &ZelQAction::actionTriggered, &action, [&calls] { calls << "unbound"; }));
        }
        action.trigger();
        action.trigger();
        QCOMPARE(calls, (QStringList{"first", "second", "first", "second"}));
    }

    void buttonsHaveTheirOwnClassNames()
    {
        QCOMPARE(ZelBindablePushButton(nullptr).metaObject()->className(), "ZelBindablePushButton");
        QCOMPARE(ZelBindableToolButton(nullptr).metaObject()->className(), "ZelBindableToolButton");
    }
};

QTEST_MAIN(tst_ZelGuiActions)
#include "tst_zelgui_actions.moc"
