#pragma once

#include <ZelGui/IGraphicsView.h>
#include <ZelGui/zelgui_export.h>

#include <QRect>

//! An image view that knows the part of itself really free for content: its
//! contents rectangle without the scroll bars that are showing.
class ZELGUI_EXPORT ZelGraphicsViewWithRect : public IGraphicsView
{
    Q_OBJECT

public:
    //! Creates the view; \a parent owns it.
    explicit ZelGraphicsViewWithRect(QWidget *parent);
    //! Destroys the view.
    ~ZelGraphicsViewWithRect() override;

    //! contentsRect() less the width of a visible vertical scroll bar at the
    //! right and the height of a visible horizontal one at the bottom.
    QRect contentRect() const;
};
