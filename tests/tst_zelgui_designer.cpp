// The Designer plugin as Designer and QUiLoader use it: loaded from its file,
// it offers every exported widget of the library (or names it as left out),
// makes each one, and each one's form element loads as part of a form.

#include "zelgui_exported_classes.h"

#include <QBuffer>
#include <QFileInfo>
#include <QIcon>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>
#include <QUiLoader>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <typeindex>
#include <type_traits>

namespace {

struct ExportedClass
{
    QString name;
    const QMetaObject *metaObject; // null for a class that is no QObject
    std::type_index type;
};

template<class T>
ExportedClass exported(const char *name)
{
    const QMetaObject *metaObject = nullptr;
    if constexpr (std::is_base_of_v<QObject, T>)
        metaObject = &T::staticMetaObject;
    return {QLatin1String(name), metaObject, std::type_index(typeid(T))};
}

// Every class the public headers export, found by scanning them at configure time.
const QList<ExportedClass> &exportedClasses()
{
#define ZEL_EXPORTED(Class) exported<Class>(#Class),
    static const QList<ExportedClass> classes{ZELGUI_EXPORTED_CLASSES(ZEL_EXPORTED)};
#undef ZEL_EXPORTED
    return classes;
}

// What a form's element for a widget says: its class, object name, size and
// the other properties with their values as written.
struct FormElement
{
    QString className;
    QString objectName;
    QSize size;
    QList<QPair<QString, QString>> properties; // name, value text
    QString customWidgets;                     // the <customwidgets> element
    QString widgetXml;                         // the <widget> element
};

FormElement parseDomXml(const QString &xml)
{
    FormElement element;
    const auto slice = [&](const char *pattern) {
        const QRegularExpression expression(QLatin1String(pattern), QRegularExpression::DotMatchesEverythingOption);
        return expression.match(xml).captured();
    };
    element.widgetXml = slice("<widget .*</widget>");
    element.customWidgets = slice("<customwidgets>.*?</customwidgets>");

    QXmlStreamReader reader(xml);
    int depth = 0;
    QString property;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QStringView tag = reader.name();
            if (tag == QLatin1String("widget")) {
                if (++depth == 1) {
                    element.className = reader.attributes().value(QLatin1String("class")).toString();
                    element.objectName = reader.attributes().value(QLatin1String("name")).toString();
                }
            } else if (tag == QLatin1String("property") && depth == 1) {
                property = reader.attributes().value(QLatin1String("name")).toString();
            } else if (depth == 1 && property == QLatin1String("geometry")) {
                if (tag == QLatin1String("width"))
                    element.size.setWidth(reader.readElementText().toInt());
                else if (tag == QLatin1String("height"))
                    element.size.setHeight(reader.readElementText().toInt());
            } else if (depth == 1 && !property.isEmpty()
                       && (tag == QLatin1String("number") || tag == QLatin1String("string")
                           || tag == QLatin1String("enum") || tag == QLatin1String("bool"))) {
                element.properties.append({property, reader.readElementText()});
            } else if (depth == 1 && !property.isEmpty() && tag == QLatin1String("color")) {
                element.properties.append({property, QString()});
            }
        } else if (reader.isEndElement()) {
            if (reader.name() == QLatin1String("widget"))
                --depth;
            else if (reader.name() == QLatin1String("property") && depth == 1)
                property.clear();
        }
    }
    if (reader.hasError())
        element.className.clear();
    return element;
}

} // namespace

class tst_ZelGuiDesigner : public QObject
{
    Q_OBJECT

private:
    QDesignerCustomWidgetInterface *widgetInterface(const QString &name) const
    {
        for (QDesignerCustomWidgetInterface *widget : m_collection->customWidgets()) {
            if (widget->name() == name)
                return widget;
        }
        return nullptr;
    }

    static const ExportedClass *exportedClass(const QString &name)
    {
        for (const ExportedClass &c : exportedClasses()) {
            if (c.name == name)
                return &c;
        }
        return nullptr;
    }

    // The font box asks the application for its font database; a host
    // without one (Designer, this test) gets an empty box and a log line.
    static void expectHostWarnings(const QString &name, int widgets)
    {
        if (name != QLatin1String("ZelFontFamilyCombobox"))
            return;
        for (int i = 0; i < widgets; ++i)
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("no font database")));
    }

    void offeredWidgetRows()
    {
        QTest::addColumn<QString>("name");
        for (QDesignerCustomWidgetInterface *widget : m_collection->customWidgets())
            QTest::newRow(qPrintable(widget->name())) << widget->name();
    }

    QPluginLoader m_loader{QStringLiteral(ZELGUI_DESIGNER_PLUGIN_FILE)};
    QDesignerCustomWidgetCollectionInterface *m_collection = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
        m_collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(m_loader.instance());
        QVERIFY(m_collection);
    }

    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void offersEveryExportedWidgetOrSaysWhyNot()
    {
        QStringList offered;
        for (QDesignerCustomWidgetInterface *widget : m_collection->customWidgets())
            offered.append(widget->name());
        const QStringList leftOut = m_loader.instance()->property("leftOutWidgets").toStringList();

        // Widgets by their meta-objects: a class without one of its own answers with its base's, which still tells.
        QStringList widgets;
        for (const ExportedClass &c : exportedClasses()) {
            if (c.metaObject && c.metaObject->inherits(&QWidget::staticMetaObject))
                widgets.append(c.name);
        }
        QVERIFY(widgets.size() > 40); // the scan of the headers found them
        QStringList covered = offered + leftOut;
        widgets.sort();
        covered.sort();
        QCOMPARE(covered, widgets); // each widget offered or left out, and only once
    }

    void describesAndCreatesEveryWidget_data() { offeredWidgetRows(); }
    void describesAndCreatesEveryWidget()
    {
        QFETCH(QString, name);
        QDesignerCustomWidgetInterface *widget = widgetInterface(name);
        QCOMPARE(widget->group(), QStringLiteral("ZelGui"));
        QVERIFY(!widget->toolTip().isEmpty());
        QVERIFY(widget->whatsThis().size() > widget->toolTip().size());
        QVERIFY(!widget->icon().pixmap(QSize(32, 32)).isNull());

        // The header a generated form includes declares the class.
        QFile header(QStringLiteral(ZELGUI_PUBLIC_INCLUDE_DIR "/") + widget->includeFile());
        QVERIFY2(header.open(QIODevice::ReadOnly), qPrintable(header.fileName()));
        QVERIFY(QString::fromUtf8(header.readAll())
                    .contains(QRegularExpression(QStringLiteral("class ZELGUI_EXPORT %1\\b").arg(name))));

        const FormElement element = parseDomXml(widget->domXml());
        QCOMPARE(element.className, name);
        QVERIFY(element.customWidgets.contains(widget->includeFile()));

        const ExportedClass *c = exportedClass(name);
        QVERIFY(c);
        expectHostWarnings(name, 2);

        QWidget host;
        host.resize(400, 300);
        QWidget *created = widget->createWidget(&host);
        QVERIFY(created);
        QCOMPARE(std::type_index(typeid(*created)), c->type);
        QCOMPARE(created->parentWidget(), &host);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));

        // Designer also makes widgets without a parent (previews, drag images); the directory
        // chooser then shows itself as a window, which the offscreen platform remarks on.
        if (name == QLatin1String("ZelChooseDirectoryWidget"))
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
        std::unique_ptr<QWidget> orphan(widget->createWidget(nullptr));
        QVERIFY(orphan);
        QCOMPARE(std::type_index(typeid(*orphan)), c->type);
    }

    void loadsEveryWidgetFromAForm_data() { offeredWidgetRows(); }
    void loadsEveryWidgetFromAForm()
    {
        QFETCH(QString, name);
        QDesignerCustomWidgetInterface *widget = widgetInterface(name);
        const FormElement element = parseDomXml(widget->domXml());
        QVERIFY(!element.objectName.isEmpty());
        expectHostWarnings(name, 1);

        const QString form = QStringLiteral(
                                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<ui version=\"4.0\"><class>Form</class>"
                                 "<widget class=\"QWidget\" name=\"Form\">"
                                 "<property name=\"geometry\"><rect><x>0</x><y>0</y>"
                                 "<width>640</width><height>480</height></rect></property>%1</widget>"
                                 "%2<resources/><connections/></ui>")
                                 .arg(element.widgetXml, element.customWidgets);
        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(QFileInfo(QStringLiteral(ZELGUI_DESIGNER_PLUGIN_FILE)).absolutePath());
        QVERIFY(loader.availableWidgets().contains(name));

        QByteArray bytes = form.toUtf8();
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        std::unique_ptr<QWidget> loaded(loader.load(&buffer));
        QVERIFY2(loaded, qPrintable(loader.errorString()));

        auto *w = loaded->findChild<QWidget *>(element.objectName);
        QVERIFY(w);
        QCOMPARE(std::type_index(typeid(*w)), exportedClass(name)->type);

        // The default geometry holds the widget as a layout would: no less than the hint within its bounds.
        QCOMPARE(w->size(), element.size);
        const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize()).boundedTo(w->maximumSize());
        QString why;
        QDebug(&why) << element.size << "is less than" << least;
        QVERIFY2(element.size.width() >= least.width() && element.size.height() >= least.height(), qPrintable(why));

        // Every default property is a real one (not made dynamic by the loader) and holds the value written.
        for (const auto &[property, text] : element.properties) {
            const int index = w->metaObject()->indexOfProperty(qPrintable(property));
            QVERIFY2(index >= 0, qPrintable(property));
            QVERIFY(!w->dynamicPropertyNames().contains(property.toLatin1()));
            const QMetaProperty meta = w->metaObject()->property(index);
            const QVariant value = meta.read(w);
            if (meta.isEnumType()) {
                const QString key = text.section(QStringLiteral("::"), -1);
                QCOMPARE(QLatin1String(meta.enumerator().valueToKey(value.toInt())), key);
            } else if (!text.isEmpty()) {
                QCOMPARE(value.toString(), text);
            }
        }
    }
};

QTEST_MAIN(tst_ZelGuiDesigner)
#include "tst_zelgui_designer.moc"
