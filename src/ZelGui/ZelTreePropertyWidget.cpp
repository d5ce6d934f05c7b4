#include <ZelGui/ZelTreePropertyWidget.h>

#include <QFormLayout>
#include <QIcon>
#include <QLabel>
#include <QStyledItemDelegate>

namespace {

// The view drops an index widget with its row (a taken item, a reset). A
// container belongs to its item, so it goes back to the item instead, to be
// shown again when the item is added again.
class ContainerKeepingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void destroyEditor(QWidget *editor, const QModelIndex &index) const override
    {
        auto *container = qobject_cast<ZelTreePropertyWidgetContainer *>(editor);
        if (container && container->item()) {
            container->setParent(nullptr);
            return;
        }
        QStyledItemDelegate::destroyEditor(editor, index);
    }
};

// Takes item out of the tree or parent row it belongs to, if any.
void takeFromItsPlace(QTreeWidgetItem *item)
{
    if (QTreeWidgetItem *parent = item->parent()) {
        parent->removeChild(item);
    } else if (QTreeWidget *tree = item->treeWidget()) {
        tree->takeTopLevelItem(tree->indexOfTopLevelItem(item));
    }
}

} // namespace

// --- ZelTreePropertyWidgetItem ---------------------------------------------

ZelTreePropertyWidgetItem::ZelTreePropertyWidgetItem(QByteArray id, QTreeWidgetItem *parent)
    : QTreeWidgetItem(parent, QTreeWidgetItem::Type)
    , m_container(new ZelTreePropertyWidgetContainer(this))
    , m_id(std::move(id))
{
    m_container->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
}

ZelTreePropertyWidgetItem::~ZelTreePropertyWidgetItem()
{
    if (!m_container)
        return;
    // The view, if it still shows the container, deletes it with the row
    // (QTreeWidgetItem's destructor removes it); a container out of view is
    // ours alone.
    m_container->m_item = nullptr;
    if (!m_container->parent())
        delete m_container.data();
}

void ZelTreePropertyWidgetItem::setWidget(QWidget *widget, PW_PlaceMethod method, const QString &caption,
                                          const QString &toolTip)
{
    if (!m_container)
        return;
    if (m_layout) {
        // Deleted at once: a layout only scheduled for deletion would still
        // be the container's, and the container would refuse the new form.
        QList<QPointer<QWidget>> earlier;
        for (int i = 0; i < m_layout->count(); ++i) {
            if (QWidget *w = m_layout->itemAt(i)->widget())
                earlier.append(w);
        }
        delete m_layout.data();
        for (const QPointer<QLabel> &label : std::as_const(m_labels))
            delete label.data();
        for (const QPointer<QWidget> &w : std::as_const(earlier)) {
            if (w && w.data() != widget)
                w->hide();
        }
    }
    m_labels.clear();
    m_caption = caption;

    auto *form = new QFormLayout;
    form->setSpacing(2);
    form->setContentsMargins(3, 3, 3, 3);
    if (!caption.isEmpty()) {
        const bool known = method == PW_LabelOnTop || method == PW_LabelLeft || method == PW_LabelRight;
        if (known) {
            auto *label = new QLabel(caption, m_container);
            m_labels.append(label);
            if (!widget) {
                form->addRow(label);
            } else if (method == PW_LabelOnTop) {
                form->addRow(label);
                form->addRow(widget);
            } else if (method == PW_LabelLeft) {
                form->addRow(label, widget);
            } else {
                form->addRow(widget, label);
            }
            if (widget) {
                label->setBuddy(widget);
                QObject::connect(m_container, &QObject::destroyed, widget, &QObject::deleteLater, Qt::UniqueConnection);
            }
        }
    } else if (widget) {
        form->addRow(widget);
    }
    m_container->setLayout(form);
    m_layout = form;
    if (widget && form->indexOf(widget) >= 0)
        widget->show();
    if (!toolTip.isEmpty())
        setToolTip(0, toolTip);
}

void ZelTreePropertyWidgetItem::setDescription(const QString &text)
{
    if (text.isEmpty() || !m_layout)
        return;
    auto *label = new QLabel(text, m_container);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    label->setPalette(palette);
    m_layout->addRow(label);
    m_labels.append(label);
}

QString ZelTreePropertyWidgetItem::caption()
{
    return m_caption;
}

void ZelTreePropertyWidgetItem::setCaption(const QString &caption)
{
    m_caption = caption;
}

QByteArray ZelTreePropertyWidgetItem::id()
{
    return m_id;
}

ZelTreePropertyWidgetContainer *ZelTreePropertyWidgetItem::containerWidget()
{
    return m_container;
}

// --- ZelTreePropertyWidgetContainer ----------------------------------------

ZelTreePropertyWidgetContainer::ZelTreePropertyWidgetContainer(QTreeWidgetItem *item, QWidget *parent)
    : QWidget(parent)
    , m_item(item)
{
}

ZelTreePropertyWidgetContainer::~ZelTreePropertyWidgetContainer()
{
    if (QLayout *form = layout())
        form->deleteLater();
}

QTreeWidgetItem *ZelTreePropertyWidgetContainer::item() const
{
    return m_item;
}

void ZelTreePropertyWidgetContainer::resizeEvent(QResizeEvent *) { }

// --- ZelTreePropertyWidget -------------------------------------------------

ZelTreePropertyWidget::ZelTreePropertyWidget(QWidget *parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    // No branch lines.
    setStyleSheet(QStringLiteral("QTreeView::branch:has-siblings:!adjoins-item { padding: 0px; border-image:none; }"
                                 "QTreeView::branch:has-siblings:adjoins-item { padding: 0px; border-image:none 0; }"
                                 "QTreeView::branch:!has-children:!has-siblings:adjoins-item { padding: 0px; "
                                 "border-image:none; }"));
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setIndentation(10);
    setAnimated(true);
    setItemDelegate(new ContainerKeepingDelegate(this));
}

ZelTreePropertyWidget::~ZelTreePropertyWidget() = default;

ZelTreePropertyWidgetItem *ZelTreePropertyWidget::addCategory(const QByteArray &id, const QString &caption,
                                                              const QString &toolTip, const QIcon &icon)
{
    Q_UNUSED(icon)
    auto *category = new ZelTreePropertyWidgetItem(id, nullptr);
    category->setText(0, caption);
    category->setToolTip(0, toolTip);
    category->setCaption(caption);
    category->setFlags(Qt::ItemIsEnabled);
    addTopLevelItem(category);
    m_categories.append(category);
    return category;
}

void ZelTreePropertyWidget::addItemToCategory(ZelTreePropertyWidgetItem *category, ZelTreePropertyWidgetItem *item)
{
    if (!item || item == category || indexOfTopLevelItem(category) < 0)
        return;
    takeFromItsPlace(item);
    category->addChild(item);
    item->setFlags(Qt::ItemIsEnabled);
    showContainer(item);
}

void ZelTreePropertyWidget::addItemsToCategory(ZelTreePropertyWidgetItem *category,
                                               const QList<ZelTreePropertyWidgetItem *> &items)
{
    if (indexOfTopLevelItem(category) < 0)
        return;
    for (ZelTreePropertyWidgetItem *item : items)
        addItemToCategory(category, item);
}

QList<ZelTreePropertyWidgetItem *> ZelTreePropertyWidget::categoryItems(ZelTreePropertyWidgetItem *category)
{
    QList<ZelTreePropertyWidgetItem *> items;
    if (indexOfTopLevelItem(category) < 0)
        return items;
    const int n = category->childCount();
    items.reserve(n);
    for (int i = 0; i < n; ++i) {
        // Children added by other means than ours may be plain items.
        if (auto *item = dynamic_cast<ZelTreePropertyWidgetItem *>(category->child(i)))
            items.append(item);
    }
    return items;
}

void ZelTreePropertyWidget::addTopLevelItemWithWidget(ZelTreePropertyWidgetItem *item)
{
    if (!item)
        return;
    takeFromItsPlace(item);
    addTopLevelItem(item);
    showContainer(item);
}

QTreeWidgetItem *ZelTreePropertyWidget::getTopLevelItem(int index)
{
    return topLevelItem(index);
}

QList<ZelTreePropertyWidgetItem *> ZelTreePropertyWidget::categories() const
{
    QList<ZelTreePropertyWidgetItem *> live;
    for (ZelTreePropertyWidgetItem *category : m_categories) {
        // Looked up by address only, and typed through the tree's own row:
        // a category the host deleted is never touched.
        const int index = indexOfTopLevelItem(category);
        auto *row = index >= 0 ? dynamic_cast<ZelTreePropertyWidgetItem *>(topLevelItem(index)) : nullptr;
        if (row && !live.contains(row))
            live.append(row);
    }
    return live;
}

void ZelTreePropertyWidget::resizeEvent(QResizeEvent *event)
{
    viewport()->update();
    QAbstractItemView::resizeEvent(event);
}

void ZelTreePropertyWidget::showContainer(ZelTreePropertyWidgetItem *item)
{
    ZelTreePropertyWidgetContainer *container = item->containerWidget();
    // Setting the shown widget again would make the view delete it.
    if (container && itemWidget(item, 0) != container)
        setItemWidget(item, 0, container);
}
