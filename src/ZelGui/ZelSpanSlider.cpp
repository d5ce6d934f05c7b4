#include <ZelGui/ZelSpanSlider.h>

#include "ZelSpanSlider_p.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPen>
#include <QStyleOptionSlider>
#include <QStylePainter>

#include <algorithm>
#include <cmath>
#include <limits>

ZelSpanSliderPrivate::ZelSpanSliderPrivate(ZelSpanSlider *owner)
    : slider(owner)
{
}

int ZelSpanSliderPrivate::toInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int ZelSpanSliderPrivate::bound(qint64 value) const
{
    if (value < slider->minimum())
        return slider->minimum();
    return int(qMin<qint64>(value, slider->maximum()));
}

void ZelSpanSliderPrivate::handleMousePress(const QPoint &pos, QStyle::SubControl &control, int value,
                                            ZelSpanSlider::SpanHandle handle)
{
    QStyleOptionSlider opt;
    slider->initStyleOptionForBorders(&opt, handle);
    const QStyle::SubControl oldControl = control;
    QStyle *style = slider->style();
    control = style->hitTestComplexControl(QStyle::CC_Slider, &opt, pos, slider);
    const QRect sr = style->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider);
    if (control == QStyle::SC_SliderHandle) {
        pressValue = value;
        pressOffset = slider->orientation() == Qt::Horizontal ? pos.x() - sr.left() : pos.y() - sr.top();
        lastPressedHandle = handle;
        slider->setSliderDown(true);
        Q_EMIT slider->sliderPressed(handle);
    }
    if (control != oldControl)
        slider->update(sr);
}

int ZelSpanSliderPrivate::pixelPosToRangeValue(int pos, ZelSpanSlider::SpanHandle handle) const
{
    QStyleOptionSlider opt;
    slider->initStyleOptionForBorders(&opt, handle);
    const QRect sr = slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider);
    int sliderMin = 0;
    int span = 0;
    if (slider->orientation() == Qt::Horizontal) {
        sliderMin = opt.rect.x();
        span = opt.rect.width() - sr.width();
    } else {
        sliderMin = opt.rect.y();
        span = opt.rect.height() - sr.height();
    }
    return QStyle::sliderValueFromPosition(slider->minimum(), slider->maximum(), pos - sliderMin, span, opt.upsideDown);
}

void ZelSpanSliderPrivate::applyNewPosition(ZelSpanSlider::SpanHandle handle, int value)
{
    // A crossing is judged against where the other handle stands, which with
    // tracking off is not yet its committed value.
    if (handle == ZelSpanSlider::LowerHandle) {
        switch (movementMode) {
        case ZelSpanSlider::NoOverlapping:
            slider->setLowerPosition(toInt(qMin<qint64>(qint64(slider->upperValue()) - 1, value)));
            break;
        case ZelSpanSlider::NoCrossing:
            slider->setLowerPosition(qMin(slider->upperValue(), value));
            break;
        case ZelSpanSlider::FreeMovement:
            if (upperPosition < value) {
                swapControls();
                slider->setUpperPosition(value);
            } else {
                slider->setLowerPosition(value);
            }
            break;
        }
    } else if (handle == ZelSpanSlider::UpperHandle) {
        switch (movementMode) {
        case ZelSpanSlider::NoOverlapping:
            slider->setUpperPosition(toInt(qMax<qint64>(qint64(slider->lowerValue()) + 1, value)));
            break;
        case ZelSpanSlider::NoCrossing:
            slider->setUpperPosition(qMax(slider->lowerValue(), value));
            break;
        case ZelSpanSlider::FreeMovement:
            if (lowerPosition > value) {
                swapControls();
                slider->setLowerPosition(value);
            } else {
                slider->setUpperPosition(value);
            }
            break;
        }
    }
}

void ZelSpanSliderPrivate::triggerAction(QAbstractSlider::SliderAction action, bool main)
{
    const bool upper =
        (main && mainHandle == ZelSpanSlider::UpperHandle) || (!main && mainHandle == ZelSpanSlider::LowerHandle);
    trackingBlocked = true;

    const qint64 current = upper ? upperValue : lowerValue;
    bool move = true;
    qint64 value = 0;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        value = bound(current + slider->singleStep());
        break;
    case QAbstractSlider::SliderSingleStepSub:
        value = bound(current - slider->singleStep());
        break;
    case QAbstractSlider::SliderToMinimum:
        value = slider->minimum();
        break;
    case QAbstractSlider::SliderToMaximum:
        value = slider->maximum();
        break;
    case QAbstractSlider::SliderNoAction:
    case QAbstractSlider::SliderMove:
        move = false;
        break;
    default:
        // Not issued by our key handling; nothing moves.
        qWarning("ZelSpanSliderPrivate::triggerAction: Unknown action");
        move = false;
        break;
    }

    if (move && !upper) {
        if (movementMode == ZelSpanSlider::NoCrossing)
            value = qMin<qint64>(value, upperValue);
        else if (movementMode == ZelSpanSlider::NoOverlapping)
            value = qMin<qint64>(value, qint64(upperValue) - 1);
        if (movementMode == ZelSpanSlider::FreeMovement && value > upperPosition) {
            swapControls();
            slider->setUpperPosition(toInt(value));
        } else {
            slider->setLowerPosition(toInt(value));
        }
    } else if (move) {
        if (movementMode == ZelSpanSlider::NoCrossing)
            value = qMax<qint64>(value, lowerValue);
        else if (movementMode == ZelSpanSlider::NoOverlapping)
            value = qMax<qint64>(value, qint64(lowerValue) + 1);
        if (movementMode == ZelSpanSlider::FreeMovement && value < lowerPosition) {
            swapControls();
            slider->setLowerPosition(toInt(value));
        } else {
            slider->setUpperPosition(toInt(value));
        }
    }

    trackingBlocked = false;
    commitPositions();
}

void ZelSpanSliderPrivate::swapControls()
{
    // The handles exchange roles. Each keeps standing where it stands, so
    // the positions go with the roles; the values stay ordered and follow
    // with the next commit.
    qSwap(lowerPosition, upperPosition);
    qSwap(lowerPressedControl, upperPressedControl);
    lastPressedHandle =
        lastPressedHandle == ZelSpanSlider::LowerHandle ? ZelSpanSlider::UpperHandle : ZelSpanSlider::LowerHandle;
    mainHandle = mainHandle == ZelSpanSlider::LowerHandle ? ZelSpanSlider::UpperHandle : ZelSpanSlider::LowerHandle;
}

void ZelSpanSliderPrivate::commitPositions()
{
    slider->setSpan(lowerPosition, upperPosition);
}

void ZelSpanSliderPrivate::drawSpan(QPainter *painter, const QRect &rect) const
{
    QStyleOptionSlider opt;
    slider->initStyleOptionForSlider(&opt);
    const bool horizontal = slider->orientation() == Qt::Horizontal;

    QRect groove = slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, slider);
    if (horizontal)
        groove.adjust(0, 0, -1, 0);
    else
        groove.adjust(0, 0, 0, -1);

    const QColor highlight = slider->palette().color(QPalette::Highlight);
    if (spanBrush.style() == Qt::NoBrush || spanGroove != groove || spanColor != highlight.rgba()
        || spanHorizontal != horizontal) {
        QLinearGradient gradient;
        if (horizontal) {
            gradient.setStart(groove.center().x(), groove.top());
            gradient.setFinalStop(groove.center().x(), groove.bottom());
        } else {
            gradient.setStart(groove.left(), groove.center().y());
            gradient.setFinalStop(groove.right(), groove.center().y());
        }
        gradient.setColorAt(0, highlight.darker(120));
        gradient.setColorAt(1, highlight.lighter(108));
        spanBrush = QBrush(gradient);
        spanPen = QPen(highlight.darker(horizontal ? 130 : 150), 0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
        spanGroove = groove;
        spanColor = highlight.rgba();
        spanHorizontal = horizontal;
    }

    const QRect area = rect.intersected(groove);
    const QTransform &device = painter->deviceTransform();
    const QPointF from = device.map(QPointF(area.topLeft()));
    const QPointF to = device.map(QPointF(area.left() + area.width(), area.top() + area.height()));
    const auto whole = [](const QPointF &p) { return p.x() == std::floor(p.x()) && p.y() == std::floor(p.y()); };
    if (area.isEmpty() || device.type() > QTransform::TxScale || !whole(from) || !whole(to)) {
        painter->setPen(spanPen);
        painter->setBrush(spanBrush);
        painter->drawRect(area);
        return;
    }
    // The cosmetic pen's outline of drawRect(): one device pixel wide, through
    // the corners, to the right of and below them. With the corners on whole
    // device pixels, filling those four lines gives the same pixels at a
    // fraction of the cost of stroking them.
    painter->fillRect(area, spanBrush);
    const QTransform logical = device.inverted();
    const auto line = [&](qreal x, qreal y, qreal w, qreal h) {
        painter->fillRect(logical.mapRect(QRectF(x, y, w, h)), spanPen.color());
    };
    const qreal width = to.x() - from.x() + 1, height = to.y() - from.y() + 1;
    line(from.x(), from.y(), width, 1);
    line(from.x(), to.y(), width, 1);
    line(from.x(), from.y(), 1, height);
    line(to.x(), from.y(), 1, height);
}

void ZelSpanSliderPrivate::updateRange(int min, int max)
{
    Q_UNUSED(min)
    Q_UNUSED(max)
    slider->setSpan(lowerValue, upperValue);
}

void ZelSpanSliderPrivate::movePressedHandle()
{
    // Both positions count: after an exchange of roles during a drag with
    // tracking off, the handle that stood still holds the dragged one's old
    // value until this commit.
    if (lowerPosition != lowerValue || upperPosition != upperValue)
        commitPositions();
}

ZelSpanSlider::ZelSpanSlider(QWidget *parent)
    : ZelSpanSlider(Qt::Horizontal, parent)
{
}

ZelSpanSlider::ZelSpanSlider(Qt::Orientation orientation, QWidget *parent)
    : QSlider(orientation, parent)
    , d(std::make_unique<ZelSpanSliderPrivate>(this))
{
    connect(this, &QAbstractSlider::rangeChanged, d.get(), &ZelSpanSliderPrivate::updateRange);
    connect(this, &QAbstractSlider::sliderReleased, d.get(), &ZelSpanSliderPrivate::movePressedHandle);
}

ZelSpanSlider::~ZelSpanSlider() = default;

ZelSpanSlider::HandleMovementMode ZelSpanSlider::handleMovementMode() const
{
    return d->movementMode;
}

void ZelSpanSlider::setHandleMovementMode(HandleMovementMode mode)
{
    d->movementMode = mode;
}

int ZelSpanSlider::lowerValue() const
{
    return qMin(d->lowerValue, d->upperValue);
}

int ZelSpanSlider::upperValue() const
{
    return qMax(d->lowerValue, d->upperValue);
}

int ZelSpanSlider::lowerPosition() const
{
    return d->lowerPosition;
}

int ZelSpanSlider::upperPosition() const
{
    return d->upperPosition;
}

QRect ZelSpanSlider::lowerHandleRect() const
{
    QStyleOptionSlider opt;
    initStyleOptionForBorders(&opt, LowerHandle);
    opt.sliderPosition = d->lowerPosition;
    opt.sliderValue = lowerValue();
    return style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
}

QRect ZelSpanSlider::upperHandleRect() const
{
    QStyleOptionSlider opt;
    initStyleOptionForBorders(&opt, UpperHandle);
    opt.sliderPosition = d->upperPosition;
    opt.sliderValue = upperValue();
    return style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
}

bool ZelSpanSlider::isAnyHandlePressedNow() const
{
    return d->lowerPressedControl == QStyle::SC_SliderHandle || d->upperPressedControl == QStyle::SC_SliderHandle;
}

void ZelSpanSlider::initStyleOptionForHandles(QStyleOptionSlider *option) const
{
    QSlider::initStyleOption(option);
}

void ZelSpanSlider::initStyleOptionForBorders(QStyleOptionSlider *option, SpanHandle handle) const
{
    initStyleOptionForHandles(option);
    const int position = handle == LowerHandle ? d->lowerPosition : d->upperPosition;
    option->sliderPosition = position;
    option->sliderValue = position;
}

void ZelSpanSlider::initStyleOptionForSlider(QStyleOptionSlider *option) const
{
    QSlider::initStyleOption(option);
}

void ZelSpanSlider::setLowerValue(int lower)
{
    setSpan(lower, d->upperValue);
}

void ZelSpanSlider::setUpperValue(int upper)
{
    setSpan(d->lowerValue, upper);
}

void ZelSpanSlider::setSpan(int lower, int upper)
{
    const int lo = d->bound(qMin(lower, upper));
    const int hi = d->bound(qMax(lower, upper));

    if (lo != d->lowerValue) {
        d->lowerValue = lo;
        d->lowerPosition = lo;
        Q_EMIT lowerValueChanged(lo);
    } else if (hi == d->upperValue) {
        return;
    }
    if (hi != d->upperValue) {
        d->upperValue = hi;
        d->upperPosition = hi;
        Q_EMIT upperValueChanged(hi);
    }
    Q_EMIT spanChanged(d->lowerValue, d->upperValue);
    update();
}

void ZelSpanSlider::setLowerPosition(int lower)
{
    if (lower == d->lowerPosition)
        return;
    d->lowerPosition = lower;
    if (!hasTracking())
        update();
    if (isSliderDown())
        Q_EMIT lowerPositionChanged(lower);
    if (hasTracking() && !d->trackingBlocked)
        d->commitPositions();
}

void ZelSpanSlider::setUpperPosition(int upper)
{
    if (upper == d->upperPosition)
        return;
    d->upperPosition = upper;
    if (!hasTracking())
        update();
    if (isSliderDown())
        Q_EMIT upperPositionChanged(upper);
    if (hasTracking() && !d->trackingBlocked)
        d->commitPositions();
}

void ZelSpanSlider::mousePressEvent(QMouseEvent *event)
{
    if (minimum() == maximum() || event->buttons() != event->button()) {
        event->ignore();
        return;
    }
    const QPoint pos = event->position().toPoint();
    // The upper handle first: of two stacked handles the upper one is taken.
    d->handleMousePress(pos, d->upperPressedControl, d->upperValue, UpperHandle);
    if (d->upperPressedControl != QStyle::SC_SliderHandle)
        d->handleMousePress(pos, d->lowerPressedControl, d->lowerValue, LowerHandle);
    d->firstMove = true;
    event->accept();
}

void ZelSpanSlider::mouseMoveEvent(QMouseEvent *event)
{
    auto draggedHandle = [this] {
        if (d->lowerPressedControl == QStyle::SC_SliderHandle)
            return LowerHandle;
        if (d->upperPressedControl == QStyle::SC_SliderHandle)
            return UpperHandle;
        return NoHandle;
    };
    SpanHandle handle = draggedHandle();
    if (handle == NoHandle) {
        event->ignore();
        return;
    }

    QStyleOptionSlider opt;
    initStyleOptionForBorders(&opt, handle);
    const int m = style()->pixelMetric(QStyle::PM_MaximumDragDistance, &opt, this);

    const QPoint pos = event->position().toPoint();
    int newPosition =
        d->pixelPosToRangeValue((orientation() == Qt::Horizontal ? pos.x() : pos.y()) - d->pressOffset, handle);
    if (m >= 0 && !rect().adjusted(-m, -m, m, m).contains(pos))
        newPosition = d->pressValue;

    if (d->firstMove) {
        // Two stacked handles: dragging towards smaller values takes the
        // lower one.
        if (d->lowerValue == d->upperValue && newPosition < d->upperValue) {
            d->swapControls();
            handle = draggedHandle();
        }
        d->firstMove = false;
    }

    d->applyNewPosition(handle, newPosition);
    event->accept();
}

void ZelSpanSlider::mouseReleaseEvent(QMouseEvent *event)
{
    QSlider::mouseReleaseEvent(event);
    setSliderDown(false);
    d->lowerPressedControl = QStyle::SC_None;
    d->upperPressedControl = QStyle::SC_None;
    update();
}

void ZelSpanSlider::keyPressEvent(QKeyEvent *event)
{
    QSlider::keyPressEvent(event);

    const bool horizontal = orientation() == Qt::Horizontal;
    bool main = true;
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Home:
        main = d->mainHandle == LowerHandle;
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        main = d->mainHandle == UpperHandle;
        action = SliderToMaximum;
        break;
    case Qt::Key_Left:
        main = horizontal;
        action = invertedAppearance() ? SliderSingleStepAdd : SliderSingleStepSub;
        break;
    case Qt::Key_Right:
        main = horizontal;
        action = invertedAppearance() ? SliderSingleStepSub : SliderSingleStepAdd;
        break;
    case Qt::Key_Up:
        main = !horizontal;
        action = invertedControls() ? SliderSingleStepSub : SliderSingleStepAdd;
        break;
    case Qt::Key_Down:
        main = !horizontal;
        action = invertedControls() ? SliderSingleStepAdd : SliderSingleStepSub;
        break;
    default:
        event->ignore();
        return;
    }
    d->triggerAction(action, main);
}

void ZelSpanSlider::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QStylePainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // The groove, without tick marks.
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    opt.sliderPosition = 0;
    opt.sliderValue = 0;
    opt.subControls = QStyle::SC_SliderGroove;
    painter.drawComplexControl(QStyle::CC_Slider, opt);

    // The two handles' options serve for their rectangles and their drawing.
    QStyleOptionSlider lowerOpt;
    initStyleOptionForBorders(&lowerOpt, LowerHandle);
    QStyleOptionSlider upperOpt;
    initStyleOptionForBorders(&upperOpt, UpperHandle);

    const QStyle *s = style();
    lowerOpt.sliderValue = lowerValue();
    const QPoint lowerCenter = s->subControlRect(QStyle::CC_Slider, &lowerOpt, QStyle::SC_SliderHandle, this).center();
    lowerOpt.sliderValue = lowerOpt.sliderPosition;
    upperOpt.sliderValue = upperValue();
    const QPoint upperCenter = s->subControlRect(QStyle::CC_Slider, &upperOpt, QStyle::SC_SliderHandle, this).center();
    upperOpt.sliderValue = upperOpt.sliderPosition;

    // The span between the handle centres, 4 pixels across.
    QRect spanRect;
    if (orientation() == Qt::Horizontal) {
        const int c = (lowerCenter.y() + upperCenter.y()) / 2;
        spanRect = QRect(QPoint(qMin(lowerCenter.x(), upperCenter.x()), c - 2),
                         QPoint(qMax(lowerCenter.x(), upperCenter.x()), c + 1));
    } else {
        const int c = (lowerCenter.x() + upperCenter.x()) / 2;
        spanRect = QRect(QPoint(c - 2, qMin(lowerCenter.y(), upperCenter.y())),
                         QPoint(c + 1, qMax(lowerCenter.y(), upperCenter.y())));
    }
    d->drawSpan(&painter, spanRect);

    auto prepareHandle = [](QStyleOptionSlider &handleOpt, QStyle::SubControl pressed) {
        handleOpt.subControls = QStyle::SC_SliderHandle;
        if (pressed == QStyle::SC_SliderHandle) {
            handleOpt.activeSubControls = QStyle::SC_SliderHandle;
            handleOpt.state |= QStyle::State_Sunken;
        }
    };
    prepareHandle(lowerOpt, d->lowerPressedControl);
    prepareHandle(upperOpt, d->upperPressedControl);

    // The handle pressed last lies on top.
    if (d->lastPressedHandle == LowerHandle) {
        painter.drawComplexControl(QStyle::CC_Slider, upperOpt);
        painter.drawComplexControl(QStyle::CC_Slider, lowerOpt);
    } else {
        painter.drawComplexControl(QStyle::CC_Slider, lowerOpt);
        painter.drawComplexControl(QStyle::CC_Slider, upperOpt);
    }
}
