// The gallery's settings page: the registry model a host uses to show and
// edit every registered key, and the page around it driven by real input.

#include "SettingsPage.h"
#include "SettingsRegistryModel.h"

#include <ZelCore/RegisterSettings.h>
#include <ZelCore/ZelAbstractAppConfig.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTableView>
#include <QTest>

using TestHash = QHash<QByteArray, QString>;
using Model = SettingsRegistryModel;

ZEL_DECLARE_SETTING(testInt, "gallerytest/int", QVariant::fromValue<int>(5), true)
ZEL_DECLARE_SETTING(testBool, "gallerytest/bool", QVariant::fromValue<bool>(false), true)
ZEL_DECLARE_SETTING(testDouble, "gallerytest/double", QVariant::fromValue<double>(0.5), false)
ZEL_DECLARE_SETTING(testText, "gallerytest/text", QVariant::fromValue(QString()), true)
ZEL_DECLARE_SETTING(testHash, "gallerytest/hash", QVariant::fromValue(TestHash{{"a", QStringLiteral("x")}, {"b", QString()}}), true)

namespace {

QModelIndex currentIndex(const Model &model, const QString &key)
{
    return model.index(model.rowOf(key), Model::CurrentColumn);
}

} // namespace

class tst_GallerySettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { ZelAbstractAppConfig::reset(); }

    void rowsFollowTheRegistry()
    {
        Model model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int intRow = model.rowOf(testIntKey);
        QVERIFY(intRow >= 0);
        QCOMPARE(model.rowOf(testBoolKey), intRow + 1);
        QCOMPARE(model.rowOf(testHashKey), intRow + 4);
        QCOMPARE(model.rowOf(QStringLiteral("no/such/key")), -1);
        QVERIFY(model.rowOf(QStringLiteral("general/icon_size")) < intRow); // the library's keys came first, at load
        QCOMPARE(model.index(intRow, Model::TypeColumn).data().toString(), QStringLiteral("int"));
        QCOMPARE(model.index(intRow, Model::DefaultColumn).data(Model::ValueRole), QVariant(5));
        QCOMPARE(model.index(intRow, Model::FlagColumn).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(model.index(intRow + 2, Model::FlagColumn).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        // Containers are shown, not edited.
        const QModelIndex hash = currentIndex(model, testHashKey);
        QVERIFY(!(model.flags(hash) & Qt::ItemIsEditable));
        QVERIFY(!model.setData(hash, QStringLiteral("a=b")));
    }

    void editsConvertToTheKeysType_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QVariant>("stored");

        QTest::newRow("int with spaces") << testIntKey << " 42 " << true << QVariant(42);
        QTest::newRow("bool upper case") << testBoolKey << "TRUE" << true << QVariant(true);
        QTest::newRow("double exponent") << testDoubleKey << "1e-3" << true << QVariant(0.001);
        QTest::newRow("text") << testTextKey << "Привет" << true << QVariant(QStringLiteral("Привет"));
        // Views commit whenever an editor closes: the text shown must not store the default.
        QTest::newRow("unchanged") << testIntKey << "5" << true << QVariant();
        QTest::newRow("int overflow") << testIntKey << "99999999999" << false << QVariant();
        QTest::newRow("maybe for bool") << testBoolKey << "maybe" << false << QVariant();
        QTest::newRow("nan for double") << testDoubleKey << "nan" << false << QVariant();
    }

    void editsConvertToTheKeysType()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(QVariant, stored);

        Model model;
        QSignalSpy storedSpy(&model, &Model::valueStored);
        QSignalSpy rejected(&model, &Model::editRejected);
        QCOMPARE(model.setData(currentIndex(model, key), text), accepted);
        const QVariant value = ZelAbstractAppConfig::setting(key);
        QCOMPARE(value.metaType(), stored.metaType());
        QCOMPARE(value, stored);
        QCOMPARE(storedSpy.count(), stored.isValid() ? 1 : 0);
        QCOMPARE(rejected.count(), accepted ? 0 : 1);
        if (!accepted)
            QCOMPARE(rejected.first().mid(0, 2), QVariantList({key, text}));
    }

    void outsideChangesShowAtOnce()
    {
        Model model;
        const QModelIndex index = currentIndex(model, testIntKey);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        ZelAbstractAppConfig::setSetting(testIntKey, QStringLiteral("77"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex(), index);
        QCOMPARE(index.data(Model::ValueRole), QVariant(77));
        QVERIFY(index.data(Model::StoredRole).toBool());

        ZelAbstractAppConfig::setSetting(testIntKey, QStringLiteral("junk"));
        QCOMPARE(index.data().toString(), QStringLiteral("junk"));
        QVERIFY(index.data(Qt::ForegroundRole).isValid());

        changed.clear();
        ZelAbstractAppConfig::reset();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex().column(), int(Model::CurrentColumn));
        QCOMPARE(index.data(Model::ValueRole), QVariant(5));
    }

    void pageEditsThroughTheTable()
    {
        SettingsPage page;
        page.resize(900, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTableView *view = page.view();
        auto *reset = page.findChild<QPushButton *>();
        QVERIFY(reset);

        const QModelIndex index = currentIndex(*page.model(), testIntKey);
        view->scrollTo(index);
        const QPoint cell = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell);
        QVERIFY(!reset->isEnabled());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell);
        QLineEdit *editor = nullptr;
        QTRY_VERIFY((editor = view->viewport()->findChild<QLineEdit *>()) && editor->isVisible());
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("64"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(ZelAbstractAppConfig::setting(testIntKey), QVariant(64));
        QTRY_VERIFY(reset->isEnabled());

        QTest::mouseClick(reset, Qt::LeftButton);
        QVERIFY(!ZelAbstractAppConfig::contains(testIntKey));
        QTRY_VERIFY(!reset->isEnabled());
    }
};

QTEST_MAIN(tst_GallerySettings)
#include "tst_gallery_settings.moc"
