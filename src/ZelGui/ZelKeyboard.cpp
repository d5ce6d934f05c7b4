#include "ZelKeyboard_p.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>

void ZelKeyboard::installHeaderMenuKeys(QHeaderView *header)
{
    new ZelHeaderMenuKeys(header);
}

ZelHeaderMenuKeys::ZelHeaderMenuKeys(QHeaderView *header)
    : QObject(header)
    , m_header(header)
{
    header->installEventFilter(this);
    watchView();
}

void ZelHeaderMenuKeys::watchView()
{
    QWidget *view = qobject_cast<QAbstractItemView *>(m_header->parentWidget());
    if (view == m_view)
        return;
    if (m_view)
        m_view->removeEventFilter(this);
    m_view = view;
    if (m_view)
        m_view->installEventFilter(this);
}

bool ZelHeaderMenuKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_header && event->type() == QEvent::ParentChange) {
        watchView();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const bool shiftF10 = key->key() == Qt::Key_F10 && mods == Qt::ShiftModifier;
    const bool menuKey = key->key() == Qt::Key_Menu && mods == Qt::NoModifier;
    // The Menu key in the view stays the view's own context menu; Shift+F10
    // has no other use there.
    const bool wanted = watched == m_header ? shiftF10 || menuKey : watched == m_view && shiftF10;
    if (!wanted || !m_header->isVisible())
        return false;
    openMenu();
    return true;
}

void ZelHeaderMenuKeys::openMenu()
{
    int section = -1;
    if (auto *view = qobject_cast<QAbstractItemView *>(m_view.data())) {
        const QModelIndex current = view->currentIndex();
        if (current.isValid())
            section = m_header->orientation() == Qt::Horizontal ? current.column() : current.row();
    }
    if (section < 0 || m_header->isSectionHidden(section))
        section = m_header->logicalIndexAt(0);

    QPoint pos(m_header->width() / 2, m_header->height() / 2);
    if (section >= 0) {
        const int middle = m_header->sectionViewportPosition(section) + m_header->sectionSize(section) / 2;
        if (m_header->orientation() == Qt::Horizontal)
            pos.setX(middle);
        else
            pos.setY(middle);
    }
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, pos, m_header->mapToGlobal(pos));
    QCoreApplication::sendEvent(m_header, &menuEvent);
}

ZelControlNames::ZelControlNames(QWidget *composite, QList<QPair<QWidget *, QString>> controls)
    : QObject(composite)
    , m_composite(composite)
{
    for (const auto &control : controls)
        m_controls.append({control.first, control.second, QString()});
    apply(QString());
    composite->installEventFilter(this);
}

bool ZelControlNames::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_composite || event->type() != QEvent::Show)
        return false;
    QString name = m_composite->accessibleName();
    if (name.isEmpty() && m_composite->parentWidget()) {
        const auto labels = m_composite->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
        for (const QLabel *label : labels) {
            if (label->buddy() == m_composite) {
                name = QAccessible::queryAccessibleInterface(const_cast<QLabel *>(label))->text(QAccessible::Name);
                break;
            }
        }
    }
    name = name.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    apply(name);
    return false;
}

// Only names this helper gave are replaced.
void ZelControlNames::apply(const QString &name)
{
    for (Control &control : m_controls) {
        if (!control.widget)
            continue;
        const QString current = control.widget->accessibleName();
        if (!current.isEmpty() && current != control.given)
            continue;
        control.given = name.isEmpty() ? control.fallback : name;
        if (current != control.given)
            control.widget->setAccessibleName(control.given);
    }
}
