#pragma once

#include <ZelGui/zelgui_export.h>

#include <QFrame>

//! The corner of its parent a ZelToolFrame is pinned to.
enum ToolOrigin : int {
    NoOrigin = 0,
    TopLeftOrigin = 1,
    TopRightOrigin = 2,
    BottomLeftOrigin = 3,
    BottomRightOrigin = 4
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
    explicit ZelToolFrame(QWidget *parent);
    ~ZelToolFrame() override;

    ToolOrigin origin() const;
    //! Only stores the corner; the next align() uses it.
    void setOrigin(ToolOrigin origin);

    QSize minimumSizeHint() const override;

public Q_SLOTS:
    //! Moves the frame to its corner of the parent (of the viewport of a
    //! scroll area); NoOrigin puts it at (0, 0).
    void align();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ToolOrigin m_origin = NoOrigin;
};
