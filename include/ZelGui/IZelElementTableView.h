#pragma once

#include <ZelGui/zelgui_export.h>

#include <QTableView>

//! The table view of a host's elements: a plain QTableView with three
//! slots that the host's view implements and connects to its buttons,
//! menus and shortcuts: add a new element, edit the current one, remove the
//! selected ones.
class ZELGUI_EXPORT IZelElementTableView : public QTableView
{
    Q_OBJECT
public:
    explicit IZelElementTableView(QWidget *parent = nullptr);
    ~IZelElementTableView() override;

    //! QAbstractItemView::edit(index) stays callable beside the edit() slot.
    void edit(const QModelIndex &index) { QTableView::edit(index); }

public Q_SLOTS:
    virtual void add() = 0;
    virtual void edit() = 0;
    virtual void remove() = 0;

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
};
