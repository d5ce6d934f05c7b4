#pragma once

#include <ZelGui/zelgui_export.h>

#include <QPushButton>

//! A push button that host code binds to a ZelBindableQAction. It has a
//! meta-object of its own so that style sheets and object lookups can tell
//! it from a plain QPushButton.
class ZELGUI_EXPORT ZelBindablePushButton : public QPushButton
{
    Q_OBJECT
public:
    //! Creates a button without text; \a parent owns it.
    explicit ZelBindablePushButton(QWidget *parent = nullptr);
    //! Destroys the button.
    ~ZelBindablePushButton() override;
};
