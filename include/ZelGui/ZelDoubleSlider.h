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
    explicit ZelDoubleSlider(QWidget *parent = nullptr);
    ~ZelDoubleSlider() override;

    double value() const;
    double minimum() const;
    double maximum() const;
    double singleStep() const;

    void setRange(double min, double max);
    void setMinimum(double min);
    void setMaximum(double max);
    //! A step that is not a positive number is ignored.
    void setSingleStep(double step);
    //! Applies the real range and step to the integer slider.
    void updateRange();

Q_SIGNALS:
    void doubleValueChanged(double value);

public Q_SLOTS:
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
