#pragma once

#include <ZelGui/zelgui_export.h>

#include <QDoubleSpinBox>

//! A spin box for angles in decimal degrees: it shows "45.50°" (the degree
//! sign is the suffix) and reads "45.5", "45.5°" or "45.5 °", in the widget's
//! locale or with a decimal point. A new box covers 0° to 360° and wraps
//! around.
class ZELGUI_EXPORT ZelAngleSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit ZelAngleSpinBox(QWidget *parent = nullptr);
    ~ZelAngleSpinBox() override;

    double valueFromText(const QString &text) const override;
    QString textFromValue(double value) const override;
};
