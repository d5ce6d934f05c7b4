#pragma once

#include <ZelGui/zelgui_export.h>

#include <QSpinBox>

//! A QSpinBox for the library's forms (the quality field of the
//! save-configuration form); it behaves exactly like QSpinBox.
class ZELGUI_EXPORT ZelSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    //! Creates a spin box as QSpinBox does; \a parent owns it.
    explicit ZelSpinBox(QWidget *parent = nullptr);
    //! Destroys the box.
    ~ZelSpinBox() override;

private Q_SLOTS:
    void onValueChanged(int value);
};
