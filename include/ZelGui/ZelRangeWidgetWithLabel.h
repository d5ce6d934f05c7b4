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
    explicit ZelRangeWidgetWithLabel(QWidget *parent = nullptr);
    ~ZelRangeWidgetWithLabel() override;

    QString text() const;

Q_SIGNALS:
    void valueChanged(int value);
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
    void setText(QString text);

protected Q_SLOTS:
    void emitValueChanged() override;

protected:
    int roundValueUsingSingleStep(int value) const override;

private:
    std::unique_ptr<Ui_ZelRangeWidgetWithLabelClass> const ui;
};
