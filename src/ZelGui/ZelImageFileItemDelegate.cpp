#include <ZelGui/ZelImageFileItemDelegate.h>

ZelImageFileItemDelegate::ZelImageFileItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

ZelImageFileItemDelegate::~ZelImageFileItemDelegate() = default;

void ZelImageFileItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
}

QSize ZelImageFileItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QStyledItemDelegate::sizeHint(option, index);
}
