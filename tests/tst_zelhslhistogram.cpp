// HSL histogram: curves by component, samples after hue shifts and log mode, the rainbow, the shading, bad input.

#include <ZelGui/ZelHSLHistogram.h>

#include <qwt_plot_canvas.h>
#include <qwt_scale_map.h>

#include <QApplication>
#include <QStyleFactory>
#include <QTest>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>

using Component = ZelHSLHistogram::Component;

namespace {

const QColor shade = QColor::fromString("darkgray");

// Points (i, count(i)) for i = 0 to n - 1.
QList<QPointF> points(int n, const std::function<double(int)> &count)
{
    QList<QPointF> list;
    for (int i = 0; i < n; ++i)
        list.append(QPointF(i, count(i)));
    return list;
}

QList<QPointF> samplesOf(const QwtPlotCurve *curve)
{
    QList<QPointF> list;
    for (size_t i = 0; i < curve->dataSize(); ++i)
        list.append(curve->sample(int(i)));
    return list;
}

struct Shown
{
    std::unique_ptr<ZelHSLHistogram> plot = std::make_unique<ZelHSLHistogram>();
    explicit Shown(Component component = ZelHSLHistogram::Hue, const HSLHistogram &data = {})
    {
        plot->resize(400, 200);
        plot->setData(data);
        plot->setComponent(component);
        plot->show();
    }
    QImage canvas() const { return plot->canvas()->grab().toImage(); }
    // The canvas pixel column of a value on the x axis.
    int x(double value) const { return int(plot->canvasMap(QwtAxis::XBottom).transform(value)); }
    QColor at(double value, double heightFraction = 0.5) const
    {
        const QImage image = canvas();
        return image.pixelColor(int(x(value) * image.devicePixelRatio()), int(image.height() * heightFraction));
    }
};

} // namespace

class tst_ZelHSLHistogram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void componentChangeShowsAtOnce()
    {
        using H = ZelHSLHistogram;
        HSLHistogram data;
        data.hue = points(360, [](int) { return 100.0; });
        data.saturation = points(256, [](int) { return 100.0; });
        Shown sh(H::Hue, data);
        QVERIFY(QTest::qWaitForWindowExposed(sh.plot.get()));
        // Each component, after another one, shows only its curve over its scale, redrawn at once:
        // only the hue bars stand on colours.
        for (const auto &[component, max] : QList<std::pair<Component, double>>{{H::Saturation, 255}, {H::Hue, 360}, {H::Lightness, 255}}) {
            sh.plot->setComponent(component);
            const QwtPlotItemList items = sh.plot->itemList();
            QVERIFY(items.size() == 1 && items.first() == sh.plot->curve(component));
            QCOMPARE(sh.plot->axisInterval(QwtAxis::XBottom), QwtInterval(0.0, max));
            QCOMPARE(sh.at(128, 0.8).hslSaturation() > 100, component == H::Hue);
        }
    }

    void hueShiftRotatesSamples_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QList<QPointF>>("expected"); // of hue counts 1000 + i
        QTest::addColumn<int>("hueAtZero"); // the rainbow's stop i shows hueAtZero + i
        // Index j holds the count of hue source(j); -1: nothing, so (0, 0).
        auto rotated = [](int n, const std::function<int(int)> &source) {
            QList<QPointF> list;
            for (int j = 0; j < n; ++j)
                list.append(source(j) < 0 ? QPointF(0, 0) : QPointF(j, 1000.0 + source(j)));
            return list;
        };
        // Below -360 the points whose sum is negative drop out.
        QTest::newRow("by -370") << 360 << -370 << rotated(360, [](int j) { return j < 350 ? j + 10 : -1; }) << 10;
        // A short list: indexes past its end drop out, the first ones receive nothing.
        QTest::newRow("short by 10") << 100 << 10 << rotated(100, [](int j) { return j < 10 ? -1 : j - 10; }) << 350;
        QTest::newRow("by INT_MAX") << 360 << INT_MAX << rotated(360, [](int j) { return (j + 233) % 360; }) << 233;
        // Only hue 128 sums to a multiple of 360; all the others are negative.
        QTest::newRow("by INT_MIN") << 360 << INT_MIN << rotated(360, [](int j) { return j == 0 ? 128 : -1; }) << 128;
    }
    void hueShiftRotatesSamples()
    {
        QFETCH(int, length);
        QFETCH(int, shift);
        QFETCH(QList<QPointF>, expected);
        QFETCH(int, hueAtZero);
        HSLHistogram data;
        data.hue = points(length, [](int i) { return 1000.0 + i; });
        ZelHSLHistogram plot;
        plot.setData(data);
        plot.setHueShift(shift);
        QCOMPARE(samplesOf(plot.curve(ZelHSLHistogram::Hue)), expected);
        // The hue curve's rainbow turns with the samples.
        const QGradientStops stops = plot.curve(ZelHSLHistogram::Hue)->brush().gradient()->stops();
        QCOMPARE(stops.size(), 360);
        for (int i = 0; i < 360; ++i)
            QCOMPARE(stops[i].second, QColor::fromHsl((hueAtZero + i) % 360, 125, 125));
    }

    void logModeOfAllThreeCurves()
    {
        HSLHistogram data;
        data.hue = {{0, std::numeric_limits<double>::quiet_NaN()}, {1, 0.5}, {2, 1.0}, {3, std::exp(1.0)}, {4, 100.0}};
        data.saturation = {{0, std::exp(2.0)}, {1, -3.0}};
        data.lightness = {{5, 1.0}, {6, std::exp(3.0)}};
        ZelHSLHistogram plot;
        plot.setData(data);
        plot.setHueShift(1);
        // NaN counts go to the curve as given.
        QVERIFY(std::isnan(plot.curve(ZelHSLHistogram::Hue)->sample(1).y()));
        plot.setLogMode(true);
        // Shifted first, then made logarithmic; NaN becomes 0. Saturation and lightness do not shift.
        QCOMPARE(samplesOf(plot.curve(ZelHSLHistogram::Hue)), (QList<QPointF>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 1}}));
        QCOMPARE(samplesOf(plot.curve(ZelHSLHistogram::Saturation)), (QList<QPointF>{{0, 2}, {1, 0}}));
        QCOMPARE(samplesOf(plot.curve(ZelHSLHistogram::Lightness)), (QList<QPointF>{{5, 0}, {6, 3}}));
    }

    // Hue h is drawn at h + shift on the colour of hue h, give or take 8 degrees (the rainbow spans the whole
    // canvas, the scale stops short of its frame). Run again by ctest with QT_SCALE_FACTOR=2.
    void rainbowSpansTheCanvasAtAnyPixelRatio()
    {
        HSLHistogram data;
        data.hue = points(360, [](int) { return 100.0; });
        Shown sh(ZelHSLHistogram::Hue, data);
        sh.plot->setAxisScale(QwtAxis::YLeft, 0, 110);
        QVERIFY(QTest::qWaitForWindowExposed(sh.plot.get()));
        for (int shift : {0, 10, -100, 77}) {
            sh.plot->setHueShift(shift);
            const QImage image = sh.canvas();
            const qreal dpr = sh.plot->devicePixelRatio();
            for (int h : {10, 120, 200, 355}) {
                const int x = int(dpr * sh.x((h + shift + 360) % 360 + 0.5));
                const int seen = image.pixelColor(x, int(image.height() * 0.8)).hslHue();
                const int off = std::abs(seen - h);
                QVERIFY2(std::min(off, 360 - off) <= 8, qPrintable(QStringLiteral("%1, %2: %3").arg(shift).arg(h).arg(seen)));
            }
        }
    }

    void shadingOutsideTheSelection_data()
    {
        QTest::addColumn<Component>("component");
        QTest::addColumn<QList<int>>("selection"); // min, max
        QTest::addColumn<int>("shift");
        QTest::addColumn<QList<double>>("shaded");
        QTest::addColumn<QList<double>>("clear");
        using H = ZelHSLHistogram;
        QTest::newRow("hue") << H::Hue << QList{90, 180} << 0 << QList{45.0, 270.0, 355.0} << QList{95.0, 135.0, 175.0};
        QTest::newRow("lightness") << H::Lightness << QList{0, 50} << 0 << QList{60.0, 250.0} << QList{2.0, 45.0};
        // The selection is not shifted with the hues.
        QTest::newRow("shifted hue") << H::Hue << QList{90, 180} << 100 << QList{45.0} << QList{135.0};
        // Ends on one pixel shade nothing.
        // A minimum above the maximum: the clear band starts at the minimum, as wide as the ends are apart.
        QTest::newRow("inverted") << H::Hue << QList{180, 90} << 0 << QList{45.0, 135.0, 300.0} << QList{185.0, 265.0};
        // Far outside the scale: the clear band lies beyond the canvas, so all of it is shaded.
        QTest::newRow("beyond") << H::Hue << QList{INT_MAX - 1, INT_MAX} << 0 << QList{10.0, 350.0} << QList<double>{};
    }
    void shadingOutsideTheSelection()
    {
        QFETCH(Component, component);
        QFETCH(QList<int>, selection);
        QFETCH(int, shift);
        QFETCH(QList<double>, shaded);
        QFETCH(QList<double>, clear);
        using H = ZelHSLHistogram;
        HSLHistogram data;
        // The other components' selections (0 to 10) play no part.
        data.hueMax = data.saturationMax = data.lightnessMax = 10;
        (component == H::Hue ? data.hueMin : data.lightnessMin) = selection[0];
        (component == H::Hue ? data.hueMax : data.lightnessMax) = selection[1];
        Shown sh(component, data);
        sh.plot->setHueShift(shift);
        QVERIFY(QTest::qWaitForWindowExposed(sh.plot.get()));
        for (double v : shaded)
            QVERIFY2(sh.at(v) == shade, qPrintable(QStringLiteral("%1 not shaded").arg(v)));
        for (double v : clear)
            QVERIFY2(sh.at(v) != shade, qPrintable(QStringLiteral("%1 shaded").arg(v)));
    }
};

QTEST_MAIN(tst_ZelHSLHistogram)
#include "tst_zelhslhistogram.moc"
