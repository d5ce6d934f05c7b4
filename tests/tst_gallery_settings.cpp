// The gallery's settings page: the registry model a host uses to show and
// edit every registered key, and the page around it driven by real input.

#include "SettingsPage.h"
#include "SettingsRegistryModel.h"

#include <ZelCore/RegisterSettings.h>
#include <ZelCore/ZelAbstractAppConfig.h>

#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

ZEL_DECLARE_SETTING(testInt, "gallerytest/int", QVariant::fromValue<int>(5), true)
ZEL_DECLARE_SETTING(testHash, "gallerytest/hash", QVariant(QVariantMap{{QStringLiteral("a"), 1}}), true)

class tst_GallerySettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ZelAbstractAppConfig::reset(); }

    void modelFollowsTheRegistryAndTheStore()
    {
        SettingsRegistryModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        // Containers are shown, not edited.
        QVERIFY(!model.setData(model.index(model.rowOf(testHashKey), SettingsRegistryModel::CurrentColumn), QStringLiteral("a=b")));
        const QModelIndex current = model.index(model.rowOf(testIntKey), SettingsRegistryModel::CurrentColumn);
        // A change made elsewhere shows at once, as it is.
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        ZelAbstractAppConfig::setSetting(testIntKey, QStringLiteral("junk"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex(), current);
        QCOMPARE(current.data().toString(), QStringLiteral("junk"));
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
    }

    void editsConvertToTheKeysType()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QVariant, stored);
        SettingsRegistryModel model;
        QSignalSpy storedSpy(&model, &SettingsRegistryModel::valueStored);
        QSignalSpy rejected(&model, &SettingsRegistryModel::editRejected);
        const bool accepted = model.setData(model.index(model.rowOf(key), SettingsRegistryModel::CurrentColumn), text);
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
        const QModelIndex index = page.model()->index(page.model()->rowOf(testIntKey), SettingsRegistryModel::CurrentColumn);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        QTest::keyClick(view, Qt::Key_F2);
        // The editor takes the focus, with its text selected.
        QTest::keyClicks(view->focusWidget(), QStringLiteral("64"));
        QTest::keyClick(view->focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(ZelAbstractAppConfig::setting(testIntKey), QVariant(64));
        // A stored key can be reset.
        QTest::mouseClick(page.findChild<QPushButton *>(), Qt::LeftButton);
        QVERIFY(!ZelAbstractAppConfig::contains(testIntKey));
    }
};

QTEST_MAIN(tst_GallerySettings)
#include "tst_gallery_settings.moc"
