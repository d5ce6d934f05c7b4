// Property trees: categories, item forms, item and container lifetimes, the flat property widget; real clicks and keys.

#include <ZelGui/ZelPropertyWidget.h>
#include <ZelGui/ZelTreePropertyWidget.h>

#include <QApplication>
#include <QFormLayout>
#include <QFrame>
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
        if (!w)
            return QStringLiteral("-");
        if (auto *label = qobject_cast<QLabel *>(w))
            return label->text();
        return QString::fromLatin1(w->metaObject()->className());
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

    void categoriesAreEnabledTopLevelRowsThatCannotBeSelected()
    {
        ZelTreePropertyWidget tree;
        ZelTreePropertyWidgetItem *camera = tree.addCategory("camera", QStringLiteral("Camera"), QStringLiteral("Capture"), QIcon());
        ZelTreePropertyWidgetItem *view = tree.addCategory("view", QStringLiteral("View"), QString(), QIcon());
        QCOMPARE(tree.getTopLevelItem(1), view);
        QCOMPARE(tree.getTopLevelItem(2), nullptr);
        QCOMPARE(tree.categories(), (QList<ZelTreePropertyWidgetItem *>{camera, view}));
        QCOMPARE(camera->text(0), QStringLiteral("Camera"));
        QCOMPARE(camera->toolTip(0), QStringLiteral("Capture"));
        QCOMPARE(camera->flags(), Qt::ItemFlags(Qt::ItemIsEnabled));

        tree.resize(300, 200);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(camera).center());
        tree.selectAll();
        QVERIFY(tree.selectedItems().isEmpty());

        delete view; // a deleted category leaves the list
        QCOMPARE(tree.categories(), QList<ZelTreePropertyWidgetItem *>{camera});
    }

    void itemsJoinTopLevelRowsOnly()
    {
        ZelTreePropertyWidget tree;
        ZelTreePropertyWidgetItem *camera = tree.addCategory("camera", QStringLiteral("Camera"), QString(), QIcon());
        auto *gain = new ZelTreePropertyWidgetItem("gain", nullptr);
        gain->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        tree.addItemToCategory(camera, gain);
        QCOMPARE(tree.categoryItems(camera), QList<ZelTreePropertyWidgetItem *>{gain});
        QCOMPARE(gain->flags(), Qt::ItemFlags(Qt::ItemIsEnabled));
        QCOMPARE(tree.itemWidget(gain, 0), gain->containerWidget());

        // Not a top-level row, a null item, the category itself: nothing changes.
        auto *stray = new ZelTreePropertyWidgetItem("stray", nullptr);
        tree.addItemToCategory(gain, stray);
        tree.addItemToCategory(camera, nullptr);
        tree.addItemToCategory(camera, camera);
        tree.addItemToCategory(nullptr, stray);
        tree.addItemsToCategory(gain, {stray});
        QCOMPARE(gain->childCount(), 0);
        QCOMPARE(tree.topLevelItemCount(), 1);
        QCOMPARE(tree.categoryItems(camera), QList<ZelTreePropertyWidgetItem *>{gain});
        QVERIFY(!stray->treeWidget());

        // The plural form enables each item and shows its container, in order, skipping nulls.
        auto *exposure = new ZelTreePropertyWidgetItem("exposure", nullptr);
        tree.addItemsToCategory(camera, {stray, nullptr, exposure});
        QCOMPARE(tree.categoryItems(camera), (QList<ZelTreePropertyWidgetItem *>{gain, stray, exposure}));
        for (ZelTreePropertyWidgetItem *item : {stray, exposure}) {
            QCOMPARE(item->flags(), Qt::ItemFlags(Qt::ItemIsEnabled));
            QCOMPARE(tree.itemWidget(item, 0), item->containerWidget());
        }

        // Top-level rows with a widget; null is ignored.
        auto *footer = new ZelTreePropertyWidgetItem("footer", nullptr);
        tree.addTopLevelItemWithWidget(footer);
        tree.addTopLevelItemWithWidget(nullptr);
        QCOMPARE(tree.topLevelItemCount(), 2);
        QCOMPARE(tree.itemWidget(footer, 0), footer->containerWidget());
        QCOMPARE(tree.categories(), QList<ZelTreePropertyWidgetItem *>{camera});
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
        QCOMPARE(tree.categoryItems(b), QList<ZelTreePropertyWidgetItem *>{first});
        QCOMPARE(tree.indexOfTopLevelItem(second), 2);
        QVERIFY(container);
        QCOMPARE(tree.itemWidget(first, 0), container.data());
        QCOMPARE(edit->parentWidget(), container.data());

        // A row taken out by the host keeps its container, hidden, until the item comes back.
        b->removeChild(first);
        processDeferredDeletes();
        QVERIFY(container && !container->isVisible());
        tree.addItemToCategory(a, first);
        QCOMPARE(tree.itemWidget(first, 0), container.data());
        delete first;
        processDeferredDeletes();
        QVERIFY(!container);
    }

    void containerLivesAsLongAsItsItem()
    {
        QPointer<ZelTreePropertyWidgetContainer> unshown;
        {
            ZelTreePropertyWidgetItem item("loose", nullptr);
            unshown = item.containerWidget();
            QCOMPARE(unshown->item(), &item);
        }
        QVERIFY(!unshown);

        // Editors placed by the form are deleted with the container even when moved elsewhere meanwhile.
        QWidget elsewhere;
        QPointer<QLineEdit> edit = new QLineEdit;
        QPointer<ZelTreePropertyWidgetContainer> shown;
        {
            ZelTreePropertyWidget tree;
            ZelTreePropertyWidgetItem *category = tree.addCategory("c", QStringLiteral("C"), QString(), QIcon());
            auto *item = new ZelTreePropertyWidgetItem("i", nullptr);
            item->setWidget(edit, PW_LabelOnTop, QStringLiteral("Name"), QString());
            tree.addItemToCategory(category, item);
            shown = item->containerWidget();
            edit->setParent(&elsewhere);
        }
        processDeferredDeletes();
        QVERIFY(!shown);
        QVERIFY(!edit);
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
        QTest::newRow("no widget, no caption") << int(PW_LabelOnTop) << "" << false << QStringList{};
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
        QCOMPARE(item.toolTip(0), QStringLiteral("Analogue gain"));
        if (auto *label = item.containerWidget()->findChild<QLabel *>())
            QCOMPARE(label->buddy(), spin); // mnemonics and screen readers find the editor
        if (rows.isEmpty())
            delete spin; // not laid out: still the caller's
    }

    void itemFormReplacedByALaterCall()
    {
        ZelTreePropertyWidget tree;
        ZelTreePropertyWidgetItem *category = tree.addCategory("c", QStringLiteral("C"), QString(), QIcon());
        auto *item = new ZelTreePropertyWidgetItem("name", nullptr);
        auto *first = new QLineEdit, *second = new QLineEdit;
        item->setWidget(first, PW_LabelLeft, QStringLiteral("Old"), QStringLiteral("tip"));
        item->setDescription(QStringLiteral("Old words"));
        tree.addItemToCategory(category, item);
        tree.expandAll();
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));

        item->setWidget(second, PW_LabelOnTop, QStringLiteral("New"), QString());
        QCOMPARE(formRows(item), (QStringList{"[New]", "[QLineEdit]"}));
        QCOMPARE(item->containerWidget()->findChildren<QLabel *>().size(), 1);
        QCOMPARE(item->toolTip(0), QStringLiteral("tip")); // an empty tool tip keeps the old one
        QTRY_VERIFY(second->isVisible());
        QVERIFY(!first->isVisible());
        QCOMPARE(first->parentWidget(), item->containerWidget());

        // The same widget again, now alone.
        item->setWidget(second, PW_LabelLeft, QString(), QString());
        QCOMPARE(formRows(item), QStringList{"[QLineEdit]"});
        QTRY_VERIFY(second->isVisible());
    }

    void descriptionGoesBelowTheForm()
    {
        ZelTreePropertyWidgetItem item("gain", nullptr);
        item.setDescription(QStringLiteral("Too early"));
        QVERIFY(!item.containerWidget()->layout());
        QVERIFY(item.containerWidget()->findChildren<QLabel *>().isEmpty());

        item.setWidget(new QSpinBox, PW_LabelLeft, QStringLiteral("Gain"), QString());
        item.setDescription(QString());
        item.setDescription(QStringLiteral("Higher gain, more noise."));
        QCOMPARE(formRows(&item), (QStringList{"Gain|QSpinBox", "[Higher gain, more noise.]"}));
        auto *form = qobject_cast<QFormLayout *>(item.containerWidget()->layout());
        auto *description = qobject_cast<QLabel *>(form->itemAt(1, QFormLayout::SpanningRole)->widget());
        QVERIFY(description->wordWrap());
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QCOMPARE(description->palette().color(group, QPalette::WindowText), QColor(Qt::black));
            QCOMPARE(description->palette().color(group, QPalette::Text), QColor(Qt::black));
        }
    }

    void editorsWorkInsideTheTree()
    {
        ZelTreePropertyWidget tree;
        ZelTreePropertyWidgetItem *camera = tree.addCategory("camera", QStringLiteral("Camera"), QString(), QIcon());
        ZelTreePropertyWidgetItem *view = tree.addCategory("view", QStringLiteral("View"), QString(), QIcon());
        auto *nameItem = new ZelTreePropertyWidgetItem("name", nullptr);
        auto *edit = new QLineEdit;
        nameItem->setWidget(edit, PW_LabelOnTop, QStringLiteral("&Name"), QString());
        nameItem->setDescription(QStringLiteral("Shown in the title bar."));
        tree.addItemToCategory(camera, nameItem);
        tree.resize(320, 300);
        tree.show();
        QVERIFY(QTest::qWaitForWindowActive(&tree));

        // Collapsed at first; Right on the category opens it (animated), with room for the whole form.
        QVERIFY(tree.isAnimated() && tree.isHeaderHidden() && !camera->isExpanded());
        tree.setFocus();
        tree.setCurrentItem(camera);
        QTest::keyClick(tree.viewport(), Qt::Key_Right);
        QTRY_VERIFY(camera->isExpanded() && edit->isVisible());
        QTRY_VERIFY(tree.visualItemRect(nameItem).height() >= nameItem->containerWidget()->sizeHint().height());
        QCOMPARE(nameItem->containerWidget()->geometry(), tree.visualItemRect(nameItem));
        QCOMPARE(tree.visualItemRect(nameItem).left(), tree.visualItemRect(camera).left() + tree.indentation());
        QVERIFY(tree.visualItemRect(view).top() >= tree.visualItemRect(nameItem).bottom());

        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
        QTest::keyClicks(edit, QStringLiteral("Cam 1"));
        QCOMPARE(edit->text(), QStringLiteral("Cam 1"));
        QVERIFY(tree.selectedItems().isEmpty());

        tree.setFocus();
        tree.setCurrentItem(camera);
        QTest::keyClick(tree.viewport(), Qt::Key_Left);
        QTRY_VERIFY(!camera->isExpanded() && !edit->isVisible());
    }

    void propertyWidgetRows()
    {
        ZelPropertyWidget panel;
        auto *exposure = new QSpinBox;
        auto *title = new QLineEdit;
        panel.addWidget(QStringLiteral("E&xposure"), QStringLiteral("In microseconds"), exposure);
        panel.addSeparator();
        panel.addWidget(title);
        panel.addWidget(nullptr);
        panel.addWidget(QStringLiteral("Nothing"), QString(), nullptr);
        QCOMPARE(panel.topLevelItemCount(), 3);
        QCOMPARE(panel.items().size(), 3);
        auto *caption = qobject_cast<QLabel *>(panel.itemWidget(panel.topLevelItem(0), 0));
        QVERIFY(caption);
        QCOMPARE(caption->text(), QStringLiteral("E&xposure"));
        QCOMPARE(caption->buddy(), exposure);
        QCOMPARE(exposure->toolTip(), QStringLiteral("In microseconds"));
        QCOMPARE(panel.itemWidget(panel.topLevelItem(0), 1), exposure);
        auto *line = qobject_cast<QFrame *>(panel.itemWidget(panel.topLevelItem(1), 0));
        QVERIFY(line && line->frameShape() == QFrame::HLine && panel.topLevelItem(1)->isFirstColumnSpanned());
        QCOMPARE(panel.itemWidget(panel.topLevelItem(2), 0), title);

        panel.resize(300, 200);
        panel.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        QTRY_VERIFY(exposure->isVisible() && title->isVisible());
        QTest::keyClick(&panel, Qt::Key_X, Qt::AltModifier); // the caption's mnemonic
        QTRY_VERIFY(exposure->hasFocus());
        QTest::keyClick(exposure, Qt::Key_Up);
        QCOMPARE(exposure->value(), 1);
    }

    void propertyWidgetKeepsWidgetsUntilCleared()
    {
        ZelPropertyWidget panel;
        QPointer<QSpinBox> exposure = new QSpinBox;
        QPointer<QLineEdit> title = new QLineEdit, gone = new QLineEdit;
        panel.addWidget(QStringLiteral("Exposure"), QString(), exposure);
        panel.addWidget(title);
        panel.addWidget(QStringLiteral("Gone"), QString(), gone);
        QPointer<QLabel> goneCaption = qobject_cast<QLabel *>(panel.itemWidget(panel.topLevelItem(2), 0));

        // Rows cleared through the base class keep their widgets; makeLayout() brings them back.
        static_cast<QTreeWidget &>(panel).clear();
        processDeferredDeletes();
        QVERIFY(exposure && title && gone);
        delete gone.data();
        panel.makeLayout();
        QCOMPARE(panel.topLevelItemCount(), 2);
        QCOMPARE(panel.itemWidget(panel.topLevelItem(0), 1), exposure.data());
        QCOMPARE(panel.itemWidget(panel.topLevelItem(1), 0), title.data());
        QVERIFY(!goneCaption);
        QCOMPARE(panel.items().size(), 2);

        panel.clear();
        processDeferredDeletes();
        QCOMPARE(panel.topLevelItemCount(), 0);
        QVERIFY(panel.items().isEmpty());
        QVERIFY(!exposure && !title);
    }
};

QTEST_MAIN(tst_ZelPropertyTrees)

#include "tst_zelpropertytrees.moc"
