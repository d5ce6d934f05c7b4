#pragma once

#include <ZelGui/ZelQAction.h>
#include <ZelGui/zelgui_export.h>

#include <ZelCore/ZelConnection.h>

#include <QList>

//! A ZelQAction that owns the connections of its handlers: a connection
//! handed to installHandler() stays alive as long as the action and is
//! released, in the order of installation, when the action is destroyed.
//! There is no way to remove a single handler.
//!
//!     auto *action = new ZelBindableQAction(tr("Red"), menu);
//!     action->installHandler(connect(action, &ZelQAction::actionTriggered, action,
//!                                    [=] { pick(Qt::red); }, Qt::DirectConnection));
class ZELGUI_EXPORT ZelBindableQAction : public ZelQAction
{
    Q_OBJECT
public:
    //! Creates an action without text; \a parent owns it.
    explicit ZelBindableQAction(QObject *parent = nullptr);
    //! Creates an action showing \a text; \a parent owns it.
    ZelBindableQAction(const QString &text, QObject *parent);
    //! Creates an action showing \a icon and \a text; \a parent owns it.
    ZelBindableQAction(const QIcon &icon, const QString &text, QObject *parent);
    //! Releases the installed connections in the order of installation.
    ~ZelBindableQAction() override;

    //! Keeps a copy of the holder; the action shares ownership of the
    //! connection with every other copy.
    void installHandler(const ZelConnection<QMetaObject::Connection> &connection);

private:
    QList<ZelConnection<QMetaObject::Connection>> m_handlers;
};
