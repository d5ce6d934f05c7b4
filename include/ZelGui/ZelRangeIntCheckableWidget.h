#pragma once

#include <ZelGui/ZelRangeCheckableWidgetT.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/zelgui_export.h>

#include <ZelCore/ZelCheckableTValue.h>
#include <ZelCore/ZelMinMaxRange.h>

#include <memory>

class Ui_ZelRangeCheckableWidgetClass;

//! An integer range editor with a check box in front, for a setting that has
//! a value and can be switched on or off. valueChanged carries the pair
//! whenever either part changes; the box does not change whether the editor
//! is enabled.
//!
//! setValue() is silent, changeValue() emits valueChanged once. The children
//! are owned by the widget through its form.
class ZELGUI_EXPORT ZelRangeIntCheckableWidget : public ZelRangeCheckableWidgetT<int, ZelRangeWidget>
{
    Q_OBJECT

public:
    //! Creates the box and the editor from the form; \a parent owns the widget.
    explicit ZelRangeIntCheckableWidget(QWidget *parent = nullptr);
    //! Destroys the widget and its form.
    ~ZelRangeIntCheckableWidget() override;

Q_SIGNALS:
    //! The value or the box changed (not through setValue()).
    void valueChanged(ZelCheckableIntValue value);
    //! The editor's slider is being dragged (ZelRangeWidget::moved()).
    void moved(int value = 0);
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
    void setValue(ZelCheckableIntValue value);
    //! Sets the editor's lower bound.
    void setMinimum(int min);
    //! Sets the editor's upper bound.
    void setMaximum(int max);
    //! Sets the editor's bounds and step.
    void setRange(ZelMinMaxRange<int> range);
    //! Sets the editor's bounds, keeping its step.
    void setRange(int min, int max);
    //! Sets the editor's step.
    void setSingleStep(int step);
    //! Checks or unchecks the box; a change emits toggled() and valueChanged().
    void setChecked(bool checked);
    //! Sets value and box, then emits valueChanged() once.
    void changeValue(ZelCheckableIntValue value);

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
    std::unique_ptr<Ui_ZelRangeCheckableWidgetClass> const ui;
};
