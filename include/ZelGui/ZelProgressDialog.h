#pragma once

#include <ZelGui/zelgui_export.h>

#include <QDialog>

#include <memory>

class Ui_ZelProgressDialog;

//! A fixed-size (400 x 100) dialog with a status line over a progress bar.
//! The caller shows it (modal or not) and feeds it.
class ZELGUI_EXPORT ZelProgressDialog : public QDialog
{
    Q_OBJECT
public:
    //! Creates the dialog with an empty status; \a parent owns it.
    explicit ZelProgressDialog(QWidget *parent = nullptr);
    //! Destroys the dialog and its form.
    ~ZelProgressDialog() override;

    //! Sets the bar's minimum (QProgressBar::setMinimum()).
    void setMinimumValue(int value);
    //! The bar's minimum.
    int minimumValue() const;
    //! Sets the bar's maximum (QProgressBar::setMaximum()).
    void setMaximumValue(int value);
    //! The bar's maximum.
    int maximumValue() const;
    //! Sets the bar's value; a value outside the range is ignored as QProgressBar ignores it.
    void setValue(int value);
    //! The bar's value.
    int value() const;
    //! Sets the status line.
    void setStatus(const QString &status);
    //! The status line.
    QString status() const;

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui_ZelProgressDialog> ui;
};
