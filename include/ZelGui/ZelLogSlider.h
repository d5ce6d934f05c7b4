#pragma once

#include <ZelGui/zelgui_export.h>

#include <ZelCore/ZelMinMaxRange.h>

#include <QSlider>

//! A slider whose integer positions are whole decades of a real range:
//! position p stands for 10 to the power p, kept within range(). A range of
//! 1 to 1000 gives the positions 0 to 3 (1, 10, 100, 1000).
//!
//! currentValueChanged is emitted when the slider reaches a position of
//! another value, and by setCurrentValue() for a value that differs from the
//! current one beyond qFuzzyCompare. setCurrentValue() does not move the
//! slider.
class ZELGUI_EXPORT ZelLogSlider : public QSlider
{
    Q_OBJECT

public:
    //! Creates a slider with the single position 0 and the range 0.0 to 1.0; \a parent owns it.
    explicit ZelLogSlider(QWidget *parent = nullptr);
    //! Destroys the slider.
    ~ZelLogSlider() override;

    //! The real range; 0.0 to 1.0 by default.
    ZelMinMaxRange<double> range() const;
    //! The slider's limits are the logarithms of the bounds, truncated
    //! towards zero; a bound without a finite logarithm (not positive, not
    //! finite) gives the position 0. range.step is kept but not used.
    void setRange(ZelMinMaxRange<double> range);
    //! The value last reached or set; 0.0 by default.
    double currentValue() const;
    //! NaN is ignored.
    void setCurrentValue(double value);

    //! The position of a value: its decimal logarithm (-inf for 0, NaN for a
    //! negative value).
    double mapFromValue(double value) const;
    //! The value of a position: 10 to the power position, brought within
    //! range().
    double mapToValue(double position) const;

Q_SIGNALS:
    //! The current value changed (see the class description).
    void currentValueChanged(double value);

private Q_SLOTS:
    void onValueChanged(int position);

private:
    double m_currentValue = 0.0;
    ZelMinMaxRange<double> m_range{0.0, 1.0, 1.0};
};
