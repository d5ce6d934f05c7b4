#include <ZelGui/IZelElementTableView.h>

IZelElementTableView::IZelElementTableView(QWidget *parent)
    : QTableView(parent)
{
}

IZelElementTableView::~IZelElementTableView() = default;

bool IZelElementTableView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    return QTableView::edit(index, trigger, event);
}
