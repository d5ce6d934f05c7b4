#include <ZelGui/ZelMoveableWidget.h>

#include <QDebug>
#include <QMouseEvent>

#include <algorithm>
#include <limits>

namespace {

// One axis of the clamp: the far edge first, so that the near edge wins when
// the widget is longer than the allowed span. 64-bit, since positions and
// rectangle edges may be any int.
int clampAxis(int pos, int length, int first, int last)
{
    qint64 p = pos;
    if (p + length > last)
        p = qint64(last) - length + 1;
    p = std::max<qint64>(p, first);
    return int(std::clamp<qint64>(p, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

ZelMoveableWidget::ZelMoveableWidget(QWidget *parent)
    : QWidget(parent)
{
    setMoveDirection(MoveBoth);
    // Without a parent (a caller error) the rectangle stays empty and the
    // widget asks for (0, 0).
    if (parent)
        m_allowRect = parent->frameGeometry();
    clampCurrentPos();
}

ZelMoveableWidget::~ZelMoveableWidget() = default;

void ZelMoveableWidget::setMoveDirection(MoveDirection const &direction)
{
    m_direction = direction;
    switch (direction) {
    case MoveBoth:
        setCursor(Qt::SizeAllCursor);
        break;
    case MoveVertical:
        setCursor(Qt::SizeVerCursor);
        break;
    case MoveHorizontal:
        setCursor(Qt::SizeHorCursor);
        break;
    }
}

ZelMoveableWidget::MoveDirection ZelMoveableWidget::moveDirection() const
{
    return m_direction;
}

void ZelMoveableWidget::setMoveAllowRect(QRect const &rect)
{
    m_allowRect = rect;
    clampCurrentPos();
}

QRect ZelMoveableWidget::moveAllowRect() const
{
    return m_allowRect;
}

QPoint ZelMoveableWidget::calculatePos(QPoint pos) const
{
    if (m_direction == MoveVertical)
        pos.setX(x());
    else if (m_direction == MoveHorizontal)
        pos.setY(y());
    return validatePos(pos);
}

QPoint ZelMoveableWidget::validatePos(QPoint const &pos) const
{
    return QPoint(clampAxis(pos.x(), width(), m_allowRect.left(), m_allowRect.right()),
                  clampAxis(pos.y(), height(), m_allowRect.top(), m_allowRect.bottom()));
}

void ZelMoveableWidget::clampCurrentPos()
{
    const QPoint clamped = validatePos(pos());
    if (clamped != pos())
        Q_EMIT needMove(clamped);
}

void ZelMoveableWidget::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    const QPoint point = mapToParent(event->position().toPoint());
    m_grabOffset = point - pos();
    event->accept();
    qDebug() << "MousePressEvent, move:" << point << m_grabOffset;
}

void ZelMoveableWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint wanted = mapToParent(event->position().toPoint()) - m_grabOffset;
    // Emitted also when unchanged: the owner may have moved the widget
    // elsewhere in the meantime.
    Q_EMIT needMove(calculatePos(wanted));
    event->accept();
}

void ZelMoveableWidget::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressed = false;
    event->accept();
}
