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
    //! Creates a slider with base 1 (not usable: set a base first); \a parent owns it.
    explicit ZelSliderLog(QWidget *parent = nullptr);
    //! Destroys the slider.
    ~ZelSliderLog() override;

Q_SIGNALS:
    //! The position changed; \a value is base() to the power of its exponent.
    void valueChangedLog(double value);
    //! base() to the power of the raw slider position under the handle.
    void sliderMovedLog(double value);

public Q_SLOTS:
    //! Moves to the exponent of \a value (its logarithm to base()).
    void setValue(double value);
    //! base() to the power of the current exponent.
    double value() const;
    //! Sets the base of the logarithm; does not remap the range or the value.
    void setBase(double base);
    //! The base of the logarithm; 1 by default.
    double base() const;
    //! Sets the range by its real bounds; the slider runs between their logarithms.
    void setRange(double min, double max);

private Q_SLOTS:
    void valueChange(double value);
    void moveChange(int value);

private:
    double exponentOf(double value) const;

    double m_base = 1.0;
};
