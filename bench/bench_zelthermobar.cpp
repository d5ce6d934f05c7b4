// Colour displays against the Qwt primitives they wrap: rebuilding a thermo
// bar's hue map, feeding an HSL histogram and redrawing it, painting a span
// bar.

#include <ZelGui/ZelHSLHistogram.h>
#include <ZelGui/ZelHSLThermoBar.h>

#include <qwt_color_map.h>
#include <qwt_plot_canvas.h>
#include <qwt_thermo.h>

#include <QApplication>
#include <QImage>
#include <QStyleFactory>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

QwtLinearColorMap *hueMapByHand()
{
    auto *map = new QwtLinearColorMap(QwtColorMap::RGB);
    map->setColorInterval(QColor::fromHsl(0, 125, 125), QColor::fromHsl(359, 125, 125));
    double p = 0.0;
    for (int k = 0; k < 360; ++k, p += 1.0 / 360.0)
        map->addColorStop(p, QColor::fromHsl(k, 125, 125));
    return map;
}

// A bar as a host shows it: the whole hue ramp, 400 x 16.
void prepare(QwtThermo *thermo)
{
    thermo->setOrientation(Qt::Horizontal);
    thermo->setScalePosition(QwtThermo::NoScale);
    thermo->setBorderWidth(0);
    thermo->setSpacing(0);
    thermo->setPipeWidth(16);
    thermo->setScale(0, 359);
    thermo->setValue(359);
    thermo->resize(400, 16);
    thermo->ensurePolished();
}

// Counts like those of a photograph: smooth hills with some noise.
HSLHistogram sampleHistogram()
{
    auto points = [](int n, double phase) {
        QList<QPointF> list;
        for (int i = 0; i < n; ++i)
            list.append(QPointF(i, 1000.0 * (1.2 + std::sin(i / 17.0 + phase)) + (i * 7919 % 113)));
        return list;
    };
    HSLHistogram h;
    h.hue = points(360, 0.0);
    h.saturation = points(256, 1.0);
    h.lightness = points(256, 2.0);
    h.hueMin = 40;
    h.hueMax = 300;
    return h;
}

} // namespace

class bench_ZelThermoBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void setComponentHue_data() { rows(); }
    // One rebuild of the 360-stop hue map per iteration.
    void setComponentHue()
    {
        QFETCH(bool, ours);
        if (ours) {
            ZelThermoBar bar;
            QBENCHMARK {
                bar.setComponent(ZelThermoBar::Hue);
            }
        } else {
            QwtThermo thermo;
            QBENCHMARK {
                thermo.setColorMap(hueMapByHand());
                thermo.update();
            }
        }
    }

    void setDataReplot_data() { rows(); }
    // New samples for three curves (360, 256, 256 points), a replot and the
    // canvas drawn into a 400 x 200 image per iteration.
    void setDataReplot()
    {
        QFETCH(bool, ours);
        const HSLHistogram data = sampleHistogram();
        QImage image(QSize(400, 200), QImage::Format_ARGB32_Premultiplied);
        if (ours) {
            ZelHSLHistogram plot;
            plot.resize(400, 200);
            plot.setComponent(ZelHSLHistogram::Hue);
            plot.ensurePolished();
            QBENCHMARK {
                plot.setData(data);
                plot.canvas()->render(&image);
            }
        } else {
            QwtPlot plot;
            plot.resize(400, 200);
            plot.setAxisVisible(QwtAxis::YLeft, false);
            plot.setAxisVisible(QwtAxis::XBottom, false);
            plot.setAxisScale(QwtAxis::XBottom, 0, 360);
            QwtPlotCurve hue, saturation, lightness;
            for (QwtPlotCurve *curve : {&hue, &saturation, &lightness}) {
                curve->setRenderHint(QwtPlotItem::RenderAntialiased);
                curve->setBrush(QBrush(Qt::darkGray, Qt::SolidPattern));
            }
            hue.attach(&plot);
            plot.ensurePolished();
            QBENCHMARK {
                hue.setSamples(data.hue);
                saturation.setSamples(data.saturation);
                lightness.setSamples(data.lightness);
                plot.replot();
                plot.canvas()->render(&image);
            }
            hue.detach();
        }
    }

    void paintSpan_data() { rows(); }
    // One render of a 400 x 16 hue bar into an image per iteration; ours
    // with its two handles.
    void paintSpan()
    {
        QFETCH(bool, ours);
        std::unique_ptr<QwtThermo> thermo;
        if (ours) {
            auto span = std::make_unique<ZelThermoBarSpan>();
            span->setComponent(ZelThermoBar::Hue);
            span->setRange({0, 359});
            span->setSpanMax(250);
            span->setSpanMin(60);
            thermo = std::move(span);
        } else {
            thermo = std::make_unique<QwtThermo>();
            thermo->setColorMap(hueMapByHand());
        }
        prepare(thermo.get());
        QImage image(thermo->size(), QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK {
            thermo->render(&image);
        }
    }

private:
    static void rows()
    {
        QTest::addColumn<bool>("ours");
        QTest::newRow("ours") << true;
        QTest::newRow("primitive") << false;
    }
};

QTEST_MAIN(bench_ZelThermoBar)
#include "bench_zelthermobar.moc"
