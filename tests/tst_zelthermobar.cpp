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
    return rampStops(
        255, [=](int k) { return hsl(h, s, k); }, Qt::black, hsl(h, endSaturation, 254));
}

// A span bar with its emissions logged as "min(v)", "max(v)", "range(a,b)".
struct Span
{
    QStringList log;
    ZelThermoBarSpan bar;
    // Shown, with width, range and span set and not logged.
    Span(int width, std::pair<int, int> range, int min, int max)
    {
        bar.resize(width, 16);
        bar.setRange(range);
        bar.setSpanMax(max);
        bar.setSpanMin(min);
        bar.show();
        QObject::connect(&bar, &ZelThermoBarSpan::spanMinChanged, [this](int v) { log << QStringLiteral("min(%1)").arg(v); });
        QObject::connect(&bar, &ZelThermoBarSpan::spanMaxChanged, [this](int v) { log << QStringLiteral("max(%1)").arg(v); });
        QObject::connect(&bar, &ZelThermoBarSpan::rangeChanged,
                         [this](std::pair<int, int> r) { log << QStringLiteral("range(%1,%2)").arg(r.first).arg(r.second); });
    }
    QStringList take() { return std::exchange(log, {}); }
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
        bar.resize(200, 16);
        bar.show();
        QObject::connect(&bar, &ZelHSLThermoBarRotate::translateStartRatioChanged,
                         [this](double r) { log << QStringLiteral("ratio(%1)").arg(r, 0, 'g', 6); });
        QObject::connect(&bar, &ZelHSLThermoBarRotate::translateStartStepChanged,
                         [this](int s) { log << QStringLiteral("step(%1)").arg(s); });
    }
    QStringList take() { return std::exchange(log, {}); }
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
                             << rampStops(
                                    360, [](int k) { return hsl(k, 125, 125); }, hsl(0, 125, 125), hsl(359, 125, 125));
        QTest::newRow("saturation") << C::Saturation << plain
                                    << rampStops(
                                           255, [](int k) { return hsl(250, k, 125); }, hsl(250, 0, 125), hsl(250, 254, 125));
        QTest::newRow("lightness") << C::Lightness << plain << lightnessRamp(250, 125, 125);
        QTest::newRow("red") << C::Red << plain << lightnessRamp(15, 200, 250);
        // Green and Blue are shaped as Red; the rotated Green row below shows the Green ramp.
        QTest::newRow("gray") << C::Gray << plain << lightnessRamp(240, 0, 125);
        // The rotating bar's values 0 to m: stop k at k / m, stop m at 1.0 after the interval's end.
        // Ramps getColorForBar() has no colours for take the plain bar's.
        QTest::newRow("rotated green by 1") << C::Green << 1.5 / 255 << turned(255, [](int k) { return hsl(150, 250, (255 + k) % 256); });
        // Ratios set from code beyond a turn turn as far modulo a turn.
        QTest::newRow("rotated hue by -369") << C::Hue << -369.5 / 359 << turned(359, [](int k) { return hsl((k + 9) % 360, 125, 125); });
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
        rotating.setTranslateStartRatio(ratio);
        QCOMPARE(stopsOf(shown.colorMap()), expected);
    }

    void unknownComponentIsLoggedAndKeepsTheMap()
    {
        ZelHSLThermoBarRotate bar;
        bar.setComponent(ZelThermoBar::Red);
        const QwtColorMap *red = bar.colorMap();
        ZelLog::clearRecords();
        bar.setComponent(Component(7));
        QCOMPARE(bar.colorMap(), red);
        QCOMPARE(ZelLog::records().size(), 1);
        QCOMPARE(ZelLog::records().last().text(), QStringLiteral("Unknown component!"));
    }

    void spanBadRanges()
    {
        // The widest range is measured in 64 bits: INT_MAX stands in the middle, less half a handle.
        Span wide(200, {INT_MIN, INT_MAX}, 0, INT_MAX);
        QCOMPARE(wide.bar.maxHandler()->x(), 96);
        // A new range does not move the span; its upper handle stops at the right edge.
        wide.bar.setRange({0, 1});
        QCOMPARE(wide.take(), QStringList{"range(0,1)"});
        QCOMPARE(wide.bar.maxHandler()->x(), 192);

        // A drag far past a narrow bar over a huge range maps beyond int: bounded, then held to the range.
        Span huge(200, {0, INT_MAX}, 0, 10);
        Q_EMIT huge.bar.maxHandler()->moved(huge.bar.maxHandler()->mapFrom(&huge.bar, QPoint(400, 8)));
        QCOMPARE(huge.bar.spanMax(), INT_MAX);

        // A zero-width bar ignores drags.
        Span zero(0, {0, 100}, 10, 20);
        Q_EMIT zero.bar.minHandler()->moved(QPointF(3, 3));
        Q_EMIT zero.bar.maxHandler()->moved(QPointF(0, 0));
        QCOMPARE(zero.take(), QStringList());
    }

    void handleDragsThroughMouse()
    {
        Span sh(200, {0, 100}, 20, 60);
        QVERIFY(QTest::qWaitForWindowExposed(&sh.bar));
        ZelThermoBarSpanHandler *lower = sh.bar.minHandler(), *upper = sh.bar.maxHandler();
        QTest::mousePress(lower, Qt::LeftButton, {}, lower->rect().center());
        QTest::mouseMove(lower, sh.pointFor(lower, 40));
        // 40 % of 200 pixels, less half a handle.
        QCOMPARE(sh.take(), QStringList{"min(40)"});
        QCOMPARE(lower->x(), 76);
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
    }

    void keyboardStepsTheHandles()
    {
        Span sh(200, {0, 100}, 20, 60);
        sh.bar.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&sh.bar));
        sh.bar.minHandler()->setFocus(Qt::TabFocusReason);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_Left, Qt::Key_End, Qt::Key_Tab})
            QTest::keyClick(QApplication::focusWidget(), key);
        // Tab moved the focus to the upper handle: the next keys step spanMax.
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
        const double edge = 199 / 200.0;
        const double left = 1.0 - 1 / 200.0;
        // Edge to edge adds (width - 1) / width; past an edge counts as at it.
        QTest::newRow("edge to edge") << 0.0 << Qt::LeftButton << QList{0, 199, 240} << rotation(edge, int(edge * 359));
        QTest::newRow("leftwards past zero") << 0.0 << Qt::LeftButton << QList{100, 99, -30}
                                             << rotation(left, int(left * 359)) + rotation(0.5, 179);
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
        QTest::mousePress(&sh.bar, button, {}, QPoint(path.first(), 8));
        for (int x : path.mid(1))
            QTest::mouseMove(&sh.bar, QPoint(x, 8));
        QTest::mouseRelease(&sh.bar, button, {}, QPoint(path.last(), 8));
        QCOMPARE(sh.take(), expected);
    }

    // Left and Right turn by one unit and wrap; Home turns back to 0.
    void rotationByKeys()
    {
        ShownRotate sh;
        QTest::keyClick(&sh.bar, Qt::Key_Left);
        QTest::keyClick(&sh.bar, Qt::Key_Right);
        QTest::keyClick(&sh.bar, Qt::Key_Right);
        QTest::keyClick(&sh.bar, Qt::Key_Home);
        QCOMPARE(sh.take(), rotation(358 / 359.0, 358) + rotation(0.0, 0) + rotation(1 / 359.0, 1) + rotation(0.0, 0));
    }

    void setTranslateStartRatioStoresAsGiven()
    {
        ShownRotate sh;
        sh.bar.setTranslateStartRatio(0.5);
        sh.bar.setTranslateStartRatio(0.5);
        sh.bar.setTranslateStartRatio(1.5);
        QCOMPARE(sh.take(), rotation(0.5, 179) + rotation(1.5, 538));
        // NaN gives step 0 and infinities are bounded to int; steps count in the component's units.
        sh.bar.setTranslateStartRatio(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(sh.bar.translateStartStep(), 0);
        sh.bar.setTranslateStartRatio(-std::numeric_limits<double>::infinity());
        QCOMPARE(sh.bar.translateStartStep(), INT_MIN);
        sh.bar.setComponent(ZelThermoBar::Gray);
        sh.bar.setTranslateStartRatio(0.999);
        QCOMPARE(sh.bar.translateStartStep(), 254);
    }
};

QTEST_MAIN(tst_ZelThermoBar)
#include "tst_zelthermobar.moc"
