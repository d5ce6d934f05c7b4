#include <ZelGui/ZelDoubleSlider.h>

#include <cmath>
#include <limits>

namespace {

// qRound that stays defined for any double: NaN gives 0, values beyond int
// give its limits (the slider then clamps them into its range).
int roundToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return qRound(value);
}

} // namespace

ZelDoubleSlider::ZelDoubleSlider(QWidget *parent)
    : QSlider(parent)
{
    connect(this, &QSlider::valueChanged, this, &ZelDoubleSlider::translateToDouble);
    updateRange();
}

ZelDoubleSlider::~ZelDoubleSlider() = default;

double ZelDoubleSlider::value() const
{
    return m_value;
}

double ZelDoubleSlider::minimum() const
{
    return m_minimum;
}

double ZelDoubleSlider::maximum() const
{
    return m_maximum;
}

double ZelDoubleSlider::singleStep() const
{
    return m_singleStep;
}

void ZelDoubleSlider::setRange(double min, double max)
{
    m_minimum = min;
    m_maximum = max;
    updateRange();
}

void ZelDoubleSlider::setMinimum(double min)
{
    m_minimum = min;
    updateRange();
}

void ZelDoubleSlider::setMaximum(double max)
{
    m_maximum = max;
    updateRange();
}

void ZelDoubleSlider::setSingleStep(double step)
{
    m_singleStep = step;
    updateRange();
}

void ZelDoubleSlider::updateRange()
{
    QSlider::setRange(0, roundToInt((m_maximum - m_minimum) / m_singleStep));
    QSlider::setSingleStep(1);
    QSlider::setPageStep(1);
    if (m_value < m_minimum)
        m_value = m_minimum;
    if (m_value > m_maximum)
        m_value = m_maximum;
    QSlider::setValue(positionOf(m_value));
}

void ZelDoubleSlider::setValue(double value)
{
    if (value < m_minimum)
        value = m_minimum;
    if (value > m_maximum)
        value = m_maximum;
    m_value = value;
    // Emits through translateToDouble only when the position changes.
    QSlider::setValue(positionOf(m_value));
}

void ZelDoubleSlider::translateToDouble(int sliderValue)
{
    m_value = sliderValue * m_singleStep + m_minimum;
    Q_EMIT doubleValueChanged(m_value);
}

// NaN (no value) goes to the lowest position.
int ZelDoubleSlider::positionOf(double value) const
{
    const double position = (value - m_minimum) / m_singleStep;
    if (std::isnan(position))
        return QSlider::minimum();
    return roundToInt(position);
}
