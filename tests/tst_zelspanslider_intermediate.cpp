// Intermediate handle by setter, keys, wheel, groove press and drag; video geometry and texts.

#include "zelspan_testhelpers.h"

#include <ZelGui/ZelSpanSliderWithIntermediateValue.h>
#include <ZelGui/ZelVideoSlider.h>

#include <QApplication>
#include <QImage>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>
#include <QWheelEvent>

#include <climits>
#include <cmath>
#include <limits>
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
        const auto w = [this](auto signal, const char *name) { log.watch(s.get(), signal, name); };
        w(&Intermediate::intermediateChanged, "changed"), w(&Intermediate::intermediatePressed, "pressed");
        w(&Intermediate::intermediateMoved, "moved"), w(&Intermediate::intermediateReleased, "released");
        w(&Intermediate::wheelEventArrived, "wheel"), w(&ZelSpanSlider::spanChanged, "span");
        w(&QAbstractSlider::sliderPressed, "down"), w(&QAbstractSlider::sliderReleased, "up");
    }
    QPoint at(int value) const
    {
        QStyleOptionSlider opt;
        s->initStyleOptionIntermediate(&opt);
        opt.sliderPosition = opt.sliderValue = value;
        return s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s.get()).center();
    }
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(s.get(), Qt::LeftButton, {}, from);
        QTest::mouseMove(s.get(), to);
        QTest::mouseRelease(s.get(), Qt::LeftButton, {}, to);
    }
};

void sendWheel(QWidget *w, QPoint angleDelta)
{
    const QPointF pos = w->rect().center();
    QWheelEvent event(pos, w->mapToGlobal(pos), QPoint(), angleDelta, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
    QVERIFY(event.isAccepted());
}

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
            // The intermediate value does not follow a span set from code.
            sh.s->setSpan(40, 80);
            QCOMPARE(sh.log.take(), QStringList{QStringLiteral("span(40,80)")});
            QCOMPARE(sh.s->intermediateValue(), stored);
        }
    }

    void keys()
    {
        // Span (20, maximum - 200): maximum, start, key, where it moves (0: not at all; the span never).
        const QList<std::tuple<int, int, int, int>> cases{
            {500, 100, Qt::Key_Right, 101}, {500, 100, Qt::Key_PageUp, 110}, {5000, 100, Qt::Key_Right, 105},
            {5000, 100, Qt::Key_PageUp, 150}, {500, 300, Qt::Key_Right, 300}, {500, 100, Qt::Key_Up, 0}};
        for (const auto &[maximum, start, key, to] : cases) {
            const QStringList emitted =
                to ? QStringList{"changed(" + str(to) + ')', "moved(" + str(to) + ')'} : QStringList();
            Shown sh(maximum, 20, maximum - 200, start);
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(sh.s.get(), &press);
            QCOMPARE(press.isAccepted(), !emitted.isEmpty());
            QCOMPARE(sh.log.take(), emitted);
            // Another widget may forward its keys through the public slot.
            QKeyEvent forwarded(QEvent::KeyPress, key, Qt::NoModifier);
            QVERIFY(QMetaObject::invokeMethod(sh.s.get(), "keyPressEvent", Q_ARG(QKeyEvent *, &forwarded)));
            QCOMPARE(sh.log.take().isEmpty(), emitted.isEmpty());
        }
    }

    void wheel()
    {
        // Span (0, upper), intermediate 100, maximum 1000; the wheel never moves the span.
        const QList<std::tuple<int, QPoint, QStringList>> cases{
            {1000, QPoint(0, 120), {"wheel", "changed(220)", "moved(220)"}}, {1000, QPoint(120, 0), {"wheel", "moved(100)"}},
            {150, QPoint(0, 120), {"wheel", "changed(150)", "moved(150)"}}};
        for (const auto &[upper, delta, emitted] : cases) {
            Shown sh(1000, 0, upper, 100);
                sendWheel(sh.s.get(), delta);
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
        QTest::keyClick(sh.s.get(), Qt::Key_End); // still serves real events
        QCOMPARE(sh.s->intermediateValue(), 500);
    }

    void groovePressJumpsAndDrags()
    {
        Shown sh(99, 10, 90, 20);
        const QPoint press = sh.at(60);
        for (const QRect &r : {sh.s->lowerHandleRect(), sh.s->upperHandleRect(), sh.s->intermediateHandleRect()})
            QVERIFY(!r.contains(press));
        QTest::mousePress(sh.s.get(), Qt::LeftButton, {}, press);
        // The handle jumps under the cursor, centred on it.
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(20)", "changed(60)", "moved(60)"}));
        QVERIFY(sh.s->intermediateHandleRect().contains(press));
        // Stopped at the span's end; the span stays.
        for (int v : {70, 70, 95})
            QTest::mouseMove(sh.s.get(), sh.at(v));
        QTest::mouseRelease(sh.s.get(), Qt::LeftButton, {}, sh.at(95));
        QCOMPARE(sh.log.take(), (QStringList{"changed(70)", "moved(70)", "moved(70)", "changed(90)", "moved(90)",
                                             "released(90)", "up"}));
    }

    void dragOnHandle()
    {
        Shown sh(99, 10, 90, 30);
        // Grabbed off-centre: the grab point keeps its place on the handle.
        const QRect r = sh.s->intermediateHandleRect();
        const QRect target(sh.at(45) - r.center() + r.topLeft(), r.size());
        sh.drag(QPoint(r.left() + 2, r.center().y()), QPoint(target.left() + 2, r.center().y()));
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(30)", "changed(45)", "moved(45)", "released(45)", "up"}));
        // A span handle stops at the intermediate one, also when its drag commits only at the release.
        for (bool tracking : {true, false}) {
            sh.s->setSpan(10, 90);
            sh.s->setTracking(tracking);
            sh.drag(sh.s->lowerHandleRect().center(), handleRectAt(sh.s.get(), ZelSpanSlider::LowerHandle, 70).center());
            QCOMPARE(sh.s->lowerValue(), 45);
        }
        QCOMPARE(sh.log.take().filter(QStringLiteral("changed")), QStringList());
        // Hovering (with mouse tracking) leaves a span set from code alone.
        sh.s->setMouseTracking(true);
        sh.s->setSpan(60, 80);
        QTest::mouseMove(sh.s.get(), sh.s->lowerHandleRect().center());
        QTest::mouseMove(sh.s.get(), sh.at(20));
        QCOMPARE(QList<int>({sh.s->lowerValue(), sh.s->upperValue(), sh.s->intermediateValue()}), QList<int>({60, 80, 45}));
    }

    void pictureIsDrawnAboveHandle()
    {
        Shown sh(99, 10, 90, 50, 60);
        const QImage picture(QStringLiteral(":/ZelGui/res/icons/intermediate_slider.png"));
        QVERIFY(!picture.isNull());
        const QRect r = sh.s->intermediateHandleRect();
        const QPoint origin(r.left(), (r.top() + r.bottom()) / 2 - picture.height() - 2);
        const QImage shot = sh.s->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        for (int i = 0; i < picture.width() * picture.height(); ++i) {
            const QPoint at(i % picture.width(), i / picture.width());
            const QRgb p = picture.pixel(at), got = shot.pixel((QPointF(origin + at) * shot.devicePixelRatio()).toPoint());
            if (qAlpha(p) == 255 && ++opaque)
                QVERIFY(qAbs(qRed(got) - qRed(p)) < 8 && qAbs(qGreen(got) - qGreen(p)) < 8 && qAbs(qBlue(got) - qBlue(p)) < 8);
        }
        QVERIFY(opaque > 10);
    }

    void videoHandlesAndTextPositions()
    {
        Shown<ZelVideoSlider> sh(1000, 0, 0, 0, 90);
        for (int v : {0, 500, 1000}) {
            sh.s->setSpan(v, v);
            sh.s->setIntermediateValue(v);
            const QRect l = sh.s->lowerHandleRect(), m = sh.s->intermediateHandleRect(), u = sh.s->upperHandleRect();
            // Side by side at equal values: lower, intermediate, upper.
            QVERIFY2(l.right() < m.left() && m.right() < u.left(), qPrintable(QString::number(v)));
            for (const QRect &r : {l, m, u})
                QVERIFY(r.top() >= 30 && r.bottom() < 60 && r.left() >= 0 && r.right() < 400);
        }
        ZelVideoSlider *s = sh.s.get();
        s->setSpan(500, 510);
        s->setIntermediateValue(505);
        // Handles close together: the texts part at the middle between them.
        const int mid = (s->lowerHandleRect().left() + s->upperHandleRect().left()) / 2;
        QCOMPARE(s->getStartPositionOfTextForLower(), mid - 70);
        QCOMPARE(s->getStartPositionOfTextForUpper(), mid + 1);
        QCOMPARE(s->getStartPositionOfTextForVideo(), s->intermediateHandleRect().left() - 35);
        // At the ends, the texts stay inside the widget.
        s->setSpan(0, 1000);
        s->setIntermediateValue(0);
        QCOMPARE(s->getStartPositionOfTextForLower(), 0);
        QCOMPARE(s->getStartPositionOfTextForUpper(), s->width() - 70);
    }

    void videoTimeTexts()
    {
        const qint64 ten = 10000000; // microseconds
        // duration, maximum, speed, lower, step, text
        const QList<std::tuple<qint64, int, double, int, int, QString>> cases{
            {ten, 1000, 2.0, 100, 300, "00:00:01:000"}, {ten, 0, 1.0, 0, 0, "00:00:00:000"},
            {qint64(3600000000) * 25, 25, 1.0, 0, 25, "01:00:00:000"}, // wraps at a day
            {ten, 1000, 1.0, 100, 0, "23:59:59:000"}, // before lower
            {ten, 1000, 0.0, 100, 300, ""}, {ten, 1000, std::nan(""), 100, 300, ""}};
        for (const auto &[duration, maximum, speed, lower, step, text] : cases) {
            ZelVideoSlider s(nullptr);
            s.setRange(0, maximum);
            s.setDuration(duration);
            s.setSpeedUp(speed);
            s.setSpan(lower, maximum);
            QCOMPARE(s.getTextByStep(step), text);
            QCOMPARE(s.getTextByTime(qint64(step) * s.usecsByStep()), text);
        }
    }

    void badInputStaysBounded()
    {
        const QList<std::tuple<int, int, QSize>> cases{
            {5, 5, {400, 60}}, {10, -10, {400, 60}}, {INT_MIN, INT_MAX, {400, 60}}, {0, 99, {0, 0}}};
        for (const auto &[min, max, size] : cases) {
            ZelVideoSlider s(nullptr);
            s.resize(size);
            s.setRange(min, max);
            s.show();
            QVERIFY(size.isEmpty() || QTest::qWaitForWindowExposed(&s));
            const auto ok = [&s] {
                return s.minimum() <= s.lowerValue() && s.lowerValue() <= s.intermediateValue()
                       && s.intermediateValue() <= s.upperValue() && s.upperValue() <= s.maximum();
            };
            for (int v : {INT_MIN, -1, 0, 1, INT_MAX}) {
                s.setSpan(v, v == INT_MIN ? INT_MAX : -v);
                s.setIntermediateValue(v);
                QVERIFY(ok());
                for (QPoint delta : {QPoint(0, INT_MAX), QPoint(0, INT_MIN)}) {
                    sendWheel(&s, delta);
                    QVERIFY(ok());
                }
                for (Qt::Key key : {Qt::Key_Right, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_PageDown, Qt::Key_End}) {
                    QTest::keyClick(&s, key);
                    QVERIFY(ok());
                }
                QTest::mousePress(&s, Qt::LeftButton, {}, s.rect().center());
                QTest::mouseMove(&s, QPoint(-10000, 3));
                QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(10000, 3));
                QVERIFY(ok());
            }
            using Lim = std::numeric_limits<qint64>;
            for (qint64 duration : {Lim::min(), qint64(0), Lim::max()}) {
                s.setDuration(duration);
                for (double speed : {0.0, -1.0, 1e-300, std::numeric_limits<double>::infinity(), 1.0}) {
                    s.setSpeedUp(speed);
                    for (int step : {INT_MIN, 0, INT_MAX})
                        QVERIFY(s.getTextByStep(step).isEmpty() || s.getTextByStep(step).size() == 12);
                    QVERIFY(s.getTextByTime(Lim::min()).size() <= 12 && s.getTextByTime(Lim::max()).size() <= 12);
                }
            }
            QVERIFY(size.isEmpty() || !s.grab().isNull());
        }
    }
};

QTEST_MAIN(tst_ZelSpanSliderIntermediate)
#include "tst_zelspanslider_intermediate.moc"
