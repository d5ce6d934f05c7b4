#pragma once

#include <ZelGui/ZelRangeWidgetT.h>
#include <ZelGui/zelgui_export.h>

#include <ZelCore/ZelMinMaxRange.h>

#include <QSlider>
#include <QSpinBox>

#include <memory>

class Ui_ZelRangeWidgetWithLabelClass;

//! An integer editor with a caption: the caption and a narrow spin box on the
//! first row, the slider below. The value snaps to a grid of the single step
//! that starts at 0 (from a step of 3 on). Signals as ZelRangeWidget.
//!
//! A new widget has the range 0 to 0 and the value 0. The controls are
//! children of the widget; the widget owns its form.
class ZELGUI_EXPORT ZelRangeWidgetWithLabel : public ZelRangeWidgetT<int, QSlider, QSpinBox>
{
    Q_OBJECT

public:
    //! Creates the caption, spin box and slider from the form; \a parent owns the widget.
    explicit ZelRangeWidgetWithLabel(QWidget *parent = nullptr);
    //! Destroys the widget and its form.
    ~ZelRangeWidgetWithLabel() override;

    //! The caption.
    QString text() const;

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
    //! Sets the lower bound, keeping the upper bound and the step; emits nothing.
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
    //! Sets the caption.
    void setText(QString text);

protected Q_SLOTS:
    //! Emits valueChanged() with the snapped value.
    void emitValueChanged() override;

protected:
    //! Snaps \a value to the step grid that starts at 0; steps below 3 leave it as is.
    int roundValueUsingSingleStep(int value) const override;
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui_ZelRangeWidgetWithLabelClass> const ui;
};
