#include <ZelGui/ZelGraphicsStatusWidget.h>

#include <ZelGui/GuiUtils.h>

#include <ZelLog/ZelMessage.h>

#include <QPainter>

ZelGraphicsStatusWidget::ZelGraphicsStatusWidget(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(700, 250);
}

ZelGraphicsStatusWidget::~ZelGraphicsStatusWidget() = default;

void ZelGraphicsStatusWidget::setStatus(const ZelStatus &status)
{
    m_status = status;
}

ZelStatus ZelGraphicsStatusWidget::status() const
{
    return m_status;
}

void ZelGraphicsStatusWidget::paintEvent(QPaintEvent *)
{
    // Centred on the parent at every paint, so the panel follows resizes of
    // the view without the view having to know about it.
    const QWidget *area = parentWidget() ? parentWidget() : this;
    move((area->width() - 1) / 2 - (width() - 1) / 2, (area->height() - 1) / 2 - (height() - 1) / 2);

    QPainter painter(this);
    QString text = m_status.message().text();
    if (text.isEmpty())
        text = tr("Unknown status");
    GuiUtils::renderTextStatus(&painter, rect(), text);
}
