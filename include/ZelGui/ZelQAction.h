#pragma once

#include <ZelGui/zelgui_export.h>

#include <QAction>

//! A QAction that re-announces its own events under uniform names:
//! actionTriggered (always true), actionChecked (the new checked state) and
//! actionEnabled (the enabled state, repeated after every change of the
//! action). complete(), cancelled() and actionCancelled() are never emitted
//! by the action itself; they are for the code that runs a long command.
//!
//! Subclasses may override slotTriggerAction() and slotCheckAction() to take
//! the events instead of the default re-emission.
class ZELGUI_EXPORT ZelQAction : public QAction
{
    Q_OBJECT
public:
    //! Creates an action without text; \a parent owns it.
    explicit ZelQAction(QObject *parent = nullptr);
    //! Creates an action showing \a text; \a parent owns it.
    ZelQAction(const QString &text, QObject *parent);
    //! Creates an action showing \a icon and \a text; \a parent owns it.
    ZelQAction(const QIcon &icon, const QString &text, QObject *parent);
    //! Destroys the action.
    ~ZelQAction() override;

Q_SIGNALS:
    //! For the command the action runs: it has completed. Not emitted by the action.
    void complete();
    //! For the command the action runs: it was cancelled. Not emitted by the action.
    void cancelled();
    //! The action's enabled state, after every change of the action.
    void actionEnabled(bool enabled);
    //! The action was triggered; \a triggered is always true.
    void actionTriggered(bool triggered);
    //! The checkable action was toggled; \a checked is the new state.
    void actionChecked(bool checked);
    //! For the command the action runs; not emitted by the action.
    void actionCancelled(bool cancelled);

private Q_SLOTS:
    void onActionChanged();
    virtual void slotTriggerAction();
    virtual void slotCheckAction(bool checked);

private:
    void connectSelf();
};
