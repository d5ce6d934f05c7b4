#pragma once

#include <ZelGui/zelgui_export.h>

#include <QGraphicsView>

#include <memory>

class IGraphicsViewPrivate;

//! The base of the host application's image views: a QGraphicsView that
//! carries whether its items' handles are to be shown. The view only keeps
//! the flag; the items and the host read it when they paint.
//!
//! The view owns its private record.
class ZELGUI_EXPORT IGraphicsView : public QGraphicsView
{
public:
    //! Creates the view with handles shown; \a parent owns it.
    explicit IGraphicsView(QWidget *parent);
    //! Destroys the view and its private record.
    ~IGraphicsView() override;

    //! True unless set otherwise.
    bool showHandles() const;
    //! Stores the flag; repaints nothing and announces nothing.
    void setShowHandles(bool show);

private:
    std::unique_ptr<IGraphicsViewPrivate> const d;
};
