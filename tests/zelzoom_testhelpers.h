#pragma once

// Helpers shared by the zoom control tests.

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>
#include <QVBoxLayout>

#include <limits>

namespace ZelZoomTest {

using ZoomList = QList<double>;

inline const double nanZoom = std::numeric_limits<double>::quiet_NaN();
inline const double inf = std::numeric_limits<double>::infinity();

inline void useFusionStyle()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

// The offscreen platform reports what it cannot do for pop-ups; any other
// warning is a failure.
inline void failOnOtherWarnings()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
}

// A top-level window with a vertical layout, not yet shown.
inline QWidget *newWindow()
{
    auto *window = new QWidget;
    window->setLayout(new QVBoxLayout);
    window->resize(400, 160);
    window->move(100, 100);
    return window;
}

// Every zoomChanged() of a control, in order; freed with the control.
template<class Control>
ZoomList *recordZooms(Control *control)
{
    auto *zooms = new ZoomList;
    QObject::connect(control, &Control::zoomChanged, control, [zooms](double z) { zooms->append(z); });
    QObject::connect(control, &QObject::destroyed, [zooms] { delete zooms; });
    return zooms;
}

// A new W in the window's layout, with the window shown and active; null
// when the window never became active.
template<class W>
W *addShown(QWidget *window)
{
    auto *widget = new W(window);
    window->layout()->addWidget(widget);
    window->show();
    return QTest::qWaitForWindowActive(window) ? widget : nullptr;
}

inline void pressStandardKey(QWidget *widget, QKeySequence::StandardKey key)
{
    const QKeyCombination combination = QKeySequence(key)[0];
    QTest::keyClick(widget, combination.key(), combination.keyboardModifiers());
}

// The one menu a zoom button has popped up; null when there is none or when
// earlier menus were left behind.
inline QMenu *shownMenu(QWidget *button)
{
    const QList<QMenu *> menus = button->findChildren<QMenu *>();
    return menus.size() == 1 && QTest::qWaitForWindowExposed(menus.first()) ? menus.first() : nullptr;
}

// Clicks the menu entry that carries the zoom; false when there is none.
inline bool chooseZoom(QMenu *menu, double zoom)
{
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (action->data() == QVariant(zoom)) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return true;
        }
    }
    return false;
}

} // namespace ZelZoomTest
