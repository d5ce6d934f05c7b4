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
    //! Creates an empty view; \a parent owns it.
    explicit IZelElementTableView(QWidget *parent = nullptr);
    //! Destroys the view.
    ~IZelElementTableView() override;

    //! QAbstractItemView::edit(index) stays callable beside the edit() slot.
    void edit(const QModelIndex &index) { QTableView::edit(index); }

public Q_SLOTS:
    //! Adds a new element (the host's view decides how).
    virtual void add() = 0;
    //! Edits the current element.
    virtual void edit() = 0;
    //! Removes the selected elements.
    virtual void remove() = 0;

protected:
    //! Forwards to QTableView::edit(index, trigger, event); declared so that the edit() slot does not hide it.
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
};
