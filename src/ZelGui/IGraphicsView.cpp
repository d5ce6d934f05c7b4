#include <ZelGui/IGraphicsView.h>

class IGraphicsViewPrivate
{
public:
    bool showHandles = true;
};

IGraphicsView::IGraphicsView(QWidget *parent)
    : QGraphicsView(parent)
    , d(new IGraphicsViewPrivate)
{
}

IGraphicsView::~IGraphicsView() = default;

bool IGraphicsView::showHandles() const
{
    return d->showHandles;
}

void IGraphicsView::setShowHandles(bool show)
{
    d->showHandles = show;
}
