#include <ZelGui/ZelLineEdit.h>

ZelLineEdit::ZelLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &ZelLineEdit::onTextChanged);
}

ZelLineEdit::~ZelLineEdit() = default;

void ZelLineEdit::onTextChanged(QString const &text)
{
    Q_UNUSED(text)
}
