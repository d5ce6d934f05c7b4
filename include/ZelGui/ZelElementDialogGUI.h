#pragma once

#include <ZelGui/zelgui_export.h>

#include <ZelLog/ZelStatus.h>

#include <QDialog>

class QDialogButtonBox;

//! A dialog frame around a host's element editor: the editor above, OK and
//! Cancel below. Before the dialog closes it asks the host's subclass:
//! OK, Enter and accept() go through onAccept(), Cancel, Escape, the window's
//! close button and reject() through onReject(); a failed status keeps the
//! dialog open. The dialog shows no status itself: the subclass reports
//! failures as it sees fit (for example through ZelMessenger).
//!
//! The dialog takes ownership of the editor widget given to the constructor.
class ZELGUI_EXPORT ZelElementDialogGUI : public QDialog
{
    Q_OBJECT
public:
    //! widget may be null: the dialog then holds only the buttons.
    explicit ZelElementDialogGUI(QWidget *widget, QWidget *parent = nullptr);
    ~ZelElementDialogGUI() override;

    //! The OK/Cancel box, owned by the dialog.
    QDialogButtonBox *buttonBox() const;
    //! The editor given to the constructor, owned by the dialog.
    QWidget *widget() const;

public Q_SLOTS:
    //! Accepts and closes when onAccept() succeeds; otherwise the dialog stays open.
    void accept() override;
    //! Rejects and closes when onReject() succeeds; otherwise the dialog stays open.
    void reject() override;

protected:
    //! Asked before the dialog is accepted or rejected; the dialog closes
    //! only on success.
    virtual ZelStatus onAccept() = 0;
    //! Asked before the dialog is rejected; the dialog closes only on success.
    virtual ZelStatus onReject() = 0;

private:
    QDialogButtonBox *m_buttonBox = nullptr;
    QWidget *m_widget = nullptr;
};
