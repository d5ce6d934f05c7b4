#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>

class QHeaderView;
class QWidget;

namespace ZelKeyboard {

// Lets Shift+F10 in the header's item view (and the Menu key or Shift+F10
// on the header itself, when it has the focus) open the header's context
// menu, at the section of the view's current column. The helper is a child
// of the header and follows it into whatever view it is put.
void installHeaderMenuKeys(QHeaderView *header);

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

// Names the controls of a composite editor for assistive tools: at first
// the generic names given, and each time the composite is shown, the
// composite's own accessible name or its buddy label's text, when it has
// one. A name the host gave a control itself is never replaced. The helper
// is a child of the composite.
class ZelControlNames : public QObject
{
    Q_OBJECT
public:
    ZelControlNames(QWidget *composite, QList<QPair<QWidget *, QString>> controls);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply(const QString &name);

    struct Control
    {
        QPointer<QWidget> widget;
        QString fallback;
        QString given; // the name this helper set last
    };
    QWidget *const m_composite;
    QList<Control> m_controls;
};
