// Painting cost of a span slider against a plain QSlider of the same size.

#include <ZelGui/ZelSpanSlider.h>

#include <QApplication>
#include <QImage>
#include <QSlider>
#include <QStyleFactory>
#include <QTest>

#include <memory>

class bench_ZelSpanSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void paint_data();
    void paint();
};

void bench_ZelSpanSlider::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void bench_ZelSpanSlider::paint_data()
{
    QTest::addColumn<bool>("ours");
    QTest::newRow("ours") << true;
    QTest::newRow("primitive") << false;
}

// One render of a 400 x 30 slider into an image per iteration.
void bench_ZelSpanSlider::paint()
{
    QFETCH(bool, ours);
    std::unique_ptr<QAbstractSlider> slider;
    if (ours) {
        auto span = std::make_unique<ZelSpanSlider>(Qt::Horizontal);
        span->setRange(0, 99);
        span->setSpan(20, 70);
        slider = std::move(span);
    } else {
        slider = std::make_unique<QSlider>(Qt::Horizontal);
        slider->setRange(0, 99);
        slider->setValue(45);
    }
    slider->resize(400, 30);
    slider->ensurePolished();
    QImage image(slider->size(), QImage::Format_ARGB32_Premultiplied);
    QBENCHMARK {
        slider->render(&image);
    }
}

QTEST_MAIN(bench_ZelSpanSlider)
#include "bench_zelspanslider.moc"
