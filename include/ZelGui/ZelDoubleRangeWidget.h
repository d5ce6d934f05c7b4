#pragma once

#include <ZelGui/ZelRangeWidgetT.h>
#include <ZelGui/zelgui_export.h>

#include <ZelCore/ZelMinMaxRange.h>

#include <QDoubleSpinBox>
#include <QSlider>

//! A real-number editor: a horizontal slider and a spin box kept in step.
//! Reals are not snapped. The slider works on whole numbers (a range of 0.0
//! to 1.0 gives a slider with the two positions 0 and 1) while the spin box
//! carries the decimals (3 unless set otherwise).
//!
//! valueChanged is emitted once per accepted change. valueChangedFinished
//! follows it, except while the slider is held down: a drag reports its
//! final value once, when the slider is released. moved reports the slider
//! position while it is dragged.
//!
//! A new widget shows the range 1.0 to 1.0 (and stores 0.0 until the first
//! range is set): set a range before use. The slider and the spin box are
//! children of the widget.
class ZELGUI_EXPORT ZelDoubleRangeWidget : public ZelRangeWidgetT<double, QSlider, QDoubleSpinBox>
{
    Q_OBJECT

public:
    explicit ZelDoubleRangeWidget(QWidget *parent = nullptr);
    ~ZelDoubleRangeWidget() override;

    int decimals() const;

Q_SIGNALS:
    void valueChangedFinished(double value);
    void valueChanged(double value);
    void moved(double value = 0.0);
    void pressed();
    void released();

public Q_SLOTS:
    void setMinimum(double min);
    void setSingleStep(double step);
    void setMaximum(double max);
    void setEnabled(bool enabled);
    void setValue(double value);
    void setRange(ZelMinMaxRange<double> range);
    void setRange(double min, double max);
    void setDecimals(int prec);

protected Q_SLOTS:
    void emitValueChanged() override;

protected:
    double roundValueUsingSingleStep(double value) const override;

private:
    void finishSliderDrag();

    QDoubleSpinBox *m_spinBoxWidget = nullptr;
    QSlider *m_sliderWidget = nullptr;
    //! A change made while the slider is held down, not yet reported by
    //! valueChangedFinished.
    bool m_finishPending = false;
};
