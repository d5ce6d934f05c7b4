#pragma once

#include <ZelGui/zelgui_export.h>

#include <QListView>

//! The list of a ZelImageFileItemModel: one large picture per entry, sized
//! so that one entry fills the visible area with a line of text under it.
//! The icon size follows every resize of the view. Word wrap is on and the
//! spacing is 7 pixels; the view creates and owns its
//! ZelImageFileItemDelegate.
class ZELGUI_EXPORT ZelImageFileListView : public QListView
{
    Q_OBJECT
public:
    //! Creates the view and its delegate; \a parent owns it.
    explicit ZelImageFileListView(QWidget *parent = nullptr);
    //! Destroys the view.
    ~ZelImageFileListView() override;

    //! The side of a square that fits the viewport with room for the
    //! scroll bars, the spacing and one line of text. Hides
    //! QAbstractItemView::iconSize(), which keeps the size last applied.
    QSize iconSize() const;

Q_SIGNALS:
    //! The current entry changed.
    void newCurrentIndex(QModelIndex current);

protected Q_SLOTS:
    //! Passes the change to QListView, then emits newCurrentIndex().
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

protected:
    //! \cond
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    //! \endcond
};
