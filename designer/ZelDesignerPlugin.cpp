#include "ZelDesignerPlugin.h"

#include <QIcon>
#include <QWidget>

ZelDesignerWidget::ZelDesignerWidget(const ZelDesignerEntry &entry, QObject *parent)
    : QObject(parent)
    , m_entry(entry)
{
}

ZelDesignerWidget::~ZelDesignerWidget() = default;

QString ZelDesignerWidget::name() const
{
    return m_entry.className;
}

QString ZelDesignerWidget::group() const
{
    return QStringLiteral("ZelGui");
}

QString ZelDesignerWidget::toolTip() const
{
    return m_entry.toolTip;
}

QString ZelDesignerWidget::whatsThis() const
{
    return m_entry.whatsThis;
}

QString ZelDesignerWidget::includeFile() const
{
    return m_entry.includeFile;
}

QIcon ZelDesignerWidget::icon() const
{
    return QIcon(QStringLiteral(":/ZelGuiDesigner/icons/") + m_entry.iconFile);
}

bool ZelDesignerWidget::isContainer() const
{
    return m_entry.container;
}

QWidget *ZelDesignerWidget::createWidget(QWidget *parent)
{
    return m_entry.create(parent);
}

bool ZelDesignerWidget::isInitialized() const
{
    return m_initialized;
}

void ZelDesignerWidget::initialize(QDesignerFormEditorInterface *)
{
    m_initialized = true;
}

QString ZelDesignerWidget::domXml() const
{
    return zelDesignerDomXml(m_entry);
}

ZelDesignerCollection::ZelDesignerCollection(QObject *parent)
    : QObject(parent)
{
    for (const ZelDesignerEntry &entry : zelDesignerEntries())
        m_widgets.append(new ZelDesignerWidget(entry, this));
}

ZelDesignerCollection::~ZelDesignerCollection() = default;

QList<QDesignerCustomWidgetInterface *> ZelDesignerCollection::customWidgets() const
{
    return m_widgets;
}

QStringList ZelDesignerCollection::leftOutWidgets() const
{
    QStringList names;
    for (const ZelDesignerLeftOut &leftOut : zelDesignerLeftOut())
        names.append(leftOut.className);
    return names;
}
