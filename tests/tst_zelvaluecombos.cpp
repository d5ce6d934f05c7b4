// Value combo boxes (formats, Booleans, enumerations, languages, fonts): real keys and clicks, emissions in order.

#include <ZelGui/ZelBoolComboBox.h>
#include <ZelGui/ZelEnumComboBox.h>
#include <ZelGui/ZelFontFamilyCombobox.h>
#include <ZelGui/ZelImageFormatComboBox.h>
#include <ZelGui/ZelLanguageComboBox.h>

#include <ZelCore/FSUtils.h>
#include <ZelCore/IApplicationWithFontDataBase.h>
#include <ZelLog/ZelLog.h>

#include "zelgui_testhelpers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

// The host application: offers its fonts unless told not to.
struct TestApplication : QApplication, IApplicationWithFontDataBase
{
    using QApplication::QApplication;
    ZelFontDataBase *fontDataBase() override { return offerFonts ? &fonts : nullptr; }
    ZelFontDataBase fonts;
    bool offerFonts = true;
};

TestApplication *testApp()
{
    return static_cast<TestApplication *>(QCoreApplication::instance());
}

QString text(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString text(const QByteArray &format)
{
    return QString::fromLatin1(format);
}

QString text(QLocale::Language language)
{
    return QLocale::languageToString(language);
}

QString text(const QString &family)
{
    return family;
}

const QUuid red = QUuid::fromString(u"{00000000-0000-0000-0000-0000000000a1}");
const QUuid green = QUuid::fromString(u"{00000000-0000-0000-0000-0000000000a2}");
const QUuid blue = QUuid::fromString(u"{00000000-0000-0000-0000-0000000000a3}");

ZelEnumeration colours()
{
    return ZelEnumeration(QStringLiteral("colours"), {ZelEnumerationItem(red, QStringLiteral("Red"), 1),
                                                      ZelEnumerationItem(green, QStringLiteral("Green"), 2),
                                                      ZelEnumerationItem(blue, QStringLiteral("Blue"), 3)});
}

QString text(const QUuid &id)
{
    return id == red ? QStringLiteral("red") : id == green ? QStringLiteral("green") : id == blue ? QStringLiteral("blue")
         : id.isNull() ? QStringLiteral("null") : id.toString();
}

// Every emission of a box's typed signal as text, in order; the list lives as long as the connection.
template<class Box, class Signal>
QStringList *record(Box *box, Signal signal)
{
    auto list = std::make_shared<QStringList>();
    QObject::connect(box, signal, box, [list](const auto &value) { list->append(text(value)); });
    return list.get();
}

QStringList itemTexts(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Opens the box's pop-up and clicks the entry of row.
bool clickPopupRow(QComboBox *box, int row)
{
    box->showPopup();
    QAbstractItemView *view = box->view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        return false;
    // The row's height is laid out already, its width not always: click in the middle of the pop-up.
    const QRect rect = view->visualRect(box->model()->index(row, box->modelColumn()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(view->viewport()->width() / 2, rect.center().y()));
    return !view->isVisible();
}

} // namespace

class tst_ZelValueCombos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        ZelLog::setEchoToQt(false);
    }
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support )")));
        m_window.reset(new QWidget);
        new QVBoxLayout(m_window.get());
        m_window->move(100, 100);
    }
    void cleanup() { m_window.reset(); }

private:
    // The box in an active window, focused, ready for keys and clicks.
    template<class Box>
    Box *shownBox(Box *box)
    {
        m_window->layout()->addWidget(box);
        m_window->show();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            return nullptr;
        box->setFocus();
        return box;
    }

private Q_SLOTS:
    void formatBoxListsEachFormatOnceAndAnnouncesTheFirst()
    {
        ZelImageFormatComboBox box;
        QStringList *formats = record(&box, &ZelImageFormatComboBox::currentFormatChanged);
        box.setSupportedFormats({"png", "jpg", "png", "bmp", "jpg"});
        QCOMPARE(itemTexts(&box), (QStringList{FSUtils::formatCaption("png"), FSUtils::formatCaption("jpg"),
                                               FSUtils::formatCaption("bmp")}));
        QCOMPARE(*formats, QStringList{QStringLiteral("png")});
        QCOMPARE(box.currentFormat(), QByteArray("png"));

        // Appending keeps the current item; listed formats are skipped; names compare exactly.
        box.addFormats({"bmp", "tif", "PNG"});
        QCOMPARE(box.index("tif"), 3);
        QCOMPARE(box.index("PNG"), 4);
        QCOMPARE(box.index("gif"), -1);
        QCOMPARE(*formats, QStringList{QStringLiteral("png")});

        // Emptying says nothing; an empty box has no format.
        box.setSupportedFormats({});
        QCOMPARE(box.currentFormat(), QByteArray());
        QCOMPARE(*formats, QStringList{QStringLiteral("png")});

        // A format without a name is listed under the "all files" caption and never announced.
        box.addFormat(QByteArray());
        QCOMPARE(itemTexts(&box), QStringList{FSUtils::formatCaption(QByteArray())});
        box.addFormat("gif");
        box.setCurrentIndex(1);
        box.setCurrentIndex(0);
        QCOMPARE(*formats, (QStringList{QStringLiteral("png"), QStringLiteral("gif")}));
    }

    void formatBoxFillsFromTheCoreLists()
    {
        ZelImageFormatComboBox box;
        const auto formatsOf = [&box] {
            QList<QByteArray> list;
            for (int i = 0; i < box.count(); ++i)
                list << box.itemData(i, Qt::UserRole).toByteArray();
            return list;
        };
        box.addFormat("zzz"); // replaced, not kept
        box.setSupportedWriteFormats();
        QCOMPARE(formatsOf(), FSUtils::supportedWriteImageFormats());
        box.setSupportedReadFormats();
        QCOMPARE(formatsOf(), FSUtils::supportedReadImageFormats());
        QSignalSpy spy(&box, &ZelImageFormatComboBox::currentFormatChanged);
        box.setSupportedExportFormats();
        QCOMPARE(formatsOf(), FSUtils::imageFormatsForExport());
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.first().first().toByteArray(), FSUtils::imageFormatsForExport().first());
    }

    void formatBoxAnnouncesTheUsersChoiceOnce()
    {
        auto *box = new ZelImageFormatComboBox;
        box->setSupportedFormats({"png", "jpg", "bmp"});
        QVERIFY(shownBox(box));
        QStringList *formats = record(box, &ZelImageFormatComboBox::currentFormatChanged);
        QTest::keyClick(box, Qt::Key_Down);
        QVERIFY(clickPopupRow(box, 2));
        QTRY_VERIFY(!box->view()->isVisible());
        QTest::keyClick(box, Qt::Key_Down); // already last: nothing
        QCOMPARE(*formats, (QStringList{QStringLiteral("jpg"), QStringLiteral("bmp")}));
    }

    void boolBoxOffersOnThenOff()
    {
        ZelBoolComboBox box;
        QCOMPARE(itemTexts(&box), (QStringList{QStringLiteral("On"), QStringLiteral("Off")}));
        RussianTranslation russian; // built while Russian is installed; switching: tst_zellanguagechange
        QVERIFY(russian.loaded);
        ZelBoolComboBox translated;
        QCOMPARE(itemTexts(&translated), (QStringList{QStringLiteral("Вкл"), QStringLiteral("Выкл")}));
    }

    void boolBoxSetterAnnouncesOnceOrTwice_data()
    {
        QTest::addColumn<bool>("start");
        QTest::addColumn<bool>("value");
        QTest::addColumn<QStringList>("emitted");
        const QString t = QStringLiteral("true"), f = QStringLiteral("false");
        QTest::newRow("On to Off") << true << false << QStringList{f, f};
        QTest::newRow("Off to Off") << false << false << QStringList{f};
        QTest::newRow("Off to On") << false << true << QStringList{t, t};
        QTest::newRow("On to On") << true << true << QStringList{t};
    }

    void boolBoxSetterAnnouncesOnceOrTwice()
    {
        QFETCH(bool, start);
        QFETCH(bool, value);
        QFETCH(QStringList, emitted);
        ZelBoolComboBox box;
        box.setBoolValue(start);
        QStringList *values = record(&box, &ZelBoolComboBox::boolValueChanged);
        box.setBoolValue(value);
        QCOMPARE(*values, emitted);
        QCOMPARE(box.boolValue(), value);
        QCOMPARE(box.currentIndex(), value ? 0 : 1);
    }

    void boolBoxUserChoiceAnnouncesOnceAndIgnoresAnswers()
    {
        auto *box = shownBox(new ZelBoolComboBox);
        QVERIFY(box);
        QStringList *values = record(box, &ZelBoolComboBox::boolValueChanged);
        // A receiver answering with the other value is not heard while the box announces.
        connect(box, &ZelBoolComboBox::boolValueChanged, box, [box](bool b) { box->setBoolValue(!b); });
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(*values, QStringList{QStringLiteral("false")});
        QVERIFY(!box->boolValue());
        QVERIFY(clickPopupRow(box, 0));
        QCOMPARE(*values, (QStringList{QStringLiteral("false"), QStringLiteral("true")}));
        QVERIFY(box->boolValue());
    }

    void boolBoxWithoutItemsOrCurrentItem()
    {
        ZelBoolComboBox box;
        QStringList *values = record(&box, &ZelBoolComboBox::boolValueChanged);
        // No current item reads as false: the box goes to "Off" and says so, as for a setter call.
        box.setCurrentIndex(-1);
        QCOMPARE(box.currentIndex(), 1);
        QCOMPARE(*values, (QStringList{QStringLiteral("false"), QStringLiteral("false")}));
        values->clear();
        box.clear(); // the index change reaches an empty box: nothing to select, nothing said
        box.setBoolValue(true);
        QVERIFY(values->isEmpty());
        QVERIFY(!box.boolValue());
        // Items of the host without a Boolean value are never chosen by the setter.
        box.addItem(QStringLiteral("Maybe"), QStringLiteral("maybe"));
        box.setBoolValue(true);
        QCOMPARE(box.currentIndex(), 0);
        QVERIFY(values->isEmpty());
    }

    void enumBoxShowsAndSelectsSilently()
    {
        ZelEnumComboBox box;
        QStringList *values = record(&box, &ZelEnumComboBox::currentValueChanged);
        QSignalSpy enumChanges(&box, &ZelEnumComboBox::enumChanged);
        box.setEnum(colours());
        QCOMPARE(itemTexts(&box), (QStringList{QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue")}));
        QCOMPARE(box.currentValue(), red);
        box.setCurrentValue(colours().getItem(green));
        QCOMPARE(box.currentValueItem(), colours().getItem(green));
        box.setCurrentValue(QUuid::createUuid()); // unknown: stays
        QCOMPARE(box.currentValue(), green);
        QVERIFY(values->isEmpty());

        box.changeValue(red);
        box.changeValue(red); // no change, nothing said
        box.changeValue(QUuid::createUuid());
        QCOMPARE(*values, QStringList{QStringLiteral("red")});
        QCOMPARE(box.findItem(blue), 2);
        QCOMPARE(box.findItem(QUuid::createUuid()), -1);
        QCOMPARE(enumChanges.size(), 0);
    }

    void enumBoxAnnouncesTheUsersChoiceOnce()
    {
        auto *box = new ZelEnumComboBox;
        box->setEnum(colours());
        QVERIFY(shownBox(box));
        QStringList *values = record(box, &ZelEnumComboBox::currentValueChanged);
        QTest::keyClick(box, Qt::Key_End);
        QVERIFY(clickPopupRow(box, 1));
        QCOMPARE(*values, (QStringList{QStringLiteral("blue"), QStringLiteral("green")}));
    }

    void enumBoxIgnoresItsReceiversWhileAnnouncing()
    {
        ZelEnumComboBox box;
        box.setEnum(colours());
        QStringList *values = record(&box, &ZelEnumComboBox::currentValueChanged);
        ZelEnumeration other(QStringLiteral("other"), {ZelEnumerationItem(QUuid::createUuid(), QStringLiteral("Other"))});
        connect(&box, &ZelEnumComboBox::currentValueChanged, &box, [&](QUuid) {
            box.setEnum(other); // ignored
            box.setCurrentValue(red); // ignored
            box.changeValue(blue); // selects, but is not announced again
        });
        box.changeValue(green);
        QCOMPARE(*values, QStringList{QStringLiteral("green")});
        QCOMPARE(box.enumeration(), colours());
        QCOMPARE(box.currentValue(), blue);
    }

    void enumBoxBadEnumerations()
    {
        ZelEnumComboBox box;
        QStringList *values = record(&box, &ZelEnumComboBox::currentValueChanged);
        // Duplicate identifiers collapse in the enumeration: the later item replaces the earlier in its place;
        // an item without identifier is refused.
        const ZelEnumeration duplicates(QStringLiteral("dup"), {ZelEnumerationItem(red, QStringLiteral("Red")),
                                                                ZelEnumerationItem(QUuid(), QStringLiteral("Nothing")),
                                                                ZelEnumerationItem(green, QStringLiteral("Green")),
                                                                ZelEnumerationItem(red, QStringLiteral("Crimson"))});
        box.setEnum(duplicates);
        QCOMPARE(itemTexts(&box), (QStringList{QStringLiteral("Crimson"), QStringLiteral("Green")}));
        // Entries the host adds itself: the first holding an identifier wins; one without data holds the null id.
        box.addItem(QStringLiteral("Red again"), QVariant::fromValue(red));
        box.addItem(QStringLiteral("No data"));
        QCOMPARE(box.findItem(red), 0);
        QCOMPARE(box.findItem(QUuid()), 3);
        box.setCurrentIndex(3);
        QCOMPARE(*values, QStringList{QStringLiteral("null")});
        QVERIFY(box.currentValueItem().isNull());

        // An empty enumeration empties the box silently; nothing can be chosen.
        values->clear();
        box.setEnum(ZelEnumeration());
        QCOMPARE(box.count(), 0);
        box.changeValue(red);
        box.setCurrentValue(red);
        QVERIFY(box.currentValue().isNull());
        QVERIFY(values->isEmpty());
    }

    void enumBoxKeepsTheHostsSignalBlocking()
    {
        ZelEnumComboBox box;
        box.blockSignals(true);
        box.setEnum(colours());
        box.setCurrentValue(green);
        QVERIFY(box.signalsBlocked());
        box.blockSignals(false);
        QSignalSpy spy(&box, &ZelEnumComboBox::currentValueChanged);
        box.changeValue(blue);
        QCOMPARE(spy.size(), 1);
    }

    void languageBoxAddsSelectsAndAnnouncesEachLanguage()
    {
        ZelLanguageComboBox box;
        QStringList *languages = record(&box, &ZelLanguageComboBox::languageChanged);
        box.setLanguages({QLocale::Russian, QLocale::English, QLocale::Japanese, QLocale::Russian});
        QCOMPARE(itemTexts(&box), (QStringList{QStringLiteral("Russian"), QStringLiteral("English"), QStringLiteral("Japanese")}));
        QCOMPARE(*languages, (QStringList{QStringLiteral("Russian"), QStringLiteral("English"), QStringLiteral("Japanese"),
                                          QStringLiteral("Russian")}));
        QCOMPARE(box.currentLanguage(), QLocale::Russian);
        QCOMPARE(box.languageIndex(QLocale::Japanese), 2);
        QCOMPARE(box.languageIndex(QLocale::German), -1);

        // The host's flags; a language without one gets the blank flag.
        const QImage russianFlag = iconImage(QIcon(QStringLiteral(":MAV/res/icons/lang/russian.png")));
        const QImage blankFlag = iconImage(QIcon(QStringLiteral(":MAV/res/icons/lang/null.png")));
        QVERIFY(!russianFlag.isNull() && russianFlag != blankFlag);
        QCOMPARE(iconImage(box.itemIcon(0)), russianFlag);
        QCOMPARE(iconImage(box.itemIcon(2)), blankFlag);

        languages->clear();
        box.setCurrentLanguage(QLocale::English);
        box.setCurrentLanguage(QLocale::English);
        box.setCurrentLanguage(QLocale::Swahili);
        QCOMPARE(*languages, (QStringList{QStringLiteral("English"), QStringLiteral("Swahili")}));
        QCOMPARE(box.count(), 4);
        QCOMPARE(iconImage(box.itemIcon(3)), blankFlag);

        // Emptying announces no language.
        languages->clear();
        box.clear();
        QCOMPARE(*languages, QStringList{text(QLocale::AnyLanguage)});
        QCOMPARE(box.currentLanguage(), QLocale::AnyLanguage);
    }

    void languageBoxUserChoiceAndAnswers()
    {
        auto *box = new ZelLanguageComboBox;
        box->setLanguages({QLocale::English, QLocale::German, QLocale::Russian});
        QVERIFY(shownBox(box));
        QStringList *languages = record(box, &ZelLanguageComboBox::languageChanged);
        // Receivers answering with setCurrentLanguage() are ignored while the box selects from code...
        int answers = 0;
        connect(box, &ZelLanguageComboBox::languageChanged, box, [&](QLocale::Language) {
            ++answers;
            box->setCurrentLanguage(QLocale::French);
        });
        box->setCurrentLanguage(QLocale::English);
        QCOMPARE(box->count(), 3);
        // ...but heard after a choice of the user, which then announces both.
        QVERIFY(clickPopupRow(box, 1));
        QCOMPARE(*languages, (QStringList{QStringLiteral("English"), QStringLiteral("German"), QStringLiteral("French")}));
        QCOMPARE(box->currentLanguage(), QLocale::French);
        QCOMPARE(answers, 3);
    }

    void fontBoxOffersTheHostsFamiliesSorted()
    {
        ZelFontFamilyCombobox box;
        QStringList expected = testApp()->fonts.supportedFontFamilies();
        std::sort(expected.begin(), expected.end());
        QVERIFY(!expected.isEmpty());
        auto *model = qobject_cast<ZelFFCModel *>(box.model());
        QVERIFY(model);
        QCOMPARE(model->families(), expected);
        QCOMPARE(model->rowCount(), int(expected.size()));
        QCOMPARE(box.currentFamily(), expected.first());
    }

    void fontModelData()
    {
        ZelFontFamilyCombobox box;
        QFont boxFont = box.font();
        boxFont.setPointSize(17);
        box.setFont(boxFont);
        const ZelFFCModel *model = qobject_cast<ZelFFCModel *>(box.model());
        const int last = model->rowCount() - 1;
        const QString family = model->families().at(last);
        const QModelIndex name = model->index(last, 0), sample = model->index(last, 1);
        QCOMPARE(name.data(Qt::DisplayRole).toString(), family);
        QCOMPARE(name.data(Qt::UserRole + 1).toString(), family);
        QCOMPARE(sample.data(Qt::DisplayRole).toString(), QStringLiteral("Sample"));
        QCOMPARE(name.data(Qt::FontRole).value<QFont>(), boxFont);
        QFont familyFont = boxFont;
        familyFont.setFamily(family);
        QCOMPARE(sample.data(Qt::FontRole).value<QFont>(), familyFont);
        QVERIFY(!sample.data(Qt::UserRole + 1).isValid());
        QVERIFY(!model->index(last + 1, 0).data().isValid());

        // The hints fit the text and follow the box's font.
        const QSize bigName = name.data(Qt::SizeHintRole).toSize(), bigSample = sample.data(Qt::SizeHintRole).toSize();
        QVERIFY(bigName.width() >= QFontMetrics(boxFont).horizontalAdvance(family));
        boxFont.setPointSize(6);
        box.setFont(boxFont);
        QVERIFY(name.data(Qt::SizeHintRole).toSize().height() < bigName.height());
        QVERIFY(sample.data(Qt::SizeHintRole).toSize().width() < bigSample.width());

        RussianTranslation russian;
        ZelFontFamilyCombobox translated;
        QCOMPARE(translated.model()->index(0, 1).data().toString(), QStringLiteral("Образец"));
    }

    void fontBoxSelectsExactFamiliesOnly()
    {
        ZelFontFamilyCombobox box;
        const QStringList families = qobject_cast<ZelFFCModel *>(box.model())->families();
        QStringList *changes = record(&box, &ZelFontFamilyCombobox::currentFamilyChanged);
        const QString last = families.last();
        QVERIFY(box.setCurrentFamily(last));
        QVERIFY(box.setCurrentFamily(last)); // found, already current: nothing said
        QCOMPARE(*changes, QStringList{last});
        QCOMPARE(box.currentFamily(), last);
        const QString otherCase = last.toUpper() != last ? last.toUpper() : last.toLower();
        QVERIFY(!families.contains(otherCase));
        QVERIFY(!box.setCurrentFamily(otherCase));
        QVERIFY(!box.setCurrentFamily(QString()));
        QVERIFY(!box.setCurrentFamily(QStringLiteral("No Such Family 123")));
        QCOMPARE(box.currentFamily(), last);
        QCOMPARE(changes->size(), 1);
    }

    void fontBoxPopupHighlightsTheWholeRow()
    {
        auto *box = shownBox(new ZelFontFamilyCombobox);
        QVERIFY(box);
        const int rows = box->count();
        QStringList *changes = record(box, &ZelFontFamilyCombobox::currentFamilyChanged);
        QTest::keyClick(box, Qt::Key_End);
        QCOMPARE(*changes, QStringList{box->itemData(rows - 1, Qt::UserRole + 1).toString()});
        box->showPopup();
        QVERIFY(QTest::qWaitForWindowExposed(box->view()->window()));
        const QModelIndexList selected = box->view()->selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), 2);
        for (const QModelIndex &index : selected)
            QCOMPARE(index.row(), rows - 1);
        QTest::keyClick(box->view(), Qt::Key_Escape);
        QTRY_VERIFY(!box->view()->isVisible());
        QCOMPARE(changes->size(), 1);
    }

    void fontBoxWithoutAFontDatabaseStaysEmpty()
    {
        testApp()->offerFonts = false;
        ZelLog::clearRecords();
        ZelFontFamilyCombobox box;
        testApp()->offerFonts = true;
        QCOMPARE(box.count(), 0);
        QCOMPARE(box.currentFamily(), QString());
        QVERIFY(!box.setCurrentFamily(QStringLiteral("Sans")));
        const QList<ZelMessage> records = ZelLog::records();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().messageType(), ZelLog::Error);
        QCOMPARE(records.first().module(), QStringLiteral("ZelGui"));
        box.showPopup(); // an empty pop-up opens and closes without harm
        box.hidePopup();
    }

private:
    std::unique_ptr<QWidget> m_window;
};

int main(int argc, char *argv[])
{
    TestApplication app(argc, argv);
    tst_ZelValueCombos test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zelvaluecombos.moc"
