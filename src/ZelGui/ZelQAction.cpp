#include <ZelGui/ZelQAction.h>

ZelQAction::ZelQAction(QObject *parent)
    : QAction(parent)
{
    connectSelf();
}

ZelQAction::ZelQAction(const QString &text, QObject *parent)
    : QAction(text, parent)
{
    connectSelf();
}

ZelQAction::ZelQAction(const QIcon &icon, const QString &text, QObject *parent)
    : QAction(icon, text, parent)
{
    connectSelf();
}

ZelQAction::~ZelQAction() = default;

void ZelQAction::connectSelf()
{
    // Pointers to virtual members dispatch through the virtual table, so an
    // override in a subclass receives the events.
    connect(this, &QAction::triggered, this, &ZelQAction::slotTriggerAction);
    connect(this, &QAction::toggled, this, &ZelQAction::slotCheckAction);
    connect(this, &QAction::changed, this, &ZelQAction::onActionChanged);
}

void ZelQAction::onActionChanged()
{
    Q_EMIT actionEnabled(isEnabled());
}

void ZelQAction::slotTriggerAction()
{
    Q_EMIT actionTriggered(true);
}

void ZelQAction::slotCheckAction(bool checked)
{
    Q_EMIT actionChecked(checked);
}
