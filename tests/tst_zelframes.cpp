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
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <climits>
#include <memory>

class tst_ZelFrames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void moveableDragIsClamped_data();
    void moveableDragIsClamped();
    void moveableMovesOnlyWhilePressed();
    void moveableAllowRectPullsItBack();
    void moveableStartsInsideItsParent();
    void moveableDirectionSetsCursor_data();
    void moveableDirectionSetsCursor();

    void toolFrameCorners_data();
    void toolFrameCorners();
    void toolFrameOriginTakesEffectOnAlign();
    void toolFrameRealignsOnScrollAndResize();
    void toolFrameOnPlainParentFollowsResize();
    void toolFrameShadesItselfAndSettles();
    void toolFrameMinimumSizeHint();

    void tipLabelLooksLikeATip();
    void tcLabelAppliesTextOnlyInTheEventLoop();
    void tcLabelTakesTextFromWorkerThread();
    void tcLabelDroppedChangeIsHarmless();

    void widgetWithToolbarStacksContents();
    void smallControlsKeepTheirBaseBehaviour();

    void badInputIsBounded();
};

namespace {

// A host that does what the moveable widget asks and records every request.
struct MoveHost
{
    QWidget frame;
    ZelMoveableWidget *moveable = nullptr;
    QList<QPoint> requests;

    MoveHost()
    {
        frame.resize(300, 200);
        moveable = new ZelMoveableWidget(&frame);
        moveable->setGeometry(10, 10, 50, 20);
        QObject::connect(moveable, &ZelMoveableWidget::needMove, moveable, [this](QPoint p) {
            requests.append(p);
            moveable->move(p);
        });
    }
};

// Presses the moveable widget at its centre and drags it so that its left
// top corner would go to each target (parent coordinates).
void drag(ZelMoveableWidget *w, const QList<QPoint> &targets)
{
    const QPoint grab = w->rect().center();
    QTest::mousePress(w, Qt::LeftButton, {}, grab);
    for (const QPoint &target : targets)
        QTest::mouseMove(w, w->mapFromParent(target + grab));
    QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFromParent(targets.last() + grab));
}

} // namespace

void tst_ZelFrames::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_ZelFrames::init()
{
    ZelAbstractAppConfig::reset();
    // Any warning but the offscreen platform's notes on what it lacks.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
}

void tst_ZelFrames::moveableDragIsClamped_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QList<QPoint>>("targets");
    QTest::addColumn<QList<QPoint>>("expected");

    const int both = ZelMoveableWidget::MoveBoth;
    const int horizontal = ZelMoveableWidget::MoveHorizontal;
    const int vertical = ZelMoveableWidget::MoveVertical;
    // Allowed: x 0..199, y 0..99; the widget is 50 x 20 at (10, 10).
    QTest::newRow("right edge") << both << QList<QPoint>{{180, 10}} << QList<QPoint>{{150, 10}};
    QTest::newRow("left edge") << both << QList<QPoint>{{-5, 10}} << QList<QPoint>{{0, 10}};
    QTest::newRow("inside, both axes") << both << QList<QPoint>{{40, 30}, {41, 31}}
                                       << QList<QPoint>{{40, 30}, {41, 31}};
    QTest::newRow("bottom then top") << both << QList<QPoint>{{20, 95}, {20, -40}}
                                     << QList<QPoint>{{20, 80}, {20, 0}};
    QTest::newRow("horizontal keeps y") << horizontal << QList<QPoint>{{70, 60}, {500, -60}}
                                        << QList<QPoint>{{70, 10}, {150, 10}};
    QTest::newRow("vertical keeps x") << vertical << QList<QPoint>{{70, 60}, {-90, 300}}
                                      << QList<QPoint>{{10, 60}, {10, 80}};
    // The owner is asked again even when nothing would change.
    QTest::newRow("pinned at the edge") << both << QList<QPoint>{{190, 10}, {260, 10}}
                                        << QList<QPoint>{{150, 10}, {150, 10}};
}

void tst_ZelFrames::moveableDragIsClamped()
{
    QFETCH(int, direction);
    QFETCH(QList<QPoint>, targets);
    QFETCH(QList<QPoint>, expected);

    MoveHost host;
    host.moveable->setMoveAllowRect(QRect(0, 0, 200, 100));
    host.moveable->setMoveDirection(ZelMoveableWidget::MoveDirection(direction));
    host.frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host.frame));
    host.requests.clear();

    drag(host.moveable, targets);
    QCOMPARE(host.requests, expected);
    QCOMPARE(host.moveable->pos(), expected.last());
}

void tst_ZelFrames::moveableMovesOnlyWhilePressed()
{
    MoveHost host;
    host.moveable->setMoveAllowRect(QRect(0, 0, 200, 100));
    host.frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host.frame));
    host.requests.clear();

    // Hovering (no button) asks for nothing.
    QMouseEvent hover(QEvent::MouseMove, QPointF(5, 5), host.moveable->mapToGlobal(QPointF(5, 5)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(host.moveable, &hover);
    QVERIFY(host.requests.isEmpty());

    // The grab point stays under the mouse: press off centre, drag by (7, 3).
    const QPoint grab(4, 15);
    QTest::mousePress(host.moveable, Qt::LeftButton, {}, grab);
    QTest::mouseMove(host.moveable, grab + QPoint(7, 3));
    QTest::mouseRelease(host.moveable, Qt::LeftButton, {}, host.moveable->mapFromParent(QPoint(17, 13) + grab));
    QCOMPARE(host.requests, (QList<QPoint>{{17, 13}}));

    // After the release the same movement does nothing.
    QApplication::sendEvent(host.moveable, &hover);
    QCOMPARE(host.requests.size(), 1);
}

void tst_ZelFrames::moveableAllowRectPullsItBack()
{
    MoveHost host;
    host.moveable->move(120, 60);
    host.requests.clear();

    host.moveable->setMoveAllowRect(QRect(0, 0, 300, 200));
    QVERIFY(host.requests.isEmpty());

    host.moveable->setMoveAllowRect(QRect(20, 20, 100, 50)); // x 20..119, y 20..69
    QCOMPARE(host.requests, (QList<QPoint>{{70, 50}}));

    // Larger than the rectangle: the left and top edges stay inside.
    host.moveable->resize(150, 80);
    QCOMPARE(host.moveable->validatePos(QPoint(500, 500)), QPoint(20, 20));
    QCOMPARE(host.moveable->validatePos(QPoint(-500, -500)), QPoint(20, 20));
}

void tst_ZelFrames::moveableStartsInsideItsParent()
{
    QWidget frame;
    frame.setGeometry(0, 0, 300, 200);
    auto *child = new ZelMoveableWidget(&frame);
    QCOMPARE(child->moveAllowRect(), frame.frameGeometry());
    QCOMPARE(child->moveDirection(), ZelMoveableWidget::MoveBoth);
    child->resize(40, 40);
    QCOMPARE(child->calculatePos(QPoint(1000, -1000)),
             QPoint(frame.frameGeometry().right() - 40 + 1, frame.frameGeometry().top()));
}

void tst_ZelFrames::moveableDirectionSetsCursor_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<Qt::CursorShape>("cursor");

    QTest::newRow("both") << int(ZelMoveableWidget::MoveBoth) << Qt::SizeAllCursor;
    QTest::newRow("horizontal") << int(ZelMoveableWidget::MoveHorizontal) << Qt::SizeHorCursor;
    QTest::newRow("vertical") << int(ZelMoveableWidget::MoveVertical) << Qt::SizeVerCursor;
    QTest::newRow("unknown keeps the last") << 7 << Qt::SizeHorCursor;
}

void tst_ZelFrames::moveableDirectionSetsCursor()
{
    QFETCH(int, direction);
    QFETCH(Qt::CursorShape, cursor);

    QWidget frame;
    ZelMoveableWidget w(&frame);
    w.setMoveDirection(ZelMoveableWidget::MoveHorizontal);
    w.setMoveDirection(ZelMoveableWidget::MoveDirection(direction));
    QCOMPARE(int(w.moveDirection()), direction);
    QCOMPARE(w.cursor().shape(), cursor);
}

void tst_ZelFrames::toolFrameCorners_data()
{
    QTest::addColumn<ToolOrigin>("origin");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("none") << NoOrigin << QPoint(0, 0);
    QTest::newRow("top left") << TopLeftOrigin << QPoint(20, 20);
    QTest::newRow("top right") << TopRightOrigin << QPoint(279, 20);
    QTest::newRow("bottom left") << BottomLeftOrigin << QPoint(20, 229);
    QTest::newRow("bottom right") << BottomRightOrigin << QPoint(279, 229);
}

void tst_ZelFrames::toolFrameCorners()
{
    QFETCH(ToolOrigin, origin);
    QFETCH(QPoint, expected);

    // A 400 x 300 viewport: no frame, no scroll bars.
    QScrollArea area;
    area.setFrameShape(QFrame::NoFrame);
    area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.resize(400, 300);
    auto *frame = new ZelToolFrame(&area);
    frame->resize(100, 50);
    frame->setOrigin(origin);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QCOMPARE(area.viewport()->size(), QSize(400, 300));

    frame->align();
    QCOMPARE(frame->pos(), expected);
    QCOMPARE(frame->origin(), origin);
}

void tst_ZelFrames::toolFrameOriginTakesEffectOnAlign()
{
    QWidget parent;
    parent.resize(200, 100);
    auto *frame = new ZelToolFrame(&parent);
    frame->setGeometry(5, 6, 30, 20);
    frame->setOrigin(BottomRightOrigin);
    QCOMPARE(frame->pos(), QPoint(5, 6));
    frame->align();
    QCOMPARE(frame->pos(), QPoint(200 - 30 - 21, 100 - 20 - 21));
}

void tst_ZelFrames::toolFrameRealignsOnScrollAndResize()
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
        return QPoint(v.width() - 100 - 21, v.height() - 50 - 21);
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

    // A wheel turn over the viewport, also at the end of the range where
    // nothing scrolls.
    area.verticalScrollBar()->setValue(area.verticalScrollBar()->maximum());
    frame->move(0, 0);
    const QPointF inside(area.viewport()->rect().center());
    QWheelEvent wheel(inside, area.viewport()->mapToGlobal(inside), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area.viewport(), &wheel);
    QCOMPARE(frame->pos(), corner());

    const QPoint before = corner();
    area.resize(520, 410);
    QTRY_COMPARE(area.size(), QSize(520, 410));
    QVERIFY(corner() != before);
    QCOMPARE(frame->pos(), corner());

    // The frame's own size counts for the far corners.
    frame->resize(60, 30);
    QCOMPARE(frame->pos(), QPoint(area.viewport()->width() - 60 - 21, area.viewport()->height() - 30 - 21));
}

void tst_ZelFrames::toolFrameOnPlainParentFollowsResize()
{
    QWidget parent;
    parent.resize(300, 200);
    auto *frame = new ZelToolFrame(&parent);
    frame->resize(40, 30);
    frame->setOrigin(TopRightOrigin);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QCOMPARE(frame->pos(), QPoint(300 - 40 - 21, 20));

    parent.resize(350, 220);
    QTRY_COMPARE(parent.width(), 350);
    QCOMPARE(frame->pos(), QPoint(350 - 40 - 21, 20));

    // A layout inside the frame asks for a realignment when it changes.
    frame->setOrigin(BottomLeftOrigin);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(new QLabel(QStringLiteral("x"), frame));
    QTRY_COMPARE(frame->pos(), QPoint(20, 220 - frame->height() - 21));
}

namespace {

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

void tst_ZelFrames::toolFrameShadesItselfAndSettles()
{
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, Qt::white);
    parent.setPalette(palette);
    parent.resize(300, 200);
    auto *frame = new ZelToolFrame(&parent);
    frame->resize(80, 40);
    frame->setOrigin(TopLeftOrigin);
    PaintCounter counter;
    frame->installEventFilter(&counter);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QTRY_VERIFY(counter.paints > 0);

    // Black at alpha 179 over white leaves 255 * 76 / 255.
    const QImage image = parent.grab().toImage();
    const QColor shaded = image.pixelColor(frame->geometry().center());
    QVERIFY2(qAbs(shaded.red() - 76) <= 2, qPrintable(QString::number(shaded.red())));
    QCOMPARE(image.pixelColor(frame->geometry().topLeft()), shaded);
    QCOMPARE(image.pixelColor(frame->geometry().bottomRight()), shaded);
    QCOMPARE(image.pixelColor(frame->geometry().topLeft() - QPoint(2, 2)), QColor(Qt::white));

    // Repainting the frame repaints the parent beneath it; that must not
    // start an endless round of paints.
    QTest::qWait(50);
    counter.paints = 0;
    QTest::qWait(300);
    QCOMPARE(counter.paints, 0);
}

void tst_ZelFrames::toolFrameMinimumSizeHint()
{
    QWidget parent;
    auto *frame = new ZelToolFrame(&parent);
    QVERIFY(!frame->minimumSizeHint().isValid());

    auto *layout = new QVBoxLayout(frame);
    auto *label = new QLabel(QStringLiteral("Tools"), frame);
    label->setMinimumSize(70, 25);
    layout->addWidget(label);
    QCOMPARE(frame->minimumSizeHint(), layout->minimumSize());
    QVERIFY(frame->minimumSizeHint().width() >= 70);
}

void tst_ZelFrames::tipLabelLooksLikeATip()
{
    QWidget parent;
    auto *tip = new ZelTipLabel(4, &parent);
    QCOMPARE(tip->windowType(), Qt::ToolTip);
    QCOMPARE(tip->margin(), tip->style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, tip) + 4);
    QCOMPARE(tip->foregroundRole(), QPalette::ToolTipText);
    QCOMPARE(tip->backgroundRole(), QPalette::ToolTipBase);
    QCOMPARE(tip->palette().color(QPalette::ToolTipBase), QToolTip::palette().color(QPalette::ToolTipBase));
    QCOMPARE(tip->frameShape(), QFrame::NoFrame);

    tip->setTipText(QStringLiteral("Value: 12 "));
    QCOMPARE(tip->tipText(), QStringLiteral("Value: 12 "));
    QCOMPARE(tip->size(), tip->sizeHint());
    const QSize shortSize = tip->size();
    tip->setTipText(QStringLiteral("A much longer value text"));
    QVERIFY(tip->width() > shortSize.width());

    // Painted as the style's tip panel: outlined in the tip's text colour.
    tip->show();
    QVERIFY(QTest::qWaitForWindowExposed(tip));
    const QImage image = tip->grab().toImage();
    QCOMPARE(image.pixelColor(0, tip->height() / 2), tip->palette().color(QPalette::ToolTipText));
    QCOMPARE(image.pixelColor(1, tip->height() / 2), tip->palette().color(QPalette::ToolTipBase));
    tip->hide();
}

void tst_ZelFrames::tcLabelAppliesTextOnlyInTheEventLoop()
{
    ZelTCLabel label;
    label.setText(QStringLiteral("before"));
    label.setLabelText(QStringLiteral("first"));
    QCOMPARE(label.labelText(), QStringLiteral("before"));
    label.Set(QStringLiteral("second"));
    QCOMPARE(label.labelText(), QStringLiteral("before"));
    QCoreApplication::processEvents();
    QCOMPARE(label.labelText(), QStringLiteral("second"));
    QCOMPARE(label.text(), QStringLiteral("second"));
    QVERIFY(QMetaObject::invokeMethod(&label, "Apply"));
    QCOMPARE(label.labelText(), QStringLiteral("second"));
}

void tst_ZelFrames::tcLabelTakesTextFromWorkerThread()
{
    ZelTCLabel label;
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));

    std::unique_ptr<QThread> worker(QThread::create([&label] {
        for (int i = 0; i < 100; ++i)
            label.setLabelText(QStringLiteral("step %1").arg(i));
    }));
    worker->start();
    QVERIFY(worker->wait(5000));
    // Nothing ran on this thread yet.
    QCOMPARE(label.labelText(), QString());
    QTRY_COMPARE(label.labelText(), QStringLiteral("step 99"));

    std::unique_ptr<QThread> second(QThread::create([&label] { label.Set(QStringLiteral("late")); }));
    second->start();
    QVERIFY(second->wait(5000));
    QCOMPARE(label.labelText(), QStringLiteral("step 99"));
    QTRY_COMPARE(label.labelText(), QStringLiteral("late"));
}

void tst_ZelFrames::tcLabelDroppedChangeIsHarmless()
{
    QPointer<ZelTCLabel> label = new ZelTCLabel;
    label->setLabelText(QStringLiteral("never shown"));
    delete label;
    QCoreApplication::processEvents();
    QVERIFY(label.isNull());
}

void tst_ZelFrames::widgetWithToolbarStacksContents()
{
    settingIconSize(24);
    ZelWidgetWithToolbar widget;
    QToolBar *bar = widget.toolBar();
    QVERIFY(bar);
    QCOMPARE(bar->iconSize(), QSize(24, 24));
    QCOMPARE(widget.contentsMargins(), QMargins(-10, -10, -10, -10));
    auto *layout = qobject_cast<QVBoxLayout *>(widget.layout());
    QVERIFY(layout);
    QCOMPARE(layout->spacing(), 0);
    QCOMPARE(layout->indexOf(bar), 0);
    QVERIFY(!widget.contentsWidget());

    auto *first = new QLabel(QStringLiteral("first"));
    auto *second = new QLabel(QStringLiteral("second"));
    widget.setupWidget(first);
    widget.setupWidget(second);
    QCOMPARE(widget.contentsWidget(), second);
    QCOMPARE(layout->count(), 3);
    QCOMPARE(layout->indexOf(bar), 0);
    QCOMPARE(layout->indexOf(second), 1);
    QCOMPARE(layout->indexOf(first), 2);
    QCOMPARE(first->parentWidget(), &widget);

    // Given again, a widget moves up under the tool bar; it is not doubled.
    widget.setupWidget(first);
    QCOMPARE(layout->count(), 3);
    QCOMPARE(layout->indexOf(first), 1);

    widget.setupWidget(nullptr);
    widget.setupWidget(bar);
    QCOMPARE(widget.contentsWidget(), first);
    QCOMPARE(layout->count(), 3);
    QCOMPARE(layout->indexOf(bar), 0);

    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QVERIFY(bar->geometry().bottom() < first->geometry().top());
    const QMargins layoutMargins = layout->contentsMargins();
    QCOMPARE(bar->geometry().topLeft(), QPoint(layoutMargins.left() - 10, layoutMargins.top() - 10));
}

void tst_ZelFrames::smallControlsKeepTheirBaseBehaviour()
{
    // The list and the radio button have meta-objects of their own (style
    // sheets, qobject_cast); the line edit's own textChanged slot must not
    // get in the way of typing.
    ZelListWidget list;
    ZelRadioButton radio;
    QCOMPARE(list.metaObject()->className(), "ZelListWidget");
    QCOMPARE(radio.metaObject()->className(), "ZelRadioButton");
    QVERIFY(qobject_cast<ZelRadioButton *>(static_cast<QObject *>(&radio)));

    ZelLineEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QSignalSpy edited(&edit, &QLineEdit::textChanged);
    QTest::keyClicks(&edit, QStringLiteral("abc"));
    QCOMPARE(edit.text(), QStringLiteral("abc"));
    QCOMPARE(edited.count(), 3);
}

void tst_ZelFrames::badInputIsBounded()
{
    const QList<int> ints{INT_MIN, INT_MIN + 1, -1, 0, 1, INT_MAX - 1, INT_MAX};
    const QList<QRect> rects{QRect(), QRect(0, 0, 0, 0), QRect(QPoint(50, 50), QPoint(10, 10)),
                             QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX)),
                             QRect(QPoint(INT_MAX - 5, INT_MAX - 5), QPoint(INT_MAX, INT_MAX)),
                             QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MIN + 3, INT_MIN + 3))};
    const QList<QSize> sizes{QSize(0, 0), QSize(1, 1), QSize(50, 20)};

    QWidget frame;
    frame.resize(100, 100);
    ZelMoveableWidget moveable(&frame);
    for (int direction : ints)
        moveable.setMoveDirection(ZelMoveableWidget::MoveDirection(direction));
    for (const QSize &size : sizes) {
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

    ZelTCLabel label;
    label.setLabelText(QString(100000, QLatin1Char('y')));
    label.Set(QString());
    QCoreApplication::processEvents();
    QCOMPARE(label.labelText(), QString());

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

QTEST_MAIN(tst_ZelFrames)
#include "tst_zelframes.moc"
