#pragma once

#include <ZelGui/ZelDoubleSlider.h>
#include <ZelGui/zelgui_export.h>

//! A ZelDoubleSlider on a logarithmic scale: its real values are exponents of
//! base(), and the value shown to the owner is base() to that power. Set the
//! base before the range and the value; setBase() does not remap a range or
//! value already set.
//!
//! A non-positive value or bound has no logarithm and sends the slider to
//! its lowest position. While the base is not usable (1, not positive, not
//! finite) every value and bound is treated that way.
class ZELGUI_EXPORT ZelSliderLog : public ZelDoubleSlider
{
    Q_OBJECT

public:
    explicit ZelSliderLog(QWidget *parent = nullptr);
    ~ZelSliderLog() override;

Q_SIGNALS:
    void valueChangedLog(double value);
    //! base() to the power of the raw slider position under the handle.
    void sliderMovedLog(double value);

public Q_SLOTS:
    void setValue(double value);
    double value() const;
    void setBase(double base);
    double base() const;
    void setRange(double min, double max);

private Q_SLOTS:
    void valueChange(double value);
    void moveChange(int value);

private:
    double exponentOf(double value) const;

    double m_base = 1.0;
};
