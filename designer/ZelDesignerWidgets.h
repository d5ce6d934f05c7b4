#pragma once

#include <QList>
#include <QSize>
#include <QString>

class QWidget;
struct QMetaObject;

// One widget the Designer plugin offers: what the widget box shows for it,
// the form element it drops into a form, and how to make one.
struct ZelDesignerEntry
{
    QString className;
    // As a form's #include names it: "ZelGui/ZelSpanSlider.h".
    QString includeFile;
    // A file of the plugin's icons (":/ZelGuiDesigner/icons/").
    QString iconFile;
    QString toolTip;
    QString whatsThis;
    // The size a new widget gets when dropped into a form without a layout.
    QSize defaultSize;
    // <property> elements set on a new widget, beside its geometry.
    QString properties;
    // The Qt class Designer edits it as (its property sheet, its container
    // handling), also for a class that has no meta-object of its own.
    QString extends;
    bool container = false;
    QWidget *(*create)(QWidget *parent) = nullptr;
};

// An exported widget class the plugin deliberately does not offer.
struct ZelDesignerLeftOut
{
    QString className;
    QString reason;
};

// Every widget the plugin offers, in widget-box order.
const QList<ZelDesignerEntry> &zelDesignerEntries();
// The exported widgets it leaves out, each with the reason.
const QList<ZelDesignerLeftOut> &zelDesignerLeftOut();

// The form element Designer drops for an entry: the widget with its default
// geometry and properties, and the custom-widget record naming its header
// and base class.
QString zelDesignerDomXml(const ZelDesignerEntry &entry);
