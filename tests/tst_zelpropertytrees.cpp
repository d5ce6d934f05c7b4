// Property trees: categories, item forms, item and container lifetimes, the flat property widget; real clicks and keys.

#include <ZelGui/ZelPropertyWidget.h>
#include <ZelGui/ZelTreePropertyWidget.h>

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTest>

namespace {

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Where a widget sits in its item's form, as "row role" (roles: 0 label, 1 field, 2 spanning), "-" if nowhere.
QString placeIn(ZelTreePropertyWidgetItem *item, QWidget *widget)
{
    int row = -1;
    QFormLayout::ItemRole role = QFormLayout::LabelRole;
    if (auto *form = qobject_cast<QFormLayout *>(item->containerWidget()->layout()); form && widget)
        form->getWidgetPosition(widget, &row, &role);
    return row < 0 ? QStringLiteral("-") : QStringLiteral("%1 %2").arg(row).arg(int(role));
}

} // namespace

class tst_ZelPropertyTrees : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("."))); }

    void itemsJoinTopLevelRowsOnly()
    {
        ZelTreePropertyWidget tree;
        ZelTreePropertyWidgetItem *camera = tree.addCategory("camera", QStringLiteral("Camera"), QString(), QIcon());
        auto *gain = new ZelTreePropertyWidgetItem("gain", nullptr);
        tree.addItemToCategory(camera, gain);

        // Not a top-level row, the category itself: nothing changes.
        auto *stray = new ZelTreePropertyWidgetItem("stray", nullptr);
        tree.addItemToCategory(gain, stray);
        tree.addItemToCategory(camera, camera);
        QCOMPARE(tree.topLevelItemCount(), 1);
        QVERIFY(!stray->treeWidget());

        // The plural form enables each item and shows its container, in order, skipping nulls.
        auto *exposure = new ZelTreePropertyWidgetItem("exposure", nullptr);
        exposure->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        tree.addItemsToCategory(camera, {stray, nullptr, exposure});
        QCOMPARE(tree.categoryItems(camera), (QList<ZelTreePropertyWidgetItem *>{gain, stray, exposure}));
        QCOMPARE(exposure->flags(), Qt::ItemFlags(Qt::ItemIsEnabled));
        QCOMPARE(tree.itemWidget(exposure, 0), exposure->containerWidget());
    }

    void itemsMoveWithTheirContainers()
    {
        ZelTreePropertyWidget tree;
        ZelTreePropertyWidgetItem *a = tree.addCategory("a", QStringLiteral("A"), QString(), QIcon());
        ZelTreePropertyWidgetItem *b = tree.addCategory("b", QStringLiteral("B"), QString(), QIcon());
        auto *first = new ZelTreePropertyWidgetItem("first", a); // made under the category
        auto *second = new ZelTreePropertyWidgetItem("second", nullptr);
        QPointer<QLineEdit> editor = new QLineEdit;
        first->setWidget(editor, PW_LabelLeft, QStringLiteral("First"), QString());
        QPointer<ZelTreePropertyWidgetContainer> container = first->containerWidget();
        tree.addItemToCategory(a, first);
        tree.addItemToCategory(a, second);
        tree.addItemToCategory(a, first); // again: moves to the end, keeps its container
        processDeferredDeletes();
        QCOMPARE(tree.categoryItems(a), (QList<ZelTreePropertyWidgetItem *>{second, first}));
        QCOMPARE(tree.itemWidget(first, 0), container.data());

        tree.addItemToCategory(b, first); // to another category
        processDeferredDeletes();
        QCOMPARE(tree.categoryItems(a), QList<ZelTreePropertyWidgetItem *>{second});

        // A row taken out by the host keeps its container, hidden, until the item comes back.
        b->removeChild(first);
        processDeferredDeletes();
        QVERIFY(container && !container->isVisible());
        tree.addItemToCategory(a, first);
        QCOMPARE(tree.itemWidget(first, 0), container.data());
        // The editor goes with the container.
        delete first;
        processDeferredDeletes();
        QVERIFY(!container);
        QVERIFY(!editor);
    }

    void itemFormPlacesTheCaption_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("withWidget");
        // The caption's place, the editor's place.
        QTest::addColumn<QStringList>("places");
        QTest::newRow("on top") << int(PW_LabelOnTop) << "Gain" << true << QStringList{"0 2", "1 2"};
        QTest::newRow("left") << int(PW_LabelLeft) << "Gain" << true << QStringList{"0 0", "0 1"};
        QTest::newRow("right") << int(PW_LabelRight) << "Gain" << true << QStringList{"0 1", "0 0"};
        QTest::newRow("no caption") << int(PW_LabelLeft) << "" << true << QStringList{"-", "0 2"};
        QTest::newRow("no widget") << int(PW_LabelLeft) << "Gain" << false << QStringList{"0 2", "-"};
        QTest::newRow("unknown method") << 7 << "Gain" << true << QStringList{"-", "-"};
    }

    void itemFormPlacesTheCaption()
    {
        QFETCH(int, method);
        QFETCH(QString, caption);
        QFETCH(bool, withWidget);
        QFETCH(QStringList, places);
        ZelTreePropertyWidgetItem item("gain", nullptr);
        auto *spin = withWidget ? new QSpinBox : nullptr;
        item.setWidget(spin, PW_PlaceMethod(method), caption, QStringLiteral("Analogue gain"));
        auto *label = item.containerWidget()->findChild<QLabel *>();
        QCOMPARE((QStringList{placeIn(&item, label), placeIn(&item, spin)}), places);
        if (label)
            QCOMPARE(label->buddy(), spin); // mnemonics and screen readers find the editor
        if (placeIn(&item, spin) == QLatin1String("-"))
            delete spin; // not laid out: still the caller's
    }

    // The description too: not before a form, then below it.
    void itemFormReplacedByALaterCall()
    {
        ZelTreePropertyWidget tree;
        ZelTreePropertyWidgetItem *category = tree.addCategory("c", QStringLiteral("C"), QString(), QIcon());
        auto *item = new ZelTreePropertyWidgetItem("name", nullptr);
        auto *first = new QLineEdit;
        auto *second = new QLineEdit;
        item->setDescription(QStringLiteral("Too early"));
        QVERIFY(item->containerWidget()->findChildren<QLabel *>().isEmpty());
        item->setWidget(first, PW_LabelLeft, QStringLiteral("Old"), QStringLiteral("tip"));
        tree.addItemToCategory(category, item);

        item->setWidget(second, PW_LabelOnTop, QStringLiteral("New"), QString());
        item->setDescription(QStringLiteral("Higher gain, more noise."));
        // The new caption on top, the editor, the description below; no old caption left.
        const QList<QLabel *> labels = item->containerWidget()->findChildren<QLabel *>();
        QCOMPARE(labels.size(), 2);
        QCOMPARE((QStringList{labels.at(0)->text(), labels.at(1)->text()}), (QStringList{"New", "Higher gain, more noise."}));
        QCOMPARE((QStringList{placeIn(item, labels.at(0)), placeIn(item, second), placeIn(item, labels.at(1))}),
                 (QStringList{"0 2", "1 2", "2 2"}));
        QCOMPARE(item->toolTip(0), QStringLiteral("tip")); // an empty tool tip keeps the old one
        // The old editor is hidden.
        QVERIFY(first->isHidden());
    }

    // Categories open by keys and cannot be selected; editors take clicks and keys.
    void editorsWorkInsideTheTree()
    {
        ZelTreePropertyWidget tree;
        ZelTreePropertyWidgetItem *camera = tree.addCategory("camera", QStringLiteral("Camera"), QString(), QIcon());
        ZelTreePropertyWidgetItem *view = tree.addCategory("view", QStringLiteral("View"), QString(), QIcon());
        auto *nameItem = new ZelTreePropertyWidgetItem("name", nullptr);
        auto *edit = new QLineEdit;
        nameItem->setWidget(edit, PW_LabelOnTop, QStringLiteral("&Name"), QString());
        tree.addItemToCategory(camera, nameItem);
        tree.show();
        QVERIFY(QTest::qWaitForWindowActive(&tree));
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(view).center());
        QVERIFY(tree.selectedItems().isEmpty());

        // Collapsed at first; Right on the category opens it, with room for the whole form.
        tree.setFocus();
        tree.setCurrentItem(camera);
        QTest::keyClick(tree.viewport(), Qt::Key_Right);
        QTRY_VERIFY(camera->isExpanded() && edit->isVisible());
        QTRY_VERIFY(tree.visualItemRect(nameItem).height() >= nameItem->containerWidget()->sizeHint().height());

        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
        QTest::keyClicks(edit, QStringLiteral("Cam 1"));
        QCOMPARE(edit->text(), QStringLiteral("Cam 1"));
        delete view; // a deleted category leaves the list
        QCOMPARE(tree.categories(), QList<ZelTreePropertyWidgetItem *>{camera});
    }

    void propertyWidgetRowsAndTheirWidgets()
    {
        ZelPropertyWidget panel;
        QPointer<QSpinBox> exposure = new QSpinBox;
        QPointer<QLineEdit> title = new QLineEdit;
        panel.addWidget(QStringLiteral("E&xposure"), QStringLiteral("In microseconds"), exposure);
        panel.addWidget(title);

        panel.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        QTest::keyClick(&panel, Qt::Key_X, Qt::AltModifier); // the caption's mnemonic
        QTRY_VERIFY(exposure->hasFocus());

        // Its own clear() deletes the widgets with the rows.
        panel.clear();
        processDeferredDeletes();
        QVERIFY(!exposure && !title);
    }
};

QTEST_MAIN(tst_ZelPropertyTrees)

#include "tst_zelpropertytrees.moc"
