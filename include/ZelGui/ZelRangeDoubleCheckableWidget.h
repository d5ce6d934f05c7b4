#pragma once

#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelRangeCheckableWidgetT.h>
#include <ZelGui/zelgui_export.h>

#include <ZelCore/ZelCheckableTValue.h>
#include <ZelCore/ZelMinMaxRange.h>

#include <memory>

class Ui_ZelRangeDoubleCheckableWidget;

//! A real range editor with a check box in front. valueChanged carries the
//! pair whenever either part changes. Checking the box (by the user or by
//! setChecked) disables the editor, unchecking enables it; setValue() sets
//! the box without touching the editor's enabled state.
//!
//! setValue() is silent, changeValue() emits valueChanged once. The children
//! are owned by the widget through its form.
class ZELGUI_EXPORT ZelRangeDoubleCheckableWidget : public ZelRangeCheckableWidgetT<double, ZelDoubleRangeWidget>
{
    Q_OBJECT

public:
    //! Creates the box and the editor from the form; \a parent owns the widget.
    explicit ZelRangeDoubleCheckableWidget(QWidget *parent = nullptr);
    //! Destroys the widget and its form.
    ~ZelRangeDoubleCheckableWidget() override;

    //! The editor's decimals.
    int decimals() const;

Q_SIGNALS:
    //! The value or the box changed (not through setValue()).
    void valueChanged(ZelCheckableDoubleValue value);
    //! The editor's slider is being dragged (ZelDoubleRangeWidget::moved()).
    void moved(double value = 0.0);
    //! The editor's slider was pressed.
    void pressed();
    //! The editor's slider was released.
    void released();
    //! The box changed state, by the user or setChecked().
    void toggled(bool checked);
    //! The user clicked the box.
    void clicked(bool checked);

public Q_SLOTS:
    //! Sets value and box without emitting anything.
    void setValue(ZelCheckableDoubleValue value);
    //! Sets the editor's lower bound.
    void setMinimum(double min);
    //! Sets the editor's upper bound.
    void setMaximum(double max);
    //! Sets the editor's bounds and step.
    void setRange(ZelMinMaxRange<double> range);
    //! Sets the editor's bounds, keeping its step.
    void setRange(double min, double max);
    //! Sets the editor's step.
    void setSingleStep(double step);
    //! Checks or unchecks the box; a change emits toggled() and valueChanged().
    void setChecked(bool c);
    //! Sets value and box, then emits valueChanged() once.
    void changeValue(ZelCheckableDoubleValue value);
    //! Sets the editor's decimals.
    void setDecimals(int c);

protected:
    //! Connects box and editor to the widget's signals.
    void connectControls() override;
    //! Takes down what connectControls() made.
    void disconnectControls() override;
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private Q_SLOTS:
    void Q_EMITValue() override;

private:
    std::unique_ptr<Ui_ZelRangeDoubleCheckableWidget> const ui;
};
