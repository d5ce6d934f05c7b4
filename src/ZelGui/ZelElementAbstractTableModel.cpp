#include <ZelGui/ZelElementAbstractTableModel.h>

ZelElementAbstractTableModel::ZelElementAbstractTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    // Connected before anyone else can connect: the count is announced from
    // within Qt's own notification, when rowCount() already has the new value.
    connect(this, &QAbstractItemModel::rowsInserted, this, &ZelElementAbstractTableModel::emitRowCountChanged,
            Qt::DirectConnection);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &ZelElementAbstractTableModel::emitRowCountChanged,
            Qt::DirectConnection);
}

ZelElementAbstractTableModel::~ZelElementAbstractTableModel() = default;

void ZelElementAbstractTableModel::emitDataChanged(QModelIndex topLeft, QModelIndex bottomRight)
{
    Q_EMIT dataChanged(topLeft, bottomRight, {});
}

void ZelElementAbstractTableModel::emitRowCountChanged()
{
    Q_EMIT rowsCountChanged();
}
