#include "ZelKeyboard_p.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>

void ZelKeyboard::installHeaderMenuKeys(QHeaderView *header)
{
    new ZelHeaderMenuKeys(header);
}

bool ZelKeyboard::isMenuKey(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    return (key == Qt::Key_Menu && mods == Qt::NoModifier) || (key == Qt::Key_F10 && mods == Qt::ShiftModifier);
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
    // The Menu key in the view stays the view's own context menu; Shift+F10
    // has no other use there.
    const bool inView = watched == m_view && key->key() == Qt::Key_F10 && ZelKeyboard::isMenuKey(key->key(), key->modifiers());
    const bool onHeader = watched == m_header && ZelKeyboard::isMenuKey(key->key(), key->modifiers());
    if (!inView && !onHeader)
        return false;
    if (!m_header->isVisible())
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
