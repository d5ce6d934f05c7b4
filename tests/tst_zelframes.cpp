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
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QThread>
#include <QToolBar>
#include <QVBoxLayout>

#include <climits>
#include <memory>
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
        moveable = new ZelMoveableWidget(&frame);
        moveable->setGeometry(10, 10, 50, 20);
        QObject::connect(moveable, &ZelMoveableWidget::needMove, moveable,
                         [this](QPoint p) { requests.append(p), moveable->move(p); });
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
        // Allowed x 0..199, y 0..99: direction, targets, requests (asked again even when nothing changes).
        using Case = std::tuple<ZelMoveableWidget::MoveDirection, QList<QPoint>, QList<QPoint>>;
        for (const auto &[direction, targets, expected] : QList<Case>{
                 {ZelMoveableWidget::MoveBoth, {{180, 10}, {260, 10}}, {{150, 10}, {150, 10}}},
                 {ZelMoveableWidget::MoveBoth, {{-5, 10}}, {{0, 10}}},
                 {ZelMoveableWidget::MoveHorizontal, {{70, 60}, {500, -60}}, {{70, 10}, {150, 10}}},
                 {ZelMoveableWidget::MoveVertical, {{70, 60}, {-90, 300}}, {{10, 60}, {10, 80}}}}) {
            MoveHost host;
            ZelMoveableWidget *w = host.moveable;
            w->setMoveAllowRect(QRect(0, 0, 200, 100));
            w->setMoveDirection(direction);
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

    void moveableAllowRectAndCursor()
    {
        MoveHost host;
        ZelMoveableWidget *w = host.moveable;
        QCOMPARE(w->moveAllowRect(), host.frame.frameGeometry());
        w->move(120, 60);
        w->setMoveAllowRect(QRect(20, 20, 100, 50)); // x 20..119, y 20..69
        QCOMPARE(host.requests, (QList<QPoint>{{70, 50}}));
        // Larger than the rectangle: the left and top edges stay inside.
        w->resize(150, 80);
        QCOMPARE(w->validatePos(QPoint(500, 500)), QPoint(20, 20));
        const QList<std::pair<ZelMoveableWidget::MoveDirection, Qt::CursorShape>> cursors{
            {ZelMoveableWidget::MoveHorizontal, Qt::SizeHorCursor}, {ZelMoveableWidget::MoveVertical, Qt::SizeVerCursor},
            {ZelMoveableWidget::MoveBoth, Qt::SizeAllCursor}};
        for (const auto &[direction, cursor] : cursors) {
            w->setMoveDirection(direction);
            QCOMPARE(w->cursor().shape(), cursor);
        }
    }

    void toolFrameCorners()
    {
        // A 100 x 50 frame on a 400 x 300 viewport; the far margin is 21.
        const QList<std::pair<ToolOrigin, QPoint>> cases{
            {NoOrigin, {0, 0}}, {TopLeftOrigin, {20, 20}}, {BottomRightOrigin, {279, 229}}};
        for (const auto &[origin, expected] : cases) {
            QScrollArea area;
            area.setFrameShape(QFrame::NoFrame);
            area.resize(400, 300);
            auto *frame = new ZelToolFrame(&area);
            frame->setGeometry(5, 6, 100, 50);
            frame->setOrigin(origin);
            QCOMPARE(frame->pos(), QPoint(5, 6)); // the origin takes effect on alignment
            area.show();
            QVERIFY(QTest::qWaitForWindowExposed(&area));
            frame->align();
            QCOMPARE(frame->pos(), expected);
        }
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
        QCOMPARE(frame->pos(), corner); // aligned by the show
        // Keyboard scrolling goes through the scroll bars only.
        frame->move(0, 0);
        area.setFocus();
        QTest::keyClick(&area, Qt::Key_PageDown);
        QVERIFY(area.verticalScrollBar()->value() > 0);
        QCOMPARE(frame->pos(), corner);
    }

    void toolFrameOnPlainParent()
    {
        QWidget parent;
        parent.resize(300, 200);
        auto *frame = new ZelToolFrame(&parent);
        frame->resize(40, 30);
        frame->setOrigin(TopRightOrigin);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        parent.resize(350, 220);
        QTRY_COMPARE(frame->pos(), QPoint(350 - 40 - 21, 20));
        // A frame that grows keeps its far-side margin at once.
        frame->resize(60, 30);
        QCOMPARE(frame->pos(), QPoint(350 - 60 - 21, 20));
    }

    void tipLabelLooksLikeATip()
    {
        QWidget parent;
        auto *tip = new ZelTipLabel(4, &parent);
        QCOMPARE(tip->windowType(), Qt::ToolTip);
        QCOMPARE(tip->margin(), tip->style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, tip) + 4);
        tip->setTipText(QStringLiteral("Value: 12 "));
        QCOMPARE(tip->size(), tip->sizeHint());
    }

    void tcLabelAppliesTextOnlyInTheEventLoop()
    {
        ZelTCLabel label;
        label.setLabelText(QStringLiteral("first"));
        label.Set(QStringLiteral("second"));
        QCOMPARE(label.labelText(), QString());
        QCoreApplication::processEvents();
        QCOMPARE(label.text(), QStringLiteral("second"));
        // From a worker thread: nothing applies until this thread runs, then in order.
        std::unique_ptr<QThread> worker(QThread::create([&label] {
            for (int i = 0; i < 100; ++i)
                label.setLabelText(QStringLiteral("step %1").arg(i));
            label.Set(QStringLiteral("last"));
        }));
        worker->start();
        QVERIFY(worker->wait(5000));
        QCOMPARE(label.labelText(), QStringLiteral("second"));
        QTRY_COMPARE(label.labelText(), QStringLiteral("last"));
    }

    void widgetWithToolbarStacksContents()
    {
        settingIconSize(24);
        ZelWidgetWithToolbar widget;
        QToolBar *bar = widget.toolBar();
        QCOMPARE(bar->iconSize(), QSize(24, 24));
        auto *layout = qobject_cast<QVBoxLayout *>(widget.layout());
        QVERIFY(layout);
        auto *first = new QLabel(QStringLiteral("first")), *second = new QLabel(QStringLiteral("second"));
        widget.setupWidget(first);
        widget.setupWidget(second);
        QCOMPARE(widget.contentsWidget(), second);
        QCOMPARE((QList<int>{layout->indexOf(bar), layout->indexOf(second), layout->indexOf(first)}),
                 (QList<int>{0, 1, 2}));
        // The negative margins take back the layout's own.
        QCOMPARE(widget.contentsMargins(), QMargins(-10, -10, -10, -10));
    }

    void lineEditTakesTyping()
    {
        // Its own textChanged slot must not get in the way of typing.
        ZelLineEdit edit;
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QTest::keyClicks(&edit, QStringLiteral("abc"));
        QCOMPARE(edit.text(), QStringLiteral("abc"));
    }

    void badInputIsBounded()
    {
        const QList<int> ints{INT_MIN, -1, 0, 1, INT_MAX};
        const QList<QRect> rects{QRect(), QRect(QPoint(50, 50), QPoint(10, 10)),
                                 QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX)),
                                 QRect(QPoint(INT_MAX - 5, INT_MAX - 5), QPoint(INT_MAX, INT_MAX))};
        QWidget frame;
        frame.resize(100, 100);
        ZelMoveableWidget moveable(&frame);
        for (int direction : ints)
            moveable.setMoveDirection(ZelMoveableWidget::MoveDirection(direction));
        for (const QSize &size : {QSize(0, 0), QSize(50, 20)}) {
            moveable.resize(size);
            for (const QRect &rect : rects) {
                moveable.setMoveAllowRect(rect);
                for (int x : ints) {
                    for (int y : ints) {
                        const QPoint p = moveable.validatePos(QPoint(x, y));
                        // The near edges always hold; the far ones when there is room.
                        QVERIFY(p.x() >= rect.left() && p.y() >= rect.top());
                        QVERIFY(qint64(rect.right()) - rect.left() + 1 < size.width() || qint64(p.x()) + size.width() - 1 <= rect.right());
                        QVERIFY(qint64(rect.bottom()) - rect.top() + 1 < size.height() || qint64(p.y()) + size.height() - 1 <= rect.bottom());
                        moveable.calculatePos(QPoint(x, y));
                    }
                }
            }
        }
        QScrollArea area;
        area.resize(0, 0);
        auto *toolFrame = new ZelToolFrame(&area);
        for (int origin : ints) {
            toolFrame->setOrigin(ToolOrigin(origin));
            toolFrame->align();
            if (origin < NoOrigin || origin > BottomRightOrigin)
                QCOMPARE(toolFrame->pos(), QPoint(0, 0));
        }
        toolFrame->resize(0, 0);
        toolFrame->setOrigin(BottomRightOrigin);
        toolFrame->align();
        QCOMPARE(toolFrame->pos(), QPoint(area.viewport()->width() - 21, area.viewport()->height() - 21));
        ZelTipLabel hugeMargin(UINT_MAX);
        QCOMPARE(hugeMargin.margin(), QWIDGETSIZE_MAX + hugeMargin.style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth));
        hugeMargin.setTipText(QString(10000, QLatin1Char('x')));
        QCOMPARE(hugeMargin.size(), hugeMargin.sizeHint().boundedTo(hugeMargin.maximumSize()));
        for (int iconSize : ints) {
            settingIconSize(iconSize);
            ZelWidgetWithToolbar withToolbar;
            const int side = withToolbar.toolBar()->iconSize().width();
            QCOMPARE(side, iconSize < 0 ? withToolbar.style()->pixelMetric(QStyle::PM_ToolBarIconSize)
                                        : qMin(iconSize, QWIDGETSIZE_MAX));
            withToolbar.resize(0, 0);
            withToolbar.show();
            QVERIFY(QTest::qWaitForWindowExposed(&withToolbar));
        }
    }
};

QTEST_MAIN(tst_ZelFrames)
#include "tst_zelframes.moc"
