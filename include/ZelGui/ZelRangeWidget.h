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
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)

public:
    explicit ZelRangeWidget(QWidget *parent = nullptr);
    ~ZelRangeWidget() override;

Q_SIGNALS:
    void valueChanged(int value);
    //! The value under the slider handle while it is dragged, not snapped.
    void moved(int value = 0);
    void pressed();
    void released();

public Q_SLOTS:
    void setValue(int value);
    void setMinimum(int min);
    void setMaximum(int max);
    void setEnabled(bool enabled);
    void setRange(ZelMinMaxRange<int> range);
    void setRange(int min, int max);
    void setSingleStep(int step);

protected Q_SLOTS:
    void emitValueChanged() override;

protected:
    int roundValueUsingSingleStep(int value) const override;

private:
    QSpinBox *m_spinBoxWidget = nullptr;
    QSlider *m_sliderWidget = nullptr;
    ZelConnection<QMetaObject::Connection> m_sliderValueConnection;
    ZelConnection<QMetaObject::Connection> m_sliderMovedConnection;
};
