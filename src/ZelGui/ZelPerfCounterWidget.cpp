#include <ZelGui/ZelPerfCounterWidget.h>

#include "ZelPlotSamples_p.h"
#include "ui_ZelPerfCounterWidget.h"

#include <ZelCore/ZelPerfCounterStore.h>

#include <QDebug>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>

namespace {

// Names the refresh timers among the widget's children.
const QString refreshTimerName = QStringLiteral("metricRefreshTimer");

} // namespace

ZelPerfCounterWidget::ZelPerfCounterWidget(QWidget *parent)
    : QTabWidget(parent)
    , ui(new Ui_ZelPerfCounterWidget)
{
    ui->setupUi(this);
    const QSharedPointer<ZelPerfCounterStore> store = zelPerfCounterStore();
    connect(store.data(), &ZelPerfCounterStore::metricAdded, this, &ZelPerfCounterWidget::onMetricAdded);
    for (const QString &name : store->metrics()) {
        qDebug().noquote() << "Metric added:" << name;
        onMetricAdded(name);
    }
}

ZelPerfCounterWidget::~ZelPerfCounterWidget() = default;

int ZelPerfCounterWidget::refreshInterval() const
{
    return m_refreshInterval;
}

void ZelPerfCounterWidget::setRefreshInterval(int msec)
{
    m_refreshInterval = qMax(1, msec);
    for (QTimer *timer : findChildren<QTimer *>(refreshTimerName, Qt::FindDirectChildrenOnly))
        timer->setInterval(m_refreshInterval);
}

void ZelPerfCounterWidget::onMetricAdded(const QString &name)
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout;
    auto *plot = new QwtPlot(page);
    auto *curve = new QwtPlotCurve(QString());
    curve->attach(plot);

    plot->setTitle(tr("Metric - %1").arg(name));
    plot->setCanvasBackground(QBrush(Qt::white));
    plot->setAutoReplot(true);
    plot->setAxisAutoScale(QwtPlot::yLeft);
    plot->setAxisAutoScale(QwtPlot::xBottom);

    auto *timer = new QTimer(this);
    timer->setObjectName(refreshTimerName);
    timer->setInterval(m_refreshInterval);
    // The whole list is fetched and plotted anew each time: the store keeps
    // a bounded history, so this stays small.
    // A page the host removed and deleted takes its plot along.
    connect(timer, &QTimer::timeout, timer, [store = zelPerfCounterStore(), name, curve, plot = QPointer<QwtPlot>(plot)] {
        if (!plot)
            return;
        const QHash<QString, QList<double>> data = store->data();
        curve->setSamples(ZelPlotSamples::byIndex(data.value(name), [](double value) { return value; }));
    }, Qt::DirectConnection);
    timer->start();

    layout->addWidget(plot);
    page->setLayout(layout);
    addTab(page, tr("M: %1").arg(name));
}
