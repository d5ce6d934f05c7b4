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
    explicit ZelQAction(QObject *parent = nullptr);
    ZelQAction(const QString &text, QObject *parent);
    ZelQAction(const QIcon &icon, const QString &text, QObject *parent);
    ~ZelQAction() override;

Q_SIGNALS:
    void complete();
    void cancelled();
    void actionEnabled(bool enabled);
    void actionTriggered(bool triggered);
    void actionChecked(bool checked);
    void actionCancelled(bool cancelled);

private Q_SLOTS:
    void onActionChanged();
    virtual void slotTriggerAction();
    virtual void slotCheckAction(bool checked);

private:
    void connectSelf();
};
