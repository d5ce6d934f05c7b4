// Painting cost of a span slider against a plain QSlider of the same size:
// prints both times per paint and their ratio at the end of the run.

#include <ZelGui/ZelSpanSlider.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QSlider>
#include <QStyleFactory>
#include <QTest>

class bench_ZelSpanSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void paintSpanSlider();
    void paintPlainSlider();
    void cleanupTestCase();

private:
    struct Cost
    {
        qint64 nsecs = 0;
        qint64 paints = 0;
        double perPaint() const { return paints ? double(nsecs) / double(paints) : 0.0; }
    };
    // Renders the widget into an image of its size once per iteration and
    // adds the time spent to the cost.
    static void paintLoop(QWidget *widget, Cost *cost);

    Cost m_span;
    Cost m_plain;
};

void bench_ZelSpanSlider::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void bench_ZelSpanSlider::paintLoop(QWidget *widget, Cost *cost)
{
    widget->resize(400, 30);
    widget->ensurePolished();
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer timer;
    QBENCHMARK {
        timer.start();
        widget->render(&image);
        cost->nsecs += timer.nsecsElapsed();
        ++cost->paints;
    }
    QVERIFY(cost->paints > 0);
}

void bench_ZelSpanSlider::paintSpanSlider()
{
    ZelSpanSlider slider(Qt::Horizontal);
    slider.setRange(0, 99);
    slider.setSpan(20, 70);
    paintLoop(&slider, &m_span);
}

void bench_ZelSpanSlider::paintPlainSlider()
{
    QSlider slider(Qt::Horizontal);
    slider.setRange(0, 99);
    slider.setValue(45);
    paintLoop(&slider, &m_plain);
}

void bench_ZelSpanSlider::cleanupTestCase()
{
    if (m_span.paints == 0 || m_plain.paints == 0)
        return;
    const double ratio = m_span.perPaint() / m_plain.perPaint();
    printf("ZelSpanSlider paint: %.1f us, QSlider paint: %.1f us, ratio %.2f\n", m_span.perPaint() / 1000.0,
           m_plain.perPaint() / 1000.0, ratio);
    fflush(stdout);
}

QTEST_MAIN(bench_ZelSpanSlider)
#include "bench_zelspanslider.moc"
