#pragma once

#include <ZelGui/zelgui_export.h>

#include <QAbstractTableModel>

//! Base of the hosts' element table models. Besides Qt's own row
//! notifications it announces rowsCountChanged() after every insertion and
//! every removal of rows (one per begin/end pair), for labels such as
//! "12 elements" that only care about the count. rowCount(), columnCount()
//! and data() are left to the host's model.
class ZELGUI_EXPORT ZelElementAbstractTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    //! Creates the model; \a parent owns it.
    explicit ZelElementAbstractTableModel(QObject *parent = nullptr);
    //! Destroys the model.
    ~ZelElementAbstractTableModel() override;

Q_SIGNALS:
    //! Rows were inserted or removed; emitted after Qt's rowsInserted() or rowsRemoved().
    void rowsCountChanged();

public Q_SLOTS:
    //! dataChanged(topLeft, bottomRight) for all roles.
    void emitDataChanged(QModelIndex topLeft, QModelIndex bottomRight);

private Q_SLOTS:
    void emitRowCountChanged();
};
