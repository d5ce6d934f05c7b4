#include <ZelGui/ZelColorRectItem.h>

#include <QColorDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

namespace {

// "#rrggbb", with the alpha ("#aarrggbb") only for translucent colours.
QString colorName(const QColor &color)
{
    return color.name(color.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
}

} // namespace

ZelColorRectItem::ZelColorRectItem(const QColor &color, QWidget *parent)
    : QFrame(parent)
    , m_color(color)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(colorName(m_color));
}

ZelColorRectItem::~ZelColorRectItem() = default;

QColor ZelColorRectItem::color() const
{
    return m_color;
}

bool ZelColorRectItem::isReadonly() const
{
    return m_readonly;
}

QSize ZelColorRectItem::sizeHint() const
{
    return QSize(16, 16);
}

void ZelColorRectItem::setColor(QColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    setAccessibleName(colorName(m_color));
    Q_EMIT selected(m_color);
    update();
}

void ZelColorRectItem::setReadonly(bool readonly)
{
    m_readonly = readonly;
}

void ZelColorRectItem::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(m_color, Qt::SolidPattern));
    painter.drawRect(event->rect());
    if (hasFocus()) {
        // A dotted inner outline in the contrasting shade shows the focus.
        const QColor contrast = m_color.isValid() && m_color.lightness() < 128 && m_color.alpha() > 127
            ? QColor(Qt::white)
            : QColor(Qt::black);
        painter.setPen(QPen(contrast, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
    event->accept();
}

void ZelColorRectItem::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT selected(m_color);
    event->accept();
}

void ZelColorRectItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!m_readonly) {
        const QPointer<ZelColorRectItem> self(this);
        editColor();
        if (!self)
            return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void ZelColorRectItem::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        Q_EMIT selected(m_color);
        event->accept();
        return;
    case Qt::Key_F2:
        if (!m_readonly) {
            editColor();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        // A row or column of swatches is walked with the arrows.
        if (focusPreviousChild()) {
            event->accept();
            return;
        }
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (focusNextChild()) {
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QFrame::keyPressEvent(event);
}

void ZelColorRectItem::editColor()
{
    // The dialog starts from its own default colour. Its event loop may
    // see this item deleted.
    const QPointer<ZelColorRectItem> self(this);
    QColorDialog dialog;
    if (dialog.exec() != QDialog::Accepted || !self)
        return;
    setColor(dialog.currentColor());
    Q_EMIT selected(m_color);
    update();
}
