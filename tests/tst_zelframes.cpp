// Floating frames and small controls: the moveable widget, the tool frame,
// the tip label, the thread-safe label, the widget with a tool bar and the
// thin control subclasses.

#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelLineEdit.h>
#include <ZelGui/ZelListWidget.h>
#include <ZelGui/ZelMoveableWidget.h>
#include <ZelGui/ZelRadioButton.h>
#include <ZelGui/ZelTCLabel.h>
#include <ZelGui/ZelTipLabel.h>
#include <ZelGui/ZelToolFrame.h>
#include <ZelGui/ZelWidgetWithToolbar.h>

#include <ZelCore/ZelAbstractAppConfig.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QThread>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <climits>
#include <memory>

namespace {

// A 300 x 200 frame holding a 50 x 20 moveable widget at (10, 10); the host
// does what the widget asks and records every request.
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
        QObject::connect(moveable, &ZelMoveableWidget::needMove, moveable, [this](QPoint p) {
            requests.append(p);
            moveable->move(p);
        });
    }
};

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class tst_ZelFrames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init()
    {
        ZelAbstractAppConfig::reset();
        // Any warning but the offscreen platform's notes on what it lacks.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
    }

    void moveableDragIsClamped_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QList<QPoint>>("targets");
        QTest::addColumn<QList<QPoint>>("expected");

        const int both = ZelMoveableWidget::MoveBoth;
        // Allowed: x 0..199, y 0..99; targets are where the left top corner
        // would go, the widget grabbed off centre.
        QTest::newRow("right edge") << both << QList<QPoint>{{180, 10}} << QList<QPoint>{{150, 10}};
        QTest::newRow("left edge") << both << QList<QPoint>{{-5, 10}} << QList<QPoint>{{0, 10}};
        QTest::newRow("bottom then top") << both << QList<QPoint>{{20, 95}, {20, -40}}
                                         << QList<QPoint>{{20, 80}, {20, 0}};
        QTest::newRow("horizontal keeps y") << int(ZelMoveableWidget::MoveHorizontal)
                                            << QList<QPoint>{{70, 60}, {500, -60}} << QList<QPoint>{{70, 10}, {150, 10}};
        QTest::newRow("vertical keeps x") << int(ZelMoveableWidget::MoveVertical) << QList<QPoint>{{70, 60}, {-90, 300}}
                                          << QList<QPoint>{{10, 60}, {10, 80}};
        // The owner is asked again even when nothing would change.
        QTest::newRow("pinned at the edge") << both << QList<QPoint>{{190, 10}, {260, 10}}
                                            << QList<QPoint>{{150, 10}, {150, 10}};
    }
    void moveableDragIsClamped()
    {
        QFETCH(int, direction);
        QFETCH(QList<QPoint>, targets);
        QFETCH(QList<QPoint>, expected);

        MoveHost host;
        ZelMoveableWidget *w = host.moveable;
        w->setMoveAllowRect(QRect(0, 0, 200, 100));
        w->setMoveDirection(ZelMoveableWidget::MoveDirection(direction));
        host.frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host.frame));
        host.requests.clear();

        // Hovering without a press, before and after the drag, asks for nothing.
        QMouseEvent hover(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &hover);
        const QPoint grab(4, 15);
        QTest::mousePress(w, Qt::LeftButton, {}, grab);
        for (const QPoint &target : targets)
            QTest::mouseMove(w, w->mapFromParent(target + grab));
        QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFromParent(targets.last() + grab));
        QApplication::sendEvent(w, &hover);
        QCOMPARE(host.requests, expected);
    }

    void moveableAllowRectPullsItBack()
    {
        MoveHost host;
        QCOMPARE(host.moveable->moveAllowRect(), host.frame.frameGeometry());
        QCOMPARE(host.moveable->calculatePos(QPoint(1000, -1000)), QPoint(300 - 50, 0));
        host.moveable->move(120, 60);
        host.moveable->setMoveAllowRect(QRect(0, 0, 300, 200));
        QVERIFY(host.requests.isEmpty());
        host.moveable->setMoveAllowRect(QRect(20, 20, 100, 50)); // x 20..119, y 20..69
        QCOMPARE(host.requests, (QList<QPoint>{{70, 50}}));
        // Larger than the rectangle: the left and top edges stay inside.
        host.moveable->resize(150, 80);
        QCOMPARE(host.moveable->validatePos(QPoint(500, 500)), QPoint(20, 20));
        QCOMPARE(host.moveable->validatePos(QPoint(-500, -500)), QPoint(20, 20));
    }

    void moveableDirectionSetsCursor()
    {
        QWidget frame;
        ZelMoveableWidget w(&frame);
        const QList<std::pair<int, Qt::CursorShape>> cases{{ZelMoveableWidget::MoveHorizontal, Qt::SizeHorCursor},
                                                           {ZelMoveableWidget::MoveVertical, Qt::SizeVerCursor},
                                                           {ZelMoveableWidget::MoveBoth, Qt::SizeAllCursor},
                                                           {7, Qt::SizeAllCursor}}; // unknown keeps the last
        for (const auto &[direction, cursor] : cases) {
            w.setMoveDirection(ZelMoveableWidget::MoveDirection(direction));
            QCOMPARE(w.cursor().shape(), cursor);
        }
    }

    void toolFrameCorners_data()
    {
        QTest::addColumn<ToolOrigin>("origin");
        QTest::addColumn<QPoint>("expected");
        // A 100 x 50 frame on a 400 x 300 viewport; the far margin is 21.
        QTest::newRow("none") << NoOrigin << QPoint(0, 0);
        QTest::newRow("top left") << TopLeftOrigin << QPoint(20, 20);
        QTest::newRow("top right") << TopRightOrigin << QPoint(279, 20);
        QTest::newRow("bottom left") << BottomLeftOrigin << QPoint(20, 229);
        QTest::newRow("bottom right") << BottomRightOrigin << QPoint(279, 229);
    }
    void toolFrameCorners()
    {
        QFETCH(ToolOrigin, origin);
        QFETCH(QPoint, expected);

        QScrollArea area;
        area.setFrameShape(QFrame::NoFrame);
        area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area.resize(400, 300);
        auto *frame = new ZelToolFrame(&area);
        frame->setGeometry(5, 6, 100, 50);
        frame->setOrigin(origin);
        QCOMPARE(frame->pos(), QPoint(5, 6)); // the origin takes effect on alignment
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QCOMPARE(area.viewport()->size(), QSize(400, 300));
        frame->align();
        QCOMPARE(frame->pos(), expected);
    }

    void toolFrameRealignsOnScrollAndResize()
    {
        QScrollArea area;
        area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        auto *contents = new QWidget;
        contents->setFixedSize(2000, 2000);
        area.setWidget(contents);
        area.resize(400, 300);
        auto *frame = new ZelToolFrame(&area);
        frame->resize(100, 50);
        frame->setOrigin(BottomRightOrigin);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        const auto corner = [&] {
            const QSize v = area.viewport()->size();
            return QPoint(v.width() - frame->width() - 21, v.height() - frame->height() - 21);
        };
        QCOMPARE(frame->pos(), corner()); // aligned by the show

        // Keyboard scrolling goes through the scroll bars only.
        frame->move(0, 0);
        area.setFocus();
        QTest::keyClick(&area, Qt::Key_PageDown);
        QVERIFY(area.verticalScrollBar()->value() > 0);
        QCOMPARE(frame->pos(), corner());
        frame->move(0, 0);
        QTest::keyClick(&area, Qt::Key_Right);
        QVERIFY(area.horizontalScrollBar()->value() > 0);
        QCOMPARE(frame->pos(), corner());
        // A wheel turn over the viewport at the end of the range, where
        // nothing scrolls.
        area.verticalScrollBar()->setValue(area.verticalScrollBar()->maximum());
        frame->move(0, 0);
        const QPointF inside(area.viewport()->rect().center());
        QWheelEvent wheel(inside, area.viewport()->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(area.viewport(), &wheel);
        QCOMPARE(frame->pos(), corner());

        const QPoint before = corner();
        area.resize(520, 410);
        QTRY_COMPARE(area.size(), QSize(520, 410));
        QVERIFY(corner() != before);
        QCOMPARE(frame->pos(), corner());
        // The frame's own size counts for the far corners.
        frame->resize(60, 30);
        QCOMPARE(frame->pos(), corner());
    }

    void toolFrameOnPlainParent()
    {
        QWidget parent;
        parent.resize(300, 200);
        auto *frame = new ZelToolFrame(&parent);
        frame->resize(40, 30);
        frame->setOrigin(TopRightOrigin);
        QVERIFY(!frame->minimumSizeHint().isValid());
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QCOMPARE(frame->pos(), QPoint(300 - 40 - 21, 20));
        parent.resize(350, 220);
        QTRY_COMPARE(frame->pos(), QPoint(350 - 40 - 21, 20));

        // A layout inside the frame sets its minimum size and asks for a
        // realignment when it changes.
        frame->setOrigin(BottomLeftOrigin);
        auto *layout = new QVBoxLayout(frame);
        auto *label = new QLabel(QStringLiteral("Tools"), frame);
        label->setMinimumSize(70, 25);
        layout->addWidget(label);
        QCOMPARE(frame->minimumSizeHint(), layout->minimumSize());
        QTRY_COMPARE(frame->pos(), QPoint(20, 220 - frame->height() - 21));
    }

    void toolFrameShadesItselfAndSettles()
    {
        QWidget parent;
        parent.setAutoFillBackground(true);
        parent.setPalette(QPalette(Qt::black, Qt::white));
        parent.resize(300, 200);
        auto *frame = new ZelToolFrame(&parent);
        frame->resize(80, 40);
        frame->setOrigin(TopLeftOrigin);
        PaintCounter counter;
        frame->installEventFilter(&counter);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QTRY_VERIFY(counter.paints > 0);

        // Black at alpha 179 over white leaves 255 * 76 / 255, edge to edge.
        const QImage image = parent.grab().toImage();
        const QColor shaded = image.pixelColor(frame->geometry().center());
        QVERIFY2(qAbs(shaded.red() - 76) <= 2, qPrintable(QString::number(shaded.red())));
        QCOMPARE(image.pixelColor(frame->geometry().topLeft()), shaded);
        QCOMPARE(image.pixelColor(frame->geometry().bottomRight()), shaded);
        QCOMPARE(image.pixelColor(frame->geometry().topLeft() - QPoint(2, 2)), QColor(Qt::white));
        // Repainting the translucent frame repaints the parent beneath it;
        // that must not start an endless round of paints.
        QTest::qWait(50);
        counter.paints = 0;
        QTest::qWait(300);
        QCOMPARE(counter.paints, 0);
    }

    void tipLabelLooksLikeATip()
    {
        QWidget parent;
        auto *tip = new ZelTipLabel(4, &parent);
        QCOMPARE(tip->windowType(), Qt::ToolTip);
        QCOMPARE(tip->margin(), tip->style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, tip) + 4);
        tip->setTipText(QStringLiteral("Value: 12 "));
        QCOMPARE(tip->size(), tip->sizeHint());
        const int shortWidth = tip->width();
        tip->setTipText(QStringLiteral("A much longer value text"));
        QVERIFY(tip->width() > shortWidth);
        // Painted as the style's tip panel: outlined in the tip's text colour.
        tip->show();
        QVERIFY(QTest::qWaitForWindowExposed(tip));
        const QImage image = tip->grab().toImage();
        QCOMPARE(image.pixelColor(0, tip->height() / 2), tip->palette().color(QPalette::ToolTipText));
        QCOMPARE(image.pixelColor(1, tip->height() / 2), tip->palette().color(QPalette::ToolTipBase));
    }

    void tcLabelAppliesTextOnlyInTheEventLoop()
    {
        ZelTCLabel label;
        label.setText(QStringLiteral("before"));
        label.setLabelText(QStringLiteral("first"));
        label.Set(QStringLiteral("second"));
        QCOMPARE(label.labelText(), QStringLiteral("before"));
        QCoreApplication::processEvents();
        QCOMPARE(label.text(), QStringLiteral("second"));
        // A change still queued when the label goes is dropped with it.
        QPointer<ZelTCLabel> dropped = new ZelTCLabel;
        dropped->setLabelText(QStringLiteral("never shown"));
        delete dropped;
        QCoreApplication::processEvents();
    }

    void tcLabelTakesTextFromWorkerThread()
    {
        ZelTCLabel label;
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        std::unique_ptr<QThread> worker(QThread::create([&label] {
            for (int i = 0; i < 100; ++i)
                label.setLabelText(QStringLiteral("step %1").arg(i));
            label.Set(QStringLiteral("last"));
        }));
        worker->start();
        QVERIFY(worker->wait(5000));
        // Nothing ran on this thread yet; then the changes apply in order.
        QCOMPARE(label.labelText(), QString());
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
        auto *first = new QLabel(QStringLiteral("first"));
        auto *second = new QLabel(QStringLiteral("second"));
        widget.setupWidget(first);
        widget.setupWidget(second);
        QCOMPARE(widget.contentsWidget(), second);
        QCOMPARE((QList<int>{layout->indexOf(bar), layout->indexOf(second), layout->indexOf(first)}),
                 (QList<int>{0, 1, 2}));
        // Given again, a widget moves up under the tool bar; it is not doubled.
        widget.setupWidget(first);
        widget.setupWidget(nullptr);
        widget.setupWidget(bar);
        QCOMPARE(layout->count(), 3);
        QCOMPARE(layout->indexOf(first), 1);
        QCOMPARE(layout->indexOf(bar), 0);

        // The negative margins take back the layout's own.
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QVERIFY(bar->geometry().bottom() < first->geometry().top());
        const QMargins m = layout->contentsMargins();
        QCOMPARE(bar->geometry().topLeft(), QPoint(m.left() - 10, m.top() - 10));
    }

    void smallControlsKeepTheirBaseBehaviour()
    {
        // The list and the radio button have meta-objects of their own; the
        // line edit's own textChanged slot must not get in the way of typing.
        QCOMPARE(ZelListWidget().metaObject()->className(), "ZelListWidget");
        QCOMPARE(ZelRadioButton().metaObject()->className(), "ZelRadioButton");
        ZelLineEdit edit;
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QSignalSpy edited(&edit, &QLineEdit::textChanged);
        QTest::keyClicks(&edit, QStringLiteral("abc"));
        QCOMPARE(edit.text(), QStringLiteral("abc"));
        QCOMPARE(edited.count(), 3);
    }

    void badInputIsBounded()
    {
        const QList<int> ints{INT_MIN, INT_MIN + 1, -1, 0, 1, INT_MAX - 1, INT_MAX};
        const QList<QRect> rects{QRect(), QRect(QPoint(50, 50), QPoint(10, 10)),
                                 QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX)),
                                 QRect(QPoint(INT_MAX - 5, INT_MAX - 5), QPoint(INT_MAX, INT_MAX)),
                                 QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MIN + 3, INT_MIN + 3))};
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
                        if (qint64(rect.right()) - rect.left() + 1 >= size.width())
                            QVERIFY(qint64(p.x()) + size.width() - 1 <= rect.right());
                        if (qint64(rect.bottom()) - rect.top() + 1 >= size.height())
                            QVERIFY(qint64(p.y()) + size.height() - 1 <= rect.bottom());
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
        QVERIFY(hugeMargin.margin() <= 1024 + hugeMargin.style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth));
        hugeMargin.setTipText(QString());
        hugeMargin.setTipText(QString(10000, QLatin1Char('x')));
        QCOMPARE(hugeMargin.size(), hugeMargin.sizeHint());

        for (int iconSize : ints) {
            settingIconSize(iconSize);
            ZelWidgetWithToolbar withToolbar;
            const int side = withToolbar.toolBar()->iconSize().width();
            QVERIFY(side >= 1 && side <= 512);
            withToolbar.resize(0, 0);
            withToolbar.show();
            QVERIFY(QTest::qWaitForWindowExposed(&withToolbar));
        }
    }
};

QTEST_MAIN(tst_ZelFrames)
#include "tst_zelframes.moc"
