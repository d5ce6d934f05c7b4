#pragma once

//! \file
//! The tree of categories and property forms, and its caption placements.

#include <ZelGui/zelgui_export.h>

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QWidget>

class QFormLayout;
class QIcon;
class QLabel;
class ZelTreePropertyWidgetContainer;

//! Where an item's caption goes relative to its editor widget.
enum PW_PlaceMethod : int {
    PW_LabelOnTop = 0, //!< the caption on a row of its own above the widget
    PW_LabelLeft = 1, //!< caption left, widget right
    PW_LabelRight = 2, //!< widget left, caption right
};

//! A row of a ZelTreePropertyWidget: a category (top level) or a property
//! whose editor widget is laid out with its caption in a small form inside
//! the item's container widget.
//!
//! The item creates and owns its container: while the item's row shows it
//! the container is a child of the tree's viewport, otherwise it has no
//! parent; either way it goes with the item. Widgets given to setWidget()
//! become children of the container.
class ZELGUI_EXPORT ZelTreePropertyWidgetItem : public QTreeWidgetItem
{
public:
    //! An item of type 0 (QTreeWidgetItem::Type) under parent, which may be
    //! null.
    ZelTreePropertyWidgetItem(QByteArray id, QTreeWidgetItem *parent);
    ~ZelTreePropertyWidgetItem() override;

    //! Lays out and shows widget with a caption (when not empty) placed by
    //! method, and gives the item the tool tip (when not empty); the caption
    //! is the widget's buddy label. A method outside PW_PlaceMethod with a
    //! caption lays out nothing. A later call replaces the form: the labels
    //! of the earlier one go, an earlier widget that is not given again is
    //! hidden and stays the container's child. A null widget lays out the
    //! caption alone.
    void setWidget(QWidget *widget, PW_PlaceMethod method, const QString &caption, const QString &toolTip);
    //! A wrapped explanation below the widget; ignored before setWidget().
    void setDescription(const QString &text);

    //! The caption given to setCaption() or setWidget().
    QString caption();
    //! Stores the caption that caption() returns; the form's label stays as it is.
    void setCaption(const QString &caption);
    //! The identifier given to the constructor.
    QByteArray id();
    //! The item's container, owned by the item.
    ZelTreePropertyWidgetContainer *containerWidget();

private:
    friend class ZelTreePropertyWidgetContainer;

    QPointer<ZelTreePropertyWidgetContainer> m_container;
    QString m_caption;
    QPointer<QFormLayout> m_layout;
    QByteArray m_id;
    //! Labels the item made for the current form.
    QList<QPointer<QLabel>> m_labels;
};

//! The widget of a ZelTreePropertyWidgetItem's row, holding the item's form.
//! Its size hint is the form's; the view gives it the cell's geometry.
class ZELGUI_EXPORT ZelTreePropertyWidgetContainer : public QWidget
{
    Q_OBJECT
public:
    //! Creates the container of \a item (not owned); \a parent owns the container.
    explicit ZelTreePropertyWidgetContainer(QTreeWidgetItem *item, QWidget *parent = nullptr);
    //! Destroys the container and the widgets of its form.
    ~ZelTreePropertyWidgetContainer() override;

    //! The item whose row shows this container; null once the item is gone.
    QTreeWidgetItem *item() const;

protected:
    //! Left empty: the form follows the size through its own layout handling.
    //! \cond
    void resizeEvent(QResizeEvent *event) override;
    //! \endcond

private:
    friend class ZelTreePropertyWidgetItem;

    QTreeWidgetItem *m_item = nullptr;
};

//! A settings panel made of a tree: top-level rows are categories with a
//! caption, which collapse and expand with animation; their children carry
//! editor widgets in ZelTreePropertyWidgetItem forms. Category rows are not
//! selectable. The tree owns its items.
class ZELGUI_EXPORT ZelTreePropertyWidget : public QTreeWidget
{
    Q_OBJECT
public:
    //! Creates an empty tree; \a parent owns it.
    explicit ZelTreePropertyWidget(QWidget *parent = nullptr);
    //! Destroys the tree and its items.
    ~ZelTreePropertyWidget() override;

    //! A new category row at the bottom, owned by the tree. The icon is not
    //! shown.
    ZelTreePropertyWidgetItem *addCategory(const QByteArray &id, const QString &caption, const QString &toolTip,
                                           const QIcon &icon);
    //! Makes item the last child of category, enabled but not selectable,
    //! with its container shown. An item placed elsewhere (under another
    //! row, at the top level) is moved. Nothing happens when item is null
    //! or is the category, or when category is no top-level row of this
    //! tree.
    void addItemToCategory(ZelTreePropertyWidgetItem *category, ZelTreePropertyWidgetItem *item);
    //! addItemToCategory() for each item, in order.
    void addItemsToCategory(ZelTreePropertyWidgetItem *category, const QList<ZelTreePropertyWidgetItem *> &items);
    //! The children of a top-level row, in order; empty for other items.
    QList<ZelTreePropertyWidgetItem *> categoryItems(ZelTreePropertyWidgetItem *category);
    //! Adds item as the last top-level row with its container shown; an item
    //! placed elsewhere is moved. Its flags are left as they are.
    void addTopLevelItemWithWidget(ZelTreePropertyWidgetItem *item);
    //! topLevelItem(index).
    QTreeWidgetItem *getTopLevelItem(int index);

    //! The categories made by addCategory() that are still rows of the tree,
    //! in creation order.
    QList<ZelTreePropertyWidgetItem *> categories() const;

protected:
    //! \cond
    void resizeEvent(QResizeEvent *event) override;
    //! \endcond

private:
    void showContainer(ZelTreePropertyWidgetItem *item);

    QList<ZelTreePropertyWidgetItem *> m_categories;
};
