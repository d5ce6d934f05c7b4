#pragma once

//! \file
//! The corner-pinned overlay frame and its corners.

#include <ZelGui/zelgui_export.h>

#include <QFrame>

//! The corner of its parent a ZelToolFrame is pinned to.
enum ToolOrigin : int {
    NoOrigin = 0, //!< not pinned; align() puts the frame at (0, 0)
    TopLeftOrigin = 1, //!< the top left corner
    TopRightOrigin = 2, //!< the top right corner
    BottomLeftOrigin = 3, //!< the bottom left corner
    BottomRightOrigin = 4 //!< the bottom right corner
};

//! A shaded overlay frame (tool buttons, a small read-out...) pinned to a
//! corner of its parent, 20 pixels in from the near edges. On a scroll area
//! it keeps to the corner of the viewport while the contents scroll or the
//! area is resized.
//!
//! The frame needs a parent, which owns it; it watches the parent (and a
//! scroll area's viewport and scroll bars) for as long as both live.
class ZELGUI_EXPORT ZelToolFrame : public QFrame
{
    Q_OBJECT
public:
    //! Creates the frame on \a parent (which owns it and must not be null), not pinned.
    explicit ZelToolFrame(QWidget *parent);
    //! Destroys the frame and stops watching the parent.
    ~ZelToolFrame() override;

    //! The corner the frame is pinned to; NoOrigin by default.
    ToolOrigin origin() const;
    //! Only stores the corner; the next align() uses it.
    void setOrigin(ToolOrigin origin);

    //! The minimum size of the frame's layout; an invalid size without one.
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    //! Moves the frame to its corner of the parent (of the viewport of a
    //! scroll area); NoOrigin puts it at (0, 0).
    void align();

protected:
    //! \cond
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    //! \endcond

private:
    ToolOrigin m_origin = NoOrigin;
};
