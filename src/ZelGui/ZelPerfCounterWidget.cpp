#include <ZelGui/ZelPerfCounterWidget.h>

#include "ZelFormTexts_p.h"
#include "ZelPlotSamples_p.h"
#include "ui_ZelPerfCounterWidget.h"

#include <ZelCore/ZelPerfCounterStore.h>

#include <QDebug>
#include <QEvent>
#include <QPointer>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>

namespace {

// Names the refresh timers among the widget's children.
const QString refreshTimerName = QStringLiteral("metricRefreshTimer");
// A metric's page keeps the metric's name, to title it again in another
// language.
const char metricProperty[] = "zelMetric";

} // namespace

ZelPerfCounterWidget::ZelPerfCounterWidget(QWidget *parent)
    : QTabWidget(parent)
    , ui(new Ui_ZelPerfCounterWidget)
{
    ui->setupUi(this);
    ZelFormTexts::track(this);
    // An empty tab bar has nothing to choose and no name to read out: Tab
    // passes it by until the first metric comes.
    tabBar()->setFocusPolicy(Qt::NoFocus);
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
    page->setProperty(metricProperty, name);
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
    connect(
        timer, &QTimer::timeout, timer,
        [store = zelPerfCounterStore(), name, curve, plot = QPointer<QwtPlot>(plot)] {
            if (!plot)
                return;
            const QHash<QString, QList<double>> data = store->data();
            curve->setSamples(ZelPlotSamples::byIndex(data.value(name), [](double value) { return value; }));
        },
        Qt::DirectConnection);
    timer->start();

    layout->addWidget(plot);
    page->setLayout(layout);
    addTab(page, tr("M: %1").arg(name));
    tabBar()->setFocusPolicy(focusPolicy());
}

void ZelPerfCounterWidget::changeEvent(QEvent *event)
{
    QTabWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
    for (int i = 0; i < count(); ++i) {
        QWidget *page = widget(i);
        const QVariant metric = page->property(metricProperty);
        if (!metric.isValid())
            continue;
        const QString name = metric.toString();
        setTabText(i, tr("M: %1").arg(name));
        if (auto *plot = page->findChild<QwtPlot *>())
            plot->setTitle(tr("Metric - %1").arg(name));
    }
}
