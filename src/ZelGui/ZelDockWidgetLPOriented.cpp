#include <ZelGui/ZelDockWidgetLPOriented.h>

#include <ZelGui/ILPOrientedWidget.h>

#include <QLoggingCategory>

namespace {

// Quiet unless a host enables "zel.gui.dock.debug".
Q_LOGGING_CATEGORY(lcDock, "zel.gui.dock", QtInfoMsg)

ILPOrientedWidget *orientable(QWidget *widget)
{
    return dynamic_cast<ILPOrientedWidget *>(widget);
}

// Left and right are tall, top and bottom wide; other areas say nothing
// about the shape.
void orientFor(ILPOrientedWidget *widget, Qt::DockWidgetArea area)
{
    if (!widget)
        return;
    switch (area) {
    case Qt::LeftDockWidgetArea:
    case Qt::RightDockWidgetArea:
        widget->orientPortrait();
        break;
    case Qt::TopDockWidgetArea:
    case Qt::BottomDockWidgetArea:
        widget->orientLandscape();
        break;
    default:
        break;
    }
}

} // namespace

ZelDockWidgetLPOriented::ZelDockWidgetLPOriented(QWidget *parent)
    : ZelDockWidget(parent)
{
    connect(this, &QDockWidget::dockLocationChanged, this, &ZelDockWidgetLPOriented::onLocationChanged);
    // Before the change, so that new contents arrive in their shape.
    connect(this, &ZelDockWidget::contentsWidgetAboutToBeChanged, this,
            &ZelDockWidgetLPOriented::onContentsWidgetChanged);
    connect(this, &QDockWidget::topLevelChanged, this, &ZelDockWidgetLPOriented::onTopLevelChanged);
}

ZelDockWidgetLPOriented::ZelDockWidgetLPOriented()
    : ZelDockWidgetLPOriented(nullptr)
{
}

ZelDockWidgetLPOriented::~ZelDockWidgetLPOriented() = default;

void ZelDockWidgetLPOriented::onLocationChanged(Qt::DockWidgetArea area)
{
    m_area = area;
    if (ILPOrientedWidget *contents = orientable(widget())) {
        qCDebug(lcDock) << "location changed:" << area << int(area) << static_cast<void *>(contents);
        // The main window also reports the side it keeps for a panel that
        // still floats; the panel keeps its floating (portrait) form until
        // it docks there.
        if (!isFloating())
            orientFor(contents, m_area);
    }
}

void ZelDockWidgetLPOriented::onContentsWidgetChanged(QWidget *widget)
{
    ILPOrientedWidget *contents = orientable(widget);
    if (!contents)
        return;
    if (isFloating())
        contents->orientPortrait();
    else
        orientFor(contents, m_area);
}

void ZelDockWidgetLPOriented::onTopLevelChanged(bool floating)
{
    // Docking again is handled by the dockLocationChanged that follows.
    if (!floating)
        return;
    if (ILPOrientedWidget *contents = orientable(widget()))
        contents->orientPortrait();
}

void ZelDockWidgetLPOriented::locateWidget(ILPOrientedWidget *widget, Qt::DockWidgetArea area)
{
    orientFor(widget, area);
    m_area = area;
}

void ZelDockWidgetLPOriented::locatePortrait(ILPOrientedWidget *widget)
{
    if (widget)
        widget->orientPortrait();
}

// QDockWidget does its title-bar dragging in event(); these handlers only
// keep the plain QWidget behaviour.
void ZelDockWidgetLPOriented::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
}

void ZelDockWidgetLPOriented::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
}

void ZelDockWidgetLPOriented::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
}
