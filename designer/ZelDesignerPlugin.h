#pragma once

#include "ZelDesignerWidgets.h"

#include <QObject>
#include <QStringList>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// One widget of the table, as Designer's widget box sees it.
class ZelDesignerWidget : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    // entry: a row of zelDesignerEntries(), which outlives the plugin.
    explicit ZelDesignerWidget(const ZelDesignerEntry &entry, QObject *parent = nullptr);
    ~ZelDesignerWidget() override;

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    // The caller owns the widget.
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

private:
    const ZelDesignerEntry &m_entry;
    bool m_initialized = false;
};

// The plugin: every widget of libZelGui in the widget box group "ZelGui".
class ZelDesignerCollection : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
    // The exported widget classes that are not offered, so that a check can
    // tell a forgotten widget from one left out on purpose.
    Q_PROPERTY(QStringList leftOutWidgets READ leftOutWidgets CONSTANT)
public:
    explicit ZelDesignerCollection(QObject *parent = nullptr);
    ~ZelDesignerCollection() override;

    // The interfaces are children of the collection.
    QList<QDesignerCustomWidgetInterface *> customWidgets() const override;
    QStringList leftOutWidgets() const;

private:
    QList<QDesignerCustomWidgetInterface *> m_widgets;
};
