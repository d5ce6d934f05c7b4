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
        // Unnamed ancestors give empty segments; the given id keeps its bytes.
        QWidget unnamed;
        auto *inner = new QWidget(&unnamed);
        inner->setObjectName(QStringLiteral("inner"));
        const QByteArray utf8 = QStringLiteral("таблица").toUtf8();
        QCOMPARE(ZelHorizontalHeaderView(utf8, Qt::Horizontal, inner).id(), "/" + utf8 + "/inner/");
    }

    void inertUntilSavingIsAllowed()
    {
        Table other(4, false);
        other.header->resizeSection(2, 40);
        const QByteArray state = other.header->saveState();
        settingHeaderViewState({{"_default" + tablePath, state}});
        Table table(4, false);
        QVERIFY(table.show());
        QVERIFY(table.layout() != other.layout());
        table.header->resizeSection(1, 170);
        QTest::mouseClick(table.header->viewport(), Qt::LeftButton, {}, table.sectionCenter(3));
        QCOMPARE(settingHeaderViewState().value("_default" + tablePath), state);
        // Switching saving on lets the next load take the layout.
        table.header->setAllowSaveState(true);
        table.header->mavHeaderView_loadState();
        QCOMPARE(table.layout(), other.layout());
    }

    // Each user change is saved at once; a restart takes the layout up.
    void userChangesAreSavedAndRestored()
    {
        QString layout;
        {
            Table table;
            QVERIFY(table.show());
            ZelHorizontalHeaderView *h = table.header;
            const auto saved = [&] { return settingHeaderViewState().value("_default" + tablePath); };
            // Drag section 0 onto section 2.
            QTest::mousePress(h->viewport(), Qt::LeftButton, {}, table.sectionCenter(0));
            for (int step = 1; step <= 4; ++step)
                QTest::mouseMove(h->viewport(), table.sectionCenter(0) + QPoint(step * 60, 0));
            QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, table.sectionCenter(2));
            QCOMPARE(h->visualIndex(0), 2);
            QCOMPARE(saved(), h->saveState());
            // Drag the right edge of section 1.
            const QPoint edge(h->sectionViewportPosition(1) + h->sectionSize(1) - 1, h->height() / 2);
            const int initialSize = h->sectionSize(1);
            QTest::mousePress(h->viewport(), Qt::LeftButton, {}, edge);
            QTest::mouseMove(h->viewport(), edge + QPoint(20, 0));
            QTest::mouseMove(h->viewport(), edge + QPoint(45, 0));
            QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, edge + QPoint(45, 0));
            QCOMPARE(h->sectionSize(1), initialSize + 45);
            QCOMPARE(saved(), h->saveState());
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
            QCOMPARE(table.header->fullProfilePrefix(), first.toUtf8() + tablePath);
            // A new name goes to the front of the list and becomes active;
            // nothing is stored for it yet, so the layout stays.
            table.header->setProfileId(second);
            QCOMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{second, first}));
            QCOMPARE(settingHeaderActiveProfile().value(tablePath), second);
            QCOMPARE(table.layout(), layout);
            table.header->resizeSection(0, 60);
            table.header->setProfileId(first);
            QCOMPARE(table.layout(), layout);
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
        QVERIFY(table.show());
        QMenu *menu = table.openMenu();
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menuTexts(menu), (QStringList{"C0 [x]", "Size (bytes) [x]", "C3", "C4 [x]", "--", "Show All",
                                               "Hide All", "Stretch to view", "Size by contents"}));

        // Keys work too: Up from the top wraps to "Size by contents".
        table.header->resizeSection(4, 300);
        QTest::keyClick(menu, Qt::Key_Up);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(!table.header->findChild<QMenu *>());
        QCOMPARE(table.header->sectionSize(4),
                 qMax(static_cast<QAbstractItemView *>(table.view)->sizeHintForColumn(4), table.header->sectionSizeHint(4)));
        QCOMPARE(settingHeaderViewState().value(table.header->fullProfilePrefix()), table.header->saveState());

        QVERIFY(Table::choose(table.openMenu(), QStringLiteral("Stretch to view")));
        QCOMPARE(table.header->length(), table.header->viewport()->width());
        QCOMPARE(settingHeaderViewState().value(table.header->fullProfilePrefix()), table.header->saveState());
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
        }
        // Saved hidden, not zero-wide: a restart hides them and Show All brings them back.
        Table table(4);
        QVERIFY(table.show());
        // The last visible column cannot be hidden; nothing is saved.
        const HeaderViewState stored = settingHeaderViewState();
        QVERIFY(Table::choose(table.openMenu(0), QStringLiteral("C0")));
        QCOMPARE(table.header->shownColumnsIds(), QList<int>{0});
        QCOMPARE(settingHeaderViewState(), stored);
        QVERIFY(Table::choose(table.openMenu(0), QStringLiteral("Show All")));
        QCOMPARE(Table(4).header->shownColumnsIds(), (QList<int>{1, 2, 3, 0}));
    }

    void badStoredLayouts_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<bool>("sorted"); // a sorting table re-reads its sections when it sorts
        QTest::addColumn<QString>("layout"); // the sections afterwards; empty: unchanged

        // Section 1 wider, the last section first, the one before hidden.
        const auto otherTable = [](int columns) {
            Table other(columns, false);
            other.header->resizeSection(1, 130);
            other.header->moveSection(columns - 1, 0);
            other.header->hideSection(columns - 2);
            return other.header->saveState();
        };
        QTest::newRow("hidden sections") << otherTable(4) << false << "3:100 0:100 1:130 2:hidden";
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
        QVERIFY(table.show());
        QCOMPARE(table.layout().section(QLatin1String(" sort"), 0, 0),
                 layout.isEmpty() ? fresh.section(QLatin1String(" sort"), 0, 0) : layout);
        QCOMPARE(settingHeaderViewState(), stored);
        // The table stays usable: as many sections as columns, all in the menu.
        QCOMPARE(table.header->count(), 4);
        QCOMPARE(menuTexts(table.openMenu()).size(), 4 + 5);
    }

    void wrongTypedStateStaysUntilTheUserChangesTheLayout()
    {
        const QVariantMap mapOfInts{{QStringLiteral("_default/grid"), 3}};
        for (const QVariant &stored : {QVariant(QStringLiteral("not a hash")), QVariant(mapOfInts)}) {
            ZelAbstractAppConfig::setSetting(stateKey, stored);
            Table table;
            QVERIFY(table.show());
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
        QVERIFY(!settingTableHeaderProfiles().contains(tablePath));

        QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("pbAdd")), Qt::LeftButton);
        QCOMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{"Default", "Profile #1"}));

        // Renaming in place (F2, type, Enter) writes only the names.
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_F2);
        auto *line = list->findChild<QLineEdit *>();
        line->selectAll();
        QTest::keyClicks(line, QStringLiteral("Wide"));
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_COMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{"Wide", "Profile #1"}));
        QCOMPARE(settingHeaderActiveProfile().value(tablePath), QStringLiteral("Default"));

        // Another table: its own names only, so a change cannot mix them.
        editor.setId("/other");
        QCOMPARE(items(), (QStringList{"A", "B", "C"}));
        list->setCurrentRow(1);
        QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("pbRemove")), Qt::LeftButton);
        // The number counts the names there are.
        QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("pbAdd")), Qt::LeftButton);
        QCOMPARE(settingTableHeaderProfiles().value("/other"), (QList<QString>{"A", "C", "Profile #2"}));
        QCOMPARE(settingTableHeaderProfiles().value(tablePath), (QList<QString>{"Wide", "Profile #1"}));
    }
};

QTEST_MAIN(tst_ZelHeaderView)
#include "tst_zelheaderview.moc"
