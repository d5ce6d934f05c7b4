// Dock widgets: deferred tabbing in a real main window, orientation of the contents.

#include <ZelGui/ILPOrientedWidget.h>
#include <ZelGui/ZelDockWidget.h>
#include <ZelGui/ZelDockWidgetLPOriented.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Counts the tabbing checks the scheduler runs.
class CountingDock : public ZelDockWidget
{
public:
    using ZelDockWidget::ZelDockWidget;
    int checks = 0;
    void enforceTabified() override
    {
        ++checks;
        ZelDockWidget::enforceTabified();
    }
};

// Contents that record the orientation calls and whether they were the dock's contents at the time.
class OrientedContents : public QLabel, public ILPOrientedWidget
{
public:
    explicit OrientedContents(QDockWidget *dock)
        : dock(dock)
    {
    }
    QStringList calls;
    QPointer<QDockWidget> dock;
    ZelStatus orientPortrait() override { return record(QStringLiteral("portrait")); }
    ZelStatus orientLandscape() override { return record(QStringLiteral("landscape")); }
    ZelStatus record(const QString &call)
    {
        calls << (dock && dock->widget() == this ? call : call + QStringLiteral(" (before set)"));
        return ZelStatus::Ok;
    }
};

struct Window
{
    QMainWindow main;
    Window()
    {
        main.setCentralWidget(new QLabel(QStringLiteral("centre")));
        main.resize(800, 600);
        main.show();
    }
    template<class Dock = ZelDockWidget>
    Dock *dock(const QString &name, Qt::DockWidgetArea area)
    {
        auto *d = new Dock(&main);
        d->setObjectName(name);
        if (area != Qt::NoDockWidgetArea)
            main.addDockWidget(area, d);
        return d;
    }
    QStringList tabbedWith(QDockWidget *dock) const
    {
        QStringList names;
        for (QDockWidget *other : main.tabifiedDockWidgets(dock))
            names << other->objectName();
        return names;
    }
    // Lets every zero-delay check that is due run.
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
};

} // namespace

class tst_ZelDockWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Any warning but the offscreen platform's is a failure.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)"))); }

    void docksInOneAreaTabTogether()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        // Hidden and floating docks in the area are no partners.
        w.dock(QStringLiteral("hidden"), Qt::RightDockWidgetArea)->hide();
        w.dock(QStringLiteral("floating"), Qt::RightDockWidgetArea)->setFloating(true);
        ZelDockWidget *a = w.dock(QStringLiteral("a"), Qt::RightDockWidgetArea);
        w.dock(QStringLiteral("b"), Qt::RightDockWidgetArea);
        ZelDockWidget *alone = w.dock(QStringLiteral("alone"), Qt::LeftDockWidgetArea);
        // Deferred: nothing happens before the event loop runs.
        QVERIFY(w.tabbedWith(a).isEmpty());
        QTRY_COMPARE(w.tabbedWith(a), QStringList{QStringLiteral("b")});
        Window::settle();
        QVERIFY(w.tabbedWith(alone).isEmpty());
        // activate() shows a hidden dock.
        alone->hide();
        alone->activate();
        QVERIFY(alone->isVisible());
    }

    // The title's float and close buttons take Tab and answer Space.
    void titleButtonsWorkFromTheKeyboard()
    {
        Window w;
        ZelDockWidget *dock = w.dock(QStringLiteral("a"), Qt::RightDockWidgetArea);
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        for (const QString &name : {QStringLiteral("qt_dockwidget_floatbutton"), QStringLiteral("qt_dockwidget_closebutton")}) {
            auto *button = dock->findChild<QAbstractButton *>(name);
            QVERIFY(button->focusPolicy() & Qt::TabFocus);
            QVERIFY(!QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).isEmpty());
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Space);
        }
        QVERIFY(dock->isFloating());
        QVERIFY(dock->isHidden());
    }

    void alreadyTabbedDockStays()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        // A plain dock (which does not tab itself) and a tab group beside it in the same area.
        QDockWidget *plain = w.dock<QDockWidget>(QStringLiteral("plain"), Qt::RightDockWidgetArea);
        ZelDockWidget *a = w.dock(QStringLiteral("a"), Qt::RightDockWidgetArea);
        QDockWidget *b = w.dock<QDockWidget>(QStringLiteral("b"), Qt::NoDockWidgetArea);
        w.main.tabifyDockWidget(a, b);
        Window::settle();
        QCOMPARE(w.tabbedWith(a), QStringList{QStringLiteral("b")});
        QVERIFY(w.tabbedWith(plain).isEmpty());
    }

    void mainWindowInsideAnotherWindow()
    {
        // A main window embedded in a page of an outer main window.
        QMainWindow outer;
        auto *page = new QWidget;
        outer.setCentralWidget(page);
        auto *inner = new QMainWindow(page);
        inner->setWindowFlags(Qt::Widget);
        auto *layout = new QVBoxLayout(page);
        layout->addWidget(inner);
        auto *a = new ZelDockWidget(inner);
        auto *b = new ZelDockWidget(inner);
        inner->addDockWidget(Qt::RightDockWidgetArea, a);
        inner->addDockWidget(Qt::RightDockWidgetArea, b);
        outer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&outer));
        QTRY_COMPARE(inner->tabifiedDockWidgets(a), QList<QDockWidget *>{b});
    }

    void changesInOnePassLeadToOneCheck()
    {
        Window w;
        auto *dock = w.dock<CountingDock>(QStringLiteral("dock"), Qt::LeftDockWidgetArea);
        QTRY_COMPARE(dock->checks, 1);
        for (int i = 0; i < 3; ++i)
            Q_EMIT dock->dockLocationChanged(Qt::LeftDockWidgetArea);
        Q_EMIT dock->topLevelChanged(false);
        Window::settle();
        QCOMPARE(dock->checks, 2);
    }

    void contentsChangeIsAnnouncedAroundIt()
    {
        ZelDockWidget dock;
        QStringList log;
        const auto name = [](QWidget *w) { return w ? w->objectName() : QStringLiteral("null"); };
        connect(&dock, &ZelDockWidget::contentsWidgetAboutToBeChanged, this,
                [&](QWidget *w) { log << QStringLiteral("about to(%1, current %2)").arg(name(w), name(dock.widget())); });
        connect(&dock, &ZelDockWidget::contentsWidgetChanged, this,
                [&](QWidget *w) { log << QStringLiteral("changed(%1, current %2)").arg(name(w), name(dock.widget())); });
        dock.show();
        auto *first = new QLabel;
        first->setObjectName(QStringLiteral("first"));
        dock.setContentsWidget(first);
        QVERIFY(first->isVisible() && dock.updatesEnabled());
        auto *second = new QLabel;
        second->setObjectName(QStringLiteral("second"));
        dock.setContentsWidget(second);
        dock.setContentsWidget(nullptr);
        QCOMPARE(log,
                 (QStringList{"about to(first, current null)", "changed(first, current first)", "about to(second, current first)",
                              "changed(second, current second)", "about to(null, current second)", "changed(null, current null)"}));
        // Replaced contents stay the dock's, hidden.
        QCOMPARE(first->parentWidget(), &dock);
        QVERIFY(first->isHidden() && second->isHidden());
    }

    void orientationFollowsAreaAndFloating()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        auto *dock = w.dock<ZelDockWidgetLPOriented>(QStringLiteral("dock"), Qt::NoDockWidgetArea);
        auto *contents = new OrientedContents(dock);
        // No area known and not floating: set without a call.
        dock->setContentsWidget(contents);

        // One debug line per reported location: left, none, top twice, bottom, right.
        QLoggingCategory::setFilterRules(QStringLiteral("zel.gui.dock.debug=true"));
        const QString address = QStringLiteral("0x%1").arg(quintptr(static_cast<ILPOrientedWidget *>(contents)), 0, 16);
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("location changed: Qt::LeftDockWidgetArea 1 ") + address));
        for (int i = 0; i < 5; ++i)
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^location changed: ")));
        w.main.addDockWidget(Qt::LeftDockWidgetArea, dock);
        // Floating reports no area; a side given while it still floats is kept for the docking.
        dock->setFloating(true);
        QCOMPARE(dock->lastDockArea(), Qt::NoDockWidgetArea);
        w.main.addDockWidget(Qt::TopDockWidgetArea, dock);
        QCOMPARE(dock->lastDockArea(), Qt::TopDockWidgetArea);
        dock->setFloating(false);
        w.main.addDockWidget(Qt::BottomDockWidgetArea, dock);
        w.main.addDockWidget(Qt::RightDockWidgetArea, dock);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(contents->calls, (QStringList{"portrait", "portrait", "landscape", "landscape", "portrait"}));

        // New contents are oriented for the last area before they are set; floating, portrait.
        w.main.addDockWidget(Qt::BottomDockWidgetArea, dock);
        auto *next = new OrientedContents(dock);
        dock->setContentsWidget(next);
        dock->setFloating(true);
        auto *floatingNext = new OrientedContents(dock);
        dock->setContentsWidget(floatingNext);
        QCOMPARE(next->calls, (QStringList{"landscape (before set)", "portrait"}));
        QCOMPARE(floatingNext->calls, (QStringList{"portrait (before set)"}));
    }

    void locateCallsOnlyForTheFourSides()
    {
        ZelDockWidgetLPOriented dock;
        OrientedContents contents(nullptr);
        dock.locateWidget(&contents, Qt::TopDockWidgetArea);
        dock.locateWidget(&contents, Qt::AllDockWidgetAreas);
        dock.locatePortrait(&contents);
        // A null interface is not called, the area is still stored.
        dock.locateWidget(nullptr, Qt::LeftDockWidgetArea);
        QCOMPARE(contents.calls, (QStringList{"landscape (before set)", "portrait (before set)"}));
        QCOMPARE(dock.lastDockArea(), Qt::LeftDockWidgetArea);
    }
};

QTEST_MAIN(tst_ZelDockWidget)
#include "tst_zeldockwidget.moc"
