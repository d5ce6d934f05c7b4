#pragma once

#include <ZelGui/zelgui_export.h>

#include <QDialog>

class QAbstractButton;
class QDialogButtonBox;

//! A modal dialog frame for the application's own dialogs. It deletes itself
//! when closed, prepares its contents once, on the first showing, and
//! accepts only what it finds valid: accept() asks isDialogValid(), then
//! applyDialog() writes the result, then the dialog closes.
//!
//! A subclass hands its button box to setupDialogButtonBox() once; the box's
//! accept and yes buttons accept, its reject button rejects, other buttons
//! are left to the subclass. The box stays the subclass's.
class ZELGUI_EXPORT ZelDialog : public QDialog
{
    Q_OBJECT

public:
    //! Creates a modal dialog that deletes itself when closed; \a parent owns it.
    explicit ZelDialog(QWidget *parent);
    //! Destroys the dialog.
    ~ZelDialog() override;

    //! False, and nothing changes, when a box was set before.
    bool setupDialogButtonBox(QDialogButtonBox *box);

public Q_SLOTS:
    //! Closes the dialog as accepted when isDialogValid() agrees, after applyDialog(); otherwise the dialog stays open.
    void accept() override;

protected Q_SLOTS:
    //! Called once, before the dialog is first shown.
    virtual void prepareDialog() = 0;
    //! Called when the dialog is accepted, after isDialogValid().
    virtual void applyDialog() = 0;
    //! Asked before accepting; false keeps the dialog open.
    virtual bool isDialogValid() const = 0;

protected:
    //! \cond
    void showEvent(QShowEvent *event) override;
    //! \endcond

private Q_SLOTS:
    void mavDialog_buttonClicked(QAbstractButton *button);

private:
    QDialogButtonBox *buttonBox = nullptr;
    bool firstShow = true;
};
