#include <ZelGui/ZelProgressDialog.h>

#include "ZelFormTexts_p.h"
#include "ui_ZelProgressDialog.h"

#include <QEvent>

ZelProgressDialog::ZelProgressDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui_ZelProgressDialog)
{
    ui->setupUi(this);
    ZelFormTexts::track(this);
}

ZelProgressDialog::~ZelProgressDialog() = default;

void ZelProgressDialog::setMinimumValue(int value)
{
    ui->progressBar->setMinimum(value);
}

int ZelProgressDialog::minimumValue() const
{
    return ui->progressBar->minimum();
}

void ZelProgressDialog::setMaximumValue(int value)
{
    ui->progressBar->setMaximum(value);
}

int ZelProgressDialog::maximumValue() const
{
    return ui->progressBar->maximum();
}

void ZelProgressDialog::setValue(int value)
{
    ui->progressBar->setValue(value);
}

int ZelProgressDialog::value() const
{
    return ui->progressBar->value();
}

void ZelProgressDialog::setStatus(const QString &status)
{
    ui->status->setText(status);
}

QString ZelProgressDialog::status() const
{
    return ui->status->text();
}

void ZelProgressDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
}
