#pragma once

#include <ZelGui/zelgui_export.h>

#include <QLineEdit>

//! The line edit of the library's forms; a place for behaviour they share.
class ZELGUI_EXPORT ZelLineEdit : public QLineEdit
{
public:
    //! Creates an empty edit; \a parent owns it.
    explicit ZelLineEdit(QWidget *parent = nullptr);
    //! Destroys the edit.
    ~ZelLineEdit() override;

public Q_SLOTS:
    //! Connected to the edit's own textChanged(); does nothing yet.
    void onTextChanged(QString const &text);
};
