// Actions that re-announce their events, bindable actions that own their
// handler connections, and the bindable button types.

#include <ZelGui/ZelBindablePushButton.h>
#include <ZelGui/ZelBindableQAction.h>
#include <ZelGui/ZelBindableToolButton.h>
#include <ZelGui/ZelQAction.h>

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>

namespace {

// Records the action's signals, in emission order, as "name(argument)".
class EmissionLog : public QObject
{
public:
    explicit EmissionLog(ZelQAction *action)
    {
        auto record = [this](const char *name) {
            return [this, name](bool value) {
                entries << QStringLiteral("%1(%2)").arg(QLatin1String(name), value ? QLatin1String("true")
                                                                                     : QLatin1String("false"));
            };
        };
        connect(action, &QAction::toggled, this, record("toggled"));
        connect(action, &QAction::triggered, this, record("triggered"));
        connect(action, &ZelQAction::actionChecked, this, record("actionChecked"));
        connect(action, &ZelQAction::actionTriggered, this, record("actionTriggered"));
        connect(action, &ZelQAction::actionEnabled, this, record("actionEnabled"));
        connect(action, &ZelQAction::actionCancelled, this, record("actionCancelled"));
        connect(action, &ZelQAction::complete, this, [this] { entries << QStringLiteral("complete"); });
        connect(action, &ZelQAction::cancelled, this, [this] { entries << QStringLiteral("cancelled"); });
    }

    QStringList entries;
};

class OwnTriggerAction : public ZelQAction
{
public:
    using ZelQAction::ZelQAction;
    int triggers = 0;
    QList<bool> checks;

private:
    void slotTriggerAction() override { ++triggers; }
    void slotCheckAction(bool checked) override { checks << checked; }
};

} // namespace

class tst_ZelGuiActions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void constructorsPassTheirArguments();
    void triggerReannounces_data();
    void triggerReannounces();
    void clickOnAToolButtonReannounces();
    void everyChangeRepeatsTheEnabledState_data();
    void everyChangeRepeatsTheEnabledState();
    void overridesTakeTheEvents();

    void installedHandlerOutlivesItsTemporaryHolder();
    void handlersAreReleasedWithTheAction();
    void sharedHolderKeepsTheConnectionUntilTheLastCopy();

    void buttonsHaveTheirOwnClassNames();
};

void tst_ZelGuiActions::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_ZelGuiActions::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void tst_ZelGuiActions::constructorsPassTheirArguments()
{
    QObject parent;
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::red);
    const QIcon icon(pixmap);

    ZelQAction plain(&parent);
    ZelQAction withText(QStringLiteral("Open"), &parent);
    ZelBindableQAction withIcon(icon, QStringLiteral("Save"), &parent);

    QCOMPARE(plain.parent(), &parent);
    QVERIFY(plain.text().isEmpty());
    QCOMPARE(withText.text(), QStringLiteral("Open"));
    QCOMPARE(withText.parent(), &parent);
    QCOMPARE(withIcon.text(), QStringLiteral("Save"));
    QVERIFY(!withIcon.icon().isNull());
    QCOMPARE(withIcon.parent(), &parent);

    // Every constructor wires the re-announcements.
    for (ZelQAction *action : {&plain, &withText, static_cast<ZelQAction *>(&withIcon)}) {
        QSignalSpy spy(action, &ZelQAction::actionTriggered);
        action->trigger();
        QCOMPARE(spy.count(), 1);
    }
}

void tst_ZelGuiActions::triggerReannounces_data()
{
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("checkedBefore");
    QTest::addColumn<QStringList>("expected");

    // The action's own connections come first, so each re-announcement
    // precedes the Qt signal as other receivers see it. A check change is
    // also a change of the action, which repeats the enabled state.
    QTest::newRow("plain") << false << false << QStringList{"actionTriggered(true)", "triggered(false)"};
    QTest::newRow("checkable, unchecking")
        << true << true
        << QStringList{"actionEnabled(true)", "actionChecked(false)", "toggled(false)", "actionTriggered(true)",
                       "triggered(false)"};
    QTest::newRow("checkable, checking")
        << true << false
        << QStringList{"actionEnabled(true)", "actionChecked(true)", "toggled(true)", "actionTriggered(true)",
                       "triggered(true)"};
}

void tst_ZelGuiActions::triggerReannounces()
{
    QFETCH(bool, checkable);
    QFETCH(bool, checkedBefore);
    QFETCH(QStringList, expected);

    ZelQAction action(QStringLiteral("Grid"), nullptr);
    action.setCheckable(checkable);
    action.setChecked(checkedBefore);
    EmissionLog log(&action);

    action.trigger();
    QCOMPARE(log.entries, expected);
}

void tst_ZelGuiActions::clickOnAToolButtonReannounces()
{
    QWidget window;
    auto *button = new QToolButton(&window);
    auto *action = new ZelBindableQAction(QStringLiteral("Lock"), &window);
    action->setCheckable(true);
    button->setDefaultAction(action);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    EmissionLog log(action);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());

    const QStringList expected{"actionEnabled(true)",   "actionChecked(true)",  "toggled(true)",
                               "actionTriggered(true)", "triggered(true)",     "actionEnabled(true)",
                               "actionChecked(false)",  "toggled(false)",      "actionTriggered(true)",
                               "triggered(false)"};
    QCOMPARE(log.entries, expected);
}

void tst_ZelGuiActions::everyChangeRepeatsTheEnabledState_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("change");

    for (bool enabled : {true, false}) {
        const char *state = enabled ? "enabled" : "disabled";
        for (const char *change : {"text", "tooltip", "icon"})
            QTest::addRow("%s, %s", state, change) << enabled << QString::fromLatin1(change);
    }
}

void tst_ZelGuiActions::everyChangeRepeatsTheEnabledState()
{
    QFETCH(bool, enabled);
    QFETCH(QString, change);

    ZelQAction action(QStringLiteral("Zoom"), nullptr);
    action.setEnabled(enabled);
    QSignalSpy spy(&action, &ZelQAction::actionEnabled);

    if (change == QLatin1String("text")) {
        action.setText(QStringLiteral("Zoom in"));
    } else if (change == QLatin1String("tooltip")) {
        action.setToolTip(QStringLiteral("Zooms in"));
    } else {
        QPixmap pixmap(4, 4);
        pixmap.fill(Qt::blue);
        action.setIcon(QIcon(pixmap));
    }
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), enabled);

    // And the change of the state itself.
    spy.clear();
    action.setEnabled(!enabled);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), !enabled);
}

void tst_ZelGuiActions::overridesTakeTheEvents()
{
    OwnTriggerAction action(QStringLiteral("Own"), nullptr);
    action.setCheckable(true);
    EmissionLog log(&action);

    action.trigger();
    action.trigger();

    QCOMPARE(action.triggers, 2);
    QCOMPARE(action.checks, (QList<bool>{true, false}));
    // The default re-emissions do not happen.
    QCOMPARE(log.entries, (QStringList{"actionEnabled(true)", "toggled(true)", "triggered(true)", "actionEnabled(true)",
                                       "toggled(false)", "triggered(false)"}));
}

void tst_ZelGuiActions::installedHandlerOutlivesItsTemporaryHolder()
{
    ZelBindableQAction bound(QStringLiteral("Bound"), nullptr);
    ZelBindableQAction unbound(QStringLiteral("Unbound"), nullptr);
    int boundCalls = 0;
    int unboundCalls = 0;

    bound.installHandler(ZelConnection<QMetaObject::Connection>(
        connect(&bound, &ZelQAction::actionTriggered, &bound, [&] { ++boundCalls; }, Qt::DirectConnection)));
    {
        // A holder that is not handed to the action ends the binding.
        ZelConnection<QMetaObject::Connection> temporary(
            connect(&unbound, &ZelQAction::actionTriggered, &unbound, [&] { ++unboundCalls; }, Qt::DirectConnection));
    }

    bound.trigger();
    bound.trigger();
    unbound.trigger();
    QCOMPARE(boundCalls, 2);
    QCOMPARE(unboundCalls, 0);
}

void tst_ZelGuiActions::handlersAreReleasedWithTheAction()
{
    QObject receiver;
    auto *action = new ZelBindableQAction(QStringLiteral("Colour"), nullptr);
    QList<QMetaObject::Connection> connections;
    QStringList calls;
    for (const QString &name : {QStringLiteral("first"), QStringLiteral("second")}) {
        const QMetaObject::Connection connection =
            connect(action, &ZelQAction::actionTriggered, &receiver, [&calls, name] { calls << name; });
        connections << connection;
        action->installHandler(connection);
    }

    action->trigger();
    QCOMPARE(calls, (QStringList{"first", "second"}));
    for (const QMetaObject::Connection &connection : connections)
        QVERIFY(connection);

    delete action;
    for (const QMetaObject::Connection &connection : connections)
        QVERIFY(!connection);
}

void tst_ZelGuiActions::sharedHolderKeepsTheConnectionUntilTheLastCopy()
{
    ZelBindableQAction first(QStringLiteral("First"), nullptr);
    QObject receiver;
    int calls = 0;
    auto *second = new ZelBindableQAction(QStringLiteral("Second"), nullptr);

    // One connection, owned by both actions.
    const ZelConnection<QMetaObject::Connection> holder(
        connect(&first, &ZelQAction::actionTriggered, &receiver, [&] { ++calls; }));
    first.installHandler(holder);
    second->installHandler(holder);

    delete second;
    first.trigger();
    QCOMPARE(calls, 1);
    QVERIFY(holder.isConnected());
}

void tst_ZelGuiActions::buttonsHaveTheirOwnClassNames()
{
    QWidget window;
    ZelBindablePushButton push(&window);
    ZelBindableToolButton tool(&window);

    QCOMPARE(push.metaObject()->className(), "ZelBindablePushButton");
    QCOMPARE(tool.metaObject()->className(), "ZelBindableToolButton");
    QVERIFY(push.inherits("QPushButton"));
    QVERIFY(tool.inherits("QToolButton"));
    QCOMPARE(push.parentWidget(), &window);
    QCOMPARE(tool.parentWidget(), &window);

    // They work as their bases: a tool button runs a bound action.
    auto *action = new ZelBindableQAction(QStringLiteral("Browse"), &window);
    int calls = 0;
    action->installHandler(connect(action, &ZelQAction::actionTriggered, action, [&] { ++calls; }, Qt::DirectConnection));
    tool.setDefaultAction(action);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(&tool, Qt::LeftButton, {}, tool.rect().center());
    QCOMPARE(calls, 1);
}

QTEST_MAIN(tst_ZelGuiActions)
#include "tst_zelgui_actions.moc"
