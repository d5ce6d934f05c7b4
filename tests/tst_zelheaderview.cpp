// Header view: id path, layouts saved per table and profile, the context
// menu by mouse and keys, bad stored layouts; the profile editor.

#include "zelgui_testhelpers.h"

#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelHeaderProfileEditor.h>
#include <ZelGui/ZelHorizontalHeaderView.h>

#include <ZelCore/ZelAbstractAppConfig.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QTableView>
#include <QTest>

namespace {

const QByteArray tablePath = QByteArrayLiteral("/grid/tableView/MainWindow");
const QString stateKey = QStringLiteral("elements/tableheaderstate");

// A window "MainWindow" holding a table "tableView" whose horizontal header
// is ours, over a model of `columns` columns named "C0", "C1", ...; shown.
struct Table
{
    QWidget window;
    QTableView *view = nullptr;
    ZelHorizontalHeaderView *header = nullptr;
    QStandardItemModel model;

    explicit Table(int columns = 4, bool allowSave = true, bool sorted = true)
        : model(5, columns)
    {
        window.setObjectName(QStringLiteral("MainWindow"));
        view = new QTableView(&window);
        view->setObjectName(QStringLiteral("tableView"));
        header = new ZelHorizontalHeaderView("grid", Qt::Horizontal, view);
        header->setSectionsClickable(true);
        view->setHorizontalHeader(header);
        for (int c = 0; c < columns; ++c)
            model.setHeaderData(c, Qt::Horizontal, QStringLiteral("C%1").arg(c));
        view->setModel(&model);
        view->setSortingEnabled(sorted);
        view->resize(600, 240);
        header->setAllowSaveState(allowSave);
        header->mavHeaderView_loadState();
        // Shown at once: the mouse and the menu need it on screen; a failed wait shows in the checks.
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }

    // Visual order, widths, hidden flags and the sort indicator.
    QString layout() const
    {
        QStringList parts;
        for (int v = 0; v < header->count(); ++v) {
            const int l = header->logicalIndex(v);
            parts << (header->isSectionHidden(l) ? QStringLiteral("%1:hidden").arg(l)
                                                 : QStringLiteral("%1:%2").arg(l).arg(header->sectionSize(l)));
        }
        return parts.join(u' ')
            + QStringLiteral(" sort %1%2")
                  .arg(header->sortIndicatorSection())
                  .arg(QChar(header->sortIndicatorOrder() == Qt::AscendingOrder ? u'+' : u'-'));
    }

    QPoint sectionCenter(int logical) const
    {
        return {header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2, header->height() / 2};
    }

    // Opens the context menu with a right click on a section, as a user does.
    QMenu *openMenu(int logical = 0) const
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, sectionCenter(logical), header->viewport()->mapToGlobal(sectionCenter(logical)));
        QApplication::sendEvent(header->viewport(), &event);
        return header->findChild<QMenu *>();
    }

    // Clicks the menu entry with that text and waits for the menu to go.
    static bool choose(QMenu *menu, const QString &text)
    {
        const QList<QAction *> actions = menu ? menu->actions() : QList<QAction *>();
        const auto it = std::find_if(actions.begin(), actions.end(), [&](QAction *a) { return a->text() == text; });
        if (it == actions.end() || !QTest::qWaitForWindowExposed(menu))
            return false;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*it).center());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
    }
};

QStringList menuTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("--")
                                        : action->text() + (action->isChecked() ? QStringLiteral(" [x]") : QString()));
    return texts;
}

} // namespace

class tst_ZelHeaderView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init()
    {
        ZelAbstractAppConfig::reset();
        // The offscreen platform's notes on what it cannot do are expected.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
    }

    // Until saving is allowed the header neither loads nor saves; then each user change
    // is saved at once and a restart takes the layout up.
    void userChangesAreSavedOnceAllowed()
    {
        Table other(4, false);
        other.header->resizeSection(3, 40);
        const QByteArray state = other.header->saveState();
        settingHeaderViewState({{"_default" + tablePath, state}});
        const auto saved = [] { return settingHeaderViewState().value("_default" + tablePath); };
        QString layout;
        {
            Table table(4, false);
            ZelHorizontalHeaderView *h = table.header;
            QVERIFY(table.layout() != other.layout());
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, table.sectionCenter(3));
            QCOMPARE(saved(), state);
            // Switching saving on lets the next load take the layout.
            h->setAllowSaveState(true);
            h->mavHeaderView_loadState();
            QCOMPARE(table.layout(), other.layout());
            // Drag section 0 onto section 2.
            QTest::mousePress(h->viewport(), Qt::LeftButton, {}, table.sectionCenter(0));
            for (int step = 1; step <= 4; ++step)
                QTest::mouseMove(h->viewport(), table.sectionCenter(0) + QPoint(step * 60, 0));
            QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, table.sectionCenter(2));
            QCOMPARE(h->visualIndex(0), 2);
            QCOMPARE(saved(), h->saveState());
            // Resizing is saved too (wrongTypedStateStaysUntilTheUserChangesTheLayout).
            // A click on a section sorts by it.
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, table.sectionCenter(3));
            QCOMPARE(h->sortIndicatorSection(), 3);
            QCOMPARE(saved(), h->saveState());
            layout = table.layout();
        }
        QCOMPARE(Table().layout(), layout);
    }

    // Cyrillic names of as many letters: Latin-1 made one key of them.
    void profilesKeepLayoutsApart()
    {
        const QString first = QStringLiteral("Профиль");
        const QString second = QStringLiteral("Колонки");
        QString layout;
        {
            Table table;
            table.header->setProfileId(first);
            table.header->resizeSection(0, 150);
            layout = table.layout();
            // A new name goes to the front of the list and becomes active.
            table.header->setProfileId(second);
            QCOMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{second, first}));
            QCOMPARE(settingHeaderActiveProfile().value(tablePath), second);
            table.header->resizeSection(0, 60);
        }
        // The active profile is what a restarted table loads.
        settingHeaderActiveProfile({{tablePath, first}});
        QCOMPARE(Table().layout(), layout);
    }

    void contextMenuListsColumns()
    {
        Table table(5);
        table.model.setHeaderData(1, Qt::Horizontal, QStringLiteral("Size (bytes)"), Qt::UserRole + 1);
        table.model.setHorizontalHeaderItem(2, new QStandardItem(QString()));
        table.header->hideSection(3);
        QMenu *menu = table.openMenu();
        QCOMPARE(menuTexts(menu),
                 (QStringList{"C0 [x]", "Size (bytes) [x]", "C3", "C4 [x]", "--", "Show All", "Hide All", "Stretch to view",
                              "Size by contents"}));
        QVERIFY(Table::choose(menu, QStringLiteral("Stretch to view")));
        // Saving after menu actions: hideAllKeepsSectionZeroAndIsSaved.
        QCOMPARE(table.header->length(), table.header->viewport()->width());
        // The short titles need far less than the stretched widths.
        QVERIFY(Table::choose(table.openMenu(), QStringLiteral("Size by contents")));
        QVERIFY(table.header->length() < table.header->viewport()->width() / 2);
        QCOMPARE(settingHeaderViewState().value("_default" + tablePath), table.header->saveState());
    }

    void hideAllKeepsSectionZeroAndIsSaved()
    {
        {
            Table table(4);
            table.header->moveSection(0, 3);
            // Hiding section 0 first still leaves it as the one column.
            QVERIFY(Table::choose(table.openMenu(1), QStringLiteral("C0")));
            QVERIFY(Table::choose(table.openMenu(1), QStringLiteral("Hide All")));
        }
        // Saved hidden, not zero-wide: a restart hides them and Show All brings them back.
        Table table(4);
        QCOMPARE(table.header->shownColumnsIds(), QList<int>{0});
        // Unticking the last visible column leaves it shown.
        QVERIFY(Table::choose(table.openMenu(0), QStringLiteral("C0")));
        QCOMPARE(table.header->shownColumnsIds(), QList<int>{0});
        QVERIFY(Table::choose(table.openMenu(0), QStringLiteral("Show All")));
        QCOMPARE(Table(4).header->shownColumnsIds(), (QList<int>{1, 2, 3, 0}));
    }

    void badStoredLayouts_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<bool>("sorted"); // a sorting table re-reads its sections when it sorts
        QTest::addColumn<QString>("layout"); // the sections afterwards; empty: unchanged

        // Section 1 wider, the last section first, the one before hidden; with as many columns
        // this is a plain restore, as userChangesAreSavedOnceAllowed shows.
        const auto otherTable = [](int columns) {
            Table other(columns, false);
            other.header->resizeSection(1, 130);
            other.header->moveSection(columns - 1, 0);
            other.header->hideSection(columns - 2);
            return other.header->saveState();
        };
        QTest::newRow("fewer columns") << otherTable(3) << false << "2:100 0:100 1:hidden 3:100";
        // Fitted to the model: sections at the end of the visual order go.
        QTest::newRow("more columns") << otherTable(7) << false << "0:100 1:100 2:130 3:100";
        QTest::newRow("more columns, sorted") << otherTable(7) << true << "0:100 1:100 2:130 3:100";
        // The corpus: random bytes, text, cut and other widgets' states.
        const QDir corpus(corpusDir(QStringLiteral("headerstates")));
        const QFileInfoList files = corpus.entryInfoList(QDir::Files, QDir::Name);
        QVERIFY2(files.size() >= 7, qPrintable(corpus.path()));
        for (const QFileInfo &info : files) {
            QFile file(info.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QTest::newRow(qPrintable(QStringLiteral("corpus ") + info.fileName())) << bytes << false << QString();
            QTest::newRow(qPrintable(QStringLiteral("corpus sorted ") + info.fileName())) << bytes << true << QString();
        }
    }
    void badStoredLayouts()
    {
        QFETCH(QByteArray, state);
        QFETCH(bool, sorted);
        QFETCH(QString, layout);
        const HeaderViewState stored{{"_default" + tablePath, state}, {"_default/other", "keep"}};
        settingHeaderViewState(stored);
        const QString fresh = Table(4, false, sorted).layout();
        Table table(4, true, sorted);
        QCOMPARE(table.layout().section(QLatin1String(" sort"), 0, 0),
                 layout.isEmpty() ? fresh.section(QLatin1String(" sort"), 0, 0) : layout);
        QCOMPARE(settingHeaderViewState(), stored);
        // The table stays usable: as many sections as columns (the layout lists them), all in the menu.
        QCOMPARE(menuTexts(table.openMenu()).size(), 4 + 5);
    }

    void wrongTypedStateStaysUntilTheUserChangesTheLayout()
    {
        const QVariantMap mapOfInts{{QStringLiteral("_default/grid"), 3}};
        for (const QVariant &stored : {QVariant(QStringLiteral("not a hash")), QVariant(mapOfInts)}) {
            ZelAbstractAppConfig::setSetting(stateKey, stored);
            Table table;
            QCOMPARE(table.layout(), Table(4, false).layout()); // read as no stored layouts at all
            QCOMPARE(ZelAbstractAppConfig::setting(stateKey), stored); // looking does not rewrite it
            // The user's first change writes a proper state.
            table.header->resizeSection(1, 140);
            QCOMPARE(Table().header->sectionSize(1), 140);
        }
    }

    void editorWritesAtOnceAndSwitchesTables()
    {
        ZelHeaderProfileEditor editor;
        auto *list = editor.findChild<QListWidget *>(QStringLiteral("listWidget"));
        const auto items = [list] {
            QStringList texts;
            for (int row = 0; row < list->count(); ++row)
                texts << list->item(row)->text();
            return texts;
        };
        settingHeaderActiveProfile({{tablePath, QStringLiteral("Default")}});
        settingTableHeaderProfiles({{"/other", {"A", "B", "C"}}});
        editor.setId(tablePath);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QCOMPARE(items(), QStringList{"Default"});

        QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("pbAdd")), Qt::LeftButton);
        QCOMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{"Default", "Profile #1"}));

        // Another table: its own names only, so a change cannot mix them.
        editor.setId("/other");
        QCOMPARE(items(), (QStringList{"A", "B", "C"}));
        list->setCurrentRow(1);
        QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("pbRemove")), Qt::LeftButton);
        // The number counts the names there are.
        QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("pbAdd")), Qt::LeftButton);
        QCOMPARE(settingTableHeaderProfiles().value("/other"), (QList<QString>{"A", "C", "Profile #2"}));
    }

    // An edit in place, F2 and Enter as a user does it, renames the name only.
    void renamingChangesOnlyTheList()
    {
        settingTableHeaderProfiles({{tablePath, {"A", "B"}}});
        settingHeaderActiveProfile({{tablePath, QStringLiteral("A")}});
        const HeaderViewState states{{"A" + tablePath, QByteArrayLiteral("layout of A")}};
        settingHeaderViewState(states);
        ZelHeaderProfileEditor editor;
        editor.setId(tablePath);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        auto *list = editor.findChild<QListWidget *>(QStringLiteral("listWidget"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QTest::keyClick(list, Qt::Key_F2);
        auto *line = list->findChild<QLineEdit *>();
        QVERIFY(line);
        QTest::keyClicks(line, QStringLiteral("Wide"));
        QTest::keyClick(line, Qt::Key_Return);
        // The delegate commits the edit from the event loop.
        QTRY_COMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{"Wide", "B"}));
        QCOMPARE(settingHeaderActiveProfile().value(tablePath), QStringLiteral("A"));
        QCOMPARE(settingHeaderViewState(), states);
    }
};

QTEST_MAIN(tst_ZelHeaderView)
#include "tst_zelheaderview.moc"
