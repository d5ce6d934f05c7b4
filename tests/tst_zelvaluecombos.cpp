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
#include <QStyleFactory>
#include <QTest>

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

const QUuid red = QUuid::fromString(u"{00000000-0000-0000-0000-0000000000a1}");
const QUuid green = QUuid::fromString(u"{00000000-0000-0000-0000-0000000000a2}");
const QUuid blue = QUuid::fromString(u"{00000000-0000-0000-0000-0000000000a3}");

ZelEnumeration colours()
{
    return ZelEnumeration(QStringLiteral("colours"),
                          {ZelEnumerationItem(red, QStringLiteral("Red"), 1), ZelEnumerationItem(green, QStringLiteral("Green"), 2),
                           ZelEnumerationItem(blue, QStringLiteral("Blue"), 3)});
}

// A signal's value as text: "true", a format, a language's enum key, a family, a braced identifier.
template<class T>
QString text(const T &value)
{
    return QVariant::fromValue(value).toString();
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

// The box as an active window, focused, ready for keys and clicks.
bool shown(QWidget *box)
{
    box->show();
    box->setFocus();
    return QTest::qWaitForWindowActive(box);
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
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support )"))); }

    void formatBoxListsEachFormatOnceAndAnnouncesTheFirst()
    {
        ZelImageFormatComboBox box;
        QStringList *formats = record(&box, &ZelImageFormatComboBox::currentFormatChanged);
        box.setSupportedFormats({"png", "jpg", "png", "bmp", "jpg"});
        QCOMPARE(itemTexts(&box),
                 (QStringList{FSUtils::formatCaption("png"), FSUtils::formatCaption("jpg"), FSUtils::formatCaption("bmp")}));
        QCOMPARE(*formats, QStringList{QStringLiteral("png")});

        // Appending keeps the current item; listed formats are skipped; names compare exactly.
        box.addFormats({"bmp", "tif", "PNG"});
        QCOMPARE(box.index("PNG"), 4);
        QCOMPARE(*formats, QStringList{QStringLiteral("png")});

        // Emptying says nothing; an empty box has no format.
        box.setSupportedFormats({});
        QCOMPARE(box.currentFormat(), QByteArray());
        QCOMPARE(*formats, QStringList{QStringLiteral("png")});
    }

    void formatBoxAnnouncesTheUsersChoiceOnce()
    {
        ZelImageFormatComboBox box;
        box.setSupportedFormats({"png", "jpg", "bmp"});
        QVERIFY(shown(&box));
        QStringList *formats = record(&box, &ZelImageFormatComboBox::currentFormatChanged);
        QTest::keyClick(&box, Qt::Key_Down);
        QVERIFY(clickPopupRow(&box, 2));
        QTest::keyClick(&box, Qt::Key_Down); // already last: nothing
        QCOMPARE(*formats, (QStringList{QStringLiteral("jpg"), QStringLiteral("bmp")}));
    }

    void boolBoxUserChoiceAnnouncesOnceAndIgnoresAnswers()
    {
        ZelBoolComboBox box;
        QVERIFY(shown(&box));
        QStringList *values = record(&box, &ZelBoolComboBox::boolValueChanged);
        // A receiver answering with the other value is not heard while the box announces.
        connect(&box, &ZelBoolComboBox::boolValueChanged, &box, [&box](bool b) { box.setBoolValue(!b); });
        QTest::keyClick(&box, Qt::Key_Down);
        QCOMPARE(*values, QStringList{QStringLiteral("false")});
        QVERIFY(!box.boolValue());
    }

    void boolBoxSetterAndMissingItems()
    {
        ZelBoolComboBox box;
        QStringList *values = record(&box, &ZelBoolComboBox::boolValueChanged);
        // A change is announced twice (index change, then the setter), no change once.
        box.setBoolValue(false);
        box.setBoolValue(false);
        QCOMPARE(*values, (QStringList{"false", "false", "false"}));
        values->clear();
        box.setBoolValue(true);
        // No current item reads as false: the box goes to "Off" and says so, as for a setter call.
        box.setCurrentIndex(-1);
        QCOMPARE(box.currentIndex(), 1);
        QCOMPARE(*values, (QStringList{"true", "true", "false", "false"}));
    }

    void enumBoxAnnouncesTheUsersChoiceOnce()
    {
        ZelEnumComboBox box;
        box.setEnum(colours());
        QVERIFY(shown(&box));
        QStringList *values = record(&box, &ZelEnumComboBox::currentValueChanged);
        QTest::keyClick(&box, Qt::Key_End);
        QVERIFY(clickPopupRow(&box, 1));
        QCOMPARE(*values, (QStringList{text(blue), text(green)}));
    }

    void enumBoxSelectsSilentlyAndIgnoresItsReceivers()
    {
        ZelEnumComboBox box;
        QStringList *values = record(&box, &ZelEnumComboBox::currentValueChanged);
        box.setEnum(colours());
        QCOMPARE(box.currentValue(), red);
        box.setCurrentValue(colours().getItem(blue));
        box.setCurrentValue(QUuid::createUuid()); // unknown: stays
        QCOMPARE(box.currentValue(), blue);
        QVERIFY(values->isEmpty());
        box.changeValue(QUuid::createUuid());
        box.changeValue(blue); // no change, nothing said
        ZelEnumeration other(QStringLiteral("other"), {ZelEnumerationItem(QUuid::createUuid(), QStringLiteral("Other"))});
        connect(&box, &ZelEnumComboBox::currentValueChanged, &box, [&](QUuid) {
            box.setEnum(other); // ignored
            box.setCurrentValue(red); // ignored
            box.changeValue(blue); // selects, but is not announced again
        });
        box.changeValue(green);
        QCOMPARE(*values, QStringList{text(green)});
        QCOMPARE(box.enumeration(), colours());
        QCOMPARE(box.currentValue(), blue);
    }

    void languageBoxAddsSelectsAndAnnouncesEachLanguage()
    {
        ZelLanguageComboBox box;
        QStringList *languages = record(&box, &ZelLanguageComboBox::languageChanged);
        box.setLanguages({QLocale::Russian, QLocale::Japanese, QLocale::Russian});
        QCOMPARE(box.count(), 2);
        QCOMPARE(*languages, (QStringList{text(QLocale::Russian), text(QLocale::Japanese), text(QLocale::Russian)}));

        // Setting a language not listed adds it.
        languages->clear();
        box.setCurrentLanguage(QLocale::Swahili);
        box.setCurrentLanguage(QLocale::Swahili);
        QCOMPARE(*languages, QStringList{text(QLocale::Swahili)});
        QCOMPARE(box.count(), 3);
        // Emptying announces no language.
        box.clear();
        QCOMPARE(languages->last(), text(QLocale::AnyLanguage));
    }

    void languageBoxUserChoiceAndAnswers()
    {
        ZelLanguageComboBox box;
        box.setLanguages({QLocale::English, QLocale::German, QLocale::Russian});
        QVERIFY(shown(&box));
        QStringList *languages = record(&box, &ZelLanguageComboBox::languageChanged);
        // Receivers answering with setCurrentLanguage() are ignored while the box selects from code...
        connect(&box, &ZelLanguageComboBox::languageChanged, &box, [&](QLocale::Language) { box.setCurrentLanguage(QLocale::French); });
        box.setCurrentLanguage(QLocale::English);
        QCOMPARE(box.count(), 3);
        // ...but heard after a choice of the user, which then announces both.
        QVERIFY(clickPopupRow(&box, 1));
        QCOMPARE(*languages, (QStringList{text(QLocale::English), text(QLocale::German), text(QLocale::French)}));
    }

    void fontModelData()
    {
        ZelFontFamilyCombobox box;
        QFont boxFont = box.font();
        boxFont.setPointSize(17);
        box.setFont(boxFont);
        const ZelFFCModel *model = qobject_cast<ZelFFCModel *>(box.model());
        const int last = model->rowCount() - 1;
        QCOMPARE(model->index(last, 0).data(Qt::FontRole).value<QFont>(), boxFont);
        // The sample column shows the family, otherwise in the box's font.
        boxFont.setFamily(model->families().at(last));
        QCOMPARE(model->index(last, 1).data(Qt::FontRole).value<QFont>(), boxFont);
    }

    void fontBoxSelectsExactFamilies()
    {
        ZelFontFamilyCombobox box;
        QVERIFY(shown(&box));
        // The host's families, sorted; the first is current.
        QStringList families = testApp()->fonts.supportedFontFamilies();
        std::sort(families.begin(), families.end());
        QCOMPARE(qobject_cast<ZelFFCModel *>(box.model())->families(), families);
        QCOMPARE(box.currentFamily(), families.first());
        QStringList *changes = record(&box, &ZelFontFamilyCombobox::currentFamilyChanged);
        QTest::keyClick(&box, Qt::Key_End);
        const QString last = families.last();
        QVERIFY(box.setCurrentFamily(last)); // found, already current: nothing said
        const QString otherCase = last.toUpper() != last ? last.toUpper() : last.toLower();
        QVERIFY(!box.setCurrentFamily(otherCase));
        QVERIFY(!box.setCurrentFamily(QStringLiteral("No Such Family 123")));
        QCOMPARE(*changes, QStringList{last});
    }

    void fontBoxWithoutAFontDatabaseStaysEmpty()
    {
        testApp()->offerFonts = false;
        ZelLog::clearRecords();
        ZelFontFamilyCombobox box;
        testApp()->offerFonts = true;
        QCOMPARE(box.count(), 0);
        QVERIFY(!box.setCurrentFamily(QStringLiteral("Sans")));
        QCOMPARE(ZelLog::records().size(), 1);
        QCOMPARE(ZelLog::records().first().messageType(), ZelLog::Error);
    }
};

int main(int argc, char *argv[])
{
    TestApplication app(argc, argv);
    tst_ZelValueCombos test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zelvaluecombos.moc"
