#pragma once

#include <QObject>
#include <QPointer>

class QHeaderView;
class QWidget;

namespace ZelKeyboard {

// Lets Shift+F10 in the header's item view (and the Menu key or Shift+F10
// on the header itself, when it has the focus) open the header's context
// menu, at the section of the view's current column. The helper is a child
// of the header and follows it into whatever view it is put.
void installHeaderMenuKeys(QHeaderView *header);

// True for the keys that open a context menu from the keyboard.
bool isMenuKey(int key, Qt::KeyboardModifiers modifiers);

} // namespace ZelKeyboard

class ZelHeaderMenuKeys : public QObject
{
    Q_OBJECT
public:
    explicit ZelHeaderMenuKeys(QHeaderView *header);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchView();
    void openMenu();

    QHeaderView *const m_header;
    QPointer<QWidget> m_view;
};
