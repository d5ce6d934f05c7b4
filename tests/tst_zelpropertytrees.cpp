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

// The rows of an item's form as "label|field" or "[spanning]", widgets named by their text or class.
QStringList formRows(ZelTreePropertyWidgetItem *item)
{
    const auto nameOf = [](QLayoutItem *layoutItem) -> QString {
        QWidget *w = layoutItem ? layoutItem->widget() : nullptr;
        if (auto *label = qobject_cast<QLabel *>(w))
            return label->text();
        return w ? QString::fromLatin1(w->metaObject()->className()) : QStringLiteral("-");
    };
    QStringList rows;
    auto *form = qobject_cast<QFormLayout *>(item->containerWidget()->layout());
    for (int row = 0; form && row < form->rowCount(); ++row) {
        if (QLayoutItem *span = form->itemAt(row, QFormLayout::SpanningRole))
            rows << QStringLiteral("[%1]").arg(nameOf(span));
        else
            rows << nameOf(form->itemAt(row, QFormLayout::LabelRole)) + u'|' + nameOf(form->itemAt(row, QFormLayout::FieldRole));
    }
    return rows;
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
        auto *edit = new QLineEdit;
        first->setWidget(edit, PW_LabelLeft, QStringLiteral("First"), QString());
        QPointer<ZelTreePropertyWidgetContainer> container = first->containerWidget();
        tree.addItemToCategory(a, first);
        tree.addItemToCategory(a, second);
        tree.addItemToCategory(a, first); // again: moves to the end, keeps its container
        processDeferredDeletes();
        QCOMPARE(tree.categoryItems(a), (QList<ZelTreePropertyWidgetItem *>{second, first}));
        QVERIFY(container);
        QCOMPARE(tree.itemWidget(first, 0), container.data());

        tree.addItemToCategory(b, first); // to another category
        tree.addTopLevelItemWithWidget(second); // to the top level
        processDeferredDeletes();
        QVERIFY(tree.categoryItems(a).isEmpty());
        QCOMPARE(tree.indexOfTopLevelItem(second), 2);

        // A row taken out by the host keeps its container, hidden, until the item comes back.
        b->removeChild(first);
        processDeferredDeletes();
        QVERIFY(container && !container->isVisible());
        tree.addItemToCategory(a, first);
        QCOMPARE(tree.itemWidget(first, 0), container.data());
        // The editor the form placed goes with the container, even when moved elsewhere meanwhile.
        QWidget elsewhere;
        QPointer<QLineEdit> moved = edit;
        edit->setParent(&elsewhere);
        delete first;
        processDeferredDeletes();
        QVERIFY(!container);
        QVERIFY(!moved);
    }

    void containerLivesAsLongAsItsItem()
    {
        auto *item = new ZelTreePropertyWidgetItem("loose", nullptr);
        QPointer<ZelTreePropertyWidgetContainer> unshown = item->containerWidget();
        QCOMPARE(unshown->item(), item);
        delete item;
        QVERIFY(!unshown);
    }

    void itemFormPlacesTheCaption_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("withWidget");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("on top") << int(PW_LabelOnTop) << "Gain" << true << QStringList{"[Gain]", "[QSpinBox]"};
        QTest::newRow("left") << int(PW_LabelLeft) << "Gain" << true << QStringList{"Gain|QSpinBox"};
        QTest::newRow("right") << int(PW_LabelRight) << "Gain" << true << QStringList{"QSpinBox|Gain"};
        QTest::newRow("unknown method") << 7 << "Gain" << true << QStringList{};
        QTest::newRow("no caption") << int(PW_LabelLeft) << "" << true << QStringList{"[QSpinBox]"};
        QTest::newRow("no widget") << int(PW_LabelLeft) << "Gain" << false << QStringList{"[Gain]"};
    }

    void itemFormPlacesTheCaption()
    {
        QFETCH(int, method);
        QFETCH(QString, caption);
        QFETCH(bool, withWidget);
        QFETCH(QStringList, rows);
        ZelTreePropertyWidgetItem item("gain", nullptr);
        auto *spin = withWidget ? new QSpinBox : nullptr;
        item.setWidget(spin, PW_PlaceMethod(method), caption, QStringLiteral("Analogue gain"));
        QCOMPARE(formRows(&item), rows);
        if (auto *label = item.containerWidget()->findChild<QLabel *>())
            QCOMPARE(label->buddy(), spin); // mnemonics and screen readers find the editor
        if (rows.isEmpty())
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
        tree.expandAll();
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));

        item->setWidget(second, PW_LabelOnTop, QStringLiteral("New"), QString());
        item->setDescription(QStringLiteral("Higher gain, more noise."));
        QCOMPARE(formRows(item), (QStringList{"[New]", "[QLineEdit]", "[Higher gain, more noise.]"}));
        QCOMPARE(item->containerWidget()->findChildren<QLabel *>().size(), 2);
        QCOMPARE(item->toolTip(0), QStringLiteral("tip")); // an empty tool tip keeps the old one
        QTRY_VERIFY(second->isVisible());
        QVERIFY(!first->isVisible());
        QCOMPARE(first->parentWidget(), item->containerWidget());
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
        QPointer<QLineEdit> gone = new QLineEdit;
        panel.addWidget(QStringLiteral("E&xposure"), QStringLiteral("In microseconds"), exposure);
        panel.addSeparator();
        panel.addWidget(title);
        panel.addWidget(QStringLiteral("Gone"), QString(), gone);
        QCOMPARE(exposure->toolTip(), QStringLiteral("In microseconds"));
        QPointer<QLabel> goneCaption = qobject_cast<QLabel *>(panel.itemWidget(panel.topLevelItem(3), 0));

        panel.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        QTest::keyClick(&panel, Qt::Key_X, Qt::AltModifier); // the caption's mnemonic
        QTRY_VERIFY(exposure->hasFocus());
        QTest::keyClick(exposure, Qt::Key_Up);
        QCOMPARE(exposure->value(), 1);

        // Rows cleared through the base class keep their widgets; makeLayout() brings them back.
        static_cast<QTreeWidget &>(panel).clear();
        processDeferredDeletes();
        delete gone.data();
        panel.makeLayout();
        QCOMPARE(panel.topLevelItemCount(), 3);
        QCOMPARE(panel.itemWidget(panel.topLevelItem(0), 1), exposure.data());
        QCOMPARE(panel.itemWidget(panel.topLevelItem(2), 0), title.data());
        QVERIFY(!goneCaption);

        panel.clear();
        processDeferredDeletes();
        QVERIFY(!exposure && !title);
    }
};

QTEST_MAIN(tst_ZelPropertyTrees)

#include "tst_zelpropertytrees.moc"
