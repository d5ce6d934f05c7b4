#include <ZelGui/ZelImageFileListView.h>

#include <ZelGui/ZelImageFileItemDelegate.h>

#include <QFontMetrics>
#include <QResizeEvent>
#include <QScrollBar>

ZelImageFileListView::ZelImageFileListView(QWidget *parent)
    : QListView(parent)
{
    setItemDelegate(new ZelImageFileItemDelegate(this));
    setWordWrap(true);
    setSpacing(7);
}

ZelImageFileListView::~ZelImageFileListView() = default;

QSize ZelImageFileListView::iconSize() const
{
    const QWidget *area = viewport();
    const QScrollBar *vertical = verticalScrollBar();
    const int horizontalBarHeight = horizontalScrollBar()->height();
    const int a = vertical->isVisible() ? -(vertical->width() + 24) : -39;
    const int b = horizontalBarHeight == 0 ? -14 : 1 - horizontalBarHeight;
    const int byWidth = area->width() - 1 + a;
    const int byHeight = area->height() - 1 + b - spacing() - QFontMetrics(area->font()).height();
    const int side = qMin(byWidth, byHeight);
    return QSize(side, side);
}

void ZelImageFileListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListView::currentChanged(current, previous);
    Q_EMIT newCurrentIndex(current);
}

void ZelImageFileListView::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    setIconSize(iconSize());
}

void ZelImageFileListView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
}
