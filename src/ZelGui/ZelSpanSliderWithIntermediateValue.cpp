#include <ZelGui/ZelSpanSliderWithIntermediateValue.h>

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <QWheelEvent>

namespace {

// Decoded once and shared by every slider.
const QImage &intermediateHandleImage()
{
    static const QImage image(QStringLiteral(":ZelGui/res/icons/intermediate_slider.png"));
    return image;
}

// The same picture drawn at twice the size, which keeps the handle crisp
// where a unit has more than one device pixel.
const QImage &intermediateHandleImage2x()
{
    static const QImage image = [] {
        QImage picture(QStringLiteral(":ZelGui/res/icons/intermediate_slider@2x.png"));
        picture.setDevicePixelRatio(2);
        return picture;
    }();
    return image;
}

} // namespace

class ZelSpanSliderWithIntermediateValuePrivate
{
public:
    explicit ZelSpanSliderWithIntermediateValuePrivate(ZelSpanSliderWithIntermediateValue *owner)
        : slider(owner)
        , handleImage(intermediateHandleImage())
    {
    }

    // Into [lowerValue(), upperValue()]; the lower end wins for an empty span.
    int bound(qint64 value) const
    {
        if (value < slider->lowerValue())
            return slider->lowerValue();
        return int(qMin<qint64>(value, slider->upperValue()));
    }

    bool handleMousePress(const QPoint &pos);
    int pixelPosToRangeValue(int pos) const;
    int valueAtMouse(const QPoint &pos) const;
    void moveIntermediate(qint64 candidate);
    void storeAndAnnounce(qint64 candidate);
    void keepSpanAroundIntermediate();

    int intermediateValue = 0;
    bool intermediateHeld = false;
    int intermediatePressOffset = 0;
    ZelSpanSliderWithIntermediateValue *const slider;
    QImage handleImage;
};

bool ZelSpanSliderWithIntermediateValuePrivate::handleMousePress(const QPoint &pos)
{
    QStyleOptionSlider opt;
    slider->initStyleOptionIntermediate(&opt);
    QStyle *style = slider->style();
    const QStyle::SubControl control = style->hitTestComplexControl(QStyle::CC_Slider, &opt, pos, slider);
    const QRect sr = style->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider);
    const bool hit = control == QStyle::SC_SliderHandle;
    if (hit) {
        intermediatePressOffset = slider->orientation() == Qt::Horizontal ? pos.x() - sr.left() : pos.y() - sr.top();
        intermediateHeld = true;
        slider->setSliderDown(true);
    }
    if (control != QStyle::SC_None)
        slider->update(sr);
    return hit;
}

int ZelSpanSliderWithIntermediateValuePrivate::pixelPosToRangeValue(int pos) const
{
    QStyleOptionSlider opt;
    slider->initStyleOptionIntermediate(&opt);
    const QStyle *style = slider->style();
    const QRect gr = style->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, slider);
    const QRect sr = style->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider);
    int sliderMin = 0;
    int span = 0;
    if (slider->orientation() == Qt::Horizontal) {
        sliderMin = gr.x();
        span = gr.width() - sr.width();
    } else {
        sliderMin = gr.y();
        span = gr.height() - sr.height();
    }
    return QStyle::sliderValueFromPosition(slider->minimum(), slider->maximum(), pos - sliderMin, span, opt.upsideDown);
}

int ZelSpanSliderWithIntermediateValuePrivate::valueAtMouse(const QPoint &pos) const
{
    QStyleOptionSlider opt;
    slider->initStyleOptionIntermediate(&opt);
    const int m = slider->style()->pixelMetric(QStyle::PM_MaximumDragDistance, &opt, slider);
    if (m >= 0 && !slider->rect().adjusted(-m, -m, m, m).contains(pos))
        return intermediateValue;
    const int pixel = slider->orientation() == Qt::Horizontal ? pos.x() : pos.y();
    return pixelPosToRangeValue(pixel - intermediatePressOffset);
}

void ZelSpanSliderWithIntermediateValuePrivate::storeAndAnnounce(qint64 candidate)
{
    intermediateValue = bound(candidate);
    Q_EMIT slider->intermediateChanged(intermediateValue);
    slider->update();
}

void ZelSpanSliderWithIntermediateValuePrivate::moveIntermediate(qint64 candidate)
{
    if (bound(candidate) != intermediateValue)
        storeAndAnnounce(candidate);
    Q_EMIT slider->intermediateMoved(intermediateValue);
}

void ZelSpanSliderWithIntermediateValuePrivate::keepSpanAroundIntermediate()
{
    if (slider->lowerValue() > intermediateValue)
        slider->setLowerValue(intermediateValue);
    if (slider->upperValue() < intermediateValue)
        slider->setUpperValue(intermediateValue);
}

ZelSpanSliderWithIntermediateValue::ZelSpanSliderWithIntermediateValue(QWidget *parent)
    : ZelSpanSlider(Qt::Horizontal, parent)
    , d(std::make_unique<ZelSpanSliderWithIntermediateValuePrivate>(this))
{
}

ZelSpanSliderWithIntermediateValue::~ZelSpanSliderWithIntermediateValue() = default;

int ZelSpanSliderWithIntermediateValue::intermediateValue() const
{
    return d->intermediateValue;
}

void ZelSpanSliderWithIntermediateValue::initStyleOptionIntermediate(QStyleOptionSlider *option) const
{
    initStyleOptionForHandles(option);
    option->sliderPosition = d->intermediateValue;
    option->sliderValue = d->intermediateValue;
}

QRect ZelSpanSliderWithIntermediateValue::intermediateHandleRect() const
{
    QStyleOptionSlider opt;
    initStyleOptionIntermediate(&opt);
    return style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
}

int ZelSpanSliderWithIntermediateValue::handleWidth() const
{
    return intermediateHandleRect().width();
}

void ZelSpanSliderWithIntermediateValue::setIntermediateValue(int intermediateValue)
{
    if (intermediateValue == d->intermediateValue)
        return;
    // Announced even when bounding gives back the old value, so a caller
    // always learns where the handle stands.
    d->storeAndAnnounce(intermediateValue);
}

void ZelSpanSliderWithIntermediateValue::keyPressEvent(QKeyEvent *event)
{
    if (!event) // a public slot: a forwarding caller may hand over nothing
        return;
    event->accept();
    const qint64 current = d->intermediateValue;
    int step = int(maximum() * 0.001);
    if (step < 2)
        step = 1;
    int page = int(maximum() * 0.01);
    if (page < 11)
        page = 10;

    qint64 target = 0;
    switch (event->key()) {
    case Qt::Key_Home:
        target = lowerValue();
        break;
    case Qt::Key_End:
        target = upperValue();
        break;
    case Qt::Key_Left:
        target = current - step;
        break;
    case Qt::Key_Right:
        target = current + step;
        break;
    case Qt::Key_PageDown:
        target = current - page;
        break;
    case Qt::Key_PageUp:
        target = current + page;
        break;
    default:
        event->ignore();
        return;
    }

    if (target == current) {
        Q_EMIT intermediateMoved(int(target));
        return;
    }
    d->storeAndAnnounce(target);
    Q_EMIT intermediateMoved(d->intermediateValue);
}

void ZelSpanSliderWithIntermediateValue::wheelEvent(QWheelEvent *e)
{
    if (!e)
        return;
    Q_EMIT wheelEventArrived();
    const int delta = e->angleDelta().y();
    if (delta != 0)
        d->storeAndAnnounce(qint64(d->intermediateValue) + delta);
    Q_EMIT intermediateMoved(d->intermediateValue);
    e->accept();
}

void ZelSpanSliderWithIntermediateValue::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (d->handleMousePress(pos)) {
        event->accept();
        Q_EMIT intermediatePressed(d->intermediateValue);
        return;
    }

    ZelSpanSlider::mousePressEvent(event);
    if (isAnyHandlePressedNow())
        return;

    // A press on the groove: the intermediate handle jumps under the cursor
    // and stays held for a drag.
    d->intermediatePressOffset = intermediateHandleRect().width() / 2;
    d->intermediateHeld = true;
    setSliderDown(true);
    Q_EMIT intermediatePressed(d->intermediateValue);
    d->moveIntermediate(d->valueAtMouse(pos));
}

void ZelSpanSliderWithIntermediateValue::mouseMoveEvent(QMouseEvent *event)
{
    if (!d->intermediateHeld) {
        ZelSpanSlider::mouseMoveEvent(event);
        // A dragged span handle stops at the intermediate handle; other
        // movements (hovering, with mouse tracking on) leave a span set from
        // code alone.
        if (isAnyHandlePressedNow())
            d->keepSpanAroundIntermediate();
        return;
    }
    d->moveIntermediate(d->valueAtMouse(event->position().toPoint()));
    event->accept();
}

void ZelSpanSliderWithIntermediateValue::mouseReleaseEvent(QMouseEvent *event)
{
    if (d->intermediateHeld) {
        d->intermediateHeld = false;
        Q_EMIT intermediateReleased(d->intermediateValue);
        ZelSpanSlider::mouseReleaseEvent(event);
        setSliderDown(false);
        update();
        return;
    }
    const bool spanHandleHeld = isAnyHandlePressedNow();
    ZelSpanSlider::mouseReleaseEvent(event);
    // With tracking off the span is committed only now.
    if (spanHandleHeld)
        d->keepSpanAroundIntermediate();
}

void ZelSpanSliderWithIntermediateValue::paintEvent(QPaintEvent *event)
{
    ZelSpanSlider::paintEvent(event);

    QStylePainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect r = intermediateHandleRect();
    const int c = (r.top() + r.bottom()) / 2;
    const QImage &image = devicePixelRatioF() > 1 ? intermediateHandleImage2x() : d->handleImage;
    const QSize size = image.deviceIndependentSize().toSize();
    painter.drawImage(QRect(r.left(), c - size.height() - 2, size.width(), size.height()), image);
}
