#include <ZelGui/ZelBindableQAction.h>

ZelBindableQAction::ZelBindableQAction(QObject *parent)
    : ZelQAction(parent)
{
}

ZelBindableQAction::ZelBindableQAction(const QString &text, QObject *parent)
    : ZelQAction(text, parent)
{
}

ZelBindableQAction::ZelBindableQAction(const QIcon &icon, const QString &text, QObject *parent)
    : ZelQAction(icon, text, parent)
{
}

ZelBindableQAction::~ZelBindableQAction()
{
    // Handlers are let go in the order they were installed.
    while (!m_handlers.isEmpty())
        m_handlers.removeFirst();
}

void ZelBindableQAction::installHandler(const ZelConnection<QMetaObject::Connection> &connection)
{
    m_handlers.append(connection);
}
