#pragma once

#include <ZelGui/zelgui_export.h>

#include <QStyledItemDelegate>

//! Paints items as QStyledItemDelegate does, but without the focus frame
//! around the current cell: for views that highlight whole rows (lists of
//! choices, pop-ups), where a frame around one cell only adds noise.
//! Selection colours are kept.
class ZELGUI_EXPORT ZelNoFocusRectDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    //! Creates the delegate; \a parent owns it.
    explicit ZelNoFocusRectDelegate(QObject *parent = nullptr);
    //! Destroys the delegate.
    ~ZelNoFocusRectDelegate() override;

    //! Paints the item as QStyledItemDelegate does, without the focus frame.
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
