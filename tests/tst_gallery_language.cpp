// The gallery in Russian: every text the library shows on any page switches
// with the language, and switching back restores every text as it was.

#include "GalleryLanguage.h"
#include "GalleryMainWindow.h"
#include "GalleryPage.h"
#include "ResourcesPage.h"
#include "zelzoom_testhelpers.h"

#include <ZelCore/ZelAbstractAppConfig.h>

#include <QtTest>
#include <QtWidgets>

#include <qwt_plot.h>
#include <qwt_text.h>

namespace {

// One pattern for the texts of the library's translation file that have a
// Russian translation different from the source; place markers match any text.
QStringList readTranslatedTexts(const QString &fileName)
{
    QStringList alternatives;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return alternatives;
    QXmlStreamReader xml(&file);
    QString source;
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    static const QRegularExpression escapedMarker(QStringLiteral("\\\\%\\d+"));
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        if (xml.name() != QLatin1String("translation"))
            continue;
        const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
        const QString translation = xml.readElementText();
        // Only markers and punctuation ("%1 %2") would match anything.
        const bool onlyMarkers = source.contains(marker) && !QString(source).remove(marker).contains(word);
        if (unfinished || translation.isEmpty() || translation == source || onlyMarkers)
            continue;
        // Escaped, a marker reads \%1; it stands for any text.
        alternatives.append(QRegularExpression::escape(source).replace(escapedMarker, QStringLiteral(".+")));
    }
    return alternatives;
}

// A class of the library: its own or one of its bases is named Zel...
bool isLibraryClass(const QMetaObject *meta)
{
    for (; meta; meta = meta->superClass())
        if (QLatin1String(meta->className()).startsWith(QLatin1String("Zel")))
            return true;
    return false;
}

// Shown by the library: the widget's nearest class of its own, its own or
// an ancestor's, is the library's. Qt's classes are the parts of a widget;
// a host's class (a gallery panel in a library dock) shows the host's texts.
bool belongsToLibrary(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget())
        if (!QLatin1String(w->metaObject()->className()).startsWith(QLatin1Char('Q')))
            return isLibraryClass(w->metaObject());
    return false;
}

// Every text a user sees on or through a widget.
QStringList textsOf(const QWidget *w)
{
    QStringList texts{w->toolTip(), w->statusTip(), w->whatsThis()};
    if (w->isWindow() || qobject_cast<const QDockWidget *>(w))
        texts << w->windowTitle();
    if (auto *label = qobject_cast<const QLabel *>(w))
        texts << label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        texts << button->text();
    if (auto *group = qobject_cast<const QGroupBox *>(w))
        texts << group->title();
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        texts << edit->placeholderText();
    for (int i = 0, n = qobject_cast<const QComboBox *>(w) ? static_cast<const QComboBox *>(w)->count() : 0; i < n; ++i)
        texts << static_cast<const QComboBox *>(w)->itemText(i);
    for (int i = 0, n = qobject_cast<const QTabBar *>(w) ? static_cast<const QTabBar *>(w)->count() : 0; i < n; ++i)
        texts << static_cast<const QTabBar *>(w)->tabText(i) << static_cast<const QTabBar *>(w)->tabToolTip(i);
    if (auto *plot = qobject_cast<const QwtPlot *>(w))
        texts << plot->title().text();
    // A view shows the host's model's texts; the library's models are checked.
    const auto *view = qobject_cast<const QAbstractItemView *>(w);
    if (const QAbstractItemModel *model = view ? view->model() : nullptr; model && isLibraryClass(model->metaObject())) {
        for (int column = 0; column < model->columnCount(); ++column) {
            texts << model->headerData(column, Qt::Horizontal).toString();
            for (int row = 0; row < qMin(model->rowCount(), 64); ++row)
                texts << model->index(row, column).data().toString() << model->index(row, column).data(Qt::ToolTipRole).toString();
        }
    }
    QList<QAction *> actions = w->actions();
    if (auto *tool = qobject_cast<const QToolButton *>(w); tool && tool->menu())
        actions += tool->menu()->actions();
    for (const QAction *action : std::as_const(actions)) {
        texts << action->text() << action->toolTip();
        for (const QAction *entry : action->menu() ? action->menu()->actions() : QList<QAction *>())
            texts << entry->text();
    }
    return texts;
}

// The texts of the library's visible widgets on every page of the window, with
// each tab of the page's own tab widgets shown in turn, one "[page] widget: text"
// line each.
QStringList libraryTexts(GalleryMainWindow &window)
{
    QStringList lines;
    const auto take = [&](int page) {
        for (const QWidget *w : window.page(page)->findChildren<QWidget *>()) {
            if (!w->isVisible() || !belongsToLibrary(w))
                continue;
            const QString where = QStringLiteral("[%1] %2(%3): ")
                                      .arg(window.page(page)->title(), QLatin1String(w->metaObject()->className()), w->objectName());
            for (const QString &text : textsOf(w))
                if (!text.isEmpty())
                    lines << where + text;
        }
    };
    for (int page = 0; page < window.pageCount(); ++page) {
        window.setCurrentPage(page);
        QCoreApplication::processEvents();
        take(page);
        for (QTabWidget *tabs : window.page(page)->findChildren<QTabWidget *>()) {
            for (int i = 0; i < tabs->count() && !belongsToLibrary(tabs); ++i) {
                tabs->setCurrentIndex(i);
                QCoreApplication::processEvents();
                take(page);
            }
        }
    }
    lines.removeDuplicates();
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
        ZelAbstractAppConfig::attachIniFile(m_settings.filePath(QStringLiteral("gallery.ini")));
        const QStringList texts = readTranslatedTexts(QStringLiteral(ZELGUI_RUSSIAN_TS));
        // The file must have been read, or every check below passes.
        QVERIFY(texts.size() > 50);
        // A line "[page] Class(name): text" whose text is one of them.
        m_translated.setPattern(QStringLiteral("\\): (?:%1)$").arg(texts.join(QLatin1Char('|'))));
        m_translated.setPatternOptions(QRegularExpression::DotMatchesEverythingOption);
    }
    void cleanupTestCase() { ZelAbstractAppConfig::attachIniFile(QString()); }

    // The language menu and the Resources page's own switch both switch it, and each follows the other.
    void menuAndPageSwitchTheLanguage()
    {
        GalleryMainWindow window;
        window.show();
        // The Language menu's entries: English, Russian.
        const QList<QAction *> entries = window.findChild<QActionGroup *>(QString(), Qt::FindDirectChildrenOnly)->actions();
        QSignalSpy changed(GalleryLanguage::instance(), &GalleryLanguage::languageChanged);
        entries[1]->trigger();
        QCOMPARE(GalleryLanguage::instance()->language(), GalleryLanguage::Russian);
        auto *pageLanguage = window.findChild<ResourcesPage *>()->findChild<QComboBox *>();
        QCOMPARE(pageLanguage->currentIndex(), 1);
        pageLanguage->setCurrentIndex(0);
        QCOMPARE(GalleryLanguage::instance()->language(), GalleryLanguage::English);
        QVERIFY(entries[0]->isChecked() && !entries[1]->isChecked());
        QCOMPARE(changed.count(), 2);
    }

    void noEnglishLibraryTextInRussian()
    {
        GalleryMainWindow window;
        window.resize(1280, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Every page in English first: the library's texts it shows must come back.
        // (Pages feed some readouts from timers, so texts of other kinds may change meanwhile.)
        const QStringList english = libraryTexts(window).filter(m_translated);
        // The pages do show the library's texts in English to begin with.
        QVERIFY2(english.size() > 30, qPrintable(QString::number(english.size())));

        switchTo(GalleryLanguage::Russian);
        // Qt's own dialogs and buttons follow too (the bootstrap installs Qt's translations).
        QVERIFY(QFileInfo::exists(GalleryLanguage::qtTranslationFile(GalleryLanguage::Russian)));
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
        const QStringList left = libraryTexts(window).filter(m_translated);
        QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("still English:\n") + left.join(QLatin1Char('\n'))));

        switchTo(GalleryLanguage::English);
        const QStringList back = libraryTexts(window);
        QStringList lost = english;
        lost.removeIf([&](const QString &line) { return back.contains(line); });
        QVERIFY2(lost.isEmpty(), qPrintable(QStringLiteral("not restored:\n") + lost.join(QLatin1Char('\n'))));
    }

private:
    QTemporaryDir m_settings;
    QRegularExpression m_translated;
};

QTEST_MAIN(tst_GalleryLanguage)
#include "tst_gallery_language.moc"
