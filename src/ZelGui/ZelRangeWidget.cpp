#include <ZelGui/ZelRangeWidget.h>

#include "ZelKeyboard_p.h"

#include <ZelCore/MathUtils.h>

#include <QHBoxLayout>

#include <limits>

namespace {

// roundIntegerValueToNearest() for offsets beyond int (a range spanning
// most of int): the same rule, halfway values away from zero, in 64 bits.
qint64 roundToNearest(qint64 value, qint64 step)
{
    if (value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max())
        return MathUtils::roundIntegerValueToNearest(int(value), int(step));
    const qint64 remainder = value % step;
    const qint64 towardZero = value - remainder;
    const qint64 absRemainder = remainder < 0 ? -remainder : remainder;
    if (2 * absRemainder < step)
        return towardZero;
    return towardZero + (value < 0 ? -step : step);
}

} // namespace

ZelRangeWidget::ZelRangeWidget(QWidget *parent)
    : ZelRangeWidgetT(parent)
    , m_spinBoxWidget(new QSpinBox(this))
    , m_sliderWidget(new QSlider(this))
{
    m_sliderWidget->setOrientation(Qt::Horizontal);
    m_spinBoxWidget->setFixedHeight(20);

    init(m_sliderWidget, m_spinBoxWidget);
    new ZelControlNames(this, {{m_spinBoxWidget, tr("Value")}, {m_sliderWidget, tr("Value slider")}});

    connect(m_spinBoxWidget, &QSpinBox::valueChanged, this, &ZelRangeWidget::setValue);
    connect(m_sliderWidget, &QSlider::sliderPressed, this, &ZelRangeWidget::pressed);
    connect(m_sliderWidget, &QSlider::sliderReleased, this, &ZelRangeWidget::released);

    m_sliderValueConnection = connect(
        m_sliderWidget, &QSlider::valueChanged, m_sliderWidget,
        [this](int position) { setValueInner(fromSliderPosition(position)); }, Qt::DirectConnection);
    m_sliderMovedConnection = connect(
        m_sliderWidget, &QSlider::sliderMoved, m_sliderWidget,
        [this](int position) { Q_EMIT moved(fromSliderPosition(position)); }, Qt::DirectConnection);

    auto *layout = new QHBoxLayout(this);
    // No frame of its own: the editor lines up with the controls beside it in a form.
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_sliderWidget);
    layout->addWidget(m_spinBoxWidget);

    setValueInner(0);
    ZelRangeWidgetT::setRange(ZelMinMaxRange<int>(0, 0, m_singleStep));
}

ZelRangeWidget::~ZelRangeWidget() = default;

void ZelRangeWidget::setValue(int value)
{
    setValueInner(value);
}

void ZelRangeWidget::setMinimum(int min)
{
    ZelRangeWidgetT::setRange(ZelMinMaxRange<int>(min, m_spinBox->maximum(), m_singleStep));
}

void ZelRangeWidget::setMaximum(int max)
{
    ZelRangeWidgetT::setRange(ZelMinMaxRange<int>(m_spinBox->minimum(), max, m_singleStep));
}

void ZelRangeWidget::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
}

void ZelRangeWidget::setRange(ZelMinMaxRange<int> range)
{
    ZelRangeWidgetT::setRange(range);
}

void ZelRangeWidget::setRange(int min, int max)
{
    ZelRangeWidgetT::setRange(ZelMinMaxRange<int>(min, max, m_singleStep));
}

void ZelRangeWidget::setSingleStep(int step)
{
    ZelRangeWidgetT::setSingleStep(step);
}

void ZelRangeWidget::emitValueChanged()
{
    Q_EMIT valueChanged(roundValueUsingSingleStep(m_value));
}

// The grid starts at the minimum, so that the minimum itself stays
// reachable whatever the step. The offset from the minimum and the sum are
// taken in 64 bits (a range may span all of int); a result beyond int is
// saturated.
int ZelRangeWidget::roundValueUsingSingleStep(int value) const
{
    if (m_singleStep < 2)
        return value;
    const qint64 minimum = m_spinBox->minimum();
    const qint64 snapped = minimum + roundToNearest(qint64(value) - minimum, m_singleStep);
    return int(qBound(qint64(std::numeric_limits<int>::min()), snapped, qint64(std::numeric_limits<int>::max())));
}
