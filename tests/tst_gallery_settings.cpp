// The gallery's settings page: the registry model a host uses to show and
// edit every registered key, and the page around it driven by real input.

#include "SettingsPage.h"
#include "SettingsRegistryModel.h"

#include <ZelCore/RegisterSettings.h>
#include <ZelCore/ZelAbstractAppConfig.h>

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using Model = SettingsRegistryModel;

ZEL_DECLARE_SETTING(testInt, "gallerytest/int", QVariant::fromValue<int>(5), true)
ZEL_DECLARE_SETTING(testDouble, "gallerytest/double", QVariant::fromValue<double>(0.5), false)
ZEL_DECLARE_SETTING(testHash, "gallerytest/hash", QVariant(QVariantMap{{QStringLiteral("a"), 1}}), true)

static QModelIndex currentIndex(const Model &model, const QString &key)
{
    return model.index(model.rowOf(key), Model::CurrentColumn);
}

class tst_GallerySettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ZelAbstractAppConfig::reset(); }

    void modelFollowsTheRegistryAndTheStore()
    {
        Model model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowOf(QStringLiteral("no/such/key")), -1);
        // Containers are shown, not edited.
        QVERIFY(!model.setData(currentIndex(model, testHashKey), QStringLiteral("a=b")));
        // A change made elsewhere shows at once, as it is.
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        ZelAbstractAppConfig::setSetting(testIntKey, QStringLiteral("junk"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex(), currentIndex(model, testIntKey));
        QCOMPARE(currentIndex(model, testIntKey).data().toString(), QStringLiteral("junk"));
    }

    void editsConvertToTheKeysType_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
        QTest::newRow("int with spaces") << testIntKey << " 42 " << QVariant(42);
        // Views commit whenever an editor closes: the text shown must not store the default.
        QTest::newRow("unchanged") << testIntKey << "5" << QVariant();
        QTest::newRow("int overflow") << testIntKey << "99999999999" << QVariant();
        QTest::newRow("nan for double") << testDoubleKey << "nan" << QVariant();
    }

    void editsConvertToTheKeysType()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QVariant, stored);
        Model model;
        QSignalSpy storedSpy(&model, &Model::valueStored);
        QSignalSpy rejected(&model, &Model::editRejected);
        const bool accepted = model.setData(currentIndex(model, key), text);
        QCOMPARE(ZelAbstractAppConfig::setting(key), stored);
        QCOMPARE(storedSpy.count(), stored.isValid() ? 1 : 0);
        QCOMPARE(rejected.count(), accepted ? 0 : 1);
        QCOMPARE(accepted, stored.isValid() || QTest::currentDataTag() == QLatin1String("unchanged"));
    }

    void pageEditsThroughTheTable()
    {
        SettingsPage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTableView *view = page.view();
        const QModelIndex index = currentIndex(*page.model(), testIntKey);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        QTest::keyClick(view, Qt::Key_F2);
        QLineEdit *editor = nullptr;
        QTRY_VERIFY((editor = view->viewport()->findChild<QLineEdit *>()) && editor->isVisible());
        QTest::keyClicks(editor, QStringLiteral("64"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(ZelAbstractAppConfig::setting(testIntKey), QVariant(64));
        // A stored key can be reset.
        QTest::mouseClick(page.findChild<QPushButton *>(), Qt::LeftButton);
        QVERIFY(!ZelAbstractAppConfig::contains(testIntKey));
    }
};

QTEST_MAIN(tst_GallerySettings)
#include "tst_gallery_settings.moc"
