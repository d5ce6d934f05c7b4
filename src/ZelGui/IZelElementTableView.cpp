#include <ZelGui/IZelElementTableView.h>

IZelElementTableView::IZelElementTableView(QWidget *parent)
    : QTableView(parent)
{
    // Tab leaves the table (the arrows move between cells); Qt's default
    // would cycle through the cells and never let a keyboard user out.
    setTabKeyNavigation(false);
}

IZelElementTableView::~IZelElementTableView() = default;

bool IZelElementTableView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    return QTableView::edit(index, trigger, event);
}
