// Thermo bars: colour maps by their stops, span handles, drags and keys, the rotating bar, bad input.

#include <ZelGui/ZelHSLThermoBar.h>
#include <ZelLog/ZelLog.h>

#include <qwt_color_map.h>
#include <qwt_interval.h>

#include <QApplication>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <tuple>

using Component = ZelThermoBar::Component;

namespace {

QColor hsl(int h, int s, int l)
{
    return QColor::fromHsl(h, s, l);
}

QString stop(double position, QRgb colour)
{
    return QStringLiteral("%1 %2").arg(position, 0, 'f', 9).arg(QColor::fromRgba(colour).name(QColor::HexArgb));
}

// Of two stops at one position the map answers with the first; the second
// one's colour shows just past it.
QStringList stopsOf(const QwtColorMap *colorMap)
{
    auto *map = dynamic_cast<const QwtLinearColorMap *>(colorMap);
    const QList<double> positions = map ? map->colorStops() : QList<double>();
    QStringList stops;
    for (qsizetype k = 0; k < positions.size(); ++k) {
        const double p = positions[k];
        const bool second = k > 0 && positions[k - 1] == p && p < 1.0;
        stops << stop(p, map->rgb(QwtInterval(0.0, 1.0), second ? p + 1e-12 : p));
    }
    return stops;
}

// Qwt keeps the colour interval's start as an entry at 0.0 ahead of stop 0;
// count stops at k / count; the interval's end at 1.0.
QStringList rampStops(int count, const std::function<QColor(int)> &colour, const QColor &start, const QColor &end)
{
    QStringList stops{stop(0.0, start.rgb())};
    for (int k = 0; k < count; ++k)
        stops << stop(k / double(count), colour(k).rgb());
    return stops << stop(1.0, end.rgb());
}

// Stops HSL(h, s, k) from black to HSL(h, endSaturation, 254).
QStringList lightnessRamp(int h, int s, int endSaturation)
{
    return rampStops(255, [=](int k) { return hsl(h, s, k); }, Qt::black, hsl(h, endSaturation, 254));
}

// A span bar with its emissions logged as "min(v)", "max(v)", "range(a,b)".
struct Span
{
    QStringList log;
    ZelThermoBarSpan bar;
    // Shown, with width, range and span set and not logged.
    Span(int width, std::pair<int, int> range, int min, int max)
    {
        QObject::connect(&bar, &ZelThermoBarSpan::spanMinChanged,
                         [this](int v) { log << QStringLiteral("min(%1)").arg(v); });
        QObject::connect(&bar, &ZelThermoBarSpan::spanMaxChanged,
                         [this](int v) { log << QStringLiteral("max(%1)").arg(v); });
        QObject::connect(&bar, &ZelThermoBarSpan::rangeChanged, [this](std::pair<int, int> r) {
            log << QStringLiteral("range(%1,%2)").arg(r.first).arg(r.second);
        });
        bar.resize(width, 16);
        bar.setRange(range);
        bar.setSpanMax(max);
        bar.setSpanMin(min);
        bar.show();
        log.clear();
    }
    QStringList take() { return std::exchange(log, {}); }
    // Where a handle stands for a value.
    int handleX(int value, bool lower) const
    {
        const auto [first, second] = bar.range();
        const int x = qRound(value * double(bar.width()) / (double(second) - first) - 4.0);
        return lower ? qMax(0, x) : qMin(bar.width() - 8, x);
    }
    // A point of the bar that maps back to a value, in a handle's coordinates.
    QPoint pointFor(ZelThermoBarSpanHandler *handle, int value) const
    {
        const auto [first, second] = bar.range();
        return handle->mapFrom(&bar, QPoint(qRound((value + 0.5) * double(bar.width()) / (second - first)), 8));
    }
};

// A shown rotating hue bar with its emissions logged as "ratio(r)", "step(s)".
struct ShownRotate
{
    QStringList log;
    ZelHSLThermoBarRotate bar;
    ShownRotate()
    {
        bar.setComponent(ZelThermoBar::Hue);
        bar.resize(200, 16);
        bar.show();
        QObject::connect(&bar, &ZelHSLThermoBarRotate::translateStartRatioChanged,
                         [this](double r) { log << QStringLiteral("ratio(%1)").arg(r, 0, 'g', 6); });
        QObject::connect(&bar, &ZelHSLThermoBarRotate::translateStartStepChanged,
                         [this](int s) { log << QStringLiteral("step(%1)").arg(s); });
    }
    QStringList take() { return std::exchange(log, {}); }
    QPoint at(int x) const { return QPoint(x, bar.height() / 2); }
};

QStringList rotation(double ratio, int step)
{
    return {QStringLiteral("ratio(%1)").arg(ratio, 0, 'g', 6), QStringLiteral("step(%1)").arg(step)};
}

} // namespace

class tst_ZelThermoBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        ZelLog::setEchoToQt(false);
    }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void colourMapsByStops_data()
    {
        QTest::addColumn<Component>("component");
        QTest::addColumn<double>("ratio"); // of the rotating bar; NaN: the plain bar
        QTest::addColumn<QStringList>("expected");
        using C = ZelThermoBar;
        const double plain = std::numeric_limits<double>::quiet_NaN();
        const auto turned = [](int m, const std::function<QColor(int)> &colour) {
            return rampStops(m, colour, colour(0), colour(m)) << stop(1.0, colour(m).rgb());
        };
        QTest::newRow("hue") << C::Hue << plain
                             << rampStops(360, [](int k) { return hsl(k, 125, 125); }, hsl(0, 125, 125), hsl(359, 125, 125));
        QTest::newRow("saturation") << C::Saturation << plain
                                    << rampStops(255, [](int k) { return hsl(250, k, 125); }, hsl(250, 0, 125),
                                                 hsl(250, 254, 125));
        QTest::newRow("lightness") << C::Lightness << plain << lightnessRamp(250, 125, 125);
        QTest::newRow("red") << C::Red << plain << lightnessRamp(15, 200, 250);
        QTest::newRow("green") << C::Green << plain << lightnessRamp(150, 250, 250);
        QTest::newRow("blue") << C::Blue << plain << lightnessRamp(220, 200, 250);
        QTest::newRow("gray") << C::Gray << plain << lightnessRamp(240, 0, 125);
        // The rotating bar's values 0 to m: stop k at k / m, stop m at 1.0 after the interval's end.
        QTest::newRow("rotated hue by 10") << C::Hue << 10.5 / 359
                                           << turned(359, [](int k) { return hsl((350 + k) % 360, 125, 125); });
        // Ramps getColorForBar() has no colours for take the plain bar's.
        QTest::newRow("rotated green by 1") << C::Green << 1.5 / 255
                                            << turned(255, [](int k) { return hsl(150, 250, (255 + k) % 256); });
        // Ratios set from code beyond a turn turn as far modulo a turn.
        QTest::newRow("rotated hue by -369") << C::Hue << -369.5 / 359
                                             << turned(359, [](int k) { return hsl((k + 9) % 360, 125, 125); });
    }
    void colourMapsByStops()
    {
        QFETCH(Component, component);
        QFETCH(double, ratio);
        QFETCH(QStringList, expected);
        ZelHSLThermoBarRotate rotating;
        ZelThermoBar bar;
        ZelThermoBar &shown = std::isnan(ratio) ? bar : rotating;
        shown.setComponent(component);
        if (!std::isnan(ratio))
            rotating.setTranslateStartRatio(ratio);
        QCOMPARE(stopsOf(shown.colorMap()), expected);
    }

    // Hue modulo a turn, saturation bounded; an invalid end colour is opaque black.
    void builtMapOutOfModel()
    {
        const std::unique_ptr<QwtLinearColorMap> map(buildRgbColorMap(-320, QColor(), QColor(), 300, false));
        QCOMPARE(stopsOf(map.get()), rampStops(255, [](int k) { return hsl(40, 255, k); }, Qt::black, Qt::black));
    }

    void unknownComponentIsLoggedAndKeepsTheMap()
    {
        ZelHSLThermoBarRotate bar;
        bar.setComponent(ZelThermoBar::Red);
        const QwtColorMap *red = bar.colorMap();
        ZelLog::clearRecords();
        bar.setComponent(Component(7));
        QCOMPARE(bar.colorMap(), red);
        const QList<ZelMessage> records = ZelLog::records();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.last().text(), QStringLiteral("Unknown component!"));
        // Values the colour model refuses, and components without colours of their own, give no colour.
        using C = ZelThermoBar;
        for (const auto &[c, v] : QList<std::pair<Component, int>>{
                 {C::Green, 1}, {C::Gray, 1}, {Component(9), 1}, {C::Hue, 360}, {C::Red, -1}, {C::Lightness, 256}})
            QVERIFY2(!C::getColorForBar(c, v).isValid(), qPrintable(QStringLiteral("%1, %2").arg(c).arg(v)));
    }

    void spanSettersConditionsAndClamping()
    {
        Span s(200, {0, 0}, 0, 0);
        // With the range still (0, 0) every value is bounded to 0.
        s.bar.setSpanMax(5);
        s.bar.setRange({0, 100});
        s.bar.setRange({0, 100});
        s.bar.setSpanMax(5);
        s.bar.setSpanMin(10); // above spanMax: ignored
        s.bar.setSpanMin(5); // equal to spanMax: the span may become empty
        s.bar.setSpanMax(5); // unchanged
        s.bar.setSpanMax(4); // not above spanMin
        s.bar.setSpanMax(200); // bounded
        s.bar.setSpanMin(-20); // bounded
        s.bar.setSpanMin(-30); // differs as passed: bounded and announced again
        s.bar.setRange({0, 10}); // the span is not moved into a new range
        QCOMPARE(s.log, (QStringList{"max(0)", "range(0,100)", "max(5)", "min(5)", "max(100)", "min(0)", "min(0)",
                                     "range(0,10)"}));
        QCOMPARE(std::make_pair(s.bar.spanMin(), s.bar.spanMax()), std::make_pair(0, 100));
    }

    void spanBadRanges()
    {
        // The widest range is measured in 64 bits; the handles stay where widgets can be.
        Span wide(200, {INT_MIN, INT_MAX}, 0, INT_MAX);
        QCOMPARE(wide.bar.maxHandler()->x(), wide.handleX(INT_MAX, false));
        wide.bar.setRange({0, 1}); // the span stays at INT_MAX, far right
        QCOMPARE(wide.bar.maxHandler()->x(), 192);
        QCOMPARE(wide.bar.minHandler()->x(), 0);

        // A drag far past a narrow bar over a huge range maps beyond int: bounded, then held to the range.
        Span huge(200, {0, INT_MAX}, 0, 10);
        ZelThermoBarSpanHandler *upper = huge.bar.maxHandler();
        Q_EMIT upper->moved(upper->mapFrom(&huge.bar, QPoint(400, 8)));
        QCOMPARE(huge.bar.spanMax(), INT_MAX);

        // A zero-width bar ignores drags.
        Span zero(0, {0, 100}, 10, 20);
        Q_EMIT zero.bar.minHandler()->moved(QPointF(3, 3));
        Q_EMIT zero.bar.maxHandler()->moved(QPointF(0, 0));
        QCOMPARE(zero.take(), QStringList());
        QCOMPARE(zero.bar.maxHandler()->x(), -8);

    }

    void handleDragsThroughMouse()
    {
        Span sh(200, {0, 100}, 20, 60);
        QVERIFY(QTest::qWaitForWindowExposed(&sh.bar));
        ZelThermoBarSpanHandler *lower = sh.bar.minHandler(), *upper = sh.bar.maxHandler();
        QTest::mousePress(lower, Qt::LeftButton, {}, lower->rect().center());
        QTest::mouseMove(lower, sh.pointFor(lower, 40));
        QCOMPARE(sh.take(), QStringList{"min(40)"});
        QCOMPARE(lower->x(), sh.handleX(40, true));
        // Not past the upper end; up to it the span may close.
        QTest::mouseMove(lower, sh.pointFor(lower, 61));
        QTest::mouseMove(lower, sh.pointFor(lower, 60));
        QCOMPARE(sh.take(), QStringList{"min(60)"});
        QTest::mouseRelease(lower, Qt::LeftButton, {}, sh.pointFor(lower, 60));

        // An empty span holds both handles.
        QTest::mousePress(upper, Qt::LeftButton, {}, upper->rect().center());
        QTest::mouseMove(upper, sh.pointFor(upper, 90));
        QTest::mouseRelease(upper, Qt::LeftButton, {}, sh.pointFor(upper, 90));
        QCOMPARE(sh.take(), QStringList());

        // The handles follow the bar's width.
        sh.bar.resize(400, 16);
        QCOMPARE(lower->x(), sh.handleX(60, true));
        QCOMPARE(upper->x(), sh.handleX(60, false));
    }

    void keyboardStepsTheHandles()
    {
        Span sh(200, {0, 100}, 20, 60);
        QVERIFY(QTest::qWaitForWindowExposed(&sh.bar));
        sh.bar.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&sh.bar));
        sh.bar.minHandler()->setFocus(Qt::TabFocusReason);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_Left, Qt::Key_End, Qt::Key_Tab})
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget(), sh.bar.maxHandler());
        for (Qt::Key key : {Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Home})
            QTest::keyClick(QApplication::focusWidget(), key);
        // Left at 0 and End past the upper end do nothing; Up stays at the range's end, Home cannot empty the span.
        QCOMPARE(sh.take(), (QStringList{"min(21)", "min(31)", "min(0)", "max(100)", "max(99)", "max(89)"}));
    }

    void rotationByDrags_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QList<int>>("path"); // pressed at the first point, released at the last
        QTest::addColumn<QStringList>("expected");
        const double edge = 199 / 200.0, wrapped = 10 / 200.0 + edge - 1.0, left = 1.0 - 1 / 200.0;
        // Edge to edge adds (width - 1) / width; past an edge counts as at it.
        QTest::newRow("edge to edge") << 0.0 << Qt::LeftButton << QList{0, 199, 240} << rotation(edge, int(edge * 359));
        QTest::newRow("wraps past one") << edge << Qt::LeftButton << QList{0, 10} << rotation(wrapped, int(wrapped * 359));
        QTest::newRow("leftwards past zero")
            << 0.0 << Qt::LeftButton << QList{100, 99, -30} << rotation(left, int(left * 359)) + rotation(0.5, 179);
        // A sum a rounding step below 0 would wrap to 1.0 itself; it is 0.
        QTest::newRow("never wraps to one") << -1e-20 << Qt::LeftButton << QList{100, 100} << rotation(0.0, 0);
        QTest::newRow("right button") << 0.5 << Qt::RightButton << QList{50, 150} << QStringList();
    }
    void rotationByDrags()
    {
        QFETCH(double, start);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QList<int>, path);
        QFETCH(QStringList, expected);
        ShownRotate sh;
        QVERIFY(QTest::qWaitForWindowExposed(&sh.bar));
        sh.bar.setTranslateStartRatio(start);
        sh.take();
        QTest::mousePress(&sh.bar, button, {}, sh.at(path.first()));
        for (int x : path.mid(1))
            QTest::mouseMove(&sh.bar, sh.at(x));
        QTest::mouseRelease(&sh.bar, button, {}, sh.at(path.last()));
        QCOMPARE(sh.take(), expected);
    }

    void setTranslateStartRatioStoresAsGiven()
    {
        ShownRotate sh;
        sh.bar.setTranslateStartRatio(0.5);
        sh.bar.setTranslateStartRatio(0.5);
        sh.bar.setTranslateStartRatio(1.5);
        QCOMPARE(sh.take(), rotation(0.5, 179) + rotation(1.5, 538));
        QCOMPARE(sh.bar.translateStartRatio(), 1.5);
        // Steps by component; beyond int, and NaN, are bounded.
        for (const auto &[c, ratio, step] : QList<std::tuple<Component, double, int>>{
                 {ZelThermoBar::Gray, 0.999, 254},
                 {Component(8), 3.0, -3},
                 {ZelThermoBar::Hue, 1e300, INT_MAX},
                 {ZelThermoBar::Hue, -std::numeric_limits<double>::infinity(), INT_MIN},
                 {ZelThermoBar::Hue, std::numeric_limits<double>::quiet_NaN(), 0}}) {
            sh.bar.setComponent(c);
            sh.bar.setTranslateStartRatio(ratio);
            QCOMPARE(sh.bar.translateStartStep(), step);
        }
    }

    void keyboardTurnsTheRamp()
    {
        ShownRotate sh;
        QVERIFY(QTest::qWaitForWindowExposed(&sh.bar));
        // Every unit step is reached exactly; Right wraps past the last one.
        for (int s = 1; s <= 359; ++s) {
            QTest::keyClick(&sh.bar, Qt::Key_Right);
            QCOMPARE(sh.bar.translateStartStep(), s % 359);
        }
        sh.take();
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Home})
            QTest::keyClick(&sh.bar, key);
        QCOMPARE(sh.take().filter(QStringLiteral("step")), (QStringList{"step(358)", "step(357)", "step(0)"}));
        QCOMPARE(sh.bar.translateStartRatio(), 0.0);
    }
};

QTEST_MAIN(tst_ZelThermoBar)
#include "tst_zelthermobar.moc"
