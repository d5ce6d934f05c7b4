#include <ZelGui/ZelMathGL.h>

#include "ZelPlotSamples_p.h"

#include <QEvent>
#include <QVBoxLayout>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>

class ZelMathGLPrivate
{
public:
    QList<ZelVec4D> model;
    QwtPlot *plot = nullptr;
    QwtPlotCurve *curve = nullptr;
};

ZelMathGL::ZelMathGL(QWidget *parent)
    : QWidget(parent)
    , d(new ZelMathGLPrivate)
{
    auto *layout = new QVBoxLayout;
    d->plot = new QwtPlot(this);
    d->curve = new QwtPlotCurve(QString());
    d->curve->attach(d->plot);
    d->plot->setTitle(tr("DATA"));
    d->plot->setCanvasBackground(QBrush(Qt::white));
    d->plot->setAutoReplot(true);
    d->plot->setAxisAutoScale(QwtPlot::yLeft);
    d->plot->setAxisAutoScale(QwtPlot::xBottom);
    d->plot->setAutoDelete(true);
    layout->addWidget(d->plot);
    setLayout(layout);
}

ZelMathGL::~ZelMathGL() = default;

void ZelMathGL::setModel(QList<ZelVec4D> model)
{
    d->model = std::move(model);
    d->curve->setSamples(ZelPlotSamples::byIndex(d->model, [](const ZelVec4D &point) { return point.w; }));
}

void ZelMathGL::setScaleBottom(int min, int max, int step)
{
    d->plot->setAxisAutoScale(QwtPlot::xBottom, false);
    d->plot->setAxisScale(QwtPlot::xBottom, double(min), double(max), double(step));
}

void ZelMathGL::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        d->plot->setTitle(tr("DATA"));
}
