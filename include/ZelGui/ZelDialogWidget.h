#pragma once

#include <ZelGui/zelgui_export.h>

#include <QDialog>

#include <memory>

class Ui_ZelDialogWidget;

//! A ready dialog frame: one content widget above OK and Cancel. OK accepts,
//! Cancel rejects; what the content means is the caller's business.
//!
//! The dialog owns its form and, once added, the content widget.
class ZELGUI_EXPORT ZelDialogWidget : public QDialog
{
    Q_OBJECT

public:
    //! Creates the frame without content; \a parent owns it.
    explicit ZelDialogWidget(QWidget *parent);
    //! Destroys the dialog, its form and its content widget.
    ~ZelDialogWidget() override;

    //! Puts widget into the frame (the dialog becomes its parent) and titles
    //! the dialog.
    void addWidgetToDialog(QWidget *widget, const QString &title);

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    //! The form, owned by the dialog.
    std::unique_ptr<Ui_ZelDialogWidget> const ui;
};
