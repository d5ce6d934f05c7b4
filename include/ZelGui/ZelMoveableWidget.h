#pragma once

#include <ZelGui/zelgui_export.h>

#include <QPoint>
#include <QRect>
#include <QWidget>

//! A widget the user drags inside an allowed rectangle of its parent's
//! coordinates. It never moves itself: it asks its owner to move it through
//! needMove(), already clamped into the allowed rectangle and restricted to
//! the permitted direction, and the owner calls move() (or animates, snaps,
//! refuses...).
//!
//! The widget needs a parent: the allowed rectangle starts as the parent's
//! frame geometry. The parent owns the widget as usual.
class ZELGUI_EXPORT ZelMoveableWidget : public QWidget
{
    Q_OBJECT
public:
    enum MoveDirection : int {
        MoveHorizontal = 1,
        MoveVertical = 2,
        MoveBoth = 3
    };
    Q_ENUM(MoveDirection)

    explicit ZelMoveableWidget(QWidget *parent);
    ~ZelMoveableWidget() override;

    //! Also sets the cursor that shows the direction (size-all, size-hor,
    //! size-ver); a value outside the enumeration keeps the cursor and lets
    //! the widget move freely.
    void setMoveDirection(MoveDirection const &direction);
    MoveDirection moveDirection() const;

    //! The rectangle (parent coordinates, right and bottom edges inclusive)
    //! the widget must stay inside; asks to be moved back into it at once.
    void setMoveAllowRect(QRect const &rect);
    QRect moveAllowRect() const;

    //! pos restricted to the move direction (the current x or y is kept),
    //! then clamped.
    QPoint calculatePos(QPoint pos) const;
    //! pos clamped into the allowed rectangle. When the widget is larger than
    //! the rectangle its left or top edge is kept inside.
    QPoint validatePos(QPoint const &pos) const;

Q_SIGNALS:
    void needMove(QPoint pos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void clampCurrentPos();

    bool m_pressed = false;
    QPoint m_grabOffset;
    MoveDirection m_direction = MoveBoth;
    QRect m_allowRect;
};
