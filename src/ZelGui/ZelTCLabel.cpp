#include <ZelGui/ZelTCLabel.h>

ZelTCLabel::ZelTCLabel(QWidget *parent)
    : QLabel(parent)
{
}

ZelTCLabel::~ZelTCLabel() = default;

void ZelTCLabel::setLabelText(QString const &text)
{
    // Posted to this object: runs on its thread and is dropped with it.
    QMetaObject::invokeMethod(
        this, [this, text] { QLabel::setText(text); }, Qt::QueuedConnection);
}

void ZelTCLabel::Set(QString const &text)
{
    setLabelText(text);
}

QString ZelTCLabel::labelText() const
{
    return text();
}

void ZelTCLabel::Apply() { }
