// Refresh of the performance-counter tabs against Qwt's own curve update,
// and painting an image view with its status overlay against a bare
// QGraphicsView of the same scene.

#include <ZelGui/ZelGraphicsStatusWidget.h>
#include <ZelGui/ZelGraphicsViewWithRect.h>
#include <ZelGui/ZelPerfCounterWidget.h>

#include <ZelCore/ZelPerfCounterStore.h>
#include <ZelLog/ZelMessage.h>
#include <ZelLog/ZelStatus.h>

#include <QApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include <cmath>
#include <memory>

namespace {

constexpr int metricCount = 10;
constexpr int valueCount = 600;

QString metricName(int i)
{
    return QStringLiteral("metric %1").arg(i);
}

// A 1920 x 1080 picture with some structure, as a camera frame would have.
QImage frame()
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 1920, 1080);
    gradient.setColorAt(0, QColor(20, 30, 60));
    gradient.setColorAt(1, QColor(200, 140, 80));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(QPen(Qt::white, 2));
    for (int i = 0; i < 40; ++i)
        painter.drawEllipse(QPointF(48.0 * i, 540 + 400 * std::sin(i * 0.3)), 30, 30);
    return image;
}

} // namespace

class bench_ZelViews : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void perfCounterRefresh_data();
    void perfCounterRefresh();
    void viewWithOverlayPaint_data();
    void viewWithOverlayPaint();
};

void bench_ZelViews::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QSharedPointer<ZelPerfCounterStore> store = zelPerfCounterStore();
    for (int m = 0; m < metricCount; ++m) {
        for (int i = 0; i < valueCount; ++i)
            store->addValue(metricName(m), 10.0 + m + std::sin(i * 0.05) * (m + 1));
    }
}

void bench_ZelViews::perfCounterRefresh_data()
{
    QTest::addColumn<bool>("ours");
    QTest::newRow("ours") << true;
    QTest::newRow("primitive") << false;
}

// One refresh of all ten metrics, with the visible tab painted.
void bench_ZelViews::perfCounterRefresh()
{
    QFETCH(bool, ours);
    const QSharedPointer<ZelPerfCounterStore> store = zelPerfCounterStore();
    std::unique_ptr<QTabWidget> tabs;
    QList<QTimer *> timers;
    QList<QwtPlot *> plots;
    QList<QwtPlotCurve *> curves;
    if (ours) {
        auto *widget = new ZelPerfCounterWidget;
        tabs.reset(widget);
        for (QTimer *timer : widget->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly)) {
            timer->stop(); // the benchmark refreshes by hand
            timers << timer;
        }
        QCOMPARE(timers.size(), metricCount);
    } else {
        // The same tabs built by hand: a plot with one curve per metric.
        tabs = std::make_unique<QTabWidget>();
        for (int m = 0; m < metricCount; ++m) {
            auto *page = new QWidget;
            auto *plot = new QwtPlot(page);
            plot->setCanvasBackground(QBrush(Qt::white));
            auto *curve = new QwtPlotCurve;
            curve->attach(plot);
            (new QVBoxLayout(page))->addWidget(plot);
            tabs->addTab(page, metricName(m));
            plots << plot;
            curves << curve;
        }
    }
    tabs->resize(800, 500);
    tabs->show();
    QVERIFY(QTest::qWaitForWindowExposed(tabs.get()));
    const QHash<QString, QList<double>> data = store->data();
    QBENCHMARK {
        if (ours) {
            for (QTimer *timer : std::as_const(timers))
                QMetaObject::invokeMethod(timer, "timeout");
        } else {
            for (int m = 0; m < metricCount; ++m) {
                const QList<double> values = data.value(metricName(m));
                QList<QPointF> points;
                points.reserve(values.size());
                for (qsizetype i = 0; i < values.size(); ++i)
                    points.append(QPointF(double(i), values.at(i)));
                curves.at(m)->setSamples(points);
                plots.at(m)->replot();
            }
        }
        tabs->repaint();
    }
    // Both ways drew the same curves.
    for (int m = 0; m < metricCount; ++m) {
        const QwtPlotItemList items = tabs->widget(m)->findChild<QwtPlot *>()->itemList(QwtPlotItem::Rtti_PlotCurve);
        QCOMPARE(items.size(), 1);
        QCOMPARE(static_cast<QwtPlotCurve *>(items.constFirst())->dataSize(), size_t(valueCount));
    }
}

void bench_ZelViews::viewWithOverlayPaint_data()
{
    QTest::addColumn<bool>("ours");
    QTest::newRow("ours") << true;
    QTest::newRow("primitive") << false;
}

// One repaint of a 1000 x 700 view of a frame at half size, with the
// status panel over it in ours.
void bench_ZelViews::viewWithOverlayPaint()
{
    QFETCH(bool, ours);
    QGraphicsScene scene;
    scene.addPixmap(QPixmap::fromImage(frame()));
    std::unique_ptr<QGraphicsView> view;
    if (ours) {
        auto *withRect = new ZelGraphicsViewWithRect(nullptr);
        view.reset(withRect);
        auto *status = new ZelGraphicsStatusWidget(withRect->viewport());
        status->setStatus(
            ZelStatus(ZelMessage(ZelLog::Warning, QStringLiteral("Bench"), QStringLiteral("void bench()"),
                                 QStringLiteral("bench.cpp"), 1, Issue::None, QStringLiteral("No signal"))));
    } else {
        view = std::make_unique<QGraphicsView>();
    }
    view->setScene(&scene);
    view->scale(0.5, 0.5);
    view->resize(1000, 700);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QBENCHMARK {
        view->viewport()->repaint();
    }
}

QTEST_MAIN(bench_ZelViews)
#include "bench_zelviews.moc"
