#pragma once

#include <ZelGui/zelgui_export.h>

#include <QList>
#include <QPointer>
#include <QTreeWidget>

class QLabel;

//! A flat list of labelled editors on the rows of a tree: each
//! addWidget(caption, toolTip, widget) adds a row with the caption on the
//! left and the widget on the right, addWidget(widget) a row the widget
//! fills, addSeparator() a row with a line. Rows appear as they are added.
//!
//! The property widget owns the widgets given to it and the labels it makes;
//! clear() deletes them. Rows removed by other means (QTreeWidget::clear()
//! through a base pointer) keep their widgets, hidden, until makeLayout()
//! shows them again.
class ZELGUI_EXPORT ZelPropertyWidget : public QTreeWidget
{
    Q_OBJECT
public:
    //! One row: a caption label (null for rows without one) and the widget.
    struct Item
    {
        //! The caption label; null for a row without one.
        QPointer<QLabel> label;
        //! The row's widget.
        QPointer<QWidget> widget;
    };

    //! Creates an empty list; \a parent owns it.
    explicit ZelPropertyWidget(QWidget *parent = nullptr);
    //! Destroys the list with the widgets and labels it owns.
    ~ZelPropertyWidget() override;

    //! Null widgets are ignored.
    void addWidget(QWidget *widget);
    //! Adds a row: \a caption (with \a toolTip, buddy of \a widget) on the left, \a widget on the right. The list takes \a widget; null is ignored.
    void addWidget(const QString &caption, const QString &toolTip, QWidget *widget);
    //! Adds a row with a horizontal line.
    void addSeparator();
    //! Removes every row and deletes its widgets and labels.
    void clear();
    //! Builds the rows again from what was added (widgets deleted meanwhile
    //! are left out) and fits the caption column to its contents.
    void makeLayout();

    //! Always null: the rows are the property widget's own business.
    QWidget *viewPort() const;

    //! What was added, in order.
    QList<Item> items() const;

private:
    void appendRow(const Item &item);

    QWidget *m_inner = nullptr;
    QList<Item> m_items;
};
