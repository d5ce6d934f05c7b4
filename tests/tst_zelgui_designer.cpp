// The Designer plugin as Designer and QUiLoader use it: loaded from its file,
// it offers every exported widget of the library (or names it as left out),
// makes each one, and each one's form element loads as part of a form.

#include "zelgui_exported_classes.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace {

template<class T>
void addIfWidget(QStringList &widgets, const char *name)
{
    if constexpr (std::is_base_of_v<QWidget, T>)
        widgets.append(QLatin1String(name));
}

// Every exported widget class, found by scanning the public headers at configure time.
QStringList exportedWidgets()
{
    QStringList widgets;
#define ZEL_EXPORTED(Class) addIfWidget<Class>(widgets, #Class);
    ZELGUI_EXPORTED_CLASSES(ZEL_EXPORTED)
#undef ZEL_EXPORTED
    return widgets;
}

QRegularExpressionMatch firstMatch(const QString &xml, const QString &pattern)
{
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption).match(xml);
}

} // namespace

class tst_ZelGuiDesigner : public QObject
{
    Q_OBJECT

private:
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
        QStringList covered = m_loader.instance()->property("leftOutWidgets").toStringList();
        for (QDesignerCustomWidgetInterface *widget : m_collection->customWidgets())
            covered.append(widget->name());
        QStringList widgets = exportedWidgets();
        QVERIFY(widgets.size() > 40); // the scan of the headers found them
        widgets.sort();
        covered.sort();
        QCOMPARE(covered, widgets); // each widget offered or left out, and only once
    }

    void createsAndLoadsEveryWidget_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < m_collection->customWidgets().size(); ++i)
            QTest::newRow(qPrintable(m_collection->customWidgets().at(i)->name())) << i;
    }

    void createsAndLoadsEveryWidget()
    {
        QFETCH(int, index);
        QDesignerCustomWidgetInterface *widget = m_collection->customWidgets().at(index);
        const QString name = widget->name();
        // The header a generated form includes declares the class.
        QFile header(QStringLiteral(ZELGUI_PUBLIC_INCLUDE_DIR "/") + widget->includeFile());
        QVERIFY2(header.open(QIODevice::ReadOnly), qPrintable(header.fileName()));
        QVERIFY(QString::fromUtf8(header.readAll()).contains(QRegularExpression(QStringLiteral("class ZELGUI_EXPORT %1\\b").arg(name))));

        // The font box asks the application for its font database; a host
        // without one (Designer, this test) gets an empty box and a log line.
        for (int i = 0; name == QLatin1String("ZelFontFamilyCombobox") && i < 3; ++i)
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("no font database")));
        // Designer also makes widgets without a parent (previews, drag images); the directory
        // chooser then shows itself as a window, which the offscreen platform remarks on.
        if (name == QLatin1String("ZelChooseDirectoryWidget"))
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
        QWidget host;
        QWidget *created = widget->createWidget(&host);
        // The class's own meta-object: a class without Q_OBJECT would answer with its base's name.
        QCOMPARE(QString::fromLatin1(created->metaObject()->className()), name);
        QCOMPARE(created->parentWidget(), &host);
        delete widget->createWidget(nullptr);

        // The widget's form element, in a form, loads through QUiLoader with the plugin.
        const QString xml = widget->domXml();
        const QString form = QStringLiteral("<ui version=\"4.0\"><widget class=\"QWidget\" name=\"Form\">%1</widget>%2</ui>")
                                 .arg(firstMatch(xml, QStringLiteral("<widget .*</widget>")).captured(),
                                      firstMatch(xml, QStringLiteral("<customwidgets>.*?</customwidgets>")).captured());
        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(QFileInfo(QStringLiteral(ZELGUI_DESIGNER_PLUGIN_FILE)).absolutePath());
        QByteArray bytes = form.toUtf8();
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        std::unique_ptr<QWidget> loaded(loader.load(&buffer));
        QVERIFY2(loaded, qPrintable(loader.errorString()));
        const QString objectName = firstMatch(xml, QStringLiteral("<widget class=\"%1\" name=\"(\\w+)\"").arg(name)).captured(1);
        auto *w = loaded->findChild<QWidget *>(objectName);
        QVERIFY(w);
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), name);

        // The default geometry holds the widget as a layout would: no less than the hint within its bounds.
        const QSize size(firstMatch(xml, QStringLiteral("<width>(\\d+)<")).captured(1).toInt(),
                         firstMatch(xml, QStringLiteral("<height>(\\d+)<")).captured(1).toInt());
        QCOMPARE(w->size(), size);
        const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize()).boundedTo(w->maximumSize());
        QVERIFY2(size.width() >= least.width() && size.height() >= least.height(), qPrintable(objectName));

        // Every default property is a real one (not made dynamic by the loader) and holds the value written.
        static const QRegularExpression property(
            QStringLiteral("<property name=\"(\\w+)\"[^>]*>\\s*<(number|string|enum|bool|color)[^>]*>([^<]*)<"));
        for (const QRegularExpressionMatch &match : property.globalMatch(xml)) {
            const QMetaProperty meta = w->metaObject()->property(w->metaObject()->indexOfProperty(qPrintable(match.captured(1))));
            QVERIFY2(meta.isValid(), qPrintable(match.captured(1)));
            const QVariant value = meta.read(w);
            if (meta.isEnumType())
                QCOMPARE(QLatin1String(meta.enumerator().valueToKey(value.toInt())), match.captured(3).section(QStringLiteral("::"), -1));
            else if (match.captured(2) != QLatin1String("color"))
                QCOMPARE(value.toString(), match.captured(3));
        }
    }
};

QTEST_MAIN(tst_ZelGuiDesigner)
#include "tst_zelgui_designer.moc"
