#include <ZelGui/ZelDockWidget.h>

#include <QAbstractButton>
#include <QMainWindow>
#include <QShowEvent>
#include <QTimer>

ZelDockWidget::ZelDockWidget(QWidget *parent)
    : QDockWidget(parent)
{
    connect(this, &QDockWidget::dockLocationChanged, this, &ZelDockWidget::scheduleTabifyEnforcement);
    // Floating needs no partner; docking again does.
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        if (!floating)
            scheduleTabifyEnforcement();
    });
    // Qt's float and close buttons in the title take no focus, so without a
    // mouse a dock could neither be floated nor closed: let Tab reach them.
    for (QAbstractButton *button : findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly))
        button->setFocusPolicy(Qt::TabFocus);
}

ZelDockWidget::~ZelDockWidget() = default;

void ZelDockWidget::scheduleTabifyEnforcement()
{
    // A drag or a layout restore reports several changes in a row; the
    // main window's layout has settled by the time the loop comes back.
    if (m_tabifyScheduled)
        return;
    m_tabifyScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_tabifyScheduled = false;
        enforceTabified();
    });
}

void ZelDockWidget::enforceTabified()
{
    if (isFloating())
        return;
    // The nearest main window among the ancestors: the same as window()
    // for a top-level main window, and the right one for a main window
    // embedded in another widget, where window() is some outer window.
    QMainWindow *mainWindow = nullptr;
    for (QWidget *w = parentWidget(); w && !mainWindow; w = w->parentWidget())
        mainWindow = qobject_cast<QMainWindow *>(w);
    if (!mainWindow)
        return;
    if (!mainWindow->tabifiedDockWidgets(this).isEmpty())
        return;
    const Qt::DockWidgetArea area = mainWindow->dockWidgetArea(this);
    if (area == Qt::NoDockWidgetArea)
        return;

    const QList<QDockWidget *> docks = mainWindow->findChildren<QDockWidget *>();
    for (QDockWidget *other : docks) {
        if (other == this || other->isFloating() || other->isHidden() || mainWindow->dockWidgetArea(other) != area)
            continue;
        mainWindow->tabifyDockWidget(other, this);
        if (widget())
            widget()->repaint();
        repaint();
        if (other->widget())
            other->widget()->repaint();
        other->repaint();
        return;
    }
}

void ZelDockWidget::setContentsWidget(QWidget *widget)
{
    setUpdatesEnabled(false);
    Q_EMIT contentsWidgetAboutToBeChanged(widget);
    setWidget(widget);
    if (widget && isVisible())
        widget->show();
    Q_EMIT contentsWidgetChanged(widget);
    setUpdatesEnabled(true);
}

void ZelDockWidget::activate()
{
    setVisible(true);
}

void ZelDockWidget::showEvent(QShowEvent *event)
{
    QDockWidget::showEvent(event);
    if (!event->spontaneous())
        setVisible(true);
}
