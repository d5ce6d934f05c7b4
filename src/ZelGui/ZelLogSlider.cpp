#include <ZelGui/ZelLogSlider.h>

#include <cmath>

namespace {

// The slider limit of a logarithm: truncated towards zero; 0 where the
// bound has no finite logarithm.
int limitOf(double logarithm)
{
    if (!std::isfinite(logarithm))
        return 0;
    return int(logarithm); // |log10| of any double is below 400
}

} // namespace

ZelLogSlider::ZelLogSlider(QWidget *parent)
    : QSlider(parent)
{
    QSlider::setMinimum(0);
    QSlider::setMaximum(0);
    QSlider::setValue(0);
    connect(this, &QSlider::valueChanged, this, &ZelLogSlider::onValueChanged);
}

ZelLogSlider::~ZelLogSlider() = default;

ZelMinMaxRange<double> ZelLogSlider::range() const
{
    return m_range;
}

void ZelLogSlider::setRange(ZelMinMaxRange<double> range)
{
    m_range = range;
    QSlider::setMinimum(limitOf(mapFromValue(range.min)));
    QSlider::setMaximum(limitOf(mapFromValue(range.max)));
}

double ZelLogSlider::currentValue() const
{
    return m_currentValue;
}

void ZelLogSlider::setCurrentValue(double value)
{
    if (qFuzzyCompare(value, m_currentValue))
        return;
    m_currentValue = value;
    Q_EMIT currentValueChanged(value);
}

double ZelLogSlider::mapFromValue(double value) const
{
    return std::log10(value);
}

double ZelLogSlider::mapToValue(double position) const
{
    double value = std::pow(10.0, position);
    // Truncated limits can reach a decade beyond a bound.
    if (value < m_range.min)
        value = m_range.min;
    if (value > m_range.max)
        value = m_range.max;
    return value;
}

void ZelLogSlider::onValueChanged(int position)
{
    const double value = mapToValue(position);
    if (qFuzzyCompare(value, m_currentValue))
        return;
    m_currentValue = value;
    Q_EMIT currentValueChanged(value);
}
