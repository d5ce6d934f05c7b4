// Moveable widget, tool frame, tip label, thread-safe label, tool-bar widget, thin controls.

#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelLineEdit.h>
#include <ZelGui/ZelMoveableWidget.h>
#include <ZelGui/ZelTCLabel.h>
#include <ZelGui/ZelTipLabel.h>
#include <ZelGui/ZelToolFrame.h>
#include <ZelGui/ZelWidgetWithToolbar.h>

#include <ZelCore/ZelAbstractAppConfig.h>

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QToolBar>

#include <climits>
#include <tuple>

namespace {

// A 300 x 200 frame with a 50 x 20 moveable widget at (10, 10); the host obeys and records requests.
struct MoveHost
{
    QWidget frame;
    ZelMoveableWidget *moveable = nullptr;
    QList<QPoint> requests;
    MoveHost()
    {
        frame.setGeometry(0, 0, 300, 200);
        moveable = new ZelMoveableWidget(&frame); // takes the frame's geometry as its allowed rectangle
        moveable->setGeometry(10, 10, 50, 20);
        QObject::connect(moveable, &ZelMoveableWidget::needMove, moveable, [this](QPoint p) { requests.append(p); });
        QObject::connect(moveable, &ZelMoveableWidget::needMove, moveable, qOverload<const QPoint &>(&QWidget::move));
    }
};

} // namespace

class tst_ZelFrames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() // any warning but the offscreen platform's notes on what it lacks
    {
        ZelAbstractAppConfig::reset();
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
    }

    void moveableDragIsClamped()
    {
        // Allowed x 0..199, y 0..99: direction, cursor, targets, requests (asked again even when nothing changes).
        using D = ZelMoveableWidget;
        using Case = std::tuple<D::MoveDirection, Qt::CursorShape, QList<QPoint>, QList<QPoint>>;
        for (const auto &[direction, cursor, targets, expected] :
             QList<Case>{{D::MoveBoth, Qt::SizeAllCursor, {{180, 10}, {260, 10}}, {{150, 10}, {150, 10}}},
                         {D::MoveBoth, Qt::SizeAllCursor, {{-5, 10}}, {{0, 10}}},
                         {D::MoveHorizontal, Qt::SizeHorCursor, {{70, 60}, {500, -60}}, {{70, 10}, {150, 10}}},
                         {D::MoveVertical, Qt::SizeVerCursor, {{70, 60}, {-90, 300}}, {{10, 60}, {10, 80}}}}) {
            MoveHost host;
            ZelMoveableWidget *w = host.moveable;
            w->setMoveAllowRect(QRect(0, 0, 200, 100));
            w->setMoveDirection(direction);
            QCOMPARE(w->cursor().shape(), cursor);
            host.frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&host.frame));
            const QPoint grab(4, 15); // off centre
            QTest::mousePress(w, Qt::LeftButton, {}, grab);
            for (const QPoint &target : targets)
                QTest::mouseMove(w, w->mapFromParent(target + grab));
            QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFromParent(targets.last() + grab));
            QTest::mouseMove(w, QPoint(1, 1)); // released: asks for nothing
            QCOMPARE(host.requests, expected);
        }
    }

    void moveableAllowRect()
    {
        MoveHost host;
        ZelMoveableWidget *w = host.moveable;
        QCOMPARE(w->moveAllowRect(), host.frame.frameGeometry());
        w->move(120, 60);
        w->setMoveAllowRect(QRect(20, 20, 100, 50)); // x 20..119, y 20..69
        QCOMPARE(host.requests, (QList<QPoint>{{70, 50}}));
    }

    void toolFrameRealignsOnScroll()
    {
        QScrollArea area;
        area.setWidget(new QWidget);
        area.widget()->setFixedSize(2000, 2000);
        area.resize(400, 300);
        auto *frame = new ZelToolFrame(&area);
        frame->resize(100, 50);
        frame->setOrigin(BottomRightOrigin);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        const QPoint corner(area.viewport()->width() - 100 - 21, area.viewport()->height() - 50 - 21);
        // Keyboard scrolling goes through the scroll bars only.
        frame->move(0, 0);
        QTest::keyClick(&area, Qt::Key_PageDown);
        QCOMPARE(frame->pos(), corner);
    }

    void toolFrameOnPlainParent()
    {
        QWidget parent;
        parent.resize(300, 200);
        auto *frame = new ZelToolFrame(&parent);
        frame->setGeometry(5, 6, 40, 30);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        frame->align();
        QCOMPARE(frame->pos(), QPoint(0, 0)); // no origin: the top left corner, no margin
        frame->setOrigin(TopRightOrigin);
        parent.resize(350, 220);
        QTRY_COMPARE(frame->pos(), QPoint(350 - 40 - 21, 20));
        // A frame that grows keeps its far-side margin at once.
        frame->resize(60, 30);
        QCOMPARE(frame->pos(), QPoint(350 - 60 - 21, 20));
        frame->setOrigin(TopLeftOrigin);
        frame->align();
        QCOMPARE(frame->pos(), QPoint(20, 20));
    }

    void tcLabelAppliesTextOnlyInTheEventLoop()
    {
        ZelTCLabel label;
        label.setLabelText(QStringLiteral("first"));
        label.Set(QStringLiteral("second"));
        QCOMPARE(label.labelText(), QString());
        QCoreApplication::processEvents();
        QCOMPARE(label.text(), QStringLiteral("second"));
    }

    void widgetWithToolbarStacksContents()
    {
        settingIconSize(24);
        ZelWidgetWithToolbar widget;
        QCOMPARE(widget.toolBar()->iconSize(), QSize(24, 24));
        auto *first = new QLabel(QStringLiteral("first"));
        auto *second = new QLabel(QStringLiteral("second"));
        widget.setupWidget(first);
        widget.setupWidget(second);
        QCOMPARE(widget.contentsWidget(), second);
        // The negative margins take back the layout's own.
        QCOMPARE(widget.contentsMargins(), QMargins(-10, -10, -10, -10));
    }

    void lineEditTakesTyping()
    {
        // Its own textChanged slot must not get in the way of typing.
        ZelLineEdit edit;
        QTest::keyClicks(&edit, QStringLiteral("abc"));
        QCOMPARE(edit.text(), QStringLiteral("abc"));
    }

    void badInputIsBounded()
    {
        // Rectangles at the ends of int: the far edges hold when there is room, else the near ones.
        QWidget frame;
        ZelMoveableWidget moveable(&frame);
        moveable.resize(50, 20);
        moveable.setMoveAllowRect(QRect(QPoint(0, 0), QPoint(INT_MAX, INT_MAX)));
        QCOMPARE(moveable.validatePos(QPoint(INT_MAX, INT_MAX)), QPoint(INT_MAX - 49, INT_MAX - 19));
        moveable.setMoveAllowRect(QRect(QPoint(INT_MAX - 5, INT_MAX - 5), QPoint(INT_MAX, INT_MAX)));
        QCOMPARE(moveable.validatePos(QPoint(0, INT_MAX)), QPoint(INT_MAX - 5, INT_MAX - 5));
        // An extra margin beyond int is bounded to the largest widget size; the tip takes its text's size.
        ZelTipLabel tip(UINT_MAX);
        QCOMPARE(tip.margin(), QWIDGETSIZE_MAX + tip.style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth));
        tip.setTipText(QString(10000, QLatin1Char('x')));
        QCOMPARE(tip.size(), tip.sizeHint().boundedTo(tip.maximumSize()));
        // So is an icon size from the settings.
        settingIconSize(INT_MAX);
        ZelWidgetWithToolbar withToolbar;
        QCOMPARE(withToolbar.toolBar()->iconSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }
};

QTEST_MAIN(tst_ZelFrames)
#include "tst_zelframes.moc"
