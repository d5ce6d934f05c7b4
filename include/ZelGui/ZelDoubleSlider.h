#pragma once

#include <ZelGui/zelgui_export.h>

#include <QSlider>

//! A slider over a real range with a real step: position p stands for
//! minimum() + p * singleStep(). The integer range is 0 to
//! qRound((maximum() - minimum()) / singleStep()).
//!
//! doubleValueChanged is emitted when the position changes, with the value of
//! the new position; setValue() lands on the step grid only when it moves the
//! slider.
class ZELGUI_EXPORT ZelDoubleSlider : public QSlider
{
    Q_OBJECT

public:
    //! Creates a slider over 0.0 to 100.0 with step 1.0 at 0.0; \a parent owns it.
    explicit ZelDoubleSlider(QWidget *parent = nullptr);
    //! Destroys the slider.
    ~ZelDoubleSlider() override;

    //! The value of the current position (or as last set, clamped).
    double value() const;
    //! The lower bound; 0.0 by default.
    double minimum() const;
    //! The upper bound; 100.0 by default.
    double maximum() const;
    //! The value step between two positions; 1.0 by default.
    double singleStep() const;

    //! Sets both bounds and applies them (updateRange()).
    void setRange(double min, double max);
    //! Sets the lower bound and applies it.
    void setMinimum(double min);
    //! Sets the upper bound and applies it.
    void setMaximum(double max);
    //! A step that is not a positive number is ignored.
    void setSingleStep(double step);
    //! Applies the real range and step to the integer slider.
    void updateRange();

Q_SIGNALS:
    //! The position changed; \a value is the value of the new position.
    void doubleValueChanged(double value);

public Q_SLOTS:
    //! Clamps \a value into the range and moves to its nearest position; emits doubleValueChanged() only when the position changes.
    void setValue(double value);

private Q_SLOTS:
    void translateToDouble(int sliderValue);

private:
    int positionOf(double value) const;

    double m_minimum = 0.0;
    double m_maximum = 100.0;
    double m_singleStep = 1.0;
    double m_value = 0.0;
};
