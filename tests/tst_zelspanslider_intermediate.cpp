// The span slider with an intermediate handle and the video slider: the
// intermediate handle by setter, keys, wheel, groove press and drag; span
// handles stopping at it; the picture; video geometry and time texts.

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

using namespace ZelSpanTest;
using Intermediate = ZelSpanSliderWithIntermediateValue;

namespace {

// A shown 400-pixel slider over [0, maximum] with the span (lower, upper),
// the intermediate value and its signals logged.
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
        log.watch(s.get(), &Intermediate::intermediateChanged, "changed");
        log.watch(s.get(), &Intermediate::intermediatePressed, "pressed");
        log.watch(s.get(), &Intermediate::intermediateMoved, "moved");
        log.watch(s.get(), &Intermediate::intermediateReleased, "released");
        log.watch(s.get(), &Intermediate::wheelEventArrived, "wheel");
        log.watch(s.get(), &ZelSpanSlider::spanChanged, "span");
        log.watch(s.get(), &ZelSpanSlider::sliderPressed, "take");
        log.watch(s.get(), &QAbstractSlider::sliderPressed, "down");
        log.watch(s.get(), &QAbstractSlider::sliderReleased, "up");
    }
    // The centre of the intermediate handle standing at a value.
    QPoint at(int value) const
    {
        QStyleOptionSlider opt;
        s->initStyleOptionIntermediate(&opt);
        opt.sliderPosition = opt.sliderValue = value;
        return s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s.get()).center();
    }
    void drag(QPoint from, const QList<QPoint> &to)
    {
        QTest::mousePress(s.get(), Qt::LeftButton, {}, from);
        for (QPoint p : to)
            QTest::mouseMove(s.get(), p);
        QTest::mouseRelease(s.get(), Qt::LeftButton, {}, to.last());
    }
};

void sendWheel(QWidget *w, QPoint angleDelta)
{
    const QPointF pos = w->rect().center();
    QWheelEvent event(pos, w->mapToGlobal(pos), QPoint(), angleDelta, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
    QVERIFY(event.isAccepted());
}

bool between(const Intermediate &s)
{
    return s.lowerValue() <= s.intermediateValue() && s.intermediateValue() <= s.upperValue();
}

} // namespace

class tst_ZelSpanSliderIntermediate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    // No case expects a warning.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void setterBoundsIntoSpan_data()
    {
        QTest::addColumn<QList<int>>("span");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("emitted");

        QTest::newRow("above") << QList{10, 50} << 30 << 70 << QStringList{"changed(50)"};
        QTest::newRow("below") << QList{10, 50} << 30 << 5 << QStringList{"changed(10)"};
        QTest::newRow("same") << QList{10, 50} << 30 << 30 << QStringList{};
        // Bounding back to where it stood is still announced.
        QTest::newRow("at lower, below") << QList{10, 50} << 10 << 5 << QStringList{"changed(10)"};
        QTest::newRow("empty span") << QList{20, 20} << 20 << 90 << QStringList{"changed(20)"};
        QTest::newRow("int min") << QList{10, 50} << 30 << INT_MIN << QStringList{"changed(10)"};
        QTest::newRow("int max") << QList{10, 50} << 30 << INT_MAX << QStringList{"changed(50)"};
    }
    void setterBoundsIntoSpan()
    {
        QFETCH(QList<int>, span);
        QFETCH(int, start);
        QFETCH(int, value);
        QFETCH(QStringList, emitted);

        Shown sh(99, span[0], span[1], start);
        QCOMPARE(sh.s->intermediateValue(), start);
        sh.s->setIntermediateValue(value);
        QCOMPARE(sh.log.take(), emitted);
        QCOMPARE(sh.s->intermediateValue(), emitted.isEmpty() ? start : emitted.last().mid(8).chopped(1).toInt());
        // The span does not follow the intermediate value set from code.
        const int before = sh.s->intermediateValue();
        sh.s->setSpan(span[0] + 3, 80);
        QCOMPARE(sh.log.take(), QStringList{QStringLiteral("span(%1,80)").arg(span[0] + 3)});
        QCOMPARE(sh.s->intermediateValue(), before);
    }

    void keys_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("emitted");

        // Span (20, maximum - 200).
        QTest::newRow("500 right") << 500 << 100 << int(Qt::Key_Right) << QStringList{"changed(101)", "moved(101)"};
        QTest::newRow("500 left") << 500 << 100 << int(Qt::Key_Left) << QStringList{"changed(99)", "moved(99)"};
        QTest::newRow("500 page up") << 500 << 100 << int(Qt::Key_PageUp) << QStringList{"changed(110)", "moved(110)"};
        QTest::newRow("500 page down") << 500 << 100 << int(Qt::Key_PageDown) << QStringList{"changed(90)", "moved(90)"};
        QTest::newRow("5000 right") << 5000 << 100 << int(Qt::Key_Right) << QStringList{"changed(105)", "moved(105)"};
        QTest::newRow("5000 page up") << 5000 << 100 << int(Qt::Key_PageUp) << QStringList{"changed(150)", "moved(150)"};
        QTest::newRow("1999 right") << 1999 << 100 << int(Qt::Key_Right) << QStringList{"changed(101)", "moved(101)"};
        QTest::newRow("1100 page up") << 1100 << 100 << int(Qt::Key_PageUp) << QStringList{"changed(111)", "moved(111)"};
        QTest::newRow("home") << 500 << 100 << int(Qt::Key_Home) << QStringList{"changed(20)", "moved(20)"};
        QTest::newRow("end") << 500 << 100 << int(Qt::Key_End) << QStringList{"changed(300)", "moved(300)"};
        QTest::newRow("home at lower") << 500 << 20 << int(Qt::Key_Home) << QStringList{"moved(20)"};
        QTest::newRow("right at upper") << 500 << 300 << int(Qt::Key_Right) << QStringList{"changed(300)", "moved(300)"};
        QTest::newRow("up ignored") << 500 << 100 << int(Qt::Key_Up) << QStringList{};
    }
    void keys()
    {
        QFETCH(int, maximum);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(QStringList, emitted);

        Shown sh(maximum, 20, maximum - 200, start);
        QVERIFY(QTest::qWaitForWindowExposed(sh.s.get()));
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(sh.s.get(), &press);
        QCOMPARE(press.isAccepted(), !emitted.isEmpty());
        // Keys never move the span.
        QCOMPARE(sh.log.take(), emitted);
        // Another widget may forward its keys through the public slot.
        QKeyEvent forwarded(QEvent::KeyPress, key, Qt::NoModifier);
        QVERIFY(QMetaObject::invokeMethod(sh.s.get(), "keyPressEvent", Q_ARG(QKeyEvent *, &forwarded)));
        QCOMPARE(sh.log.take().isEmpty(), emitted.isEmpty());
    }

    void wheel_data()
    {
        QTest::addColumn<int>("upper");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QStringList>("emitted");

        // Span (0, upper), intermediate 100, maximum 1000.
        QTest::newRow("notch up") << 1000 << QPoint(0, 120) << QStringList{"wheel", "changed(220)", "moved(220)"};
        QTest::newRow("notch up bounded") << 150 << QPoint(0, 120) << QStringList{"wheel", "changed(150)", "moved(150)"};
        QTest::newRow("notch down") << 1000 << QPoint(0, -120) << QStringList{"wheel", "changed(0)", "moved(0)"};
        QTest::newRow("sideways") << 1000 << QPoint(120, 0) << QStringList{"wheel", "moved(100)"};
    }
    void wheel()
    {
        QFETCH(int, upper);
        QFETCH(QPoint, delta);
        QFETCH(QStringList, emitted);

        Shown sh(1000, 0, upper, 100);
        QVERIFY(QTest::qWaitForWindowExposed(sh.s.get()));
        sendWheel(sh.s.get(), delta);
        // The wheel never moves the span.
        QCOMPARE(sh.log.take(), emitted);
    }

    void groovePressJumpsAndDrags()
    {
        Shown sh(99, 10, 90, 20);
        QVERIFY(QTest::qWaitForWindowExposed(sh.s.get()));
        const QPoint press = sh.at(60);
        QVERIFY(!sh.s->lowerHandleRect().contains(press) && !sh.s->upperHandleRect().contains(press)
                && !sh.s->intermediateHandleRect().contains(press));
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
        QVERIFY(QTest::qWaitForWindowExposed(sh.s.get()));
        // Grabbed off-centre: the grab point keeps its place on the handle.
        const QRect r = sh.s->intermediateHandleRect();
        const QRect target(sh.at(45) - r.center() + r.topLeft(), r.size());
        sh.drag(QPoint(r.left() + 2, r.center().y()), {QPoint(target.left() + 2, r.center().y())});
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(30)", "changed(45)", "moved(45)", "released(45)", "up"}));
        sh.drag(sh.at(45), {QPoint(-500, r.center().y())});
        QCOMPARE(sh.s->intermediateValue(), 10);
        // The intermediate handle lies over the lower one now and is taken first.
        sh.log.take();
        QTest::mousePress(sh.s.get(), Qt::LeftButton, {}, sh.s->lowerHandleRect().center());
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(10)"}));
        QTest::mouseRelease(sh.s.get(), Qt::LeftButton, {}, sh.s->lowerHandleRect().center());
    }

    void dragTooFarAwayStops()
    {
        ShortLeashStyle style;
        Shown sh(99, 10, 90, 30);
        sh.s->setStyle(&style);
        QVERIFY(QTest::qWaitForWindowExposed(sh.s.get()));
        // Far off the widget the handle stays where the drag left it.
        const QPoint at60 = sh.at(60);
        sh.drag(sh.s->intermediateHandleRect().center(), {at60, QPoint(at60.x() + 100, sh.s->height() + 40)});
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(30)", "changed(60)", "moved(60)", "moved(60)",
                                             "released(60)", "up"}));
        sh.s->setStyle(nullptr);
    }

    void spanHandlesStopAtIntermediate_data()
    {
        QTest::addColumn<bool>("tracking");
        QTest::newRow("tracking") << true;
        QTest::newRow("no tracking") << false;
    }
    void spanHandlesStopAtIntermediate()
    {
        QFETCH(bool, tracking);
        Shown sh(99, 10, 90, 50);
        QVERIFY(QTest::qWaitForWindowExposed(sh.s.get()));
        sh.s->setTracking(tracking);
        const auto lower = ZelSpanSlider::LowerHandle, upper = ZelSpanSlider::UpperHandle;
        sh.drag(sh.s->lowerHandleRect().center(), {handleRectAt(sh.s.get(), lower, 70).center()});
        QCOMPARE(sh.s->lowerValue(), 50);
        sh.s->setSpan(10, 90);
        sh.drag(sh.s->upperHandleRect().center(), {handleRectAt(sh.s.get(), upper, 30).center()});
        QCOMPARE(sh.s->lowerValue(), 10);
        QCOMPARE(sh.s->upperValue(), 50);
        const QStringList log = sh.log.take();
        QCOMPARE(log.filter(QStringLiteral("take")), (QStringList{"take(lower)", "take(upper)"}));
        QCOMPARE(log.filter(QStringLiteral("changed")), QStringList());
    }

    void pictureIsDrawnAboveHandle()
    {
        Shown sh(99, 10, 90, 50, 60);
        QVERIFY(QTest::qWaitForWindowExposed(sh.s.get()));
        const QImage picture(QStringLiteral(":/ZelGui/res/icons/intermediate_slider.png"));
        QVERIFY(!picture.isNull());
        const QRect r = sh.s->intermediateHandleRect();
        const QPoint origin(r.left(), (r.top() + r.bottom()) / 2 - picture.height() - 2);
        const QImage shot = sh.s->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y);
                if (qAlpha(p) < 255)
                    continue;
                ++opaque;
                const QRgb got = shot.pixel((QPointF(origin + QPoint(x, y)) * shot.devicePixelRatio()).toPoint());
                QVERIFY2(qAbs(qRed(got) - qRed(p)) < 8 && qAbs(qGreen(got) - qGreen(p)) < 8
                             && qAbs(qBlue(got) - qBlue(p)) < 8,
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY(opaque > 10);
    }

    void videoHandlesShareMiddleThird()
    {
        Shown<ZelVideoSlider> sh(1000, 0, 0, 0, 90);
        QVERIFY(QTest::qWaitForWindowExposed(sh.s.get()));
        for (int v : {0, 500, 1000}) {
            sh.s->setSpan(v, v);
            sh.s->setIntermediateValue(v);
            const QRect l = sh.s->lowerHandleRect(), m = sh.s->intermediateHandleRect(), u = sh.s->upperHandleRect();
            // Side by side at equal values: lower, intermediate, upper.
            QVERIFY2(l.right() < m.left() && m.right() < u.left(), qPrintable(QString::number(v)));
            for (const QRect &r : {l, m, u})
                QVERIFY(r.top() >= 30 && r.bottom() < 60 && r.left() >= 0 && r.right() < 400);
        }
    }

    void videoMouseTakesEachHandle()
    {
        Shown<ZelVideoSlider> sh(100, 40, 40, 40, 90);
        QVERIFY(QTest::qWaitForWindowExposed(sh.s.get()));
        const auto lower = ZelSpanSlider::LowerHandle, upper = ZelSpanSlider::UpperHandle;
        sh.drag(sh.s->lowerHandleRect().center(), {handleRectAt(sh.s.get(), lower, 20).center()});
        sh.drag(sh.s->upperHandleRect().center(), {handleRectAt(sh.s.get(), upper, 70).center()});
        sh.drag(sh.s->intermediateHandleRect().center(), {sh.at(55)});
        QCOMPARE(sh.log.take().filter(QRegularExpression(QStringLiteral("take|pressed"))),
                 (QStringList{"take(lower)", "take(upper)", "pressed(40)"}));
        QCOMPARE((QList<int>{sh.s->lowerValue(), sh.s->intermediateValue(), sh.s->upperValue()}),
                 (QList<int>{20, 55, 70}));
    }

    void videoTimeTexts_data()
    {
        QTest::addColumn<qint64>("duration");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<double>("speed");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("text");

        const qint64 tenSeconds = 10000000, hour = 3600000000;
        QTest::newRow("twice as fast") << tenSeconds << 1000 << 2.0 << 100 << 300 << "00:00:01:000";
        QTest::newRow("at lower") << tenSeconds << 1000 << 2.0 << 100 << 100 << "00:00:00:000";
        QTest::newRow("milliseconds truncated") << qint64(1999) << 1 << 1.0 << 0 << 1 << "00:00:00:001";
        QTest::newRow("wraps at a day") << hour * 25 << 25 << 1.0 << 0 << 25 << "01:00:00:000";
        QTest::newRow("before lower") << tenSeconds << 1000 << 1.0 << 100 << 0 << "23:59:59:000";
        QTest::newRow("no speed") << tenSeconds << 1000 << 0.0 << 100 << 300 << "";
        QTest::newRow("negative speed") << tenSeconds << 1000 << -1.0 << 100 << 300 << "";
        QTest::newRow("not a number") << tenSeconds << 1000 << std::nan("") << 100 << 300 << "";
        QTest::newRow("empty maximum") << tenSeconds << 0 << 1.0 << 0 << 0 << "00:00:00:000";
    }
    void videoTimeTexts()
    {
        QFETCH(qint64, duration);
        QFETCH(int, maximum);
        QFETCH(double, speed);
        QFETCH(int, lower);
        QFETCH(int, step);
        QFETCH(QString, text);

        ZelVideoSlider s(nullptr);
        s.setRange(0, maximum);
        s.setDuration(duration);
        s.setSpeedUp(speed);
        s.setSpan(lower, maximum);
        QCOMPARE(s.getTextByStep(step), text);
        QCOMPARE(s.getTextByTime(qint64(step) * s.usecsByStep()), text);
    }

    void videoTextPositions()
    {
        Shown<ZelVideoSlider> sh(1000, 500, 510, 505, 90);
        ZelVideoSlider *s = sh.s.get();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        // Handles close together: the texts part at the middle between them.
        const int mid = (s->lowerHandleRect().left() + s->upperHandleRect().left()) / 2;
        QCOMPARE(s->getStartPositionOfTextForLower(), mid - 70);
        QCOMPARE(s->getStartPositionOfTextForUpper(), mid + 1);
        QCOMPARE(s->getStartPositionOfTextForVideo(), s->intermediateHandleRect().left() - 35);
        // Handles far apart: each text is centred on its handle.
        s->setSpan(200, 800);
        QCOMPARE(s->getStartPositionOfTextForLower(), s->lowerHandleRect().left() - 35);
        QCOMPARE(s->getStartPositionOfTextForUpper(), s->upperHandleRect().left() - 35);
        // At the ends, the texts stay inside the widget.
        s->setSpan(0, 1000);
        s->setIntermediateValue(0);
        QCOMPARE(s->getStartPositionOfTextForLower(), 0);
        QCOMPARE(s->getStartPositionOfTextForVideo(), 0);
        QCOMPARE(s->getStartPositionOfTextForUpper(), s->width() - 70);
        s->setIntermediateValue(1000);
        QCOMPARE(s->getStartPositionOfTextForVideo(), s->width() - 70);
    }

    void videoPaintsTexts()
    {
        Shown<ZelVideoSlider> sh(1000, 100, 900, 500, 90);
        sh.s->setDuration(10000000);
        QVERIFY(QTest::qWaitForWindowExposed(sh.s.get()));
        // Pixels of a band of rows that differ from the background.
        auto ink = [&sh](int top, int bottom) {
            const QImage shot = sh.s->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const qreal dpr = shot.devicePixelRatio();
            int count = 0;
            for (int y = int(top * dpr); y < int(bottom * dpr); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    count += shot.pixel(x, y) != shot.pixel(0, 0);
            return count;
        };
        // The handle picture reaches into the top band: compare with the
        // texts gone (speed 0).
        const int top = ink(0, 30), bottom = ink(72, 90);
        sh.s->setSpeedUp(0);
        QVERIFY2(top > ink(0, 30) + 20, qPrintable(QString::number(top)));
        QVERIFY(bottom > 20);
        QCOMPARE(ink(72, 90), 0);
    }

    void badInputStaysBounded()
    {
        const struct
        {
            int min, max;
            QSize size;
        } cases[] = {{5, 5, {400, 60}}, {10, -10, {400, 60}}, {INT_MIN, INT_MAX, {400, 60}},
                     {INT_MAX - 2, INT_MAX, {400, 60}}, {0, 99, {0, 0}}};
        for (const auto &c : cases) {
            ZelVideoSlider s(nullptr);
            s.resize(c.size);
            s.setRange(c.min, c.max);
            s.show();
            QVERIFY(c.size.isEmpty() || QTest::qWaitForWindowExposed(&s));
            for (int v : {INT_MIN, -1, 0, 1, INT_MAX}) {
                s.setSpan(v, -v);
                s.setIntermediateValue(v);
                QVERIFY(between(s));
                for (QPoint delta : {QPoint(0, INT_MAX), QPoint(0, INT_MIN), QPoint(0, 120)}) {
                    sendWheel(&s, delta);
                    QVERIFY(between(s));
                }
                for (Qt::Key key : {Qt::Key_Right, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_PageDown, Qt::Key_End}) {
                    QTest::keyClick(&s, key);
                    QVERIFY(between(s));
                }
                QTest::mousePress(&s, Qt::LeftButton, {}, s.rect().center());
                QTest::mouseMove(&s, QPoint(-10000, 3));
                QTest::mouseMove(&s, QPoint(10000, 3));
                QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(10000, 3));
                QVERIFY(between(s) && s.minimum() <= s.lowerValue() && s.upperValue() <= s.maximum());
            }
            for (qint64 duration : {std::numeric_limits<qint64>::min(), qint64(0), std::numeric_limits<qint64>::max()}) {
                s.setDuration(duration);
                for (double speed : {0.0, -1.0, 1e-300, 1e300, std::numeric_limits<double>::infinity(), 1.0}) {
                    s.setSpeedUp(speed);
                    for (int step : {INT_MIN, 0, INT_MAX}) {
                        const QString text = s.getTextByStep(step);
                        QVERIFY(text.isEmpty() || text.size() == 12);
                    }
                    QVERIFY(s.getTextByTime(std::numeric_limits<qint64>::min()).size() <= 12);
                    QVERIFY(s.getTextByTime(std::numeric_limits<qint64>::max()).size() <= 12);
                    QVERIFY(c.size.isEmpty() || !s.grab().isNull());
                }
            }
        }
    }
};

QTEST_MAIN(tst_ZelSpanSliderIntermediate)
#include "tst_zelspanslider_intermediate.moc"
