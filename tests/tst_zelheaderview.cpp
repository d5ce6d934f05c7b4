// Header view: id path, layouts saved per table and profile, the context
// menu by mouse and keys, bad stored layouts; the profile editor.

#include "zelgui_testhelpers.h"

#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelHeaderProfileEditor.h>
#include <ZelGui/ZelHorizontalHeaderView.h>

#include <ZelCore/ZelAbstractAppConfig.h>

#include <QApplication>
#include <QDialogButtonBox>
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

#include <memory>

namespace {

const QByteArray tablePath = QByteArrayLiteral("/grid/tableView/MainWindow");
const QString stateKey = QStringLiteral("elements/tableheaderstate");

// A window "MainWindow" holding a table "tableView" whose horizontal header
// is ours, over a model of `columns` columns named "C0", "C1", ...
struct Table
{
    std::unique_ptr<QWidget> window;
    QTableView *view = nullptr;
    ZelHorizontalHeaderView *header = nullptr;
    QStandardItemModel model;

    explicit Table(int columns = 4, bool allowSave = true, bool sorted = true)
        : window(std::make_unique<QWidget>())
        , model(5, columns)
    {
        window->setObjectName(QStringLiteral("MainWindow"));
        view = new QTableView(window.get());
        view->setObjectName(QStringLiteral("tableView"));
        header = new ZelHorizontalHeaderView("grid", Qt::Horizontal, view);
        header->setSectionsClickable(true);
        view->setHorizontalHeader(header);
        for (int c = 0; c < columns; ++c) {
            model.setHeaderData(c, Qt::Horizontal, QStringLiteral("C%1").arg(c));
            for (int r = 0; r < 5; ++r)
                model.setItem(r, c, new QStandardItem(QStringLiteral("%1").arg(r * 7 % 5 + c)));
        }
        view->setModel(&model);
        view->setSortingEnabled(sorted);
        view->resize(600, 240);
        window->resize(600, 240);
        header->setAllowSaveState(allowSave);
        header->mavHeaderView_loadState();
    }

    bool show()
    {
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
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
            + QStringLiteral(" sort %1%2").arg(header->sortIndicatorSection()).arg(
                QChar(header->sortIndicatorOrder() == Qt::AscendingOrder ? u'+' : u'-'));
    }

    QPoint sectionCenter(int logical) const
    {
        return {header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2, header->height() / 2};
    }

    // Opens the context menu with a right click on a section, as a user does.
    QMenu *openMenu(int logical = 0) const
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, sectionCenter(logical),
                                header->viewport()->mapToGlobal(sectionCenter(logical)));
        QApplication::sendEvent(header->viewport(), &event);
        return header->findChild<QMenu *>();
    }

    // Clicks the menu entry with that text and waits for the menu to go.
    static bool choose(QMenu *menu, const QString &text)
    {
        if (!menu || !QTest::qWaitForWindowExposed(menu))
            return false;
        for (QAction *action : menu->actions()) {
            if (action->text() == text) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                return true;
            }
        }
        return false;
    }
};

QStringList menuTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("--")
                                        : action->text() + (action->isChecked() ? QStringLiteral(" [x]") : QString()));
    }
    return texts;
}

QStringList editorItems(const ZelHeaderProfileEditor &editor)
{
    const auto *list = editor.findChild<QListWidget *>(QStringLiteral("listWidget"));
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
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

    void idIsThePathUpTheObjectTree()
    {
        Table table;
        QCOMPARE(table.header->id(), tablePath);
        // Unnamed ancestors give empty segments; the given id keeps its bytes.
        QWidget unnamed;
        auto *inner = new QWidget(&unnamed);
        inner->setObjectName(QStringLiteral("inner"));
        const QByteArray utf8 = QStringLiteral("таблица").toUtf8();
        QCOMPARE(ZelHorizontalHeaderView(utf8, Qt::Horizontal, inner).id(), "/" + utf8 + "/inner/");
        QCOMPARE(ZelHorizontalHeaderView("solo", Qt::Vertical).id(), QByteArray("/solo"));
        table.header->setId("plain"); // taken as it is
        QCOMPARE(table.header->fullProfilePrefix(), QByteArray("_defaultplain"));
    }

    void inertUntilSavingIsAllowed()
    {
        Table table(4, false);
        QVERIFY(table.show());
        table.header->resizeSection(1, 170);
        table.header->moveSection(0, 2);
        QTest::mouseClick(table.header->viewport(), Qt::LeftButton, {}, table.sectionCenter(3));
        QVERIFY(!ZelAbstractAppConfig::contains(stateKey));

        Table other(4, false);
        other.header->resizeSection(2, 40);
        settingHeaderViewState({{"_default" + tablePath, other.header->saveState()}});
        const QString before = table.layout();
        table.header->mavHeaderView_loadState();
        table.header->setId(tablePath);
        table.header->setProfileId(QStringLiteral("_default"));
        QCOMPARE(table.layout(), before);
        // Switching saving on lets the next load take the layout.
        table.header->setAllowSaveState(true);
        table.header->mavHeaderView_loadState();
        QCOMPARE(table.layout(), other.layout());
    }

    void userChangesRoundTrip_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("move") << "move";
        QTest::newRow("resize") << "resize";
        QTest::newRow("hide") << "hide";
        QTest::newRow("sort") << "sort";
    }
    void userChangesRoundTrip()
    {
        QFETCH(QString, change);
        QString layout;
        {
            Table table;
            QVERIFY(table.show());
            const QString initial = table.layout();
            ZelHorizontalHeaderView *h = table.header;
            if (change == QLatin1String("move")) { // drag section 0 onto section 2
                QTest::mousePress(h->viewport(), Qt::LeftButton, {}, table.sectionCenter(0));
                for (int step = 1; step <= 4; ++step)
                    QTest::mouseMove(h->viewport(), table.sectionCenter(0) + QPoint(step * 60, 0));
                QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, table.sectionCenter(2));
                QCOMPARE(h->visualIndex(0), 2);
            } else if (change == QLatin1String("resize")) { // drag the right edge of section 1
                const QPoint edge(h->sectionViewportPosition(1) + h->sectionSize(1) - 1, h->height() / 2);
                const int initialSize = h->sectionSize(1);
                QTest::mousePress(h->viewport(), Qt::LeftButton, {}, edge);
                QTest::mouseMove(h->viewport(), edge + QPoint(20, 0));
                QTest::mouseMove(h->viewport(), edge + QPoint(45, 0));
                QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, edge + QPoint(45, 0));
                QCOMPARE(h->sectionSize(1), initialSize + 45);
            } else if (change == QLatin1String("hide")) {
                QVERIFY(Table::choose(table.openMenu(), QStringLiteral("C2")));
                QVERIFY(h->isSectionHidden(2));
            } else { // a click on a section sorts by it
                QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, table.sectionCenter(3));
                QCOMPARE(h->sortIndicatorSection(), 3);
            }
            layout = table.layout();
            QVERIFY(layout != initial);
            QCOMPARE(settingHeaderViewState().keys(), QList<QByteArray>{"_default" + tablePath});
        }
        // A restart: a new header in the same place takes the layout up.
        Table table;
        QCOMPARE(table.layout(), layout);
        QCOMPARE(table.header->shownColumnsIds().size(), change == QLatin1String("hide") ? 3 : 4);
    }

    void profilesKeepLayoutsApart()
    {
        settingTableHeaderProfiles({{tablePath, {QStringLiteral("A")}}, {"/other", {QStringLiteral("X")}}});
        QString layoutA;
        {
            Table table;
            table.header->setProfileId(QStringLiteral("A"));
            table.header->resizeSection(0, 150);
            layoutA = table.layout();
            QCOMPARE(table.header->fullProfilePrefix(), "A" + tablePath);

            // A new name goes to the front of the list and becomes active;
            // nothing is stored for it yet, so the layout stays.
            table.header->setProfileId(QStringLiteral("N"));
            QCOMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{"N", "A"}));
            QCOMPARE(settingTableHeaderProfiles().value("/other"), QList<QString>{"X"});
            QCOMPARE(settingHeaderActiveProfile().value(tablePath), QStringLiteral("N"));
            QCOMPARE(table.layout(), layoutA);
            table.header->moveSection(3, 0);
            QVERIFY(table.layout() != layoutA);

            table.header->setProfileId(QStringLiteral("A"));
            QCOMPARE(table.layout(), layoutA);
            QCOMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{"N", "A"}));
            QCOMPARE(settingHeaderViewState().keys().size(), 2);
        }
        // The active profile is what a restarted table loads.
        settingHeaderActiveProfile({{tablePath, QStringLiteral("A")}});
        QCOMPARE(Table().layout(), layoutA);
    }

    void nonLatinProfileNamesStayApart()
    {
        Table table;
        table.header->setProfileId(QStringLiteral("Профиль"));
        table.header->resizeSection(0, 150);
        const QString first = table.layout();
        table.header->setProfileId(QStringLiteral("Колонки")); // as many letters
        table.header->resizeSection(0, 60);
        table.header->setProfileId(QStringLiteral("Профиль"));
        QCOMPARE(table.layout(), first);
        QCOMPARE(table.header->fullProfilePrefix(), QStringLiteral("Профиль").toUtf8() + tablePath);
        QCOMPARE(settingHeaderViewState().size(), 2);
    }

    void contextMenuListsColumns()
    {
        Table table(5);
        table.model.setHeaderData(1, Qt::Horizontal, QStringLiteral("Size (bytes)"), Qt::UserRole + 1);
        table.model.setHorizontalHeaderItem(2, new QStandardItem(QString()));
        table.header->hideSection(3);
        QVERIFY(table.show());
        QMenu *menu = table.openMenu();
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menuTexts(menu), (QStringList{"C0 [x]", "Size (bytes) [x]", "C3", "C4 [x]", "--", "Show All",
                                               "Hide All", "Stretch to view", "Size by contents"}));

        // Keys work too: Up from the top wraps to "Size by contents".
        const int before = table.header->sectionSize(4);
        table.header->resizeSection(4, before + 200);
        QTest::keyClick(menu, Qt::Key_Up);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(!table.header->findChild<QMenu *>());
        QCOMPARE(table.header->sectionSize(4),
                 qMax(static_cast<QAbstractItemView *>(table.view)->sizeHintForColumn(4), table.header->sectionSizeHint(4)));
        QCOMPARE(settingHeaderViewState().value(table.header->fullProfilePrefix()), table.header->saveState());

        // Nothing without a model.
        ZelHorizontalHeaderView bare("bare", Qt::Horizontal);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(1, 1), QPoint(1, 1));
        QApplication::sendEvent(bare.viewport(), &event);
        QVERIFY(!bare.findChild<QMenu *>());
    }

    void verticalHeaderListsRows()
    {
        QStandardItemModel model(3, 2);
        model.setVerticalHeaderLabels({"R0", "R1", "R2"});
        QTableView view;
        auto *header = new ZelHorizontalHeaderView("rows", Qt::Vertical, &view);
        view.setVerticalHeader(header);
        view.setModel(&model);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), header->viewport()->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(header->viewport(), &event);
        QMenu *menu = header->findChild<QMenu *>();
        QVERIFY(menu);
        QCOMPARE(menuTexts(menu).mid(0, 3), (QStringList{"R0 [x]", "R1 [x]", "R2 [x]"}));
        QVERIFY(Table::choose(menu, QStringLiteral("R1")));
        QCOMPARE(header->shownColumnsIds(), (QList<int>{0, 2}));
    }

    void lastVisibleColumnCannotBeHidden()
    {
        Table table(2);
        QVERIFY(table.show());
        QVERIFY(Table::choose(table.openMenu(), QStringLiteral("C0")));
        const HeaderViewState stored = settingHeaderViewState();
        QVERIFY(Table::choose(table.openMenu(1), QStringLiteral("C1")));
        QCOMPARE(table.header->shownColumnsIds(), QList<int>{1});
        QCOMPARE(settingHeaderViewState(), stored);
        // Ticking it back works.
        QVERIFY(Table::choose(table.openMenu(1), QStringLiteral("C0")));
        QCOMPARE(table.header->shownColumnsIds(), (QList<int>{0, 1}));
    }

    void hideAllKeepsSectionZeroAndIsSaved()
    {
        {
            Table table(4);
            QVERIFY(table.show());
            table.header->moveSection(0, 3);
            // Hiding section 0 first still leaves it as the one column.
            QVERIFY(Table::choose(table.openMenu(1), QStringLiteral("C0")));
            QVERIFY(Table::choose(table.openMenu(1), QStringLiteral("Hide All")));
            QCOMPARE(table.header->shownColumnsIds(), QList<int>{0});
        }
        // Saved hidden, not zero-wide: a restart hides them and Show All brings them back.
        Table table(4);
        QVERIFY(table.show());
        QCOMPARE(table.header->shownColumnsIds(), QList<int>{0});
        QCOMPARE(table.header->hiddenSectionCount(), 3);
        QVERIFY(Table::choose(table.openMenu(0), QStringLiteral("Show All")));
        QCOMPARE(table.header->shownColumnsIds(), (QList<int>{1, 2, 3, 0}));
        QCOMPARE(Table(4).header->shownColumnsIds(), (QList<int>{1, 2, 3, 0}));

        Table single(1);
        QVERIFY(single.show());
        QVERIFY(Table::choose(single.openMenu(0), QStringLiteral("Hide All")));
        QCOMPARE(single.header->shownColumnsIds(), QList<int>{0});
    }

    void stretchFillsTheView()
    {
        Table table(3);
        QVERIFY(table.show());
        QVERIFY(Table::choose(table.openMenu(), QStringLiteral("Stretch to view")));
        QCOMPARE(table.header->length(), table.header->viewport()->width());
        QCOMPARE(settingHeaderViewState().value(table.header->fullProfilePrefix()), table.header->saveState());
    }

    void badStoredLayouts_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<bool>("sorted"); // a sorting table re-reads its sections when it sorts
        QTest::addColumn<QString>("layout"); // the sections afterwards; empty: unchanged

        // Section 1 wider; moved: the last section first, the one before hidden.
        const auto otherTable = [](int columns, bool moved) {
            Table other(columns, false);
            other.header->resizeSection(1, 130);
            if (moved) {
                other.header->moveSection(columns - 1, 0);
                other.header->hideSection(columns - 2);
            }
            return other.header->saveState();
        };
        const QByteArray own = otherTable(4, true);
        QTest::newRow("truncated") << own.left(own.size() / 2) << false << QString();
        QTest::newRow("hidden sections") << own << false << "3:100 0:100 1:130 2:hidden";
        QTest::newRow("fewer columns") << otherTable(3, true) << false << "2:100 0:100 1:hidden 3:100";
        // Fitted to the model: sections at the end of the visual order go.
        QTest::newRow("more columns") << otherTable(7, false) << false << "0:100 1:130 2:100 3:100";
        QTest::newRow("more columns, moved") << otherTable(7, true) << false << "0:100 1:100 2:130 3:100";
        QTest::newRow("more columns, sorted") << otherTable(7, true) << true << "0:100 1:100 2:130 3:100";
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
        QVERIFY(table.show());
        QCOMPARE(table.layout().section(QLatin1String(" sort"), 0, 0),
                 layout.isEmpty() ? fresh.section(QLatin1String(" sort"), 0, 0) : layout);
        QCOMPARE(settingHeaderViewState(), stored);
        // The table stays usable: as many sections as columns, all in the menu.
        QCOMPARE(table.header->count(), 4);
        QCOMPARE(menuTexts(table.openMenu()).size(), 4 + 5);
    }

    void wrongTypedStateStaysUntilTheUserChangesTheLayout_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("text") << QVariant(QStringLiteral("not a hash"));
        QTest::newRow("number") << QVariant(42);
        QTest::newRow("list") << QVariant(QStringList{QStringLiteral("a"), QStringLiteral("b")});
        QTest::newRow("map of ints") << QVariant(QVariantMap{{QStringLiteral("_default/grid"), 3}});
    }
    void wrongTypedStateStaysUntilTheUserChangesTheLayout()
    {
        QFETCH(QVariant, stored);
        ZelAbstractAppConfig::setSetting(stateKey, stored);
        const QString fresh = Table(4, false).layout();
        Table table;
        QVERIFY(table.show());
        QCOMPARE(table.layout(), fresh); // read as no stored layouts at all
        table.header->mavHeaderView_loadState();
        QCOMPARE(ZelAbstractAppConfig::setting(stateKey), stored); // looking does not rewrite it
        // The user's first change writes a proper state.
        table.header->resizeSection(1, 140);
        QCOMPARE(settingHeaderViewState().keys(), QList<QByteArray>{"_default" + tablePath});
        Table again;
        QCOMPARE(again.header->sectionSize(1), 140);
    }

    void editorStartsWithDefaultAndWritesAtOnce()
    {
        ZelHeaderProfileEditor editor;
        auto *add = editor.findChild<QPushButton *>(QStringLiteral("pbAdd"));
        auto *remove = editor.findChild<QPushButton *>(QStringLiteral("pbRemove"));
        auto *list = editor.findChild<QListWidget *>(QStringLiteral("listWidget"));
        QVERIFY(add && remove && list);
        settingHeaderActiveProfile({{tablePath, QStringLiteral("Default")}});
        settingHeaderViewState({{"Default" + tablePath, "layout"}});
        editor.setId(tablePath);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QCOMPARE(editorItems(editor), QStringList{"Default"});
        QVERIFY(!ZelAbstractAppConfig::contains(QStringLiteral("general/table_header_profiles")));

        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{"Default", "Profile #1"}));

        // Renaming in place (F2, type, Enter) writes only the names.
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_F2);
        auto *line = list->findChild<QLineEdit *>();
        QVERIFY(line);
        line->selectAll();
        QTest::keyClicks(line, QStringLiteral("Wide"));
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_COMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{"Wide", "Profile #1"}));
        QCOMPARE(settingHeaderActiveProfile().value(tablePath), QStringLiteral("Default"));
        QCOMPARE(settingHeaderViewState().value("Default" + tablePath), QByteArray("layout"));

        // Cancel closes and undoes nothing.
        auto *box = editor.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QTest::mouseClick(box->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        QVERIFY(!editor.isVisible());
        QCOMPARE(editor.result(), int(QDialog::Rejected));
        QCOMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{"Wide", "Profile #1"}));
    }

    void editorRemovesAndSwitchesTables()
    {
        settingTableHeaderProfiles({{tablePath, {"A", "B", "C"}}, {"/other", {"X"}}});
        ZelHeaderProfileEditor editor;
        editor.setId(tablePath);
        auto *list = editor.findChild<QListWidget *>(QStringLiteral("listWidget"));
        auto *remove = editor.findChild<QPushButton *>(QStringLiteral("pbRemove"));

        // Without a current item the names are written unchanged.
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{"A", "B", "C"}));
        list->setCurrentRow(1);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{"A", "C"}));
        // The number counts the names there are.
        editor.addProfile();
        QCOMPARE(editorItems(editor), (QStringList{"A", "C", "Profile #2"}));
        for (int i = 0; i < 3; ++i) {
            list->setCurrentRow(0);
            editor.removeProfile();
        }
        QCOMPARE(settingTableHeaderProfiles().value(tablePath), QList<QString>());
        QVERIFY(settingTableHeaderProfiles().contains(tablePath));
        editor.addProfile();
        QCOMPARE(settingTableHeaderProfiles().value(tablePath), QList<QString>{"Profile #0"});

        // Another table: its own names only, so a change cannot mix them.
        editor.setId("/other");
        QCOMPARE(editorItems(editor), QStringList{"X"});
        editor.addProfile();
        QCOMPARE(settingTableHeaderProfiles().value("/other"), (QList<QString>{"X", "Profile #1"}));
        QCOMPARE(settingTableHeaderProfiles().value(tablePath), QList<QString>{"Profile #0"});
    }

    void editorInRussian()
    {
        RussianTranslation russian;
        QVERIFY(russian.loaded);
        ZelHeaderProfileEditor editor;
        editor.setId("/ru");
        editor.addProfile();
        QCOMPARE(settingTableHeaderProfiles().value("/ru"), (QList<QString>{"По умолчанию", "Профиль №1"}));
        Table table(2);
        QVERIFY(table.show());
        QCOMPARE(menuTexts(table.openMenu()).mid(3),
                 (QStringList{"Показать все", "Скрыть все", "Растянуть по ширине", "По содержимому"}));
        // The default profile's key does not change with the language.
        QCOMPARE(table.header->fullProfilePrefix(), "_default" + tablePath);
    }
};

QTEST_MAIN(tst_ZelHeaderView)
#include "tst_zelheaderview.moc"
