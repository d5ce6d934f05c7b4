#pragma once

#include <ZelGui/zelgui_export.h>

#include <QDockWidget>

//! A dock widget that does not stay alone in a dock area of its main window
//! when another docked, visible panel is already there: after every docking
//! change (added, moved, re-docked) it tabs itself onto that panel. The check
//! is deferred to the event loop, so any number of changes in one pass lead
//! to one check. Panels that float, or that already share a tab group, are
//! left where they are.
//!
//! Change the contents through setContentsWidget(), which announces the
//! change before and after it. The dock takes the contents widget as a Qt
//! child; contents it replaces stay its (hidden) children until the caller
//! takes them back or the dock is deleted.
class ZELGUI_EXPORT ZelDockWidget : public QDockWidget
{
    Q_OBJECT
public:
    //! Creates an empty dock; \a parent owns it.
    explicit ZelDockWidget(QWidget *parent = nullptr);
    //! Destroys the dock and its contents.
    ~ZelDockWidget() override;

    //! Replaces the contents (setWidget()), showing the new widget when the
    //! dock is visible; emits contentsWidgetAboutToBeChanged and
    //! contentsWidgetChanged around the change. Null removes the contents.
    void setContentsWidget(QWidget *widget);
    //! Shows the dock (setVisible(true)); GuiUtils::makeVisible calls it on
    //! every dock among a widget's ancestors.
    void activate();
    //! The tabbing rule, run by the deferred check (virtual so that
    //! subclasses can add to it). Does nothing for a
    //! floating dock, a dock outside a QMainWindow, a dock without an area or
    //! one already tabbed; otherwise tabs this dock onto the first other
    //! docked, not hidden QDockWidget of the main window in the same area.
    virtual void enforceTabified();

Q_SIGNALS:
    //! setContentsWidget() is about to show \a widget (which may be null).
    void contentsWidgetAboutToBeChanged(QWidget *widget);
    //! setContentsWidget() has set \a widget as the contents.
    void contentsWidgetChanged(QWidget *widget);

protected:
    //! \cond
    void showEvent(QShowEvent *event) override;
    //! \endcond

private Q_SLOTS:
    void scheduleTabifyEnforcement();

private:
    bool m_tabifyScheduled = false;
};
