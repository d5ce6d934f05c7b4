// Element tables: columns, row-count announcements, the host view's slots, dialog vetoes, the no-focus delegate.

#include <ZelGui/IZelElementTableView.h>
#include <ZelGui/ZelElementAbstractTableModel.h>
#include <ZelGui/ZelElementDialogGUI.h>
#include <ZelGui/ZelElementTableColumn.h>
#include <ZelGui/ZelNoFocusRectDelegate.h>

#include <ZelLog/ZelLog.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

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
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return index.isValid() ? ZelElementAbstractTableModel::flags(index) | Qt::ItemIsEditable
                               : ZelElementAbstractTableModel::flags(index);
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

ZelStatus failure(const char *why)
{
    return ZelStatus(ZelLog::errorStream("Test", "ZelStatus failure(const char *)", __FILE__, __LINE__,
                                         Issue::OperationCancelled)
                     << why);
}

// A host's dialog whose hooks answer as told and count their calls.
class VetoDialog : public ZelElementDialogGUI
{
public:
    using ZelElementDialogGUI::ZelElementDialogGUI;
    bool acceptOk = false;
    bool rejectOk = false;
    QStringList asked;

protected:
    ZelStatus onAccept() override
    {
        asked << QStringLiteral("accept");
        return acceptOk ? ZelStatus::Ok : failure("name missing");
    }
    ZelStatus onReject() override
    {
        asked << QStringLiteral("reject");
        return rejectOk ? ZelStatus::Ok : failure("unsaved changes");
    }
};

enum class Close { OkButton, EnterKey, CancelButton, EscapeKey, WindowClose };

void close(VetoDialog *dialog, Close how)
{
    switch (how) {
    case Close::OkButton:
        QTest::mouseClick(dialog->buttonBox()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        break;
    case Close::EnterKey:
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        break;
    case Close::CancelButton:
        QTest::mouseClick(dialog->buttonBox()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        break;
    case Close::EscapeKey:
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        break;
    case Close::WindowClose:
        dialog->close(); // what the window's close button asks for
        break;
    }
}

// The image a delegate paints for one cell with the given state.
QImage paintCell(const QStyledItemDelegate &delegate, const QModelIndex &index, QStyle::State state, qreal dpr)
{
    const QSize size(120, 24);
    QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    QStyleOptionViewItem option;
    option.rect = QRect(QPoint(0, 0), size);
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

    void columnsTakeCaptionThenIdentifier()
    {
        const MetaPropertyModelColumn column(QStringLiteral("Exposure"), QStringLiteral("exposure_us"));
        const ZelElementTableColumn &base = column;
        QCOMPARE(base.displayString(), QStringLiteral("Exposure"));
        QCOMPARE(base.id(), QStringLiteral("exposure_us"));
    }

    void rowCountAnnouncedOncePerInsertionOrRemoval()
    {
        NamesModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStringList seen;
        connect(&model, &QAbstractItemModel::rowsAboutToBeInserted, this, [&] { seen << QStringLiteral("aboutToInsert"); });
        connect(&model, &QAbstractItemModel::rowsInserted, this, [&] { seen << QStringLiteral("inserted"); });
        connect(&model, &QAbstractItemModel::rowsAboutToBeRemoved, this, [&] { seen << QStringLiteral("aboutToRemove"); });
        connect(&model, &QAbstractItemModel::rowsRemoved, this, [&] { seen << QStringLiteral("removed"); });
        connect(&model, &ZelElementAbstractTableModel::rowsCountChanged, this,
                [&] { seen << QStringLiteral("count %1").arg(model.rowCount()); });

        // The model's own receiver of Qt's notification comes first, so later receivers see the count before it.
        QVERIFY(model.insertRows(0, 3));
        QCOMPARE(seen, (QStringList{QStringLiteral("aboutToInsert"), QStringLiteral("count 3"), QStringLiteral("inserted")}));
        seen.clear();
        QVERIFY(model.removeRows(0, 1));
        QVERIFY(model.removeRows(0, 2));
        QCOMPARE(seen, (QStringList{QStringLiteral("aboutToRemove"), QStringLiteral("count 2"), QStringLiteral("removed"),
                                    QStringLiteral("aboutToRemove"), QStringLiteral("count 0"), QStringLiteral("removed")}));

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
        model.emitDataChanged(model.index(0, 0), model.index(2, 0));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.first().at(0).value<QModelIndex>(), model.index(0, 0));
        QCOMPARE(changes.first().at(1).value<QModelIndex>(), model.index(2, 0));
        QVERIFY(changes.first().at(2).value<QList<int>>().isEmpty());
        // A slot, so a queued call from a worker's signal works too.
        QVERIFY(QMetaObject::invokeMethod(&model, "emitDataChanged", Qt::QueuedConnection, Q_ARG(QModelIndex, model.index(1, 0)),
                                          Q_ARG(QModelIndex, model.index(1, 0))));
        QTRY_COMPARE(changes.size(), 2);
    }

    void hostViewSlotsAndCellEditing()
    {
        NamesModel model;
        model.names = QStringList{QStringLiteral("camera")};
        CountingView view;
        view.setModel(&model);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QAction addAction, editAction, removeAction;
        connect(&addAction, &QAction::triggered, &view, &IZelElementTableView::add);
        connect(&editAction, &QAction::triggered, &view, qOverload<>(&IZelElementTableView::edit));
        QVERIFY(connect(&removeAction, SIGNAL(triggered()), &view, SLOT(remove()))); // by name, as a .ui form would
        removeAction.trigger();
        addAction.trigger();
        editAction.trigger();
        QCOMPARE(view.calls, (QStringList{QStringLiteral("remove"), QStringLiteral("add"), QStringLiteral("edit")}));

        // The base's edit(index) still opens the cell editor.
        static_cast<IZelElementTableView &>(view).edit(model.index(0, 0));
        QTRY_VERIFY(view.findChild<QLineEdit *>() && view.findChild<QLineEdit *>()->isVisible());
        QCOMPARE(view.findChild<QLineEdit *>()->text(), QStringLiteral("camera"));
    }

    void dialogHoldsEditorAboveButtons()
    {
        auto *editor = new QLabel(QStringLiteral("editor"));
        QPointer<QLabel> guard(editor);
        {
            VetoDialog dialog(editor);
            QCOMPARE(dialog.widget(), editor);
            QCOMPARE(editor->parentWidget(), &dialog);
            QCOMPARE(dialog.layout()->itemAt(0)->widget(), editor);
            QCOMPARE(dialog.layout()->itemAt(1)->widget(), dialog.buttonBox());
        }
        QVERIFY2(!guard, "the dialog owns its editor");

        VetoDialog bare(nullptr);
        QCOMPARE(bare.layout()->count(), 1);
        QCOMPARE(bare.layout()->itemAt(0)->widget(), bare.buttonBox());
    }

    void dialogClosesOnlyWhenItsHookSucceeds_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("hook");
        QTest::addColumn<int>("result");
        QTest::newRow("OK button") << int(Close::OkButton) << "accept" << int(QDialog::Accepted);
        QTest::newRow("Enter key") << int(Close::EnterKey) << "accept" << int(QDialog::Accepted);
        QTest::newRow("Cancel button") << int(Close::CancelButton) << "reject" << int(QDialog::Rejected);
        QTest::newRow("Escape key") << int(Close::EscapeKey) << "reject" << int(QDialog::Rejected);
        QTest::newRow("window close") << int(Close::WindowClose) << "reject" << int(QDialog::Rejected);
    }

    void dialogClosesOnlyWhenItsHookSucceeds()
    {
        QFETCH(int, how);
        QFETCH(QString, hook);
        QFETCH(int, result);
        auto *edit = new QLineEdit;
        VetoDialog dialog(edit);
        QSignalSpy accepted(&dialog, &QDialog::accepted), rejected(&dialog, &QDialog::rejected);
        bool answered = false;
        auto *timer = new QTimer(&dialog);
        connect(timer, &QTimer::timeout, &dialog, [&] {
            auto *modal = dynamic_cast<VetoDialog *>(QApplication::activeModalWidget());
            if (!modal || !modal->isVisible())
                return;
            timer->stop();
            answered = true;
            edit->setFocus();
            // Twice refused: the dialog stays up, asked each time.
            close(modal, Close(how));
            close(modal, Close(how));
            if (!QTest::qVerify(modal->isVisible(), "visible", "", __FILE__, __LINE__))
                modal->done(-1);
            modal->acceptOk = modal->rejectOk = true;
            close(modal, Close(how));
        });
        timer->start(0);
        QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-1); }); // never hang
        QCOMPARE(dialog.exec(), result);
        QVERIFY(answered);
        QCOMPARE(dialog.asked, QStringList(3, hook));
        QCOMPARE(accepted.size() + rejected.size(), 1);
        QVERIFY(!dialog.isVisible());
    }

    void delegatePaintsSelectionWithoutFocusFrame_data()
    {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("1x") << qreal(1);
        QTest::newRow("2x") << qreal(2);
    }

    void delegatePaintsSelectionWithoutFocusFrame()
    {
        QFETCH(qreal, dpr);
        NamesModel model;
        model.names = QStringList{QStringLiteral("cell")};
        const QModelIndex index = model.index(0, 0);
        const QStyledItemDelegate plain;
        const ZelNoFocusRectDelegate ours;
        const QStyle::State selected = QStyle::State_Enabled | QStyle::State_Active | QStyle::State_Selected;
        const QStyle::State focused = selected | QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;

        const QImage plainFocused = paintCell(plain, index, focused, dpr);
        const QImage plainUnfocused = paintCell(plain, index, selected, dpr);
        QVERIFY2(plainFocused != plainUnfocused, "the style draws a focus frame for this state");
        const QImage oursFocused = paintCell(ours, index, focused, dpr);
        QCOMPARE(oursFocused, plainUnfocused);
        const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
        QCOMPARE(oursFocused.pixelColor(oursFocused.width() / 2, 2 * int(dpr)), highlight);
        // Unselected focused cells: no frame either, no highlight.
        QCOMPARE(paintCell(ours, index, focused & ~QStyle::State_Selected, dpr),
                 paintCell(plain, index, selected & ~QStyle::State_Selected, dpr));
    }
};

QTEST_MAIN(tst_ZelElementTables)

#include "tst_zelelementtables.moc"
