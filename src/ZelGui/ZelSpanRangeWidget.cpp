#include <ZelGui/ZelSpanRangeWidget.h>

#include "ZelSpanRangeWidget_p.h"

#include <ZelGui/ZelTipLabel.h>

#include <QBoxLayout>
#include <QEvent>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// Extra margin of the hover tip around its text.
constexpr unsigned int TipMargin = 2;
// The tip sits this far above the top of the handle.
constexpr int TipDistance = 20;
// Room the tip keeps beside the text.
constexpr int TipTextSlack = 7;
// A tip the mouse rests under goes away after this long.
constexpr int TipLifetimeMs = 1000;

} // namespace

ZelSpanRangeWidgetPrivate::ZelSpanRangeWidgetPrivate(ZelSpanRangeWidget *owner)
    : widget(owner)
    , lowSpin(new QSpinBox(owner))
    , highSpin(new QSpinBox(owner))
    , slider(new ZelSpanSlider(Qt::Horizontal, owner))
    , tipLabel(new ZelTipLabel(TipMargin, owner))
    , tipTimer(new QTimer(owner))
{
    lowSpin->setObjectName(QStringLiteral("lowSpin"));
    highSpin->setObjectName(QStringLiteral("highSpin"));
    slider->setObjectName(QStringLiteral("slider"));
    // Typed values count once editing is finished, not per keystroke.
    lowSpin->setKeyboardTracking(false);
    highSpin->setKeyboardTracking(false);
    lowSpin->setVisible(settingsVisible);
    highSpin->setVisible(settingsVisible);
    tipTimer->setSingleShot(true);
    tipTimer->setInterval(TipLifetimeMs);
}

bool ZelSpanRangeWidgetPrivate::applySettingsVisible(bool value)
{
    if (value == settingsVisible)
        return false;
    settingsVisible = value;
    lowSpin->setVisible(value);
    highSpin->setVisible(value);
    return true;
}

void ZelSpanRangeWidgetPrivate::showSliderSpan()
{
    syncingSpins = true;
    lowSpin->setValue(slider->lowerValue());
    highSpin->setValue(slider->upperValue());
    syncingSpins = false;
}

void ZelSpanRangeWidgetPrivate::hideTip()
{
    tipTimer->stop();
    if (tipLabel)
        tipLabel->hide();
}

ZelSpanRangeWidget::ZelSpanRangeWidget(QWidget *parent)
    : ZelSpanRangeWidget(Qt::Horizontal, parent)
{
}

ZelSpanRangeWidget::ZelSpanRangeWidget(Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent)
    , d(new ZelSpanRangeWidgetPrivate(this))
{
    connect(d->lowSpin, &QSpinBox::valueChanged, this, &ZelSpanRangeWidget::onLowChanged);
    connect(d->highSpin, &QSpinBox::valueChanged, this, &ZelSpanRangeWidget::onHighChanged);
    connect(d->slider.data(), &ZelSpanSlider::spanChanged, this, &ZelSpanRangeWidget::onSpanChanged);
    connect(d->tipTimer, &QTimer::timeout, this, [this] { d->hideTip(); });
    init(orientation);
}

ZelSpanRangeWidget::~ZelSpanRangeWidget()
{
    // The children outlive this part of the object; keep their events and
    // signals from reaching it.
    if (d->slider) {
        d->slider->removeEventFilter(this);
        d->slider->disconnect(this);
    }
    d->lowSpin->removeEventFilter(this);
    d->highSpin->removeEventFilter(this);
    d->lowSpin->disconnect(this);
    d->highSpin->disconnect(this);
}

void ZelSpanRangeWidget::init(Qt::Orientation orientation)
{
    d->slider->setOrientation(orientation);

    auto *spins = new QHBoxLayout;
    spins->addWidget(d->lowSpin);
    spins->addStretch(1);
    spins->addWidget(d->highSpin);
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->slider);
    layout->addLayout(spins);
    setLayout(layout);

    // Hover movements must reach the filter for the value tips.
    d->slider->setAttribute(Qt::WA_MouseTracking);

    d->slider->installEventFilter(this);
    d->lowSpin->installEventFilter(this);
    d->highSpin->installEventFilter(this);
}

int ZelSpanRangeWidget::lowerValue() const
{
    return d->slider->lowerValue();
}

int ZelSpanRangeWidget::upperValue() const
{
    return d->slider->upperValue();
}

void ZelSpanRangeWidget::setLowerValue(int value)
{
    d->lowSpin->setValue(value);
    d->slider->setSpan(value, d->slider->upperValue());
}

void ZelSpanRangeWidget::setUpperValue(int value)
{
    d->highSpin->setValue(value);
    d->slider->setSpan(d->slider->lowerValue(), value);
}

void ZelSpanRangeWidget::setSpan(int lower, int upper)
{
    if (lower > upper)
        std::swap(lower, upper);
    // One end after the other, and the span must stay ordered in between:
    // the upper end first, unless it falls below the current lower value.
    const auto setUpperEnd = [this, upper] {
        d->highSpin->setValue(upper);
        d->slider->setSpan(d->slider->lowerValue(), upper);
    };
    const auto setLowerEnd = [this, lower] {
        d->lowSpin->setValue(lower);
        d->slider->setSpan(lower, d->slider->upperValue());
    };
    if (upper >= d->slider->lowerValue()) {
        setUpperEnd();
        setLowerEnd();
    } else {
        setLowerEnd();
        setUpperEnd();
    }
}

int ZelSpanRangeWidget::minimum() const
{
    return d->slider->minimum();
}

int ZelSpanRangeWidget::maximum() const
{
    return d->slider->maximum();
}

void ZelSpanRangeWidget::setMinimum(int value)
{
    d->lowSpin->setMinimum(value);
    d->slider->setMinimum(value);
}

void ZelSpanRangeWidget::setMaximum(int value)
{
    d->slider->setMaximum(value);
}

void ZelSpanRangeWidget::setRange(int minimum, int maximum)
{
    maximum = std::max(minimum, maximum);
    d->lowSpin->setRange(minimum, maximum);
    d->highSpin->setRange(minimum, maximum);
    d->lowSpin->setMinimum(minimum);
    d->slider->setMinimum(minimum);
    d->slider->setMaximum(maximum);
}

ZelSpanSlider::HandleMovementMode ZelSpanRangeWidget::handleMovementMode() const
{
    return d->slider->handleMovementMode();
}

void ZelSpanRangeWidget::setHandleMovementMode(ZelSpanSlider::HandleMovementMode mode)
{
    d->slider->setHandleMovementMode(mode);
}

QSlider::TickPosition ZelSpanRangeWidget::tickPosition() const
{
    return d->slider->tickPosition();
}

void ZelSpanRangeWidget::setTickPosition(QSlider::TickPosition position)
{
    d->slider->setTickPosition(position);
}

bool ZelSpanRangeWidget::settingsVisible() const
{
    return d->settingsVisible;
}

void ZelSpanRangeWidget::setSettingsVisible(bool value)
{
    if (d->applySettingsVisible(value))
        Q_EMIT settingsVisibleChanged(value);
}

void ZelSpanRangeWidget::onLowChanged(int value)
{
    if (d->syncingSpins)
        return;
    const int high = d->highSpin->value();
    if (high >= value) {
        d->slider->setSpan(value, high);
        // A value beyond the slider's range is not kept.
        d->showSliderSpan();
    } else {
        d->lowSpin->setValue(high); // comes back here and commits the equal pair
    }
}

void ZelSpanRangeWidget::onHighChanged(int value)
{
    if (d->syncingSpins)
        return;
    const int low = d->lowSpin->value();
    if (low <= value) {
        d->slider->setSpan(low, value);
        d->showSliderSpan();
    } else {
        d->highSpin->setValue(low);
    }
}

void ZelSpanRangeWidget::onSpanChanged(int lower, int upper)
{
    // Both spin boxes take the new span before either reports back: the
    // first one written must not send the slider back towards the other's
    // old value.
    d->syncingSpins = true;
    d->lowSpin->setValue(lower);
    d->highSpin->setValue(upper);
    d->syncingSpins = false;
    Q_EMIT spanChanged(lower, upper);

    // A spin box whose own range could not hold its end of the span bounds
    // the slider in turn, as an edit of it would.
    const int low = d->lowSpin->value();
    const int high = d->highSpin->value();
    if ((low != lower || high != upper) && low <= high)
        d->slider->setSpan(low, high);
}

bool ZelSpanRangeWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != d->slider)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
        d->hideTip();
        break;
    case QEvent::MouseButtonDblClick:
        setSettingsVisible(!d->settingsVisible);
        break;
    case QEvent::MouseMove:
        updateTip(static_cast<QMouseEvent *>(event)->position().toPoint());
        break;
    default:
        break;
    }
    return false;
}

void ZelSpanRangeWidget::updateTip(const QPoint &pos)
{
    if (!d->lowSpin->isHidden() || !d->highSpin->isHidden() || !d->tipLabel) {
        d->hideTip();
        return;
    }

    const QRect lowerRect = d->slider->lowerHandleRect();
    const QRect upperRect = d->slider->upperHandleRect();
    const QString pattern = tr("Value: %1 ");
    QString text;
    QRect handleRect;
    if (lowerRect.contains(pos)) {
        text = pattern.arg(d->slider->lowerValue());
        handleRect = lowerRect;
    } else if (upperRect.contains(pos)) {
        text = pattern.arg(d->slider->upperValue());
        handleRect = upperRect;
    } else {
        d->hideTip();
        return;
    }

    ZelTipLabel *tip = d->tipLabel;
    if (text != tip->tipText()) {
        tip->setFixedWidth(tip->fontMetrics().boundingRect(text).width() + TipTextSlack);
        tip->setTipText(text);
    }
    tip->move(d->slider->mapToGlobal(QPoint(pos.x(), handleRect.top() - TipDistance)));
    tip->show();
    d->tipTimer->start();
}
