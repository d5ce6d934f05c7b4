#include <ZelGui/ZelNoFocusRectDelegate.h>

ZelNoFocusRectDelegate::ZelNoFocusRectDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

ZelNoFocusRectDelegate::~ZelNoFocusRectDelegate() = default;

void ZelNoFocusRectDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    QStyleOptionViewItem withoutFocus(option);
    withoutFocus.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, withoutFocus, index);
}
