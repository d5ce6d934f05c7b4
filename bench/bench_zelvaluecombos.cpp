// The font family box's pop-up table against a plain QComboBox whose table
// pop-up shows a QStandardItemModel with the same texts and fonts.

#include <ZelGui/ZelFontFamilyCombobox.h>

#include <ZelCore/IApplicationWithFontDataBase.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QTableView>
#include <QTest>

#include <memory>

namespace {

struct BenchApplication : QApplication, IApplicationWithFontDataBase
{
    using QApplication::QApplication;
    ZelFontDataBase *fontDataBase() override { return &fonts; }
    ZelFontDataBase fonts;
};

QTableView *tablePopup(QComboBox *box)
{
    auto *popup = new QTableView(box);
    popup->setShowGrid(false);
    popup->horizontalHeader()->hide();
    popup->verticalHeader()->hide();
    popup->horizontalHeader()->setStretchLastSection(true);
    box->setView(popup);
    return popup;
}

} // namespace

class bench_ZelValueCombos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void fontPopupLayout_data();
    void fontPopupLayout();
};

void bench_ZelValueCombos::fontPopupLayout_data()
{
    QTest::addColumn<bool>("ours");
    QTest::newRow("ours") << true;
    QTest::newRow("primitive") << false;
}

// What the pop-up's headers do on every layout: every row's and column's
// size from its contents (the family's name in the box's font, a sample
// word in the family).
void bench_ZelValueCombos::fontPopupLayout()
{
    QFETCH(bool, ours);
    std::unique_ptr<QComboBox> box;
    QTableView *popup = nullptr;
    if (ours) {
        box = std::make_unique<ZelFontFamilyCombobox>();
        popup = qobject_cast<QTableView *>(box->view());
    } else {
        box = std::make_unique<QComboBox>();
        auto *model = new QStandardItemModel(box.get());
        const QStringList families = static_cast<BenchApplication *>(qApp)->fonts.supportedFontFamilies();
        for (const QString &family : families) {
            auto *name = new QStandardItem(family);
            name->setFont(box->font());
            auto *sample = new QStandardItem(QStringLiteral("Sample"));
            QFont font = box->font();
            font.setFamily(family);
            sample->setFont(font);
            model->appendRow({name, sample});
        }
        box->setModel(model);
        popup = tablePopup(box.get());
    }
    QVERIFY(popup && box->count() > 0);
    QBENCHMARK {
        popup->resizeRowsToContents();
        popup->resizeColumnsToContents();
    }
}

int main(int argc, char *argv[])
{
    BenchApplication app(argc, argv);
    bench_ZelValueCombos bench;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_zelvaluecombos.moc"
