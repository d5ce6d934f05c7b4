#include "ZelAccessible.h"
#include "ZelSpanSlider_p.h"

#include <ZelGui/ZelHSLHistogram.h>
#include <ZelGui/ZelHSLThermoBar.h>
#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelSpanSliderWithIntermediateValue.h>
#include <ZelGui/ZelTrayMessage.h>

#include <qwt_scale_div.h>

#include <QLabel>

namespace {

QString handleName(ZelAccessibleSpanHandle::Kind kind)
{
    switch (kind) {
    case ZelAccessibleSpanHandle::Lower:
        return ZelAccessibleTexts::tr("Lower handle");
    case ZelAccessibleSpanHandle::Upper:
        return ZelAccessibleTexts::tr("Upper handle");
    case ZelAccessibleSpanHandle::Intermediate:
        break;
    }
    return ZelAccessibleTexts::tr("Intermediate value");
}

QString rangeText(int minimum, int maximum, int first, int second)
{
    return ZelAccessibleTexts::tr("Range %1 to %2, selection %3 to %4")
        .arg(minimum)
        .arg(maximum)
        .arg(first)
        .arg(second);
}

// The widget's own name, its buddy label's text, or the fallback.
QString nameOr(const QAccessibleWidget *iface, const QString &fallback)
{
    const QString own = iface->QAccessibleWidget::text(QAccessible::Name);
    return own.isEmpty() ? fallback : own;
}

ZelThermoBarSpan *barOf(const ZelThermoBarSpanHandler *handler)
{
    return handler ? qobject_cast<ZelThermoBarSpan *>(handler->parentWidget()) : nullptr;
}

void announceDescription(QObject *object)
{
    QAccessibleEvent event(object, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void installFactory()
{
    QAccessible::installFactory(&ZelAccessible::factory);
}

void removeFactory()
{
    QAccessible::removeFactory(&ZelAccessible::factory);
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(installFactory)
Q_DESTRUCTOR_FUNCTION(removeFactory)

QAccessibleInterface *ZelAccessible::factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    // Qt asks once per class up the hierarchy, most derived first: each
    // branch answers for its class and whatever derives from it.
    if (className == QLatin1String("ZelSpanSlider") || className == QLatin1String("ZelSpanSliderWithIntermediateValue"))
        return new ZelAccessibleSpanSlider(static_cast<ZelSpanSlider *>(widget));
    if (className == QLatin1String("ZelThermoBarSpanHandler"))
        return new ZelAccessibleThermoHandle(static_cast<ZelThermoBarSpanHandler *>(widget));
    if (className == QLatin1String("ZelHSLThermoBarRotate"))
        return new ZelAccessibleDisplay(widget, QAccessible::Slider);
    if (className == QLatin1String("ZelThermoBar"))
        return new ZelAccessibleDisplay(widget, QAccessible::Graphic);
    if (className == QLatin1String("ZelHSLHistogram"))
        return new ZelAccessibleDisplay(widget, QAccessible::Chart);
    if (className == QLatin1String("ZelTrayMessage"))
        return new ZelAccessibleTrayMessage(widget);
    return nullptr;
}

void ZelAccessible::announceValue(QAccessibleInterface *iface, const QVariant &value)
{
    if (!iface)
        return;
    QAccessibleValueChangeEvent event(iface, value);
    QAccessible::updateAccessibility(&event);
}

// ZelAccessibleSpanHandle

ZelAccessibleSpanHandle::ZelAccessibleSpanHandle(ZelSpanSlider *slider, Kind kind)
    : m_slider(slider)
    , m_kind(kind)
{
}

bool ZelAccessibleSpanHandle::isValid() const
{
    return !m_slider.isNull();
}

QObject *ZelAccessibleSpanHandle::object() const
{
    return nullptr;
}

QWindow *ZelAccessibleSpanHandle::window() const
{
    QAccessibleInterface *p = parent();
    return p ? p->window() : nullptr;
}

QAccessibleInterface *ZelAccessibleSpanHandle::parent() const
{
    return m_slider ? QAccessible::queryAccessibleInterface(m_slider.data()) : nullptr;
}

QAccessibleInterface *ZelAccessibleSpanHandle::child(int) const
{
    return nullptr;
}

int ZelAccessibleSpanHandle::childCount() const
{
    return 0;
}

int ZelAccessibleSpanHandle::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

QAccessibleInterface *ZelAccessibleSpanHandle::childAt(int, int) const
{
    return nullptr;
}

QString ZelAccessibleSpanHandle::text(QAccessible::Text t) const
{
    if (!m_slider)
        return {};
    switch (t) {
    case QAccessible::Name:
        return handleName(m_kind);
    case QAccessible::Value:
        return QString::number(currentValue().toInt());
    default:
        return {};
    }
}

void ZelAccessibleSpanHandle::setText(QAccessible::Text, const QString &) { }

QRect ZelAccessibleSpanHandle::rect() const
{
    if (!m_slider)
        return {};
    QRect local;
    switch (m_kind) {
    case Lower:
        local = m_slider->lowerHandleRect();
        break;
    case Upper:
        local = m_slider->upperHandleRect();
        break;
    case Intermediate:
        local = static_cast<ZelSpanSliderWithIntermediateValue *>(m_slider.data())->intermediateHandleRect();
        break;
    }
    return QRect(m_slider->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role ZelAccessibleSpanHandle::role() const
{
    return QAccessible::Slider;
}

QAccessible::State ZelAccessibleSpanHandle::state() const
{
    QAccessible::State s;
    if (!m_slider) {
        s.invalid = true;
        return s;
    }
    s.invisible = !m_slider->isVisible();
    s.disabled = !m_slider->isEnabled();
    s.focusable = m_slider->focusPolicy() != Qt::NoFocus;
    if (m_kind != Intermediate) {
        const QStyle::SubControl held =
            m_kind == Lower ? m_slider->d->lowerPressedControl : m_slider->d->upperPressedControl;
        s.pressed = held == QStyle::SC_SliderHandle;
    }
    return s;
}

void *ZelAccessibleSpanHandle::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this) : nullptr;
}

QVariant ZelAccessibleSpanHandle::currentValue() const
{
    if (!m_slider)
        return {};
    switch (m_kind) {
    case Lower:
        return m_slider->lowerValue();
    case Upper:
        return m_slider->upperValue();
    case Intermediate:
        break;
    }
    return static_cast<ZelSpanSliderWithIntermediateValue *>(m_slider.data())->intermediateValue();
}

void ZelAccessibleSpanHandle::setCurrentValue(const QVariant &value)
{
    bool ok = false;
    const int v = value.toInt(&ok);
    if (!m_slider || !ok)
        return;
    switch (m_kind) {
    case Lower:
        m_slider->setLowerValue(v);
        break;
    case Upper:
        m_slider->setUpperValue(v);
        break;
    case Intermediate:
        static_cast<ZelSpanSliderWithIntermediateValue *>(m_slider.data())->setIntermediateValue(v);
        break;
    }
}

// The intermediate value lives inside the span, so its bounds are the span's.
QVariant ZelAccessibleSpanHandle::maximumValue() const
{
    if (!m_slider)
        return {};
    return m_kind == Intermediate ? m_slider->upperValue() : m_slider->maximum();
}

QVariant ZelAccessibleSpanHandle::minimumValue() const
{
    if (!m_slider)
        return {};
    return m_kind == Intermediate ? m_slider->lowerValue() : m_slider->minimum();
}

QVariant ZelAccessibleSpanHandle::minimumStepSize() const
{
    return m_slider ? QVariant(m_slider->singleStep()) : QVariant();
}

// ZelAccessibleSpanSlider

ZelAccessibleSpanSlider::ZelAccessibleSpanSlider(ZelSpanSlider *slider)
    : QAccessibleWidget(slider, QAccessible::Slider)
    , m_watch(std::make_unique<QObject>())
{
    m_handles.push_back(new ZelAccessibleSpanHandle(slider, ZelAccessibleSpanHandle::Lower));
    m_handles.push_back(new ZelAccessibleSpanHandle(slider, ZelAccessibleSpanHandle::Upper));
    auto *withIntermediate = qobject_cast<ZelSpanSliderWithIntermediateValue *>(slider);
    if (withIntermediate)
        m_handles.push_back(new ZelAccessibleSpanHandle(slider, ZelAccessibleSpanHandle::Intermediate));
    for (ZelAccessibleSpanHandle *handle : m_handles)
        QAccessible::registerAccessibleInterface(handle);

    QObject *watch = m_watch.get();
    ZelAccessibleSpanHandle *lower = m_handles[0];
    ZelAccessibleSpanHandle *upper = m_handles[1];
    QObject::connect(slider, &ZelSpanSlider::lowerValueChanged, watch,
                     [lower](int value) { ZelAccessible::announceValue(lower, value); });
    QObject::connect(slider, &ZelSpanSlider::upperValueChanged, watch,
                     [upper](int value) { ZelAccessible::announceValue(upper, value); });
    if (withIntermediate) {
        ZelAccessibleSpanHandle *intermediate = m_handles[2];
        QObject::connect(withIntermediate, &ZelSpanSliderWithIntermediateValue::intermediateChanged, watch,
                         [intermediate](int value) { ZelAccessible::announceValue(intermediate, value); });
    }
}

ZelAccessibleSpanSlider::~ZelAccessibleSpanSlider()
{
    m_watch.reset();
    for (ZelAccessibleSpanHandle *handle : m_handles)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(handle));
}

ZelSpanSlider *ZelAccessibleSpanSlider::slider() const
{
    return static_cast<ZelSpanSlider *>(widget());
}

QAccessibleInterface *ZelAccessibleSpanSlider::child(int index) const
{
    return index >= 0 && index < int(m_handles.size()) ? m_handles[size_t(index)] : nullptr;
}

int ZelAccessibleSpanSlider::childCount() const
{
    return int(m_handles.size());
}

int ZelAccessibleSpanSlider::indexOfChild(const QAccessibleInterface *child) const
{
    for (size_t i = 0; i < m_handles.size(); ++i) {
        if (m_handles[i] == child)
            return int(i);
    }
    return -1;
}

// The intermediate handle is drawn above the span handles, so it is found
// first.
QAccessibleInterface *ZelAccessibleSpanSlider::childAt(int x, int y) const
{
    for (auto it = m_handles.rbegin(); it != m_handles.rend(); ++it) {
        if ((*it)->rect().contains(x, y))
            return *it;
    }
    return nullptr;
}

QString ZelAccessibleSpanSlider::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return nameOr(this, ZelAccessibleTexts::tr("Span slider"));
    case QAccessible::Value:
        return ZelAccessibleTexts::tr("%1 to %2").arg(slider()->lowerValue()).arg(slider()->upperValue());
    default:
        return QAccessibleWidget::text(t);
    }
}

// ZelAccessibleThermoHandle

ZelAccessibleThermoHandle::ZelAccessibleThermoHandle(ZelThermoBarSpanHandler *handler)
    : QAccessibleWidget(handler, QAccessible::Slider)
{
}

ZelThermoBarSpanHandler *ZelAccessibleThermoHandle::handler() const
{
    return static_cast<ZelThermoBarSpanHandler *>(widget());
}

QString ZelAccessibleThermoHandle::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return nameOr(this,
                      handleName(handler()->type() == ZelThermoBarSpanHandler::Min ? ZelAccessibleSpanHandle::Lower
                                                                                   : ZelAccessibleSpanHandle::Upper));
    case QAccessible::Value:
        return currentValue().toString();
    default:
        return QAccessibleWidget::text(t);
    }
}

void *ZelAccessibleThermoHandle::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant ZelAccessibleThermoHandle::currentValue() const
{
    const ZelThermoBarSpan *bar = barOf(handler());
    if (!bar)
        return {};
    return handler()->type() == ZelThermoBarSpanHandler::Min ? bar->spanMin() : bar->spanMax();
}

// Through the bar's setters, which keep the handles apart and announce the
// change.
void ZelAccessibleThermoHandle::setCurrentValue(const QVariant &value)
{
    ZelThermoBarSpan *bar = barOf(handler());
    bool ok = false;
    const int v = value.toInt(&ok);
    if (!bar || !ok)
        return;
    if (handler()->type() == ZelThermoBarSpanHandler::Min)
        bar->setSpanMin(v);
    else
        bar->setSpanMax(v);
}

QVariant ZelAccessibleThermoHandle::maximumValue() const
{
    const ZelThermoBarSpan *bar = barOf(handler());
    return bar ? QVariant(bar->range().second) : QVariant();
}

QVariant ZelAccessibleThermoHandle::minimumValue() const
{
    const ZelThermoBarSpan *bar = barOf(handler());
    return bar ? QVariant(bar->range().first) : QVariant();
}

QVariant ZelAccessibleThermoHandle::minimumStepSize() const
{
    return 1;
}

// ZelAccessibleDisplay

ZelAccessibleDisplay::ZelAccessibleDisplay(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
    , m_watch(std::make_unique<QObject>())
{
    QObject *watch = m_watch.get();
    if (auto *span = qobject_cast<ZelThermoBarSpan *>(widget)) {
        const auto announce = [span](ZelThermoBarSpanHandler *handler, int value) {
            ZelAccessible::announceValue(QAccessible::queryAccessibleInterface(handler), value);
            announceDescription(span);
        };
        QObject::connect(span, &ZelThermoBarSpan::spanMinChanged, watch,
                         [span, announce](int value) { announce(span->minHandler(), value); });
        QObject::connect(span, &ZelThermoBarSpan::spanMaxChanged, watch,
                         [span, announce](int value) { announce(span->maxHandler(), value); });
        QObject::connect(span, &ZelThermoBarSpan::rangeChanged, watch, [span] { announceDescription(span); });
    } else if (auto *rotate = qobject_cast<ZelHSLThermoBarRotate *>(widget)) {
        QObject::connect(rotate, &ZelHSLThermoBarRotate::translateStartStepChanged, watch, [rotate](int step) {
            ZelAccessible::announceValue(QAccessible::queryAccessibleInterface(rotate), step);
        });
    }
}

ZelAccessibleDisplay::~ZelAccessibleDisplay() = default;

QString ZelAccessibleDisplay::text(QAccessible::Text t) const
{
    QWidget *w = widget();
    if (auto *histogram = qobject_cast<ZelHSLHistogram *>(w)) {
        if (t == QAccessible::Name)
            return nameOr(this, ZelAccessibleTexts::tr("Histogram"));
        if (t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        const HSLHistogram data = histogram->data();
        const QwtScaleDiv &scale = histogram->axisScaleDiv(QwtAxis::XBottom);
        const int minimum = int(scale.lowerBound());
        const int maximum = int(scale.upperBound());
        switch (histogram->component()) {
        case ZelHSLHistogram::Hue:
            return rangeText(minimum, maximum, data.hueMin, data.hueMax);
        case ZelHSLHistogram::Saturation:
            return rangeText(minimum, maximum, data.saturationMin, data.saturationMax);
        case ZelHSLHistogram::Lightness:
            return rangeText(minimum, maximum, data.lightnessMin, data.lightnessMax);
        }
        return {};
    }

    if (auto *rotate = qobject_cast<ZelHSLThermoBarRotate *>(w)) {
        if (t == QAccessible::Name)
            return nameOr(this, ZelAccessibleTexts::tr("Colour bar"));
        if (t == QAccessible::Value)
            return QString::number(rotate->translateStartStep());
        return QAccessibleWidget::text(t);
    }

    auto *bar = static_cast<ZelThermoBar *>(w);
    if (t == QAccessible::Name)
        return nameOr(this, ZelAccessibleTexts::tr("Colour bar"));
    if (t != QAccessible::Description)
        return QAccessibleWidget::text(t);
    if (auto *span = qobject_cast<ZelThermoBarSpan *>(bar))
        return rangeText(span->range().first, span->range().second, span->spanMin(), span->spanMax());
    return ZelAccessibleTexts::tr("Range %1 to %2").arg(bar->lowerBound()).arg(bar->upperBound());
}

// ZelAccessibleTrayMessage

ZelAccessibleTrayMessage::ZelAccessibleTrayMessage(QWidget *widget)
    : QAccessibleWidget(widget, QAccessible::Notification)
{
}

QString ZelAccessibleTrayMessage::text(QAccessible::Text t) const
{
    const char *label = nullptr;
    if (t == QAccessible::Name)
        label = "labelTitle";
    else if (t == QAccessible::Description)
        label = "labelText";
    if (!label)
        return QAccessibleWidget::text(t);
    const auto *found = widget()->findChild<QLabel *>(QLatin1String(label));
    return found ? found->text() : QString();
}
