// Setting zooms on the zoom toolbar against setting positions on a plain
// QSlider over the same range.

#include <ZelGui/ZelZoomSlider.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <QApplication>
#include <QSlider>
#include <QStyleFactory>
#include <QTest>

#include <cmath>

class bench_ZelZoomToolbar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void setZoom_data();
    void setZoom();
    void setZoomUnrounded_data() { setZoom_data(); }
    void setZoomUnrounded();

private:
    void run(bool ours, bool rounded);
};

void bench_ZelZoomToolbar::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void bench_ZelZoomToolbar::setZoom_data()
{
    QTest::addColumn<bool>("ours");
    QTest::newRow("ours") << true;
    QTest::newRow("primitive") << false;
}

// 1000 calls per iteration, each with a zoom other than the one before, in
// steps of about 6 % over the toolbar's whole range from 0.1 to 32. The
// primitive sets the slider positions of the same zooms, computed
// beforehand.
void bench_ZelZoomToolbar::run(bool ours, bool rounded)
{
    constexpr int count = 1000;
    QList<double> zooms;
    QList<int> positions;
    ZelZoomSlider mapping;
    for (int i = 0; i < count; ++i) {
        double zoom = 0.1 * std::pow(320.0, (i * 37 % 101) / 100.0);
        if (rounded)
            zoom = std::round(zoom * 100.0) / 100.0;
        zooms << zoom;
        positions << mapping.mapZoomToSlider(zoom);
    }
    ZelZoomToolbar toolbar;
    QSlider slider(Qt::Horizontal);
    slider.setRange(mapping.minimum(), mapping.maximum());

    QBENCHMARK {
        for (int i = 0; i < count; ++i)
            ours ? toolbar.setZoom(zooms.at(i)) : slider.setValue(positions.at(i));
    }
    QVERIFY(ours ? toolbar.zoom() > 0.0 : slider.value() == positions.last());
}

// Zooms with two decimals, as the zoom controls announce them and as the
// presets are: the slider takes each in one move.
void bench_ZelZoomToolbar::setZoom()
{
    QFETCH(bool, ours);
    run(ours, true);
}

// Zooms with more decimals (a zoom to fit, say): the slider's handle snaps
// to the rounded zoom it announces, which moves it a second time.
void bench_ZelZoomToolbar::setZoomUnrounded()
{
    QFETCH(bool, ours);
    run(ours, false);
}

QTEST_MAIN(bench_ZelZoomToolbar)
#include "bench_zelzoomtoolbar.moc"
