#include <ZelGui/ZelPropertyWidget.h>

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QStyledItemDelegate>

namespace {

// Rows taken away by the view (a reset, a removal) hand their widgets back
// to the property widget's parking place instead of deleting them.
class ParkingDelegate : public QStyledItemDelegate
{
public:
    ParkingDelegate(QWidget *parking, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_parking(parking)
    {
    }

    void destroyEditor(QWidget *editor, const QModelIndex &index) const override
    {
        if (m_parking && editor->property(parkedProperty).toBool()) {
            editor->hide();
            editor->setParent(m_parking);
            return;
        }
        QStyledItemDelegate::destroyEditor(editor, index);
    }

    static constexpr char parkedProperty[] = "_zel_property_widget_row";

private:
    QPointer<QWidget> m_parking;
};

// Marks a widget as one of the rows' widgets and parks it.
void adopt(QWidget *widget, QWidget *parking)
{
    widget->setProperty(ParkingDelegate::parkedProperty, true);
    widget->hide();
    widget->setParent(parking);
}

} // namespace

ZelPropertyWidget::ZelPropertyWidget(QWidget *parent)
    : QTreeWidget(parent)
    , m_inner(new QWidget(this))
{
    // Widgets wait here, hidden, while they have no row.
    m_inner->hide();
    setColumnCount(2);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(0);
    setSelectionMode(QAbstractItemView::NoSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    header()->setStretchLastSection(true);
    setItemDelegate(new ParkingDelegate(m_inner, this));
}

ZelPropertyWidget::~ZelPropertyWidget() = default;

void ZelPropertyWidget::addWidget(QWidget *widget)
{
    if (!widget)
        return;
    adopt(widget, m_inner);
    const Item item{nullptr, widget};
    m_items.append(item);
    appendRow(item);
}

void ZelPropertyWidget::addWidget(const QString &caption, const QString &toolTip, QWidget *widget)
{
    if (!widget)
        return;
    auto *label = new QLabel(caption);
    label->setToolTip(toolTip);
    label->setBuddy(widget);
    adopt(label, m_inner);
    adopt(widget, m_inner);
    if (!toolTip.isEmpty() && widget->toolTip().isEmpty())
        widget->setToolTip(toolTip);
    const Item item{label, widget};
    m_items.append(item);
    appendRow(item);
    resizeColumnToContents(0);
}

void ZelPropertyWidget::addSeparator()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    addWidget(line);
}

void ZelPropertyWidget::clear()
{
    const QList<Item> items = std::exchange(m_items, {});
    QTreeWidget::clear();
    for (const Item &item : items) {
        delete item.label.data();
        delete item.widget.data();
    }
}

void ZelPropertyWidget::makeLayout()
{
    QTreeWidget::clear();
    QList<Item> live;
    for (const Item &item : std::as_const(m_items)) {
        if (!item.widget) {
            delete item.label.data();
            continue;
        }
        live.append(item);
        appendRow(item);
    }
    m_items = live;
    resizeColumnToContents(0);
}

QWidget *ZelPropertyWidget::viewPort() const
{
    return nullptr;
}

QList<ZelPropertyWidget::Item> ZelPropertyWidget::items() const
{
    return m_items;
}

void ZelPropertyWidget::appendRow(const Item &item)
{
    auto *row = new QTreeWidgetItem(this);
    row->setFlags(Qt::ItemIsEnabled);
    if (item.label) {
        setItemWidget(row, 0, item.label);
        setItemWidget(row, 1, item.widget);
    } else {
        row->setFirstColumnSpanned(true);
        setItemWidget(row, 0, item.widget);
    }
}
