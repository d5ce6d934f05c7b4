#include <ZelGui/ZelGraphicsViewWithRect.h>

#include <QScrollBar>

ZelGraphicsViewWithRect::ZelGraphicsViewWithRect(QWidget *parent)
    : IGraphicsView(parent)
{
}

ZelGraphicsViewWithRect::~ZelGraphicsViewWithRect() = default;

QRect ZelGraphicsViewWithRect::contentRect() const
{
    QRect rect = contentsRect();
    if (verticalScrollBar()->isVisible())
        rect.setRight(rect.right() - verticalScrollBar()->width());
    if (horizontalScrollBar()->isVisible())
        rect.setBottom(rect.bottom() - horizontalScrollBar()->height());
    return rect;
}
