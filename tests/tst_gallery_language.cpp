// The gallery in Russian: every text the library shows on any page switches
// with the language, and switching back restores every text as it was.

#include "GalleryLanguage.h"
#include "GalleryMainWindow.h"
#include "GalleryPage.h"
#include "ResourcesPage.h"
#include "zelzoom_testhelpers.h"

#include <ZelCore/ZelAbstractAppConfig.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMenu>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QXmlStreamReader>

#include <qwt_plot.h>
#include <qwt_text.h>

namespace {

// A text of the library's translation file that has a Russian translation
// different from the source; texts with place markers become patterns.
struct TranslatedTexts
{
    QSet<QString> exact;
    QList<QRegularExpression> patterns;

    bool matches(const QString &text) const
    {
        if (exact.contains(text))
            return true;
        for (const QRegularExpression &pattern : patterns) {
            if (pattern.match(text).hasMatch())
                return true;
        }
        return false;
    }
};

TranslatedTexts readTranslatedTexts(const QString &fileName)
{
    TranslatedTexts texts;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString translation = xml.readElementText();
            if (unfinished || translation.isEmpty() || translation == source)
                continue;
            static const QRegularExpression marker(QStringLiteral("%\\d+"));
            if (!source.contains(marker)) {
                texts.exact.insert(source);
                continue;
            }
            // Only markers and punctuation ("%1 %2") would match anything.
            QString literal = source;
            literal.remove(marker);
            if (!literal.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}"))))
                continue;
            const QStringList parts = source.split(marker);
            QStringList escaped;
            for (const QString &part : parts)
                escaped.append(QRegularExpression::escape(part));
            texts.patterns.append(QRegularExpression(QStringLiteral("^%1$").arg(escaped.join(QStringLiteral(".+"))),
                                                     QRegularExpression::DotMatchesEverythingOption));
        }
    }
    return texts;
}

// A class of the library: its own or one of its bases is named Zel...
bool isLibraryClass(const QMetaObject *meta)
{
    for (; meta; meta = meta->superClass()) {
        if (QLatin1String(meta->className()).startsWith(QLatin1String("Zel")))
            return true;
    }
    return false;
}

// Shown by the library: the widget's nearest class of its own, its own or
// an ancestor's, is the library's. Qt's classes are the parts of a widget;
// a host's class (a gallery panel in a library dock) shows the host's texts.
bool belongsToLibrary(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (!QLatin1String(w->metaObject()->className()).startsWith(QLatin1Char('Q')))
            return isLibraryClass(w->metaObject());
    }
    return false;
}

QString pathOf(const QWidget *widget)
{
    QStringList parts;
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        parts.prepend(QStringLiteral("%1(%2)").arg(QLatin1String(w->metaObject()->className()), w->objectName()));
        if (isLibraryClass(w->metaObject()) && !(w->parentWidget() && belongsToLibrary(w->parentWidget())))
            break;
    }
    return parts.join(QLatin1Char('/'));
}

// Every text a user sees on or through a widget, one "where: text" line each.
void collectTexts(const QWidget *w, QStringList &out)
{
    const QString where = pathOf(w);
    const auto add = [&](const QString &what, const QString &text) {
        if (!text.isEmpty())
            out.append(QStringLiteral("%1 %2: %3").arg(where, what, text));
    };
    if (auto *label = qobject_cast<const QLabel *>(w))
        add(QStringLiteral("text"), label->text());
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        add(QStringLiteral("text"), button->text());
    if (auto *group = qobject_cast<const QGroupBox *>(w))
        add(QStringLiteral("title"), group->title());
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        add(QStringLiteral("placeholder"), edit->placeholderText());
    if (auto *combo = qobject_cast<const QComboBox *>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            add(QStringLiteral("item %1").arg(i), combo->itemText(i));
    }
    if (auto *tabs = qobject_cast<const QTabBar *>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            add(QStringLiteral("tab %1").arg(i), tabs->tabText(i));
            add(QStringLiteral("tab tip %1").arg(i), tabs->tabToolTip(i));
        }
    }
    if (auto *plot = qobject_cast<const QwtPlot *>(w)) {
        add(QStringLiteral("plot title"), plot->title().text());
        for (int axis = 0; axis < QwtAxis::AxisPositions; ++axis)
            add(QStringLiteral("axis title %1").arg(axis), plot->axisTitle(axis).text());
    }
    // A view shows the host's model's texts; the library's models are checked.
    if (auto *view = qobject_cast<const QAbstractItemView *>(w); view && view->model() && isLibraryClass(view->model()->metaObject())) {
        const QAbstractItemModel *model = view->model();
        for (int row = 0; row < qMin(model->rowCount(), 64); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                add(QStringLiteral("cell %1,%2").arg(row).arg(column), index.data(Qt::DisplayRole).toString());
                add(QStringLiteral("cell tip %1,%2").arg(row).arg(column), index.data(Qt::ToolTipRole).toString());
            }
        }
        for (int column = 0; column < model->columnCount(); ++column)
            add(QStringLiteral("header %1").arg(column), model->headerData(column, Qt::Horizontal).toString());
    }
    if (w->isWindow() || qobject_cast<const QDockWidget *>(w))
        add(QStringLiteral("window title"), w->windowTitle());
    add(QStringLiteral("tool tip"), w->toolTip());
    add(QStringLiteral("status tip"), w->statusTip());
    add(QStringLiteral("what's this"), w->whatsThis());

    QList<QAction *> actions = w->actions();
    if (auto *tool = qobject_cast<const QToolButton *>(w); tool && tool->menu())
        actions += tool->menu()->actions();
    for (const QAction *action : std::as_const(actions)) {
        add(QStringLiteral("action"), action->text());
        if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
            add(QStringLiteral("action tip"), action->toolTip());
        if (action->menu()) {
            const QList<QAction *> entries = action->menu()->actions();
            for (const QAction *entry : entries)
                add(QStringLiteral("menu entry"), entry->text());
        }
    }
}

enum class Windows { Include, Leave };

// The texts of the library's visible widgets on the window's current page
// and, with Windows::Include, in the library's visible windows (pop-ups
// come and go with their own timers).
QStringList libraryTexts(const QWidget *page, Windows windows = Windows::Include)
{
    QStringList texts;
    QList<const QWidget *> roots{page};
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (const QWidget *window : topLevels) {
        if (windows == Windows::Include && window->isVisible() && isLibraryClass(window->metaObject()))
            roots.append(window);
    }
    const auto take = [&](const QWidget *w) {
        if (w->isVisible() && belongsToLibrary(w))
            collectTexts(w, texts);
    };
    for (const QWidget *root : std::as_const(roots)) {
        take(root);
        for (const QWidget *child : root->findChildren<QWidget *>())
            take(child);
    }
    return texts;
}

// The texts of a page with each tab of its own tab widgets shown in turn.
QStringList pageTexts(QWidget *page, Windows windows = Windows::Include)
{
    QStringList texts = libraryTexts(page, windows);
    const QList<QTabWidget *> tabWidgets = page->findChildren<QTabWidget *>();
    for (QTabWidget *tabs : tabWidgets) {
        if (belongsToLibrary(tabs))
            continue;
        const int shown = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            const QStringList more = libraryTexts(page, windows);
            for (const QString &line : more) {
                if (!texts.contains(line))
                    texts.append(line);
            }
        }
        tabs->setCurrentIndex(shown);
    }
    return texts;
}

QStringList untranslated(const QStringList &texts, const TranslatedTexts &translated)
{
    QStringList found;
    for (const QString &line : texts) {
        const QString text = line.section(QStringLiteral(": "), 1);
        if (translated.matches(text))
            found.append(line);
    }
    return found;
}

// Each page of the window shown in turn, the lines read(page) gives marked with the page's title.
QStringList perPage(GalleryMainWindow &window, const std::function<QStringList(QWidget *)> &read)
{
    QStringList lines;
    for (int i = 0; i < window.pageCount(); ++i) {
        window.setCurrentPage(i);
        QCoreApplication::processEvents();
        for (const QString &line : read(window.page(i)))
            lines.append(QStringLiteral("[%1] %2").arg(window.page(i)->title(), line));
    }
    return lines;
}

void switchTo(GalleryLanguage::Language language)
{
    QVERIFY(GalleryLanguage::instance()->setLanguage(language));
    // LanguageChange reaches the widgets through posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

class tst_GalleryLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        ZelZoomTest::useFusionStyle();
        QVERIFY(m_settings.isValid());
        ZelAbstractAppConfig::attachIniFile(m_settings.filePath(QStringLiteral("gallery.ini")));
        m_translated = readTranslatedTexts(QStringLiteral(ZELGUI_RUSSIAN_TS));
        // The file must have been read, or every check below passes.
        QVERIFY(m_translated.exact.size() > 50);
        QVERIFY(!m_translated.patterns.isEmpty());
    }
    void cleanupTestCase() { ZelAbstractAppConfig::attachIniFile(QString()); }

    // English texts of the library are spotted, also those filled in from a pattern.
    void checkerSpotsEnglishLibraryTexts()
    {
        QVERIFY(m_translated.matches(QStringLiteral("Apply")));
        QVERIFY(m_translated.matches(QStringLiteral("Value: 42")));
        QVERIFY(!m_translated.matches(QStringLiteral("Применить")));
        QVERIFY(!m_translated.matches(QStringLiteral("42")));
    }

    void menuSwitchesTheLanguage()
    {
        GalleryMainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAction *russian = nullptr;
        QAction *english = nullptr;
        for (QMenu *menu : window.menuBar()->findChildren<QMenu *>()) {
            for (QAction *entry : menu->actions()) {
                if (entry->text().contains(QStringLiteral("Russian")))
                    russian = entry;
                else if (entry->text().contains(QStringLiteral("English")))
                    english = entry;
            }
        }
        QVERIFY(russian && english);
        QVERIFY(english->isChecked());
        QSignalSpy changed(GalleryLanguage::instance(), &GalleryLanguage::languageChanged);
        russian->trigger();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(GalleryLanguage::instance()->language(), GalleryLanguage::Russian);
        QVERIFY(russian->isChecked() && !english->isChecked());
        // The Resources page's own switch follows the menu.
        auto *resources = window.findChild<ResourcesPage *>();
        QVERIFY(resources);
        auto *pageLanguage = resources->findChild<QComboBox *>();
        QVERIFY(pageLanguage);
        QCOMPARE(pageLanguage->currentIndex(), 1);
        pageLanguage->setCurrentIndex(0);
        QCOMPARE(GalleryLanguage::instance()->language(), GalleryLanguage::English);
        QVERIFY(english->isChecked() && !russian->isChecked());
        russian->trigger();
        QCOMPARE(QCoreApplication::translate("ZelScanAreaWidgetClass", "Apply"), QStringLiteral("Применить"));
        english->trigger();
        QCOMPARE(changed.count(), 4);
        QCOMPARE(GalleryLanguage::instance()->language(), GalleryLanguage::English);
        QCOMPARE(QCoreApplication::translate("ZelScanAreaWidgetClass", "Apply"), QStringLiteral("Apply"));
    }

    void noEnglishLibraryTextInRussian()
    {
        GalleryMainWindow window;
        window.resize(1280, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.pageCount() > 10);

        // Every page in English first: the library's texts it shows must come back.
        // (Pages feed some readouts from timers, so texts of other kinds may change meanwhile.)
        const QStringList english = perPage(window, [&](QWidget *page) {
            return untranslated(pageTexts(page, Windows::Leave), m_translated);
        });
        // The pages do show the library's texts in English to begin with.
        QVERIFY2(english.size() > 30, qPrintable(QString::number(english.size())));

        switchTo(GalleryLanguage::Russian);
        if (QTest::currentTestFailed())
            return;
        const QStringList left =
            perPage(window, [&](QWidget *page) { return untranslated(pageTexts(page), m_translated); });
        for (const QString &line : left)
            qInfo().noquote() << "still English:" << line;
        QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("%1 library texts left in English").arg(left.size())));

        switchTo(GalleryLanguage::English);
        if (QTest::currentTestFailed())
            return;
        const QStringList back = perPage(window, [](QWidget *page) { return pageTexts(page, Windows::Leave); });
        QStringList lost;
        for (const QString &line : english) {
            if (!back.contains(line))
                lost.append(line);
        }
        for (const QString &line : std::as_const(lost))
            qInfo().noquote() << "not restored:" << line;
        QVERIFY2(lost.isEmpty(), qPrintable(QStringLiteral("%1 texts not restored").arg(lost.size())));
    }

private:
    QTemporaryDir m_settings;
    TranslatedTexts m_translated;
};

QTEST_MAIN(tst_GalleryLanguage)
#include "tst_gallery_language.moc"
