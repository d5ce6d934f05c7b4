#pragma once

#include <ZelGui/ZelDockWidget.h>
#include <ZelGui/zelgui_export.h>

class ILPOrientedWidget;

//! A ZelDockWidget that tells contents implementing ILPOrientedWidget which
//! shape to take: portrait in the left and right areas and while floating,
//! landscape in the top and bottom areas. New contents are oriented for the
//! dock's last known area before they are set; a dock that has not reported
//! an area yet orients new contents only when floating.
//!
//! Contents without the interface are left alone. The interface pointers
//! given to locateWidget() and locatePortrait() stay the caller's.
class ZELGUI_EXPORT ZelDockWidgetLPOriented : public ZelDockWidget
{
    Q_OBJECT
public:
    //! Creates an empty dock with no known area; \a parent owns it.
    Q_INVOKABLE explicit ZelDockWidgetLPOriented(QWidget *parent);
    //! Creates an empty dock without a parent.
    Q_INVOKABLE ZelDockWidgetLPOriented();
    //! Destroys the dock and its contents.
    ~ZelDockWidgetLPOriented() override;

    //! Orients widget for area and remembers area as the last known one, also
    //! when it is not one of the four sides (then widget is not called).
    void locateWidget(ILPOrientedWidget *widget, Qt::DockWidgetArea area);
    //! Turns \a widget to its portrait shape; null is ignored.
    void locatePortrait(ILPOrientedWidget *widget);

    //! The area last reported or given to locateWidget().
    Qt::DockWidgetArea lastDockArea() const { return m_area; }

protected Q_SLOTS:
    //! Remembers \a area and, unless floating, orients the contents for it.
    void onLocationChanged(Qt::DockWidgetArea area);
    //! Orients new contents before they are set: portrait while floating, else for the last known area.
    void onContentsWidgetChanged(QWidget *widget);
    //! Turns the contents to portrait when the dock starts floating.
    void onTopLevelChanged(bool floating);

protected:
    //! \cond
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    //! \endcond

private:
    //! The last known area; none at first.
    Qt::DockWidgetArea m_area = Qt::NoDockWidgetArea;
};
