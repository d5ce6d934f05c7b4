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
    explicit ZelRangeIntCheckableWidget(QWidget *parent = nullptr);
    ~ZelRangeIntCheckableWidget() override;

Q_SIGNALS:
    void valueChanged(ZelCheckableIntValue value);
    void moved(int value = 0);
    void pressed();
    void released();
    void toggled(bool checked);
    void clicked(bool checked);

public Q_SLOTS:
    void setValue(ZelCheckableIntValue value);
    void setMinimum(int min);
    void setMaximum(int max);
    void setRange(ZelMinMaxRange<int> range);
    void setRange(int min, int max);
    void setSingleStep(int step);
    void setChecked(bool checked);
    void changeValue(ZelCheckableIntValue value);

protected:
    void connectControls() override;
    void disconnectControls() override;

private Q_SLOTS:
    void Q_EMITValue() override;

private:
    std::unique_ptr<Ui_ZelRangeCheckableWidgetClass> const ui;
};
