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
    Q_INVOKABLE explicit ZelDockWidgetLPOriented(QWidget *parent);
    Q_INVOKABLE ZelDockWidgetLPOriented();
    ~ZelDockWidgetLPOriented() override;

    //! Orients widget for area and remembers area as the last known one, also
    //! when it is not one of the four sides (then widget is not called).
    void locateWidget(ILPOrientedWidget *widget, Qt::DockWidgetArea area);
    void locatePortrait(ILPOrientedWidget *widget);

    //! The area last reported or given to locateWidget().
    Qt::DockWidgetArea lastDockArea() const { return m_area; }

protected Q_SLOTS:
    void onLocationChanged(Qt::DockWidgetArea area);
    void onContentsWidgetChanged(QWidget *widget);
    void onTopLevelChanged(bool floating);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    Qt::DockWidgetArea m_area = Qt::NoDockWidgetArea;
};
