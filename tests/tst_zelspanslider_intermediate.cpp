// The span slider with an intermediate handle and the video slider: the
// intermediate handle by setter, keys, wheel, groove press and drag; span
// handles stopping at it; the picture; video geometry and time texts.

#include <ZelGui/ZelSpanSliderWithIntermediateValue.h>
#include <ZelGui/ZelVideoSlider.h>

#include <QApplication>
#include <QImage>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>

namespace {

class Recorder
{
public:
    explicit Recorder(ZelSpanSliderWithIntermediateValue *s)
    {
        auto add = [this](const char *name) {
            return [this, name](int v) { log << QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(v); };
        };
        QObject::connect(s, &ZelSpanSliderWithIntermediateValue::intermediateChanged, s, add("changed"));
        QObject::connect(s, &ZelSpanSliderWithIntermediateValue::intermediatePressed, s, add("pressed"));
        QObject::connect(s, &ZelSpanSliderWithIntermediateValue::intermediateMoved, s, add("moved"));
        QObject::connect(s, &ZelSpanSliderWithIntermediateValue::intermediateReleased, s, add("released"));
        QObject::connect(s, &ZelSpanSliderWithIntermediateValue::wheelEventArrived, s,
                         [this] { log << QStringLiteral("wheel"); });
        QObject::connect(s, &ZelSpanSlider::spanChanged, s,
                         [this](int l, int u) { log << QStringLiteral("span(%1,%2)").arg(l).arg(u); });
        QObject::connect(s, &QAbstractSlider::sliderPressed, s, [this] { log << QStringLiteral("down"); });
        QObject::connect(s, &QAbstractSlider::sliderReleased, s, [this] { log << QStringLiteral("up"); });
    }
    QStringList take()
    {
        QStringList result;
        result.swap(log);
        return result;
    }
    QStringList log;
};

// Where the style puts the intermediate handle standing at a value.
QRect intermediateRectAt(const ZelSpanSliderWithIntermediateValue *s, int value)
{
    QStyleOptionSlider opt;
    s->initStyleOptionIntermediate(&opt);
    opt.sliderPosition = value;
    opt.sliderValue = value;
    return s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s);
}

QRect spanHandleRectAt(const ZelSpanSlider *s, ZelSpanSlider::SpanHandle handle, int value)
{
    QStyleOptionSlider opt;
    s->initStyleOptionForBorders(&opt, handle);
    opt.sliderPosition = value;
    opt.sliderValue = value;
    return s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s);
}

template<class Slider>
std::unique_ptr<Slider> shown(int maximum = 99, int height = 40)
{
    auto s = std::make_unique<Slider>(nullptr);
    s->resize(400, height);
    s->setRange(0, maximum);
    s->show();
    return s;
}

void sendWheel(QWidget *w, QPoint angleDelta)
{
    const QPointF pos = w->rect().center();
    QWheelEvent event(pos, w->mapToGlobal(pos), QPoint(), angleDelta, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
    QVERIFY(event.isAccepted());
}

} // namespace

class tst_ZelSpanSliderIntermediate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void setterBoundsIntoSpan_data();
    void setterBoundsIntoSpan();
    void setSpanLeavesIntermediate();
    void keys_data();
    void keys();
    void wheel_data();
    void wheel();
    void groovePressJumpsAndDrags();
    void dragOnHandle();
    void dragTooFarAwayStops();
    void spanHandlesStopAtIntermediate_data();
    void spanHandlesStopAtIntermediate();
    void pictureIsDrawnAboveHandle();

    void videoHandlesShareMiddleThird();
    void videoMouseTakesEachHandle();
    void videoTimeTexts_data();
    void videoTimeTexts();
    void videoTextPositions();
    void videoPaintsTexts();

    void badInputStaysBounded();
};

void tst_ZelSpanSliderIntermediate::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_ZelSpanSliderIntermediate::init()
{
    // No case expects a warning.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void tst_ZelSpanSliderIntermediate::setterBoundsIntoSpan_data()
{
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QStringList>("emitted");

    QTest::newRow("inside") << 10 << 50 << 30 << 40 << 40 << QStringList{"changed(40)"};
    QTest::newRow("above") << 10 << 50 << 30 << 70 << 50 << QStringList{"changed(50)"};
    QTest::newRow("below") << 10 << 50 << 30 << 5 << 10 << QStringList{"changed(10)"};
    QTest::newRow("same") << 10 << 50 << 30 << 30 << 30 << QStringList{};
    // Bounding back to where it stood is still announced.
    QTest::newRow("at lower, below") << 10 << 50 << 10 << 5 << 10 << QStringList{"changed(10)"};
    QTest::newRow("empty span") << 20 << 20 << 20 << 90 << 20 << QStringList{"changed(20)"};
    QTest::newRow("int min") << 10 << 50 << 30 << INT_MIN << 10 << QStringList{"changed(10)"};
    QTest::newRow("int max") << 10 << 50 << 30 << INT_MAX << 50 << QStringList{"changed(50)"};
}

void tst_ZelSpanSliderIntermediate::setterBoundsIntoSpan()
{
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(int, start);
    QFETCH(int, value);
    QFETCH(int, expected);
    QFETCH(QStringList, emitted);

    auto s = shown<ZelSpanSliderWithIntermediateValue>();
    s->setSpan(lower, upper);
    s->setIntermediateValue(start);
    QCOMPARE(s->intermediateValue(), start);
    Recorder rec(s.get());
    s->setIntermediateValue(value);
    QCOMPARE(rec.take(), emitted);
    QCOMPARE(s->intermediateValue(), expected);
    QCOMPARE(s->property("intermediateValue").toInt(), expected);
}

void tst_ZelSpanSliderIntermediate::setSpanLeavesIntermediate()
{
    auto s = shown<ZelSpanSliderWithIntermediateValue>();
    s->setSpan(10, 50);
    s->setIntermediateValue(30);
    Recorder rec(s.get());
    s->setSpan(40, 80);
    QCOMPARE(rec.take(), (QStringList{"span(40,80)"}));
    QCOMPARE(s->intermediateValue(), 30);
}

void tst_ZelSpanSliderIntermediate::keys_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QStringList>("emitted");

    QTest::newRow("500 right") << 500 << 0 << 500 << 100 << int(Qt::Key_Right) << 101
                               << QStringList{"changed(101)", "moved(101)"};
    QTest::newRow("500 left") << 500 << 0 << 500 << 100 << int(Qt::Key_Left) << 99
                              << QStringList{"changed(99)", "moved(99)"};
    QTest::newRow("500 page up") << 500 << 0 << 500 << 100 << int(Qt::Key_PageUp) << 110
                                 << QStringList{"changed(110)", "moved(110)"};
    QTest::newRow("500 page down") << 500 << 0 << 500 << 100 << int(Qt::Key_PageDown) << 90
                                   << QStringList{"changed(90)", "moved(90)"};
    QTest::newRow("5000 right") << 5000 << 0 << 5000 << 100 << int(Qt::Key_Right) << 105
                                << QStringList{"changed(105)", "moved(105)"};
    QTest::newRow("5000 page up") << 5000 << 0 << 5000 << 100 << int(Qt::Key_PageUp) << 150
                                  << QStringList{"changed(150)", "moved(150)"};
    QTest::newRow("1999 right") << 1999 << 0 << 1999 << 100 << int(Qt::Key_Right) << 101
                                << QStringList{"changed(101)", "moved(101)"};
    QTest::newRow("1100 page up") << 1100 << 0 << 1100 << 100 << int(Qt::Key_PageUp) << 111
                                  << QStringList{"changed(111)", "moved(111)"};
    QTest::newRow("home") << 500 << 20 << 300 << 100 << int(Qt::Key_Home) << 20
                          << QStringList{"changed(20)", "moved(20)"};
    QTest::newRow("end") << 500 << 20 << 300 << 100 << int(Qt::Key_End) << 300
                         << QStringList{"changed(300)", "moved(300)"};
    QTest::newRow("home at lower") << 500 << 20 << 300 << 20 << int(Qt::Key_Home) << 20
                                   << QStringList{"moved(20)"};
    QTest::newRow("right at upper") << 500 << 20 << 300 << 300 << int(Qt::Key_Right) << 300
                                    << QStringList{"changed(300)", "moved(300)"};
    QTest::newRow("page up bounded") << 500 << 20 << 300 << 295 << int(Qt::Key_PageUp) << 300
                                     << QStringList{"changed(300)", "moved(300)"};
    QTest::newRow("up ignored") << 500 << 20 << 300 << 100 << int(Qt::Key_Up) << 100 << QStringList{};
    QTest::newRow("down ignored") << 500 << 20 << 300 << 100 << int(Qt::Key_Down) << 100 << QStringList{};
}

void tst_ZelSpanSliderIntermediate::keys()
{
    QFETCH(int, maximum);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    QFETCH(QStringList, emitted);

    auto s = shown<ZelSpanSliderWithIntermediateValue>(maximum);
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    s->setSpan(lower, upper);
    s->setIntermediateValue(start);
    Recorder rec(s.get());

    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(s.get(), &press);
    QCOMPARE(press.isAccepted(), !emitted.isEmpty());
    QCOMPARE(rec.take(), emitted);
    QCOMPARE(s->intermediateValue(), expected);
    // Keys never move the span.
    QCOMPARE(s->lowerValue(), lower);
    QCOMPARE(s->upperValue(), upper);

    // Another widget may forward its keys through the public slot.
    if (!emitted.isEmpty()) {
        QKeyEvent forwarded(QEvent::KeyPress, key, Qt::NoModifier);
        QVERIFY(QMetaObject::invokeMethod(s.get(), "keyPressEvent", Q_ARG(QKeyEvent *, &forwarded)));
        QVERIFY(!rec.take().isEmpty());
    }
}

void tst_ZelSpanSliderIntermediate::wheel_data()
{
    QTest::addColumn<int>("upper");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QStringList>("emitted");

    // Span (0, upper), intermediate 100, maximum 1000.
    QTest::newRow("notch up") << 1000 << QPoint(0, 120) << 220
                              << QStringList{"wheel", "changed(220)", "moved(220)"};
    QTest::newRow("notch up bounded") << 150 << QPoint(0, 120) << 150
                                      << QStringList{"wheel", "changed(150)", "moved(150)"};
    QTest::newRow("notch down") << 1000 << QPoint(0, -120) << 0
                                << QStringList{"wheel", "changed(0)", "moved(0)"};
    QTest::newRow("fine") << 1000 << QPoint(0, 15) << 115 << QStringList{"wheel", "changed(115)", "moved(115)"};
    QTest::newRow("sideways") << 1000 << QPoint(120, 0) << 100 << QStringList{"wheel", "moved(100)"};
}

void tst_ZelSpanSliderIntermediate::wheel()
{
    QFETCH(int, upper);
    QFETCH(QPoint, delta);
    QFETCH(int, expected);
    QFETCH(QStringList, emitted);

    auto s = shown<ZelSpanSliderWithIntermediateValue>(1000);
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    s->setSpan(0, upper);
    s->setIntermediateValue(100);
    Recorder rec(s.get());
    sendWheel(s.get(), delta);
    QCOMPARE(rec.take(), emitted);
    QCOMPARE(s->intermediateValue(), expected);
    QCOMPARE(s->lowerValue(), 0);
    QCOMPARE(s->upperValue(), upper);
}

void tst_ZelSpanSliderIntermediate::groovePressJumpsAndDrags()
{
    auto s = shown<ZelSpanSliderWithIntermediateValue>();
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    s->setSpan(10, 90);
    s->setIntermediateValue(20);
    Recorder rec(s.get());

    const QPoint press = intermediateRectAt(s.get(), 60).center();
    QVERIFY(!s->lowerHandleRect().contains(press) && !s->upperHandleRect().contains(press)
            && !s->intermediateHandleRect().contains(press));
    QTest::mousePress(s.get(), Qt::LeftButton, {}, press);
    // The handle jumps under the cursor, centred on it.
    QCOMPARE(rec.take(), (QStringList{"down", "pressed(20)", "changed(60)", "moved(60)"}));
    QVERIFY(s->intermediateHandleRect().contains(press));

    QTest::mouseMove(s.get(), intermediateRectAt(s.get(), 70).center());
    QTest::mouseMove(s.get(), intermediateRectAt(s.get(), 70).center());
    QTest::mouseMove(s.get(), intermediateRectAt(s.get(), 95).center());
    QTest::mouseRelease(s.get(), Qt::LeftButton, {}, intermediateRectAt(s.get(), 95).center());
    QCOMPARE(rec.take(), (QStringList{"changed(70)", "moved(70)", "moved(70)", "changed(90)", "moved(90)",
                                      "released(90)", "up"}));
    QCOMPARE(s->intermediateValue(), 90);
    QCOMPARE(s->lowerValue(), 10);
    QCOMPARE(s->upperValue(), 90);
}

void tst_ZelSpanSliderIntermediate::dragOnHandle()
{
    auto s = shown<ZelSpanSliderWithIntermediateValue>();
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    s->setSpan(10, 90);
    s->setIntermediateValue(30);
    Recorder rec(s.get());

    // Grabbed off-centre: the grab point keeps its place on the handle.
    const QRect r = s->intermediateHandleRect();
    const QPoint grab(r.left() + 2, r.center().y());
    QTest::mousePress(s.get(), Qt::LeftButton, {}, grab);
    QCOMPARE(rec.take(), (QStringList{"down", "pressed(30)"}));
    QCOMPARE(s->intermediateValue(), 30);
    const QRect target = intermediateRectAt(s.get(), 45);
    QTest::mouseMove(s.get(), QPoint(target.left() + 2, grab.y()));
    QCOMPARE(s->intermediateValue(), 45);
    QTest::mouseMove(s.get(), QPoint(-500, grab.y()));
    QCOMPARE(s->intermediateValue(), 10);
    QTest::mouseRelease(s.get(), Qt::LeftButton, {}, QPoint(-500, grab.y()));
    QCOMPARE(rec.take(), (QStringList{"changed(45)", "moved(45)", "changed(10)", "moved(10)", "released(10)", "up"}));
    // The intermediate handle lies over the lower one now and is taken first.
    QTest::mousePress(s.get(), Qt::LeftButton, {}, s->lowerHandleRect().center());
    QCOMPARE(rec.take(), (QStringList{"down", "pressed(10)"}));
    QVERIFY(!s->isAnyHandlePressedNow());
    QTest::mouseRelease(s.get(), Qt::LeftButton, {}, s->lowerHandleRect().center());
}

void tst_ZelSpanSliderIntermediate::dragTooFarAwayStops()
{
    class ShortLeash : public QProxyStyle
    {
    public:
        using QProxyStyle::QProxyStyle;
        int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
        {
            return metric == PM_MaximumDragDistance ? 10 : QProxyStyle::pixelMetric(metric, option, widget);
        }
    };
    ShortLeash style(QStyleFactory::create(QStringLiteral("Fusion")));

    auto s = shown<ZelSpanSliderWithIntermediateValue>();
    s->setStyle(&style);
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    s->setSpan(10, 90);
    s->setIntermediateValue(30);
    Recorder rec(s.get());

    QTest::mousePress(s.get(), Qt::LeftButton, {}, s->intermediateHandleRect().center());
    const QPoint at60 = intermediateRectAt(s.get(), 60).center();
    QTest::mouseMove(s.get(), at60);
    // Far off the widget the handle stays where the drag left it.
    QTest::mouseMove(s.get(), QPoint(at60.x() + 100, s->height() + 40));
    QCOMPARE(s->intermediateValue(), 60);
    QTest::mouseRelease(s.get(), Qt::LeftButton, {}, QPoint(at60.x() + 100, s->height() + 40));
    QCOMPARE(rec.take(), (QStringList{"down", "pressed(30)", "changed(60)", "moved(60)", "moved(60)",
                                      "released(60)", "up"}));
    s->setStyle(nullptr);
}

void tst_ZelSpanSliderIntermediate::spanHandlesStopAtIntermediate_data()
{
    QTest::addColumn<bool>("tracking");
    QTest::newRow("tracking") << true;
    QTest::newRow("no tracking") << false;
}

void tst_ZelSpanSliderIntermediate::spanHandlesStopAtIntermediate()
{
    QFETCH(bool, tracking);

    auto s = shown<ZelSpanSliderWithIntermediateValue>();
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    s->setTracking(tracking);
    s->setSpan(10, 90);
    s->setIntermediateValue(50);
    QSignalSpy intermediate(s.get(), &ZelSpanSliderWithIntermediateValue::intermediateChanged);

    const auto lower = ZelSpanSlider::LowerHandle;
    const auto upper = ZelSpanSlider::UpperHandle;
    QTest::mousePress(s.get(), Qt::LeftButton, {}, s->lowerHandleRect().center());
    QVERIFY(s->isAnyHandlePressedNow());
    QTest::mouseMove(s.get(), spanHandleRectAt(s.get(), lower, 70).center());
    QTest::mouseRelease(s.get(), Qt::LeftButton, {}, spanHandleRectAt(s.get(), lower, 70).center());
    QCOMPARE(s->lowerValue(), 50);
    QCOMPARE(s->upperValue(), 90);

    s->setSpan(10, 90);
    QTest::mousePress(s.get(), Qt::LeftButton, {}, s->upperHandleRect().center());
    QTest::mouseMove(s.get(), spanHandleRectAt(s.get(), upper, 30).center());
    QTest::mouseRelease(s.get(), Qt::LeftButton, {}, spanHandleRectAt(s.get(), upper, 30).center());
    QCOMPARE(s->lowerValue(), 10);
    QCOMPARE(s->upperValue(), 50);
    QCOMPARE(s->intermediateValue(), 50);
    QVERIFY(intermediate.isEmpty());
}

void tst_ZelSpanSliderIntermediate::pictureIsDrawnAboveHandle()
{
    auto s = shown<ZelSpanSliderWithIntermediateValue>(99, 60);
    s->setSpan(10, 90);
    s->setIntermediateValue(50);
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));

    const QImage picture(QStringLiteral(":/ZelGui/res/icons/intermediate_slider.png"));
    QVERIFY(!picture.isNull());
    const QRect r = s->intermediateHandleRect();
    const int c = (r.top() + r.bottom()) / 2;
    const QPoint origin(r.left(), c - picture.height() - 2);

    QImage shot = s->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    shot.setDevicePixelRatio(1);
    const qreal dpr = s->devicePixelRatioF();
    int opaque = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qAlpha(p) < 255)
                continue;
            ++opaque;
            const QPoint at = (QPointF(origin + QPoint(x, y)) * dpr).toPoint();
            const QRgb got = shot.pixel(at);
            QVERIFY2(qAbs(qRed(got) - qRed(p)) < 8 && qAbs(qGreen(got) - qGreen(p)) < 8
                         && qAbs(qBlue(got) - qBlue(p)) < 8,
                     qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(opaque > 10);
}

void tst_ZelSpanSliderIntermediate::videoHandlesShareMiddleThird()
{
    auto s = shown<ZelVideoSlider>(1000, 90);
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    for (int v : {0, 500, 1000}) {
        s->setSpan(v, v);
        s->setIntermediateValue(v);
        const QRect l = s->lowerHandleRect();
        const QRect m = s->intermediateHandleRect();
        const QRect u = s->upperHandleRect();
        // Side by side at equal values: lower, intermediate, upper.
        QVERIFY2(l.right() < m.left() && m.right() < u.left(), qPrintable(QString::number(v)));
        for (const QRect &r : {l, m, u}) {
            QVERIFY(r.top() >= 90 / 3);
            QVERIFY(r.bottom() < 2 * 90 / 3);
            QVERIFY(r.left() >= 0 && r.right() < 400);
        }
        QCOMPARE(s->handleWidth(), m.width());
    }
}

void tst_ZelSpanSliderIntermediate::videoMouseTakesEachHandle()
{
    auto s = shown<ZelVideoSlider>(100, 90);
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    s->setSpan(40, 40);
    s->setIntermediateValue(40);
    QSignalSpy pressed(s.get(), &ZelSpanSlider::sliderPressed);

    // The lower handle, beside the others, is taken and dragged left.
    QTest::mousePress(s.get(), Qt::LeftButton, {}, s->lowerHandleRect().center());
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).value<ZelSpanSlider::SpanHandle>(), ZelSpanSlider::LowerHandle);
    const QPoint to = spanHandleRectAt(s.get(), ZelSpanSlider::LowerHandle, 20).center();
    QTest::mouseMove(s.get(), to);
    QTest::mouseRelease(s.get(), Qt::LeftButton, {}, to);
    QCOMPARE(s->lowerValue(), 20);
    QCOMPARE(s->upperValue(), 40);

    // The upper one, dragged right.
    QTest::mousePress(s.get(), Qt::LeftButton, {}, s->upperHandleRect().center());
    QCOMPARE(pressed.count(), 2);
    QCOMPARE(pressed.at(1).at(0).value<ZelSpanSlider::SpanHandle>(), ZelSpanSlider::UpperHandle);
    const QPoint to2 = spanHandleRectAt(s.get(), ZelSpanSlider::UpperHandle, 70).center();
    QTest::mouseMove(s.get(), to2);
    QTest::mouseRelease(s.get(), Qt::LeftButton, {}, to2);
    QCOMPARE(s->upperValue(), 70);

    // The intermediate one in between.
    QSignalSpy intermediatePressed(s.get(), &ZelSpanSliderWithIntermediateValue::intermediatePressed);
    QTest::mousePress(s.get(), Qt::LeftButton, {}, s->intermediateHandleRect().center());
    QCOMPARE(intermediatePressed.count(), 1);
    QCOMPARE(pressed.count(), 2);
    const QPoint to3 = intermediateRectAt(s.get(), 55).center();
    QTest::mouseMove(s.get(), to3);
    QTest::mouseRelease(s.get(), Qt::LeftButton, {}, to3);
    QCOMPARE(s->intermediateValue(), 55);
}

void tst_ZelSpanSliderIntermediate::videoTimeTexts_data()
{
    QTest::addColumn<qint64>("duration");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<double>("speed");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("text");

    QTest::newRow("twice as fast") << qint64(10000000) << 1000 << 2.0 << 100 << 300 << "00:00:01:000";
    QTest::newRow("at lower") << qint64(10000000) << 1000 << 2.0 << 100 << 100 << "00:00:00:000";
    QTest::newRow("half speed") << qint64(10000000) << 1000 << 0.5 << 0 << 1 << "00:00:00:020";
    QTest::newRow("milliseconds truncated") << qint64(1999) << 1 << 1.0 << 0 << 1 << "00:00:00:001";
    QTest::newRow("hours") << qint64(3600000000) * 5 << 100 << 1.0 << 0 << 50 << "02:30:00:000";
    QTest::newRow("wraps at a day") << qint64(3600000000) * 25 << 25 << 1.0 << 0 << 25 << "01:00:00:000";
    QTest::newRow("before lower") << qint64(10000000) << 1000 << 1.0 << 100 << 0 << "23:59:59:000";
    QTest::newRow("no speed") << qint64(10000000) << 1000 << 0.0 << 100 << 300 << "";
    QTest::newRow("negative speed") << qint64(10000000) << 1000 << -1.0 << 100 << 300 << "";
    QTest::newRow("not a number") << qint64(10000000) << 1000 << std::nan("") << 100 << 300 << "";
    QTest::newRow("empty maximum") << qint64(10000000) << 0 << 1.0 << 0 << 0 << "00:00:00:000";
}

void tst_ZelSpanSliderIntermediate::videoTimeTexts()
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
    QCOMPARE(s.duration(), duration);
    QCOMPARE(s.getTextByStep(step), text);
    QCOMPARE(s.getTextByTime(qint64(step) * s.usecsByStep()), text);
    QCOMPARE(s.getTextLength(), 70);
}

void tst_ZelSpanSliderIntermediate::videoTextPositions()
{
    auto s = shown<ZelVideoSlider>(1000, 90);
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    const int w = s->width();

    // Handles close together: the texts part at the middle between them.
    s->setSpan(500, 510);
    s->setIntermediateValue(505);
    const int mid = (s->lowerHandleRect().left() + s->upperHandleRect().left()) / 2;
    QVERIFY(s->getStartPositionOfTextForLower() + s->getTextLength() <= mid);
    QVERIFY(s->getStartPositionOfTextForUpper() > mid);
    const int videoX = s->getStartPositionOfTextForVideo();
    QCOMPARE(videoX, s->intermediateHandleRect().left() - s->getTextLength() / 2);

    // Handles far apart: each text is centred on its handle.
    s->setSpan(200, 800);
    QCOMPARE(s->getStartPositionOfTextForLower(), s->lowerHandleRect().left() - 35);
    QCOMPARE(s->getStartPositionOfTextForUpper(), s->upperHandleRect().left() - 35);

    // At the ends, the texts stay inside the widget.
    s->setSpan(0, 1000);
    s->setIntermediateValue(0);
    QCOMPARE(s->getStartPositionOfTextForLower(), 0);
    QCOMPARE(s->getStartPositionOfTextForVideo(), 0);
    QCOMPARE(s->getStartPositionOfTextForUpper(), w - 70);
    s->setIntermediateValue(1000);
    QCOMPARE(s->getStartPositionOfTextForVideo(), w - 70);
}

void tst_ZelSpanSliderIntermediate::videoPaintsTexts()
{
    auto s = shown<ZelVideoSlider>(1000, 90);
    s->setDuration(10000000);
    s->setSpan(100, 900);
    s->setIntermediateValue(500);
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));

    // Rows of the top band and the bottom band that hold any ink.
    auto ink = [&s](int top, int bottom) {
        QImage shot = s->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal dpr = shot.devicePixelRatio();
        const QRgb background = shot.pixel(0, 0);
        int count = 0;
        for (int y = int(top * dpr); y < int(bottom * dpr); ++y)
            for (int x = 0; x < shot.width(); ++x)
                count += shot.pixel(x, y) != background;
        return count;
    };
    // The picture of the intermediate handle reaches into the top band;
    // compare with and without the texts.
    const int topWithText = ink(0, 30);
    const int bottomWithText = ink(72, 90);
    s->setSpeedUp(0);
    QCOMPARE(s->speedUp(), 0.0);
    const int topWithout = ink(0, 30);
    const int bottomWithout = ink(72, 90);
    QVERIFY2(topWithText > topWithout + 20, qPrintable(QStringLiteral("%1 %2").arg(topWithText).arg(topWithout)));
    QCOMPARE(bottomWithout, 0);
    QVERIFY(bottomWithText > 20);
}

void tst_ZelSpanSliderIntermediate::badInputStaysBounded()
{
    const int values[] = {INT_MIN, -1, 0, 1, INT_MAX};
    const struct
    {
        int min, max;
        QSize size;
    } cases[] = {
        {0, 99, QSize(400, 60)},   {5, 5, QSize(400, 60)},   {10, -10, QSize(400, 60)},
        {INT_MIN, INT_MAX, QSize(400, 60)}, {INT_MAX - 2, INT_MAX, QSize(400, 60)}, {0, 99, QSize(0, 0)},
        {0, 99, QSize(3, 3)},
    };
    for (const auto &c : cases) {
        ZelVideoSlider s(nullptr);
        s.resize(c.size);
        s.setRange(c.min, c.max);
        s.show();
        if (!c.size.isEmpty())
            QVERIFY(QTest::qWaitForWindowExposed(&s));
        auto check = [&s] {
            QVERIFY(s.minimum() <= s.lowerValue() && s.upperValue() <= s.maximum());
            QVERIFY(s.intermediateValue() >= s.lowerValue() && s.intermediateValue() <= s.upperValue());
        };
        for (int v : values) {
            s.setSpan(v, -v);
            s.setIntermediateValue(v);
            QVERIFY(s.intermediateValue() >= s.lowerValue() && s.intermediateValue() <= s.upperValue());
            check();
            for (QPoint delta : {QPoint(0, INT_MAX), QPoint(0, INT_MIN), QPoint(0, 120)}) {
                sendWheel(&s, delta);
                QVERIFY(s.intermediateValue() >= s.lowerValue() && s.intermediateValue() <= s.upperValue());
            }
            for (Qt::Key key : {Qt::Key_Right, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_PageDown, Qt::Key_End,
                                Qt::Key_Home}) {
                QTest::keyClick(&s, key);
                QVERIFY(s.intermediateValue() >= s.lowerValue() && s.intermediateValue() <= s.upperValue());
            }
            const QPoint press = s.rect().center();
            QTest::mousePress(&s, Qt::LeftButton, {}, press);
            QTest::mouseMove(&s, QPoint(-10000, 3));
            QTest::mouseMove(&s, QPoint(10000, 3));
            QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(10000, 3));
            check();
        }
        for (qint64 duration : {std::numeric_limits<qint64>::min(), qint64(-1), qint64(0),
                                std::numeric_limits<qint64>::max()}) {
            s.setDuration(duration);
            for (double speed : {0.0, -1.0, 1e-300, 1e300, std::numeric_limits<double>::infinity(), 1.0}) {
                s.setSpeedUp(speed);
                for (int step : {INT_MIN, 0, INT_MAX}) {
                    const QString text = s.getTextByStep(step);
                    QVERIFY(text.isEmpty() || text.size() == 12);
                }
                QVERIFY(s.getTextByTime(std::numeric_limits<qint64>::min()).size() <= 12);
                QVERIFY(s.getTextByTime(std::numeric_limits<qint64>::max()).size() <= 12);
                if (!c.size.isEmpty())
                    QVERIFY(!s.grab().isNull());
            }
        }
    }
}

QTEST_MAIN(tst_ZelSpanSliderIntermediate)
#include "tst_zelspanslider_intermediate.moc"
