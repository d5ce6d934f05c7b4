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
    explicit ZelRangeDoubleCheckableWidget(QWidget *parent = nullptr);
    ~ZelRangeDoubleCheckableWidget() override;

    int decimals() const;

Q_SIGNALS:
    void valueChanged(ZelCheckableDoubleValue value);
    void moved(double value = 0.0);
    void pressed();
    void released();
    void toggled(bool checked);
    void clicked(bool checked);

public Q_SLOTS:
    void setValue(ZelCheckableDoubleValue value);
    void setMinimum(double min);
    void setMaximum(double max);
    void setRange(ZelMinMaxRange<double> range);
    void setRange(double min, double max);
    void setSingleStep(double step);
    void setChecked(bool c);
    void changeValue(ZelCheckableDoubleValue value);
    void setDecimals(int c);

protected:
    void connectControls() override;
    void disconnectControls() override;

private Q_SLOTS:
    void Q_EMITValue() override;

private:
    std::unique_ptr<Ui_ZelRangeDoubleCheckableWidget> const ui;
};
