#pragma once

#include <ZelGui/zelgui_export.h>

#include <QToolButton>

//! A tool button that host code binds to a ZelBindableQAction. It has a
//! meta-object of its own so that style sheets and object lookups can tell
//! it from a plain QToolButton.
class ZELGUI_EXPORT ZelBindableToolButton : public QToolButton
{
    Q_OBJECT
public:
    //! Creates a button without text; \a parent owns it.
    explicit ZelBindableToolButton(QWidget *parent = nullptr);
    //! Destroys the button.
    ~ZelBindableToolButton() override;
};
