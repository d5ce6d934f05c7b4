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
    //! Creates a box for 0° to 360° that wraps around; \a parent owns it.
    explicit ZelAngleSpinBox(QWidget *parent = nullptr);
    //! Destroys the box.
    ~ZelAngleSpinBox() override;

    //! Reads a number with or without the degree sign, in the locale or with a decimal point.
    double valueFromText(const QString &text) const override;
    //! The value in the locale with the box's decimals; the suffix adds the degree sign.
    QString textFromValue(double value) const override;
};
