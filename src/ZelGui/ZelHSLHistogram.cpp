#include <ZelGui/ZelHSLHistogram.h>

#include "ZelGuiStatics_p.h"

#include <qwt_painter.h>
#include <qwt_scale_map.h>

#include <QLinearGradient>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int hueCount = 360;

// The rainbow's colours, hue by hue, made once.
const std::array<QColor, hueCount> &rainbowColours()
{
    static const std::array<QColor, hueCount> colours = [] {
        std::array<QColor, hueCount> c;
        for (int h = 0; h < hueCount; ++h)
            c[h] = QColor::fromHsl(h, 125, 125, 255);
        return c;
    }();
    return colours;
}

// Truncates a canvas position toward zero in 64 bits: selected values
// anywhere in int map far beyond int pixels on a narrow scale.
qint64 toCanvasPixel(double x)
{
    if (std::isnan(x))
        return 0;
    constexpr double limit = 1e18;
    return qint64(std::clamp(x, -limit, limit));
}

// The hue list turned by shift: the point of index i moves to index
// (i + shift + 360) % 360 (the remainder of truncating division) and keeps
// its count; indexes outside the list drop out, indexes that receive
// nothing stay (0, 0). 64-bit sums, so no shift overflows.
QList<QPointF> rotatedHue(const QList<QPointF> &hue, int shift)
{
    const qsizetype n = hue.size();
    QList<QPointF> rotated(n, QPointF(0.0, 0.0));
    for (qsizetype i = 0; i < n; ++i) {
        const qint64 j = (qint64(i) + shift + hueCount) % hueCount;
        if (j >= 0 && j < n)
            rotated[j] = QPointF(double(j), hue[i].y());
    }
    return rotated;
}

} // namespace

QList<QPointF> fitToLogScaleVector(const QList<QPointF> &points)
{
    QList<QPointF> result;
    result.reserve(points.size());
    for (const QPointF &p : points)
        result.append(QPointF(p.x(), p.y() >= 1.0 ? std::log(p.y()) : 0.0));
    return result;
}

// --- ZelHuePlotCurve ------------------------------------------------------

ZelHuePlotCurve::ZelHuePlotCurve(const QString &title)
    : QwtPlotCurve(title)
{
    rebuildBrush();
}

ZelHuePlotCurve::~ZelHuePlotCurve() = default;

void ZelHuePlotCurve::setShiftValue(int shift)
{
    if (shift == m_shiftValue)
        return;
    m_shiftValue = shift;
    rebuildBrush();
}

int ZelHuePlotCurve::shiftValue() const
{
    return m_shiftValue;
}

void ZelHuePlotCurve::rebuildBrush()
{
    const auto &colours = rainbowColours();
    QGradientStops stops;
    stops.reserve(hueCount);
    for (int i = 0; i < hueCount; ++i) {
        // Modulo a full turn, so that shifts beyond a turn still give hues.
        const qint64 h = ((qint64(i) - m_shiftValue + hueCount) % hueCount + hueCount) % hueCount;
        stops.append({double(i) / (hueCount - 1), colours[h]});
    }
    QLinearGradient gradient(0.0, 0.0, 1.0, 0.0);
    gradient.setCoordinateMode(QGradient::StretchToDeviceMode);
    gradient.setStops(stops);
    m_brush = QBrush(gradient);
    m_strip = QImage();
    setBrush(m_brush);
}

QBrush ZelHuePlotCurve::fillBrushFor(QPainter *painter, const QPolygonF &polygon) const
{
    // A gradient stretched to an image or pixmap (the canvas's backing
    // store, grabs) spans its pixels, twice the canvas at device pixel
    // ratio 2, and costs a colour lookup per pixel. There the rainbow is
    // drawn once per width into a strip one pixel high and laid on the
    // device pixel for pixel. Other devices, rotated or sheared painters,
    // moved brush origins and polygons with non-finite points (on which
    // the texture fill stalls) get the gradient itself.
    QPaintDevice *device = painter->device();
    const QTransform toDevice = painter->deviceTransform();
    if (!device || (device->devType() != QInternal::Image && device->devType() != QInternal::Pixmap)
        || toDevice.type() > QTransform::TxScale || !toDevice.isInvertible() || !painter->brushOrigin().isNull())
        return m_brush;
    const int width = device->width(); // in pixels for images and pixmaps
    if (width <= 0)
        return m_brush;
    for (const QPointF &p : polygon) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            return m_brush;
    }
    if (m_strip.width() != width) {
        m_strip = QImage(width, 1, QImage::Format_RGB32);
        QPainter strip(&m_strip);
        strip.fillRect(m_strip.rect(), m_brush);
    }
    QBrush texture(m_strip);
    texture.setTransform(toDevice.inverted());
    return texture;
}

void ZelHuePlotCurve::fillCurve(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                                const QRectF &canvasRect, QPolygonF &polygon) const
{
    Q_UNUSED(canvasRect);
    if (brush().style() == Qt::NoBrush)
        return;
    closePolyline(painter, xMap, yMap, polygon);
    if (polygon.size() < 3)
        return;
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(fillBrushFor(painter, polygon));
    QwtPainter::drawPolygon(painter, polygon);
    painter->restore();
}

// --- ZelHSLHistogram ------------------------------------------------------

class ZelHSLHistogramPrivate
{
public:
    ZelHSLHistogram::Component component = ZelHSLHistogram::Hue;
    bool logMode = false;
    int hueShift = 0;
    HSLHistogram histogram;
    std::unique_ptr<ZelHuePlotCurve> hueCurve;
    std::unique_ptr<QwtPlotCurve> saturationCurve;
    std::unique_ptr<QwtPlotCurve> lightnessCurve;
};

ZelHSLHistogram::ZelHSLHistogram(QWidget *parent)
    : QwtPlot(parent)
    , d(std::make_unique<ZelHSLHistogramPrivate>())
{
    d->hueCurve = std::make_unique<ZelHuePlotCurve>(QStringLiteral("hue"));
    d->saturationCurve = std::make_unique<QwtPlotCurve>(QStringLiteral("saturation"));
    d->lightnessCurve = std::make_unique<QwtPlotCurve>(QStringLiteral("lightness"));
    for (QwtPlotCurve *curve :
         {static_cast<QwtPlotCurve *>(d->hueCurve.get()), d->saturationCurve.get(), d->lightnessCurve.get()})
        curve->setRenderHint(QwtPlotItem::RenderAntialiased);
    d->saturationCurve->setBrush(QBrush(Qt::darkGray, Qt::SolidPattern));
    d->lightnessCurve->setBrush(QBrush(Qt::darkGray, Qt::SolidPattern));
    setAxisVisible(QwtAxis::YLeft, false);
    setAxisVisible(QwtAxis::XBottom, false);
    qRegisterMetaType<HSLHistogram>();
}

ZelHSLHistogram::~ZelHSLHistogram()
{
    // The plot deletes the items attached to it; ours are deleted by us.
    d->lightnessCurve->detach();
    d->saturationCurve->detach();
    d->hueCurve->detach();
}

ZelHSLHistogram::Component ZelHSLHistogram::component() const
{
    return d->component;
}

void ZelHSLHistogram::setComponent(Component component)
{
    d->component = component;
    QwtPlotCurve *shown = nullptr;
    double max = 0.0;
    switch (component) {
    case Hue:
        shown = d->hueCurve.get();
        max = 360.0;
        break;
    case Saturation:
        shown = d->saturationCurve.get();
        max = 255.0;
        break;
    case Lightness:
        shown = d->lightnessCurve.get();
        max = 255.0;
        break;
    }
    if (!shown)
        return;
    for (QwtPlotCurve *curve :
         {static_cast<QwtPlotCurve *>(d->hueCurve.get()), d->saturationCurve.get(), d->lightnessCurve.get()}) {
        if (curve != shown)
            curve->detach();
    }
    shown->attach(this);
    setAxisScale(QwtAxis::XBottom, 0.0, max);
    // A shown plot keeps its last picture until it is redrawn.
    replot();
}

bool ZelHSLHistogram::logMode() const
{
    return d->logMode;
}

int ZelHSLHistogram::hueShift() const
{
    return d->hueShift;
}

HSLHistogram ZelHSLHistogram::data() const
{
    return d->histogram;
}

void ZelHSLHistogram::setData(const HSLHistogram &histogram)
{
    d->histogram = histogram;
    recompute();
}

const QwtPlotCurve *ZelHSLHistogram::curve(Component component) const
{
    switch (component) {
    case Hue:
        return d->hueCurve.get();
    case Saturation:
        return d->saturationCurve.get();
    case Lightness:
        return d->lightnessCurve.get();
    }
    return nullptr;
}

void ZelHSLHistogram::setLogMode(bool logMode)
{
    if (logMode == d->logMode)
        return;
    d->logMode = logMode;
    recompute();
}

void ZelHSLHistogram::setHueShift(int shift)
{
    d->hueShift = shift;
    d->hueCurve->setShiftValue(shift);
    recompute();
}

void ZelHSLHistogram::recompute()
{
    QList<QPointF> hue = d->histogram.hue;
    if (d->hueShift != 0)
        hue = rotatedHue(hue, d->hueShift);
    QList<QPointF> saturation = d->histogram.saturation;
    QList<QPointF> lightness = d->histogram.lightness;
    if (d->logMode) {
        hue = fitToLogScaleVector(hue);
        saturation = fitToLogScaleVector(saturation);
        lightness = fitToLogScaleVector(lightness);
    }
    d->hueCurve->setSamples(hue);
    d->saturationCurve->setSamples(saturation);
    d->lightnessCurve->setSamples(lightness);
    replot();
}

void ZelHSLHistogram::drawCanvas(QPainter *painter)
{
    int first = 0;
    int second = 0;
    bool known = true;
    switch (d->component) {
    case Hue:
        first = d->histogram.hueMin;
        second = d->histogram.hueMax;
        break;
    case Saturation:
        first = d->histogram.saturationMin;
        second = d->histogram.saturationMax;
        break;
    case Lightness:
        first = d->histogram.lightnessMin;
        second = d->histogram.lightnessMax;
        break;
    default:
        known = false;
        break;
    }
    const QwtScaleMap map = canvasMap(QwtAxis::XBottom);
    const qint64 x1 = known ? toCanvasPixel(map.transform(first)) : 0;
    const qint64 x2 = known ? toCanvasPixel(map.transform(second)) : 0;
    const qint64 w = std::abs(x2 - x1);
    if (w > 0) {
        const QRect area(int(map.p1()), 0, int(std::abs(map.p2() - map.p1())), height());
        QRegion shaded(area);
        // The clear band [x1, x1 + w) clipped to the area first, so that
        // far-off ends cannot overflow a QRect.
        const qint64 left = std::max<qint64>(x1, area.left() - 1);
        const qint64 right = std::min<qint64>(x1 + w, qint64(area.right()) + 2);
        if (left < right)
            shaded -= QRect(int(left), 0, int(right - left), canvas()->height());
        painter->save();
        painter->setPen(Qt::NoPen);
        painter->setBrush(selectionBrush);
        painter->drawRects(shaded.begin(), int(shaded.rectCount()));
        painter->restore();
    }
    QwtPlot::drawCanvas(painter);
}
