#include <ZelGui/ZelDialog.h>

#include <QAbstractButton>
#include <QDialogButtonBox>

ZelDialog::ZelDialog(QWidget *parent)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
}

ZelDialog::~ZelDialog() = default;

bool ZelDialog::setupDialogButtonBox(QDialogButtonBox *box)
{
    if (buttonBox)
        return false;
    buttonBox = box;
    connect(buttonBox, &QDialogButtonBox::clicked, this, &ZelDialog::mavDialog_buttonClicked);
    return true;
}

void ZelDialog::accept()
{
    if (!isDialogValid())
        return;
    applyDialog();
    QDialog::accept();
}

void ZelDialog::showEvent(QShowEvent *event)
{
    if (firstShow) {
        prepareDialog();
        firstShow = false;
    }
    QDialog::showEvent(event);
}

void ZelDialog::mavDialog_buttonClicked(QAbstractButton *button)
{
    switch (buttonBox->buttonRole(button)) {
    case QDialogButtonBox::AcceptRole:
    case QDialogButtonBox::YesRole:
        accept();
        break;
    case QDialogButtonBox::RejectRole:
        reject();
        break;
    default:
        break;
    }
}
