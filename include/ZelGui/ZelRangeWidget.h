#pragma once

#include <ZelGui/ZelRangeWidgetT.h>
#include <ZelGui/zelgui_export.h>

#include <ZelCore/ZelConnection.h>
#include <ZelCore/ZelMinMaxRange.h>

#include <QSlider>
#include <QSpinBox>

//! An integer editor: a horizontal slider and a spin box kept in step. The
//! value snaps to a grid of the single step that starts at the minimum (from
//! a step of 2 on). valueChanged is emitted once per accepted change; moved,
//! pressed and released report slider interaction as it happens.
//!
//! A new widget has the range 0 to 0, the value 0 and the step 1: set a range
//! before use. The slider and the spin box are children of the widget.
class ZELGUI_EXPORT ZelRangeWidget : public ZelRangeWidgetT<int, QSlider, QSpinBox>
{
    Q_OBJECT
    //! The value, snapped to the step; 0 at first.
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)

public:
    //! Creates the slider and the spin box as children; \a parent owns the widget.
    explicit ZelRangeWidget(QWidget *parent = nullptr);
    //! Destroys the widget and its controls.
    ~ZelRangeWidget() override;

Q_SIGNALS:
    //! Every accepted change of the value, by the user or by setValue().
    void valueChanged(int value);
    //! The value under the slider handle while it is dragged, not snapped.
    void moved(int value = 0);
    //! The slider handle was pressed.
    void pressed();
    //! The slider handle was released.
    void released();

public Q_SLOTS:
    //! Sets the value (snapped); announces it through valueChanged() when it differs.
    void setValue(int value);
    //! Sets the lower bound, keeping the upper bound and the step; emits nothing, even when the value is clamped.
    void setMinimum(int min);
    //! Sets the upper bound, keeping the lower bound and the step; emits nothing.
    void setMaximum(int max);
    //! Enables or disables the whole widget (QWidget::setEnabled()).
    void setEnabled(bool enabled);
    //! Sets the bounds and the step; emits nothing.
    void setRange(ZelMinMaxRange<int> range);
    //! Sets the bounds, keeping the step; emits nothing.
    void setRange(int min, int max);
    //! Sets the step of both controls; a negative step is ignored.
    void setSingleStep(int step);

protected Q_SLOTS:
    //! Emits valueChanged() with the snapped value.
    void emitValueChanged() override;

protected:
    //! Snaps \a value to the step grid that starts at the minimum; steps below 2 leave it as is. Saturates at the ends of int.
    int roundValueUsingSingleStep(int value) const override;

private:
    QSpinBox *m_spinBoxWidget = nullptr;
    QSlider *m_sliderWidget = nullptr;
    ZelConnection<QMetaObject::Connection> m_sliderValueConnection;
    ZelConnection<QMetaObject::Connection> m_sliderMovedConnection;
};
