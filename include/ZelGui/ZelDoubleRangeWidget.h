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
    //! Creates the slider and the spin box (3 decimals) as children; \a parent owns the widget.
    explicit ZelDoubleRangeWidget(QWidget *parent = nullptr);
    //! Destroys the widget and its controls.
    ~ZelDoubleRangeWidget() override;

    //! The spin box's decimals; 3 by default.
    int decimals() const;

Q_SIGNALS:
    //! A change has settled: after valueChanged(), or once on release for a slider drag.
    void valueChangedFinished(double value);
    //! Every accepted change of the value, by the user or by a setter.
    void valueChanged(double value);
    //! The value under the slider handle while it is dragged.
    void moved(double value = 0.0);
    //! The slider handle was pressed.
    void pressed();
    //! The slider handle was released.
    void released();

public Q_SLOTS:
    //! Sets the lower bound, keeping the upper bound and the step; emits nothing, even when the value is clamped.
    void setMinimum(double min);
    //! Sets the step of both controls; a negative step or NaN is ignored.
    void setSingleStep(double step);
    //! Sets the upper bound, keeping the lower bound and the step; emits nothing.
    void setMaximum(double max);
    //! Enables or disables the whole widget (QWidget::setEnabled()).
    void setEnabled(bool enabled);
    //! Sets the value; announces it (valueChanged(), valueChangedFinished()) when it differs. NaN is ignored.
    void setValue(double value);
    //! Sets the bounds and the step; emits nothing.
    void setRange(ZelMinMaxRange<double> range);
    //! Sets the bounds, keeping the step; emits nothing.
    void setRange(double min, double max);
    //! Sets the decimals the spin box shows and keeps.
    void setDecimals(int prec);

protected Q_SLOTS:
    //! Emits valueChanged(), and valueChangedFinished() unless the slider is held down.
    void emitValueChanged() override;

protected:
    //! Returns \a value as it is: reals are not snapped.
    double roundValueUsingSingleStep(double value) const override;

private:
    void finishSliderDrag();

    QDoubleSpinBox *m_spinBoxWidget = nullptr;
    QSlider *m_sliderWidget = nullptr;
    //! A change made while the slider is held down, not yet reported by
    //! valueChangedFinished.
    bool m_finishPending = false;
};
