#pragma once

#include <ZelGui/zelgui_export.h>

#include <QStyledItemDelegate>

//! The item delegate of ZelImageFileListView. It paints and sizes entries as
//! QStyledItemDelegate does, from the model's picture, text, alignment and
//! size hint; it is the place for the list's own look.
class ZELGUI_EXPORT ZelImageFileItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    //! Creates the delegate; \a parent owns it.
    explicit ZelImageFileItemDelegate(QObject *parent = nullptr);
    //! Destroys the delegate.
    ~ZelImageFileItemDelegate() override;

    //! Paints an entry as QStyledItemDelegate does.
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    //! The entry's size as QStyledItemDelegate gives it.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
