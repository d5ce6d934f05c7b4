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
    explicit ZelProgressDialog(QWidget *parent = nullptr);
    ~ZelProgressDialog() override;

    void setMinimumValue(int value);
    int minimumValue() const;
    void setMaximumValue(int value);
    int maximumValue() const;
    void setValue(int value);
    int value() const;
    void setStatus(const QString &status);
    QString status() const;

private:
    std::unique_ptr<Ui_ZelProgressDialog> ui;
};
