// The widgets retranslate when the host switches its translator at run time:
// their own texts switch, the texts the host gave them stay.

#include <ZelGui/GuiUtils.h>
#include <ZelGui/ZelBoolComboBox.h>
#include <ZelGui/ZelChooseDirectoryWidget.h>
#include <ZelGui/ZelColorComboBox.h>
#include <ZelGui/ZelImageFormatComboBox.h>
#include <ZelGui/ZelRangeWidgetWithLabel.h>
#include <ZelGui/ZelScanAreaWidget.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <ZelCore/FSUtils.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

class tst_ZelLanguageChange : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;

    void russian(bool on)
    {
        QVERIFY(on ? QCoreApplication::installTranslator(&m_translator) : QCoreApplication::removeTranslator(&m_translator));
        QCoreApplication::sendPostedEvents(); // the widgets hear of it through posted events
    }

    static QString ru(const char *context, const char *source) { return QCoreApplication::translate(context, source); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)"))); }
    void cleanup() { QCoreApplication::removeTranslator(&m_translator); }

    // A form's own texts switch and come back; texts the host wrote over a form stay,
    // whether written before the switch or while Russian is shown.
    void formTextsSwitchHostTextsStay()
    {
        ZelScanAreaWidget area;
        auto *apply = area.findChild<QPushButton *>(QStringLiteral("btnApply"));
        ZelRangeWidgetWithLabel range;
        ZelChooseDirectoryWidget chosen;
        chosen.setCurrentDir(QStringLiteral("/tmp"));
        ZelChooseDirectoryWidget empty;
        const QString formTip = empty.findChild<QLineEdit *>()->toolTip();

        russian(true);
        QCOMPARE(apply->text(), ru("ZelScanAreaWidgetClass", "Apply"));
        QVERIFY(apply->text() != QStringLiteral("Apply"));
        QCOMPARE(chosen.findChild<QLineEdit *>()->toolTip(), QStringLiteral("/tmp"));
        QCOMPARE(empty.findChild<QLineEdit *>()->toolTip(), ru("ZelChooseDirectoryWidget", qPrintable(formTip)));

        range.setText(QStringLiteral("Gain"));
        russian(false);
        QCOMPARE(apply->text(), QStringLiteral("Apply"));
        QCOMPARE(range.text(), QStringLiteral("Gain"));
    }

    // The library's own items switch, the host's items and every item's value stay.
    void comboItemsOfTheLibrarySwitchHostItemsStay()
    {
        ZelBoolComboBox onOff;
        onOff.addItem(QStringLiteral("Host item"));
        ZelColorComboBox colours;
        colours.setColors({{Qt::red, QStringLiteral("Host red")}});
        colours.setColorDialogEnabled(true);
        colours.setCurrentColor(QColor(1, 2, 3));
        ZelColorComboBox standard; // a name from the library's colour table
        standard.setColors({{Qt::blue, GuiUtils::trBlueColor}});
        ZelImageFormatComboBox formats;
        formats.setSupportedFormats({QByteArray("png")});
        const QString pngEnglish = formats.itemText(0);

        russian(true);
        QCOMPARE(onOff.itemText(0), ru("ZelBoolComboBox", "On"));
        QCOMPARE(onOff.itemText(2), QStringLiteral("Host item"));
        QCOMPARE(colours.itemText(0), QStringLiteral("Host red"));
        QCOMPARE(colours.itemText(1), ru("ZelColorComboBox", "User color %1").arg(1));
        QCOMPARE(colours.color(1), QColor(1, 2, 3));
        QCOMPARE(standard.itemText(0), ru("ZelCore", "Blue"));
        QCOMPARE(formats.itemText(0), FSUtils::formatCaption("png"));

        russian(false);
        QCOMPARE(onOff.itemText(0), QStringLiteral("On"));
        QCOMPARE(standard.itemText(0), QStringLiteral("Blue"));
        QCOMPARE(formats.itemText(0), pngEnglish);
    }

    void zoomToolbarKeepsItsZoomAndRenamesItsActions()
    {
        ZelZoomToolbar toolbar;
        toolbar.setZoom(2.0);
        const auto texts = [&] {
            QStringList shown;
            for (const QToolButton *tool : toolbar.findChildren<QToolButton *>())
                shown.append(tool->defaultAction() ? tool->defaultAction()->text() : tool->text());
            shown.sort();
            return shown;
        };
        const QStringList before = texts();

        russian(true);
        QVERIFY(texts().contains(ru("ZelZoomToolbar", "&Zoom In")));
        // No button is left with a form placeholder.
        QVERIFY(!texts().contains(QStringLiteral("...")));
        QCOMPARE(toolbar.zoom(), 2.0);

        russian(false);
        QCOMPARE(texts(), before);
    }
};

QTEST_MAIN(tst_ZelLanguageChange)
#include "tst_zellanguagechange.moc"
