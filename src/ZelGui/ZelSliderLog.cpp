#include <ZelGui/ZelSliderLog.h>

#include <cmath>
#include <limits>

ZelSliderLog::ZelSliderLog(QWidget *parent)
    : ZelDoubleSlider(parent)
{
    connect(this, &ZelDoubleSlider::doubleValueChanged, this, &ZelSliderLog::valueChange);
    connect(this, &QSlider::sliderMoved, this, &ZelSliderLog::moveChange);
}

ZelSliderLog::~ZelSliderLog() = default;

void ZelSliderLog::setValue(double value)
{
    ZelDoubleSlider::setValue(exponentOf(value));
}

double ZelSliderLog::value() const
{
    return std::pow(m_base, ZelDoubleSlider::value());
}

void ZelSliderLog::setBase(double base)
{
    m_base = base;
}

double ZelSliderLog::base() const
{
    return m_base;
}

void ZelSliderLog::setRange(double min, double max)
{
    ZelDoubleSlider::setRange(exponentOf(min), exponentOf(max));
}

void ZelSliderLog::valueChange(double value)
{
    Q_EMIT valueChangedLog(std::pow(m_base, value));
}

void ZelSliderLog::moveChange(int value)
{
    Q_EMIT sliderMovedLog(std::pow(m_base, value));
}

// The logarithm of value to the base; NaN where there is none: a value that
// is not positive, or a base of 1, from which no exponent reaches another
// value (the logarithm of 1 would divide by 0).
double ZelSliderLog::exponentOf(double value) const
{
    const double logBase = std::log(m_base);
    if (!(value > 0.0) || logBase == 0.0)
        return std::numeric_limits<double>::quiet_NaN();
    return std::log(value) / logBase;
}
