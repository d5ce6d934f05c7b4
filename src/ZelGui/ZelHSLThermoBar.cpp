#include <ZelGui/ZelHSLThermoBar.h>

#include <ZelLog/ZelLog.h>

#include <qwt_color_map.h>

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr char logModule[] = "ZelGui";
// The origin under which the product's log tools know this record.
constexpr char unknownComponentFile[] = "/build/source/src/ZelGui/ZelHSLThermoBar";
constexpr int unknownComponentLine = 183;

constexpr int handleWidth = 8;
constexpr int handleHeight = 16;
constexpr double handleCentre = 4.0;

QColor hsl(int h, int s, int l)
{
    return QColor::fromHsl(h, s, l, 255);
}

void logUnknownComponent()
{
    ZelLog::logStream(logModule, "virtual void ZelThermoBar::updateBrush()", unknownComponentFile, unknownComponentLine)
        << "Unknown component!";
}

// Rounds halves away from zero and keeps the result where widget
// coordinates stay meaningful, so that far-off values cannot overflow.
int toPixel(double x)
{
    if (std::isnan(x))
        return 0;
    return int(std::round(std::clamp(x, -double(QWIDGETSIZE_MAX), double(QWIDGETSIZE_MAX))));
}

// Truncates toward zero into int; NaN gives 0.
int truncateToInt(double v)
{
    if (std::isnan(v))
        return 0;
    return int(std::trunc(std::clamp(v, double(INT_MIN), double(INT_MAX))));
}

int boundToInt(qint64 v)
{
    return int(std::clamp<qint64>(v, INT_MIN, INT_MAX));
}

// Units of one full turn of the rotating bar's ramp.
double rotationScale(ZelThermoBar::Component component)
{
    if (component == ZelThermoBar::Hue)
        return 359.0;
    if (ZelThermoBar::getMaxValueByComponent(component) < 0)
        return -1.0;
    return 255.0;
}

// The colour of a value on the rotating bar: the bar's own colours where
// getColorForBar() has them, the plain bar's ramp colours for the rest.
QColor rampColour(ZelThermoBar::Component component, int value)
{
    switch (component) {
    case ZelThermoBar::Green:
        return hsl(150, 250, value);
    case ZelThermoBar::Blue:
        return hsl(220, 200, value);
    case ZelThermoBar::Gray:
        return hsl(240, 0, value);
    default:
        return ZelThermoBar::getColorForBar(component, value);
    }
}

} // namespace

// --- ZelThermoBar ---------------------------------------------------------

ZelThermoBar::ZelThermoBar(QWidget *parent)
    : QwtThermo(parent)
{
    setOrientation(Qt::Horizontal);
    setScalePosition(QwtThermo::NoScale);
    setBorderWidth(0);
    setSpacing(0);
    setPipeWidth(0);
}

ZelThermoBar::~ZelThermoBar() = default;

void ZelThermoBar::setComponent(Component component)
{
    m_component = component;
    updateBrush();
}

ZelThermoBar::Component ZelThermoBar::component() const
{
    return m_component;
}

int ZelThermoBar::getMaxValueByComponent(Component component)
{
    switch (component) {
    case Hue:
        return 359;
    case Saturation:
    case Lightness:
    case Red:
    case Green:
    case Blue:
    case Gray:
        return 255;
    }
    return -1;
}

QColor ZelThermoBar::getColorForBar(Component component, int value)
{
    // Values the colour model refuses give an invalid colour, as the
    // components without colours do.
    if (value < 0 || value > getMaxValueByComponent(component))
        return QColor();
    switch (component) {
    case Hue:
        return hsl(value, 125, 125);
    case Saturation:
        return hsl(250, value, 125);
    case Lightness:
        return hsl(250, 125, value);
    case Red:
        return hsl(30, 200, value);
    default:
        return QColor();
    }
}

void ZelThermoBar::updateBrush()
{
    QwtLinearColorMap *map = nullptr;
    switch (m_component) {
    case Hue: {
        map = new QwtLinearColorMap(QwtColorMap::RGB);
        map->setColorInterval(hsl(0, 125, 125), hsl(359, 125, 125));
        const double step = 1.0 / 360.0;
        double p = 0.0;
        for (int k = 0; k < 360 && p < 1.0; ++k, p += step)
            map->addColorStop(p, hsl(k, 125, 125));
        break;
    }
    case Saturation:
        map = buildRgbColorMap(250, hsl(250, 0, 125), hsl(250, 254, 125), 0, true);
        break;
    case Lightness:
        map = buildRgbColorMap(250, hsl(250, 125, 0), hsl(250, 125, 254), 125, false);
        break;
    case Red:
        map = buildRgbColorMap(15, hsl(15, 250, 0), hsl(15, 250, 254), 200, false);
        break;
    case Green:
        map = buildRgbColorMap(150, hsl(150, 250, 0), hsl(150, 250, 254), 250, false);
        break;
    case Blue:
        map = buildRgbColorMap(220, hsl(220, 250, 0), hsl(220, 250, 254), 200, false);
        break;
    case Gray:
        map = buildRgbColorMap(240, hsl(240, 125, 0), hsl(240, 125, 254), 0, false);
        break;
    default:
        logUnknownComponent();
        break;
    }
    if (map)
        setColorMap(map);
    update();
}

QSize ZelThermoBar::minimumSizeHint() const
{
    return QSize(minimumWidth(), minimumWidth());
}

QwtLinearColorMap *buildRgbColorMap(int hue, QColor startColor, QColor endColor, int saturation, bool saturationRamp)
{
    // The colour model refuses hues beyond a turn and saturations beyond
    // 255; take the hue modulo a turn and bound the saturation instead.
    hue = hue == -1 ? -1 : ((hue % 360) + 360) % 360;
    saturation = std::clamp(saturation, 0, 255);

    auto *map = new QwtLinearColorMap(QwtColorMap::RGB);
    map->setColorInterval(startColor, endColor);
    const double step = 1.0 / 255.0;
    double p = 0.0;
    for (int k = 0; k < 255 && p < 1.0; ++k, p += step)
        map->addColorStop(p, saturationRamp ? hsl(hue, k, 125) : hsl(hue, saturation, k));
    return map;
}

// --- ZelThermoBarSpan -----------------------------------------------------

class ZelThermoBarSpanPrivate
{
public:
    explicit ZelThermoBarSpanPrivate(ZelThermoBarSpan *owner);

    void updatePos();
    void handlerMoved(ZelThermoBarSpanHandler::Type type, ZelThermoBarSpanHandler *handler, QPointF position);
    int bound(int value) const { return std::max(range.first, std::min(range.second, value)); }

    ZelThermoBarSpan *const q;
    int spanMin = 0;
    int spanMax = 0;
    std::pair<int, int> range{0, 0};
    ZelThermoBarSpanHandler *minHandler = nullptr;
    ZelThermoBarSpanHandler *maxHandler = nullptr;
};

ZelThermoBarSpanPrivate::ZelThermoBarSpanPrivate(ZelThermoBarSpan *owner)
    : q(owner)
{
}

void ZelThermoBarSpanPrivate::updatePos()
{
    // The width of the range in 64 bits: (INT_MIN, INT_MAX) is a range too.
    const qint64 extent = qint64(range.second) - qint64(range.first);
    if (extent <= 0)
        return;
    const int width = q->width();
    const double scale = double(width) / double(extent);

    const int minX = std::max(0, toPixel(spanMin * scale - handleCentre));
    minHandler->move(minX, 0);
    minHandler->setToolTip(QObject::tr("Value: %1").arg(spanMin));

    const int maxX = std::min(width - handleWidth, toPixel(spanMax * scale - handleCentre));
    maxHandler->move(maxX, 0);
    maxHandler->setToolTip(QObject::tr("Value: %1").arg(spanMax));
}

void ZelThermoBarSpanPrivate::handlerMoved(ZelThermoBarSpanHandler::Type type, ZelThermoBarSpanHandler *handler,
                                           QPointF position)
{
    if (spanMax <= spanMin)
        return;
    // A bar without width has no pixels to map back to values.
    const int width = q->width();
    if (width == 0)
        return;
    const double scale = double(width) / double(qint64(range.second) - qint64(range.first));
    const int x = handler->mapTo(q, position.toPoint()).x();
    const int value = truncateToInt(x / scale);
    if (type == ZelThermoBarSpanHandler::Min)
        q->setSpanMin(value);
    else
        q->setSpanMax(value);
}

ZelThermoBarSpan::ZelThermoBarSpan(QWidget *parent)
    : ZelThermoBar(parent)
    , d(std::make_unique<ZelThermoBarSpanPrivate>(this))
{
    d->minHandler = new ZelThermoBarSpanHandler(ZelThermoBarSpanHandler::Min, this);
    d->maxHandler = new ZelThermoBarSpanHandler(ZelThermoBarSpanHandler::Max, this);
    for (ZelThermoBarSpanHandler *handler : {d->minHandler, d->maxHandler}) {
        handler->setMouseTracking(true);
        handler->show();
        connect(handler, &ZelThermoBarSpanHandler::moved, this,
                [this, handler](QPointF position) { d->handlerMoved(handler->type(), handler, position); });
    }
    connect(this, &ZelThermoBarSpan::spanMinChanged, this, [this] { d->updatePos(); });
    connect(this, &ZelThermoBarSpan::spanMaxChanged, this, [this] { d->updatePos(); });
    connect(this, &ZelThermoBarSpan::rangeChanged, this, [this] { d->updatePos(); });
}

ZelThermoBarSpan::~ZelThermoBarSpan() = default;

int ZelThermoBarSpan::spanMin() const
{
    return d->spanMin;
}

int ZelThermoBarSpan::spanMax() const
{
    return d->spanMax;
}

std::pair<int, int> ZelThermoBarSpan::range() const
{
    return d->range;
}

void ZelThermoBarSpan::setRange(std::pair<int, int> range)
{
    if (range != d->range) {
        d->range = range;
        Q_EMIT rangeChanged(range);
    }
    d->updatePos();
}

ZelThermoBarSpanHandler *ZelThermoBarSpan::minHandler() const
{
    return d->minHandler;
}

ZelThermoBarSpanHandler *ZelThermoBarSpan::maxHandler() const
{
    return d->maxHandler;
}

void ZelThermoBarSpan::setSpanMin(int value)
{
    // Judged on the value as passed; stored bounded into the range.
    if (value == d->spanMin || value > d->spanMax)
        return;
    d->spanMin = d->bound(value);
    Q_EMIT spanMinChanged(d->spanMin);
    d->updatePos();
}

void ZelThermoBarSpan::setSpanMax(int value)
{
    if (value == d->spanMax || value <= d->spanMin)
        return;
    d->spanMax = d->bound(value);
    Q_EMIT spanMaxChanged(d->spanMax);
    d->updatePos();
}

void ZelThermoBarSpan::resizeEvent(QResizeEvent *event)
{
    QwtThermo::resizeEvent(event);
    d->updatePos();
}

// --- ZelThermoBarSpanHandler ----------------------------------------------

ZelThermoBarSpanHandler::ZelThermoBarSpanHandler(Type type, QWidget *parent)
    : QWidget(parent)
    , m_type(type)
{
    setFixedSize(handleWidth, handleHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(type == Min ? tr("Lower end of the span") : tr("Upper end of the span"));
}

ZelThermoBarSpanHandler::~ZelThermoBarSpanHandler() = default;

void ZelThermoBarSpanHandler::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    setAccessibleName(m_type == Min ? tr("Lower end of the span") : tr("Upper end of the span"));
    // The bar gives the tip once it has placed the handle.
    auto *bar = qobject_cast<ZelThermoBarSpan *>(parentWidget());
    if (bar && !toolTip().isEmpty())
        setToolTip(QObject::tr("Value: %1").arg(m_type == Min ? bar->spanMin() : bar->spanMax()));
}

void ZelThermoBarSpanHandler::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    m_pressed = true;
}

void ZelThermoBarSpanHandler::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    m_pressed = false;
}

void ZelThermoBarSpanHandler::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed)
        Q_EMIT moved(event->position());
}

void ZelThermoBarSpanHandler::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    auto *bar = qobject_cast<ZelThermoBarSpan *>(parentWidget());
    if (!bar)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = 0;
    option.maximum = 1;
    option.subControls = QStyle::SC_SliderHandle;
    option.sliderPosition = option.sliderValue = m_type == Min ? bar->spanMin() : bar->spanMax();
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
    option.sliderPosition = option.sliderValue = 0;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
    // Styles mark a focused slider handle faintly, if at all, and only a
    // sliver of it shows here: outline the handle.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void ZelThermoBarSpanHandler::keyPressEvent(QKeyEvent *event)
{
    auto *bar = qobject_cast<ZelThermoBarSpan *>(parentWidget());
    if (!bar) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int current = m_type == Min ? bar->spanMin() : bar->spanMax();
    const std::pair<int, int> range = bar->range();
    qint64 target = current;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        target = qint64(current) - 1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        target = qint64(current) + 1;
        break;
    case Qt::Key_PageDown:
        target = qint64(current) - 10;
        break;
    case Qt::Key_PageUp:
        target = qint64(current) + 10;
        break;
    case Qt::Key_Home:
        target = range.first;
        break;
    case Qt::Key_End:
        target = range.second;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // Keys stay inside the range, so a step at its end announces nothing.
    const int value = bar->d->bound(boundToInt(target));
    if (value == current)
        return;
    if (m_type == Min)
        bar->setSpanMin(value);
    else
        bar->setSpanMax(value);
}

// --- ZelHSLThermoBarRotate ------------------------------------------------

class ZelHSLThermoBarRotatePrivate
{
public:
    double translateStartRatio = 0.0;
    int pressX = 0;
    double pressRatio = 0.0;
    bool dragging = false;
};

ZelHSLThermoBarRotate::ZelHSLThermoBarRotate(QWidget *parent)
    : ZelThermoBar(parent)
    , d(std::make_unique<ZelHSLThermoBarRotatePrivate>())
{
    setAttribute(Qt::WA_MouseTracking);
    setCursor(Qt::OpenHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Colour ramp rotation"));
}

ZelHSLThermoBarRotate::~ZelHSLThermoBarRotate() = default;

void ZelHSLThermoBarRotate::changeEvent(QEvent *event)
{
    ZelThermoBar::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        setAccessibleName(tr("Colour ramp rotation"));
}

double ZelHSLThermoBarRotate::translateStartRatio() const
{
    return d->translateStartRatio;
}

void ZelHSLThermoBarRotate::setTranslateStartRatio(double ratio)
{
    if (ratio == d->translateStartRatio)
        return;
    applyRatio(ratio);
}

int ZelHSLThermoBarRotate::translateStartStep() const
{
    return truncateToInt(d->translateStartRatio * rotationScale(component()));
}

void ZelHSLThermoBarRotate::applyRatio(double ratio)
{
    d->translateStartRatio = ratio;
    Q_EMIT translateStartRatioChanged(ratio);
    Q_EMIT translateStartStepChanged(translateStartStep());
    updateBrush();
}

void ZelHSLThermoBarRotate::updateBrush()
{
    const Component c = component();
    const int m = getMaxValueByComponent(c);
    if (m < 0) {
        // Logged, and the installed map stays.
        ZelThermoBar::updateBrush();
        return;
    }
    const int n = m + 1;
    // The shift in whole units, taken modulo one turn so that ratios set
    // from code outside [0, 1) turn the ramp as far as they say.
    double shift = std::fmod(std::trunc(d->translateStartRatio * rotationScale(c)), double(n));
    if (std::isnan(shift))
        shift = 0.0;
    else if (shift < 0.0)
        shift += n;
    const int s = int(shift);
    auto colourAt = [c, n](int value) { return rampColour(c, value % n); };

    auto *map = new QwtLinearColorMap(QwtColorMap::RGB);
    map->setColorInterval(colourAt(n - s), colourAt(m + n - s));
    for (int k = 0; k < n; ++k)
        map->addColorStop(double(k) / m, colourAt(n + k - s));
    setColorMap(map);
    update();
}

void ZelHSLThermoBarRotate::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        setCursor(Qt::ClosedHandCursor);
        d->dragging = true;
        d->pressX = qRound(event->position().x());
        d->pressRatio = d->translateStartRatio;
    }
    ZelThermoBar::mousePressEvent(event);
}

void ZelHSLThermoBarRotate::mouseMoveEvent(QMouseEvent *event)
{
    if (d->dragging && width() != 0) {
        const int w = width() - 1;
        const int x = std::clamp(qRound(event->position().x()), 0, w);
        double r = (x - d->pressX) * (1.0 / (w + 1)) + d->pressRatio;
        r -= std::floor(r);
        // A sum a rounding step below zero wraps to 1.0 itself; that is 0.
        if (r >= 1.0)
            r = 0.0;
        if (r != d->translateStartRatio)
            applyRatio(r);
    }
    ZelThermoBar::mouseMoveEvent(event);
}

void ZelHSLThermoBarRotate::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        setCursor(Qt::OpenHandCursor);
        d->dragging = false;
    }
    ZelThermoBar::mouseReleaseEvent(event);
}

void ZelHSLThermoBarRotate::keyPressEvent(QKeyEvent *event)
{
    const double units = rotationScale(component());
    const int key = event->key();
    if (units < 0.0 || (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Home)) {
        ZelThermoBar::keyPressEvent(event);
        return;
    }
    int step = 0;
    if (key != Qt::Key_Home) {
        const int turn = int(units);
        const qint64 next = qint64(translateStartStep()) + (key == Qt::Key_Right ? 1 : -1);
        step = int(((next % turn) + turn) % turn);
    }
    // The ratio whose step (the truncated product) is exactly this step.
    double ratio = step / units;
    while (truncateToInt(ratio * units) < step)
        ratio = std::nextafter(ratio, 1.0);
    if (ratio != d->translateStartRatio)
        applyRatio(ratio);
}

void ZelHSLThermoBarRotate::paintEvent(QPaintEvent *event)
{
    ZelThermoBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
