// Intermediate handle by setter, keys, wheel, groove press and drag; video geometry and texts.

#include "zelspan_testhelpers.h"

#include <ZelGui/ZelSpanSliderWithIntermediateValue.h>
#include <ZelGui/ZelVideoSlider.h>

#include <QApplication>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>
#include <QWheelEvent>

#include <climits>
#include <memory>
#include <tuple>

using namespace ZelSpanTest;
using Intermediate = ZelSpanSliderWithIntermediateValue;

namespace {

template<class Slider = Intermediate>
struct Shown
{
    std::unique_ptr<Slider> s = std::make_unique<Slider>(nullptr);
    SignalLog log;
    Shown(int maximum, int lower, int upper, int value, int height = 40)
    {
        s->resize(400, height);
        s->setRange(0, maximum);
        s->setSpan(lower, upper);
        s->setIntermediateValue(value);
        s->show();
        if (!QTest::qWaitForWindowExposed(s.get())) // every test here needs the slider on screen
            qFatal("slider not exposed");
        log.watch(s.get(), &Intermediate::intermediateChanged, "changed");
        log.watch(s.get(), &Intermediate::intermediatePressed, "pressed");
        log.watch(s.get(), &Intermediate::intermediateMoved, "moved");
        log.watch(s.get(), &Intermediate::intermediateReleased, "released");
        log.watch(s.get(), &Intermediate::wheelEventArrived, "wheel");
        log.watch(s.get(), &ZelSpanSlider::spanChanged, "span");
        log.watch(s.get(), &QAbstractSlider::sliderPressed, "down");
        log.watch(s.get(), &QAbstractSlider::sliderReleased, "up");
    }
    QPoint at(int value) const
    {
        QStyleOptionSlider opt;
        s->initStyleOptionIntermediate(&opt);
        opt.sliderPosition = opt.sliderValue = value;
        return s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s.get()).center();
    }
};

} // namespace

class tst_ZelSpanSliderIntermediate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void setterBoundsIntoSpan()
    {
        // Span (10, 50): start, value set, value stored (bounding back in place is still announced).
        for (const auto &[start, value, stored] : QList<std::tuple<int, int, int>>{{30, 70, 50}, {30, 5, 10}, {10, 5, 10}}) {
            Shown sh(99, 10, 50, start);
            sh.s->setIntermediateValue(value);
            QCOMPARE(sh.log.take(), QStringList{QStringLiteral("changed(%1)").arg(stored)});
        }
    }

    void keysAndWheel()
    {
        // Maximum, upper end of the span (its lower end is 20), start, key (0: the wheel delta), emitted.
        // Key steps grow with the maximum; the span never moves; sums saturate instead of wrapping.
        const QList<std::tuple<int, int, int, int, QPoint, QStringList>> cases{
            {500, 300, 100, Qt::Key_Right, {}, {"changed(101)", "moved(101)"}},
            {5000, 4800, 100, Qt::Key_PageUp, {}, {"changed(150)", "moved(150)"}},
            {500, 300, 300, Qt::Key_Right, {}, {"changed(300)", "moved(300)"}},
            {500, 300, 100, Qt::Key_Up, {}, {}},
            {INT_MAX, INT_MAX - 200, INT_MAX - 250, Qt::Key_PageUp, {}, {"changed(2147483447)", "moved(2147483447)"}},
            {1000, 1000, 100, 0, {0, 120}, {"wheel", "changed(220)", "moved(220)"}},
            {1000, 150, 100, 0, {0, INT_MAX}, {"wheel", "changed(150)", "moved(150)"}}};
        for (const auto &[maximum, upper, start, key, delta, emitted] : cases) {
            Shown sh(maximum, 20, upper, start);
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            const QPointF pos = sh.s->rect().center();
            QWheelEvent turn(pos, sh.s->mapToGlobal(pos), QPoint(), delta, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QEvent *event = key ? static_cast<QEvent *>(&press) : &turn;
            QApplication::sendEvent(sh.s.get(), event);
            QCOMPARE(event->isAccepted(), !emitted.isEmpty());
            QCOMPARE(sh.log.take(), emitted);
        }
    }

    void forwardedNullEventsAreIgnored()
    {
        Shown sh(1000, 0, 500, 100);
        // Through the meta-object, as a forwarding connection would call them.
        QVERIFY(QMetaObject::invokeMethod(sh.s.get(), "keyPressEvent", Q_ARG(QKeyEvent *, nullptr)));
        QVERIFY(QMetaObject::invokeMethod(sh.s.get(), "wheelEvent", Q_ARG(QWheelEvent *, nullptr)));
        QCOMPARE(sh.log.take(), QStringList());
        QCOMPARE(sh.s->intermediateValue(), 100);
    }

    void pressAndDrag()
    {
        Shown sh(99, 10, 90, 20);
        QTest::mousePress(sh.s.get(), Qt::LeftButton, {}, sh.at(60));
        // On the groove the handle jumps under the cursor, centred on it.
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(20)", "changed(60)", "moved(60)"}));
        // Stopped at the span's end; the span stays.
        for (int v : {70, 70, 95})
            QTest::mouseMove(sh.s.get(), sh.at(v));
        QTest::mouseRelease(sh.s.get(), Qt::LeftButton, {}, sh.at(95));
        QCOMPARE(sh.log.take(), (QStringList{"changed(70)", "moved(70)", "moved(70)", "changed(90)", "moved(90)", "released(90)", "up"}));
        // Grabbed off-centre: the grab point keeps its place on the handle.
        const QRect r = sh.s->intermediateHandleRect();
        const QPoint grip(r.left() + 2, r.center().y());
        const QPoint target = grip + sh.at(45) - r.center();
        QTest::mousePress(sh.s.get(), Qt::LeftButton, {}, grip);
        QTest::mouseMove(sh.s.get(), target);
        QTest::mouseRelease(sh.s.get(), Qt::LeftButton, {}, target);
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(90)", "changed(45)", "moved(45)", "released(45)", "up"}));
        // A span handle stops at the intermediate one, also when its drag commits only at the release.
        for (bool tracking : {true, false}) {
            sh.s->setSpan(10, 90);
            sh.s->setTracking(tracking);
            const QPoint to = handleRectAt(sh.s.get(), ZelSpanSlider::LowerHandle, 70).center();
            QTest::mousePress(sh.s.get(), Qt::LeftButton, {}, sh.s->lowerHandleRect().center());
            QTest::mouseMove(sh.s.get(), to);
            QTest::mouseRelease(sh.s.get(), Qt::LeftButton, {}, to);
            QCOMPARE(sh.s->lowerValue(), 45);
        }
        // Hovering (with mouse tracking) leaves a span set from code alone.
        sh.s->setMouseTracking(true);
        sh.s->setSpan(60, 80);
        QTest::mouseMove(sh.s.get(), sh.at(20));
        QCOMPARE(QList<int>({sh.s->lowerValue(), sh.s->upperValue(), sh.s->intermediateValue()}), QList<int>({60, 80, 45}));
    }

    void videoHandlesAndTextPositions()
    {
        Shown<ZelVideoSlider> sh(1000, 500, 500, 500, 90);
        // At equal values the handles stand side by side: lower, intermediate, upper.
        QVERIFY(sh.s->lowerHandleRect().right() < sh.s->intermediateHandleRect().left());
        QVERIFY(sh.s->intermediateHandleRect().right() < sh.s->upperHandleRect().left());
        // Handles close together: the texts part at the middle between them.
        sh.s->setSpan(500, 510);
        const int mid = (sh.s->lowerHandleRect().left() + sh.s->upperHandleRect().left()) / 2;
        QCOMPARE(sh.s->getStartPositionOfTextForLower() + sh.s->getTextLength(), mid);
        QCOMPARE(sh.s->getStartPositionOfTextForUpper(), mid + 1);
    }

    void videoTimeTexts()
    {
        const qint64 ten = 10000000; // microseconds
        // duration, maximum, speed, lower, step, text
        const QList<std::tuple<qint64, int, double, int, int, QString>> cases{
            // A zero range; no speed, no time; wraps at a day; a step before lower.
            {ten, 1000, 2.0, 100, 300, "00:00:01:000"},
            {ten, 0, 1.0, 0, 0, "00:00:00:000"},
            {ten, 1000, 0.0, 100, 300, ""},
            {qint64(3600000000) * 25, 25, 1.0, 0, 25, "01:00:00:000"},
            {ten, 1000, 1.0, 100, 0, "23:59:59:000"},
            // At the ends of qint64 the product saturates and the time wraps; a quotient beyond double is no time.
            {INT64_MAX, 1, 1.0, 0, INT_MAX, "04:00:54:776"},
            {INT64_MAX, 1, 1.0, 0, INT_MIN, "19:59:05:224"},
            {INT64_MAX, 1, 1e-300, 0, 1, "00:00:00:000"}};
        for (const auto &[duration, maximum, speed, lower, step, text] : cases) {
            ZelVideoSlider s(nullptr);
            s.setRange(0, maximum);
            s.setDuration(duration);
            s.setSpeedUp(speed);
            s.setSpan(lower, maximum);
            QCOMPARE(s.getTextByStep(step), text);
        }
    }
};

QTEST_MAIN(tst_ZelSpanSliderIntermediate)
#include "tst_zelspanslider_intermediate.moc"
