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
    explicit ZelImageFileItemDelegate(QObject *parent = nullptr);
    ~ZelImageFileItemDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
