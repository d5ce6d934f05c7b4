#pragma once

#include <ZelGui/zelgui_export.h>

#include <QRadioButton>

//! The radio button of the library's forms; a place for behaviour they share.
class ZELGUI_EXPORT ZelRadioButton : public QRadioButton
{
    Q_OBJECT
public:
    //! Creates a button without text; \a parent owns it.
    explicit ZelRadioButton(QWidget *parent = nullptr);
    //! Destroys the button.
    ~ZelRadioButton() override;
};
