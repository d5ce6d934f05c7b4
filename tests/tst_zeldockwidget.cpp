// Dock widgets: deferred tabbing in a real main window, orientation of the contents.

#include <ZelGui/ILPOrientedWidget.h>
#include <ZelGui/ZelDockWidget.h>
#include <ZelGui/ZelDockWidgetLPOriented.h>

#include <QApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QPointer>
#include <QRegularExpression>
#include <QStyleFactory>
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
        d->setWindowTitle(name);
        d->setWidget(new QLabel(name));
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

// Captures the debug lines of the dock's category while alive.
struct DebugLines
{
    static inline QStringList *lines = nullptr;
    static inline QtMessageHandler previous = nullptr;
    QStringList captured;
    DebugLines()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("zel.gui.dock.debug=true"));
        lines = &captured;
        previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (type == QtDebugMsg && context.category && QByteArray(context.category) == "zel.gui.dock")
                lines->append(text);
            else
                previous(type, context, text);
        });
    }
    ~DebugLines()
    {
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(previous);
        lines = nullptr;
    }
};

} // namespace

class tst_ZelDockWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    // Any warning but the offscreen platform's is a failure.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)"))); }

    void docksInOneAreaTabTogether()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        ZelDockWidget *a = w.dock(QStringLiteral("a"), Qt::RightDockWidgetArea);
        ZelDockWidget *b = w.dock(QStringLiteral("b"), Qt::RightDockWidgetArea);
        ZelDockWidget *alone = w.dock(QStringLiteral("alone"), Qt::LeftDockWidgetArea);
        // Deferred: nothing happens before the event loop runs.
        QVERIFY(w.tabbedWith(a).isEmpty());
        QTRY_COMPARE(w.tabbedWith(a), QStringList{QStringLiteral("b")});
        QCOMPARE(w.tabbedWith(b), QStringList{QStringLiteral("a")});
        Window::settle();
        QVERIFY(w.tabbedWith(alone).isEmpty());
        QCOMPARE(w.main.dockWidgetArea(alone), Qt::LeftDockWidgetArea);
    }

    void floatingAndRedocking()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        ZelDockWidget *right = w.dock(QStringLiteral("right"), Qt::RightDockWidgetArea);
        ZelDockWidget *mover = w.dock(QStringLiteral("mover"), Qt::LeftDockWidgetArea);
        Window::settle();
        QVERIFY(w.tabbedWith(mover).isEmpty());

        // A floating panel is never tabbed, also when told to check.
        mover->setFloating(true);
        Window::settle();
        mover->enforceTabified();
        QVERIFY(mover->isFloating() && w.tabbedWith(mover).isEmpty());

        // Docked into an occupied area, it joins the panel there.
        w.main.addDockWidget(Qt::RightDockWidgetArea, mover);
        Window::settle();
        QVERIFY(w.tabbedWith(mover).isEmpty());
        mover->setFloating(false);
        QTRY_COMPARE(w.tabbedWith(mover), QStringList{QStringLiteral("right")});

        // Docked into an empty area, it stays alone.
        mover->setFloating(true);
        w.main.addDockWidget(Qt::TopDockWidgetArea, mover);
        mover->setFloating(false);
        Window::settle();
        QCOMPARE(w.main.dockWidgetArea(mover), Qt::TopDockWidgetArea);
        QVERIFY(w.tabbedWith(mover).isEmpty());
        QVERIFY(w.tabbedWith(right).isEmpty());
    }

    void partnersMustBeDockedVisibleAndInTheArea()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        ZelDockWidget *hidden = w.dock(QStringLiteral("hidden"), Qt::RightDockWidgetArea);
        hidden->hide();
        ZelDockWidget *floating = w.dock(QStringLiteral("floating"), Qt::RightDockWidgetArea);
        floating->setFloating(true);
        w.dock(QStringLiteral("left"), Qt::LeftDockWidgetArea);
        ZelDockWidget *newcomer = w.dock(QStringLiteral("newcomer"), Qt::RightDockWidgetArea);
        Window::settle();
        QVERIFY(w.tabbedWith(newcomer).isEmpty());

        // Shown again and docked again, the hidden one finds the newcomer.
        hidden->show();
        w.main.addDockWidget(Qt::RightDockWidgetArea, hidden);
        QTRY_COMPARE(w.tabbedWith(hidden), QStringList{QStringLiteral("newcomer")});
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
        a->enforceTabified();
        Window::settle();
        QCOMPARE(w.tabbedWith(a), QStringList{QStringLiteral("b")});
        QVERIFY(w.tabbedWith(plain).isEmpty());
        QCOMPARE(w.main.dockWidgetArea(plain), Qt::RightDockWidgetArea);
    }

    void mainWindowInsideAnotherWindow()
    {
        // A main window embedded in a page of an outer main window.
        QMainWindow outer;
        auto *page = new QWidget;
        outer.setCentralWidget(page);
        auto *inner = new QMainWindow(page);
        inner->setWindowFlags(Qt::Widget);
        inner->setCentralWidget(new QLabel(QStringLiteral("centre")));
        auto *layout = new QVBoxLayout(page);
        layout->addWidget(inner);
        auto *a = new ZelDockWidget(inner), *b = new ZelDockWidget(inner);
        inner->addDockWidget(Qt::RightDockWidgetArea, a);
        inner->addDockWidget(Qt::RightDockWidgetArea, b);
        outer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&outer));
        QTRY_COMPARE(inner->tabifiedDockWidgets(a), QList<QDockWidget *>{b});
    }

    void changesInOnePassLeadToOneCheck()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        auto *dock = w.dock<CountingDock>(QStringLiteral("dock"), Qt::LeftDockWidgetArea);
        QTRY_COMPARE(dock->checks, 1);
        Window::settle();
        dock->checks = 0;

        for (int i = 0; i < 3; ++i)
            Q_EMIT dock->dockLocationChanged(Qt::LeftDockWidgetArea);
        Q_EMIT dock->topLevelChanged(false);
        QCOMPARE(dock->checks, 0);
        QTRY_COMPARE(dock->checks, 1);
        Window::settle();
        QCOMPARE(dock->checks, 1);

        // Floating schedules nothing; the next pass schedules again.
        Q_EMIT dock->topLevelChanged(true);
        Window::settle();
        QCOMPARE(dock->checks, 1);
        Q_EMIT dock->dockLocationChanged(Qt::LeftDockWidgetArea);
        QTRY_COMPARE(dock->checks, 2);
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
        QCOMPARE(log, (QStringList{"about to(first, current null)", "changed(first, current first)",
                                   "about to(second, current first)", "changed(second, current second)",
                                   "about to(null, current second)", "changed(null, current null)"}));
        // Replaced contents stay the dock's, hidden.
        QCOMPARE(first->parentWidget(), &dock);
        QVERIFY(first->isHidden() && second->isHidden());
    }

    void activateShowsTheDock()
    {
        Window w;
        ZelDockWidget *dock = w.dock(QStringLiteral("dock"), Qt::LeftDockWidgetArea);
        dock->hide();
        dock->activate();
        QVERIFY(dock->isVisible());
    }

    void orientationFollowsAreaAndFloating()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        DebugLines debug;
        auto *dock = w.dock<ZelDockWidgetLPOriented>(QStringLiteral("dock"), Qt::NoDockWidgetArea);
        auto *contents = new OrientedContents(dock);
        // No area known and not floating: set without a call.
        dock->setContentsWidget(contents);
        QCOMPARE(contents->calls, QStringList());
        QCOMPARE(dock->lastDockArea(), Qt::NoDockWidgetArea);

        w.main.addDockWidget(Qt::LeftDockWidgetArea, dock);
        QCOMPARE(contents->calls, QStringList{"portrait"});
        QCOMPARE(dock->lastDockArea(), Qt::LeftDockWidgetArea);
        // Floating reports no area; a side given while it still floats is kept for the docking.
        dock->setFloating(true);
        QCOMPARE(dock->lastDockArea(), Qt::NoDockWidgetArea);
        w.main.addDockWidget(Qt::TopDockWidgetArea, dock);
        QVERIFY(dock->isFloating());
        QCOMPARE(dock->lastDockArea(), Qt::TopDockWidgetArea);
        dock->setFloating(false);
        w.main.addDockWidget(Qt::BottomDockWidgetArea, dock);
        w.main.addDockWidget(Qt::RightDockWidgetArea, dock);
        QCOMPARE(contents->calls, (QStringList{"portrait", "portrait", "landscape", "landscape", "portrait"}));
        // One line per reported location: left, none, top twice, bottom, right.
        QCOMPARE(debug.captured.size(), 6);
        const QString address = QStringLiteral("0x%1").arg(quintptr(static_cast<ILPOrientedWidget *>(contents)), 0, 16);
        QCOMPARE(debug.captured.first(), QStringLiteral("location changed: Qt::LeftDockWidgetArea 1 ") + address);

        // New contents are oriented for the last area before they are set; floating, portrait.
        contents->calls.clear();
        w.main.addDockWidget(Qt::BottomDockWidgetArea, dock);
        auto *next = new OrientedContents(dock);
        dock->setContentsWidget(next);
        dock->setFloating(true);
        auto *floatingNext = new OrientedContents(dock);
        dock->setContentsWidget(floatingNext);
        QCOMPARE(next->calls, (QStringList{"landscape (before set)", "portrait"}));
        QCOMPARE(floatingNext->calls, (QStringList{"portrait (before set)"}));
    }

    void plainContentsAreNeverCalled()
    {
        Window w;
        DebugLines debug;
        auto *dock = w.dock<ZelDockWidgetLPOriented>(QStringLiteral("dock"), Qt::NoDockWidgetArea);
        auto *oriented = new OrientedContents(dock);
        dock->setContentsWidget(oriented);
        dock->setContentsWidget(new QLabel(QStringLiteral("plain")));
        w.main.addDockWidget(Qt::TopDockWidgetArea, dock);
        dock->setFloating(true);
        w.main.addDockWidget(Qt::LeftDockWidgetArea, dock);
        dock->setContentsWidget(nullptr);
        QCOMPARE(oriented->calls, QStringList());
        QCOMPARE(debug.captured, QStringList());
        QCOMPARE(dock->lastDockArea(), Qt::LeftDockWidgetArea);
    }

    void locateCallsOnlyForTheFourSides()
    {
        ZelDockWidgetLPOriented dock;
        OrientedContents contents(nullptr);
        dock.locateWidget(&contents, Qt::TopDockWidgetArea);
        dock.locateWidget(&contents, Qt::AllDockWidgetAreas);
        QCOMPARE(dock.lastDockArea(), Qt::AllDockWidgetAreas);
        dock.locateWidget(&contents, Qt::RightDockWidgetArea);
        dock.locatePortrait(&contents);
        dock.locateWidget(nullptr, Qt::LeftDockWidgetArea);
        dock.locatePortrait(nullptr);
        QCOMPARE(contents.calls, (QStringList{"landscape (before set)", "portrait (before set)",
                                              "portrait (before set)"}));
        QCOMPARE(dock.lastDockArea(), Qt::LeftDockWidgetArea);
    }

    void metaObjectCanCreateTheDock()
    {
        QMainWindow main;
        const QMetaObject &meta = ZelDockWidgetLPOriented::staticMetaObject;
        std::unique_ptr<QObject> orphan(meta.newInstance());
        QVERIFY(qobject_cast<ZelDockWidgetLPOriented *>(orphan.get()));
        QObject *child = meta.newInstance(Q_ARG(QWidget *, &main));
        QVERIFY(qobject_cast<ZelDockWidgetLPOriented *>(child));
        QCOMPARE(child->parent(), &main);
    }
};

QTEST_MAIN(tst_ZelDockWidget)
#include "tst_zeldockwidget.moc"
