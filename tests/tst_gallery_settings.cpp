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

ZEL_DECLARE_SETTING(testInt, "gallerytest/int", QVariant::fromValue<int>(5), true)
ZEL_DECLARE_SETTING(testBool, "gallerytest/bool", QVariant::fromValue<bool>(false), true)
ZEL_DECLARE_SETTING(testDouble, "gallerytest/double", QVariant::fromValue<double>(0.5), false)
ZEL_DECLARE_SETTING(testText, "gallerytest/text", QVariant::fromValue(QString()), true)
ZEL_DECLARE_SETTING(testHash, "gallerytest/hash", QVariant::fromValue(TestHash{{"a", QStringLiteral("x")}, {"b", QString()}}), true)

class tst_GallerySettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void rowsFollowTheRegistry();
    void editsConvertToTheKeysType_data();
    void editsConvertToTheKeysType();
    void unchangedTextStoresNothing();
    void outsideChangesShowAtOnce();
    void pageEditsThroughTheTable();

private:
    QModelIndex currentIndex(const SettingsRegistryModel &model, const char *key) const
    {
        return model.index(model.rowOf(QString::fromLatin1(key)), SettingsRegistryModel::CurrentColumn);
    }
};

void tst_GallerySettings::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_GallerySettings::init()
{
    ZelAbstractAppConfig::reset();
}

void tst_GallerySettings::rowsFollowTheRegistry()
{
    SettingsRegistryModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    const int intRow = model.rowOf(QStringLiteral("gallerytest/int"));
    QVERIFY(intRow >= 0);
    QCOMPARE(model.rowOf(QStringLiteral("gallerytest/bool")), intRow + 1);
    QCOMPARE(model.rowOf(QStringLiteral("gallerytest/hash")), intRow + 4);
    QCOMPARE(model.rowOf(QStringLiteral("no/such/key")), -1);
    // The library's own keys came first, at load.
    QVERIFY(model.rowOf(QStringLiteral("general/icon_size")) < intRow);

    QCOMPARE(model.index(intRow, SettingsRegistryModel::TypeColumn).data().toString(), QStringLiteral("int"));
    QCOMPARE(model.index(intRow, SettingsRegistryModel::DefaultColumn).data(SettingsRegistryModel::ValueRole),
             QVariant(5));
    QCOMPARE(model.index(intRow + 2, SettingsRegistryModel::FlagColumn).data(Qt::CheckStateRole).toInt(),
             int(Qt::Unchecked));
    QCOMPARE(model.index(intRow, SettingsRegistryModel::FlagColumn).data(Qt::CheckStateRole).toInt(),
             int(Qt::Checked));

    // Containers are shown, not edited.
    const QModelIndex hash = currentIndex(model, "gallerytest/hash");
    QVERIFY(!(model.flags(hash) & Qt::ItemIsEditable));
    QVERIFY(!model.setData(hash, QStringLiteral("a=b")));
}

void tst_GallerySettings::editsConvertToTheKeysType_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("stored"); // invalid: the text is refused

    QTest::newRow("int with spaces") << QByteArray("gallerytest/int") << " 42 " << QVariant(42);
    QTest::newRow("bool upper case") << QByteArray("gallerytest/bool") << "TRUE" << QVariant(true);
    QTest::newRow("double exponent") << QByteArray("gallerytest/double") << "1e-3" << QVariant(0.001);
    QTest::newRow("text") << QByteArray("gallerytest/text") << "Привет" << QVariant(QStringLiteral("Привет"));
    QTest::newRow("letters for int") << QByteArray("gallerytest/int") << "abc" << QVariant();
    QTest::newRow("int overflow") << QByteArray("gallerytest/int") << "99999999999" << QVariant();
    QTest::newRow("maybe for bool") << QByteArray("gallerytest/bool") << "maybe" << QVariant();
    QTest::newRow("nan for double") << QByteArray("gallerytest/double") << "nan" << QVariant();
}

void tst_GallerySettings::editsConvertToTheKeysType()
{
    QFETCH(QByteArray, key);
    QFETCH(QString, text);
    QFETCH(QVariant, stored);

    SettingsRegistryModel model;
    QSignalSpy storedSpy(&model, &SettingsRegistryModel::valueStored);
    QSignalSpy rejected(&model, &SettingsRegistryModel::editRejected);
    QCOMPARE(model.setData(currentIndex(model, key.constData()), text), stored.isValid());

    const QVariant value = ZelAbstractAppConfig::setting(QString::fromLatin1(key));
    QCOMPARE(value.metaType(), stored.metaType());
    QCOMPARE(value, stored);
    QCOMPARE(storedSpy.count(), stored.isValid() ? 1 : 0);
    QCOMPARE(rejected.count(), stored.isValid() ? 0 : 1);
    if (!stored.isValid())
        QCOMPARE(rejected.first().mid(0, 2), QVariantList({QString::fromLatin1(key), text}));
}

void tst_GallerySettings::unchangedTextStoresNothing()
{
    SettingsRegistryModel model;
    const QModelIndex index = currentIndex(model, "gallerytest/int");
    // Views commit whenever an editor closes: committing what is shown must
    // not turn the default into a stored value.
    QVERIFY(model.setData(index, index.data().toString()));
    QVERIFY(!ZelAbstractAppConfig::contains(QStringLiteral("gallerytest/int")));
}

void tst_GallerySettings::outsideChangesShowAtOnce()
{
    SettingsRegistryModel model;
    const QModelIndex index = currentIndex(model, "gallerytest/int");
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    ZelAbstractAppConfig::setSetting(QStringLiteral("gallerytest/int"), QStringLiteral("77"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex(), index);
    QCOMPARE(index.data(SettingsRegistryModel::ValueRole), QVariant(77));
    QVERIFY(index.data(SettingsRegistryModel::StoredRole).toBool());

    ZelAbstractAppConfig::setSetting(QStringLiteral("gallerytest/int"), QStringLiteral("junk"));
    QCOMPARE(index.data().toString(), QStringLiteral("junk"));
    QVERIFY(index.data(Qt::ForegroundRole).isValid());

    changed.clear();
    ZelAbstractAppConfig::reset();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex().column(), int(SettingsRegistryModel::CurrentColumn));
    QCOMPARE(index.data(SettingsRegistryModel::ValueRole), QVariant(5));
}

void tst_GallerySettings::pageEditsThroughTheTable()
{
    SettingsPage page;
    page.resize(900, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QTableView *view = page.view();
    QPushButton *reset = page.findChild<QPushButton *>();
    QVERIFY(reset);

    const QModelIndex index = currentIndex(*page.model(), "gallerytest/int");
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

    QTRY_COMPARE(ZelAbstractAppConfig::setting(QStringLiteral("gallerytest/int")), QVariant(64));
    QTRY_VERIFY(reset->isEnabled());

    QTest::mouseClick(reset, Qt::LeftButton);
    QVERIFY(!ZelAbstractAppConfig::contains(QStringLiteral("gallerytest/int")));
    QTRY_VERIFY(!reset->isEnabled());
}

QTEST_MAIN(tst_GallerySettings)
#include "tst_gallery_settings.moc"
