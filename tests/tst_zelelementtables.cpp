// Element tables: columns, row-count announcements, the host view's slots, dialog vetoes, the no-focus delegate.

#include <ZelGui/IZelElementTableView.h>
#include <ZelGui/ZelElementAbstractTableModel.h>
#include <ZelGui/ZelElementDialogGUI.h>
#include <ZelGui/ZelNoFocusRectDelegate.h>

#include <ZelLog/ZelLog.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>

namespace {

// A host's model: one column of names, rows inserted and removed through Qt's protocol.
class NamesModel : public ZelElementAbstractTableModel
{
public:
    using ZelElementAbstractTableModel::ZelElementAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(names.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 1; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return index.isValid() && (role == Qt::DisplayRole || role == Qt::EditRole) ? names.at(index.row()) : QVariant();
    }
    bool insertRows(int row, int count, const QModelIndex &parent = {}) override
    {
        beginInsertRows(parent, row, row + count - 1);
        for (int i = 0; i < count; ++i)
            names.insert(row, QStringLiteral("new"));
        endInsertRows();
        return true;
    }
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override
    {
        beginRemoveRows(parent, row, row + count - 1);
        names.remove(row, count);
        endRemoveRows();
        return true;
    }
    void reset(const QStringList &list)
    {
        beginResetModel();
        names = list;
        endResetModel();
    }
    QStringList names;
};

// A host's view that counts its slots.
class CountingView : public IZelElementTableView
{
public:
    using IZelElementTableView::IZelElementTableView;
    void add() override { calls << QStringLiteral("add"); }
    void edit() override { calls << QStringLiteral("edit"); }
    void remove() override { calls << QStringLiteral("remove"); }
    QStringList calls;
};

// A host's dialog whose hooks answer as told and count their calls.
class VetoDialog : public ZelElementDialogGUI
{
public:
    using ZelElementDialogGUI::ZelElementDialogGUI;
    bool acceptOk = false;
    bool rejectOk = false;
    QStringList asked;

protected:
    ZelStatus onAccept() override { return answer("accept", acceptOk); }
    ZelStatus onReject() override { return answer("reject", rejectOk); }
    ZelStatus answer(const char *hook, bool ok)
    {
        asked << QLatin1String(hook);
        if (ok)
            return ZelStatus::Ok;
        return ZelStatus(ZelLog::errorStream("Test", "answer", __FILE__, __LINE__, Issue::OperationCancelled) << hook);
    }
};

// The image a delegate paints for one cell with the given state.
QImage paintCell(const QStyledItemDelegate &delegate, const QModelIndex &index, QStyle::State state)
{
    QImage image(120, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    option.state = state;
    option.palette = QApplication::palette();
    option.showDecorationSelected = true;
    QPainter painter(&image);
    delegate.paint(&painter, option, index);
    return image;
}

} // namespace

class tst_ZelElementTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        ZelLog::setEchoToQt(false);
    }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support )"))); }

    void rowCountAnnouncedOncePerInsertionOrRemoval()
    {
        NamesModel model;
        QStringList seen;
        connect(&model, &QAbstractItemModel::rowsAboutToBeInserted, this, [&] { seen << QStringLiteral("aboutToInsert"); });
        connect(&model, &QAbstractItemModel::rowsInserted, this, [&] { seen << QStringLiteral("inserted"); });
        connect(&model, &QAbstractItemModel::rowsAboutToBeRemoved, this, [&] { seen << QStringLiteral("aboutToRemove"); });
        connect(&model, &QAbstractItemModel::rowsRemoved, this, [&] { seen << QStringLiteral("removed"); });
        connect(&model, &ZelElementAbstractTableModel::rowsCountChanged, this,
                [&] { seen << QStringLiteral("count %1").arg(model.rowCount()); });

        // The model's own receiver of Qt's notification comes first, so later receivers see the count before it.
        QVERIFY(model.insertRows(0, 3));
        QVERIFY(model.removeRows(0, 2));
        QCOMPARE(seen, (QStringList{"aboutToInsert", "count 3", "inserted", "aboutToRemove", "count 1", "removed"}));

        // Only insertions and removals count: a reset is announced by Qt's modelReset alone.
        seen.clear();
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.reset({QStringLiteral("a"), QStringLiteral("b")});
        QCOMPARE(resets.size(), 1);
        QVERIFY(seen.isEmpty());
    }

    void dataChangedForAllRoles()
    {
        NamesModel model;
        model.names = QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        // A slot, so a queued call from a worker's signal works too.
        QVERIFY(QMetaObject::invokeMethod(&model, "emitDataChanged", Qt::QueuedConnection, Q_ARG(QModelIndex, model.index(0, 0)),
                                          Q_ARG(QModelIndex, model.index(2, 0))));
        QTRY_COMPARE(changes.size(), 1);
        QCOMPARE(changes.first().at(0).value<QModelIndex>(), model.index(0, 0));
        QVERIFY(changes.first().at(2).value<QList<int>>().isEmpty());
    }

    void hostViewSlotsByName()
    {
        CountingView view;
        // As a .ui form connects them.
        for (const char *slot : {"remove", "add", "edit"})
            QVERIFY(QMetaObject::invokeMethod(&view, slot));
        QCOMPARE(view.calls, (QStringList{QStringLiteral("remove"), QStringLiteral("add"), QStringLiteral("edit")}));
    }

    // The dialog owns its editor (a leak shows under ASan).
    void dialogClosesOnlyWhenItsHookSucceeds_data()
    {
        QTest::addColumn<int>("how"); // 0: OK button, 1: Escape key, 2: the window's close button
        QTest::addColumn<QString>("hook");
        QTest::addColumn<int>("result");
        QTest::newRow("OK button") << 0 << "accept" << int(QDialog::Accepted);
        QTest::newRow("Escape key") << 1 << "reject" << int(QDialog::Rejected);
        QTest::newRow("window close") << 2 << "reject" << int(QDialog::Rejected);
    }

    void dialogClosesOnlyWhenItsHookSucceeds()
    {
        QFETCH(int, how);
        QFETCH(QString, hook);
        QFETCH(int, result);
        auto *edit = new QLineEdit;
        VetoDialog dialog(edit);
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        const auto closeOnce = [&] {
            if (how == 0)
                QTest::mouseClick(dialog.buttonBox()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            else if (how == 1)
                QTest::keyClick(edit, Qt::Key_Escape);
            else
                dialog.close();
        };
        dialog.open();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        edit->setFocus();
        // Twice refused: the dialog stays up, asked each time.
        closeOnce();
        closeOnce();
        QVERIFY(dialog.isVisible());
        dialog.acceptOk = true;
        dialog.rejectOk = true;
        closeOnce();
        QCOMPARE(dialog.result(), result);
        QCOMPARE(dialog.asked, QStringList(3, hook));
        QCOMPARE(accepted.size() + rejected.size(), 1);
    }

    void delegatePaintsSelectionWithoutFocusFrame()
    {
        NamesModel model;
        model.names = QStringList{QStringLiteral("cell")};
        const QModelIndex index = model.index(0, 0);
        const QStyledItemDelegate plain;
        const ZelNoFocusRectDelegate ours;
        const QStyle::State selected = QStyle::State_Enabled | QStyle::State_Active | QStyle::State_Selected;
        const QStyle::State focused = selected | QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;

        const QImage plainUnfocused = paintCell(plain, index, selected);
        QVERIFY2(paintCell(plain, index, focused) != plainUnfocused, "the style draws a focus frame for this state");
        const QImage oursFocused = paintCell(ours, index, focused);
        QCOMPARE(oursFocused, plainUnfocused);
        const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
        QCOMPARE(oursFocused.pixelColor(oursFocused.width() / 2, 2), highlight);
        // Unselected focused cells: no frame either, no highlight.
        QCOMPARE(paintCell(ours, index, focused & ~QStyle::State_Selected), paintCell(plain, index, selected & ~QStyle::State_Selected));
    }
};

QTEST_MAIN(tst_ZelElementTables)

#include "tst_zelelementtables.moc"
