#include <ZelGui/ZelTipLabel.h>

#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>

namespace {

// No widget is larger than QWIDGETSIZE_MAX; a larger margin would overflow
// the size computations (and an int).
constexpr unsigned int MaximumMargin = QWIDGETSIZE_MAX;

} // namespace

ZelTipLabel::ZelTipLabel(unsigned int margin, QWidget *parent)
    : QLabel(parent, Qt::ToolTip)
{
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setPalette(QToolTip::palette());
    setMargin(style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this)
              + int(std::min(margin, MaximumMargin)));
    setFrameStyle(QFrame::NoFrame);
}

ZelTipLabel::~ZelTipLabel() = default;

void ZelTipLabel::setTipText(QString const &text)
{
    setText(text);
    resize(sizeHint());
}

QString ZelTipLabel::tipText() const
{
    return text();
}

void ZelTipLabel::paintEvent(QPaintEvent *event)
{
    {
        QStylePainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        QStyleOptionFrame option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_PanelTipLabel, option);
    }
    QLabel::paintEvent(event);
}

void ZelTipLabel::resizeEvent(QResizeEvent *event)
{
    QStyleHintReturnMask frameMask;
    QStyleOption option;
    option.initFrom(this);
    if (style()->styleHint(QStyle::SH_ToolTip_Mask, &option, this, &frameMask))
        setMask(frameMask.region);
    QLabel::resizeEvent(event);
}

void ZelTipLabel::mouseMoveEvent(QMouseEvent *event)
{
    QLabel::mouseMoveEvent(event);
}

void ZelTipLabel::moveEvent(QMoveEvent *event)
{
    QLabel::moveEvent(event);
}
