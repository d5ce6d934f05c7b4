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
    //! The directions in which the user may drag the widget.
    enum MoveDirection : int {
        MoveHorizontal = 1, //!< sideways only; the y coordinate is kept
        MoveVertical = 2, //!< up and down only; the x coordinate is kept
        MoveBoth = 3 //!< in any direction (the default)
    };
    Q_ENUM(MoveDirection)

    //! Creates the widget movable in both directions inside \a parent's frame geometry; \a parent owns it.
    explicit ZelMoveableWidget(QWidget *parent);
    //! Destroys the widget.
    ~ZelMoveableWidget() override;

    //! Also sets the cursor that shows the direction (size-all, size-hor,
    //! size-ver); a value outside the enumeration keeps the cursor and lets
    //! the widget move freely.
    void setMoveDirection(MoveDirection const &direction);
    //! The permitted direction; MoveBoth by default.
    MoveDirection moveDirection() const;

    //! The rectangle (parent coordinates, right and bottom edges inclusive)
    //! the widget must stay inside; asks to be moved back into it at once.
    void setMoveAllowRect(QRect const &rect);
    //! The rectangle the widget must stay inside.
    QRect moveAllowRect() const;

    //! pos restricted to the move direction (the current x or y is kept),
    //! then clamped.
    QPoint calculatePos(QPoint pos) const;
    //! pos clamped into the allowed rectangle. When the widget is larger than
    //! the rectangle its left or top edge is kept inside.
    QPoint validatePos(QPoint const &pos) const;

Q_SIGNALS:
    //! Asks the owner to move the widget to \a pos (parent coordinates), already restricted and clamped.
    void needMove(QPoint pos);

protected:
    //! \cond
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    //! \endcond

private:
    void clampCurrentPos();

    bool m_pressed = false;
    QPoint m_grabOffset;
    MoveDirection m_direction = MoveBoth;
    QRect m_allowRect;
};
