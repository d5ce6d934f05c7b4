// The widgets retranslate when the host switches its translator at run time:
// their own texts switch, the texts the host gave them stay.

#include <ZelGui/ZelBoolComboBox.h>
#include <ZelGui/ZelChooseDirectoryWidget.h>
#include <ZelGui/ZelColorComboBox.h>
#include <ZelGui/ZelDialogWidget.h>
#include <ZelGui/ZelIconedButtonWithLabel.h>
#include <ZelGui/ZelImageFormatComboBox.h>
#include <ZelGui/ZelRangeWidgetWithLabel.h>
#include <ZelGui/ZelScanAreaWidget.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <ZelCore/FSUtils.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

namespace {

QString ru(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}

} // namespace

class tst_ZelLanguageChange : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;
    bool m_installed = false;

    void russian(bool on)
    {
        QVERIFY(on ? QCoreApplication::installTranslator(&m_translator)
                   : QCoreApplication::removeTranslator(&m_translator));
        m_installed = on;
        QCoreApplication::sendPostedEvents(); // the widgets hear of it through posted events
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QVERIFY(m_translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm")));
    }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)"))); }
    void cleanup()
    {
        if (m_installed)
            russian(false);
    }

    void formTextsSwitchAndComeBack()
    {
        ZelScanAreaWidget area;
        area.show();
        auto *apply = area.findChild<QPushButton *>(QStringLiteral("btnApply"));
        QVERIFY(apply);
        QCOMPARE(apply->text(), QStringLiteral("Apply"));
        russian(true);
        QCOMPARE(apply->text(), ru("ZelScanAreaWidgetClass", "Apply"));
        QVERIFY(apply->text() != QStringLiteral("Apply"));
        russian(false);
        QCOMPARE(apply->text(), QStringLiteral("Apply"));
    }

    void hostTextsOverFormsStay()
    {
        ZelRangeWidgetWithLabel range;
        range.setText(QStringLiteral("Exposure"));
        ZelIconedButtonWithLabel button(nullptr);
        button.setText(QStringLiteral("Run"));
        button.setButtonTooltip(QStringLiteral("Runs the job"));
        ZelDialogWidget dialog(nullptr);
        dialog.addWidgetToDialog(new QLabel(QStringLiteral("content")), QStringLiteral("Host title"));
        ZelChooseDirectoryWidget chosen;
        chosen.setCurrentDir(QStringLiteral("/tmp"));
        ZelChooseDirectoryWidget empty;
        auto *emptyEdit = empty.findChild<QLineEdit *>();
        QVERIFY(emptyEdit);
        const QString formTip = emptyEdit->toolTip();

        russian(true);
        QCOMPARE(range.text(), QStringLiteral("Exposure"));
        QCOMPARE(button.text(), QStringLiteral("Run"));
        QCOMPARE(button.buttonTooltip(), QStringLiteral("Runs the job"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Host title"));
        QCOMPARE(chosen.findChild<QLineEdit *>()->toolTip(), QStringLiteral("/tmp"));
        // The form's own tip, not written over, switches.
        QCOMPARE(emptyEdit->toolTip(), ru("ZelChooseDirectoryWidget", formTip.toUtf8().constData()));
        QVERIFY(emptyEdit->toolTip() != formTip);

        // A host text written while Russian is shown stays through the way back.
        range.setText(QStringLiteral("Gain"));
        russian(false);
        QCOMPARE(range.text(), QStringLiteral("Gain"));
        QCOMPARE(button.text(), QStringLiteral("Run"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Host title"));
        QCOMPARE(emptyEdit->toolTip(), formTip);
    }

    void comboItemsOfTheLibrarySwitchHostItemsStay()
    {
        ZelBoolComboBox onOff;
        onOff.addItem(QStringLiteral("Host item"));
        ZelColorComboBox colours;
        colours.setColors({{Qt::red, QStringLiteral("Host red")}});
        colours.setColorDialogEnabled(true);
        colours.setCurrentColor(QColor(1, 2, 3));
        QCOMPARE(colours.count(), 3);
        QCOMPARE(colours.itemText(1), QStringLiteral("User color 1"));
        ZelImageFormatComboBox formats;
        formats.setSupportedFormats({QByteArray("png")});
        formats.addItem(QStringLiteral("Host format"));
        const QString pngEnglish = formats.itemText(0);

        russian(true);
        QCOMPARE(onOff.itemText(0), ru("ZelBoolComboBox", "On"));
        QCOMPARE(onOff.itemText(1), ru("ZelBoolComboBox", "Off"));
        QVERIFY(onOff.itemText(0) != QStringLiteral("On"));
        QCOMPARE(onOff.itemText(2), QStringLiteral("Host item"));
        QCOMPARE(colours.itemText(0), QStringLiteral("Host red"));
        QCOMPARE(colours.itemText(1), ru("ZelColorComboBox", "User color %1").arg(1));
        QCOMPARE(colours.itemText(2), ru("ZelColorComboBox", "More..."));
        QVERIFY(colours.itemText(2) != QStringLiteral("More..."));
        // Values are untouched.
        QCOMPARE(colours.color(1), QColor(1, 2, 3));
        QCOMPARE(onOff.itemData(0).toBool(), true);
        QCOMPARE(formats.itemText(0), FSUtils::formatCaption("png"));
        QVERIFY(formats.itemText(0) != pngEnglish);
        QCOMPARE(formats.itemText(1), QStringLiteral("Host format"));
        QCOMPARE(formats.currentFormat(), QByteArray("png"));

        russian(false);
        QCOMPARE(onOff.itemText(0), QStringLiteral("On"));
        QCOMPARE(colours.itemText(1), QStringLiteral("User color 1"));
        QCOMPARE(colours.itemText(2), QStringLiteral("More..."));
        QCOMPARE(formats.itemText(0), pngEnglish);
    }

    void zoomToolbarKeepsItsZoomAndRenamesItsActions()
    {
        ZelZoomToolbar toolbar;
        toolbar.setZoom(2.0);
        toolbar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&toolbar));
        const QList<QAbstractButton *> buttons = toolbar.findChildren<QAbstractButton *>();
        QCOMPARE(buttons.size(), 3);
        const auto texts = [&] {
            QStringList shown;
            for (const QAbstractButton *button : buttons)
                shown.append(button->text());
            return shown;
        };
        const QStringList before = texts();

        russian(true);
        QStringList actions;
        for (const QToolButton *tool : toolbar.findChildren<QToolButton *>()) {
            if (tool->defaultAction())
                actions.append(tool->defaultAction()->text());
        }
        actions.sort();
        QStringList expected{ru("ZelZoomToolbar", "&Zoom Out"), ru("ZelZoomToolbar", "&Zoom In")};
        expected.sort();
        QCOMPARE(actions, expected);
        QVERIFY(!actions.contains(QStringLiteral("&Zoom In")));
        QCOMPARE(toolbar.zoom(), 2.0);
        // No button is left with a form placeholder.
        const QStringList shown = texts();
        QVERIFY2(!shown.contains(QStringLiteral("...")) && !shown.contains(QStringLiteral("PushButton")),
                 qPrintable(shown.join(u',')));

        russian(false);
        QCOMPARE(texts(), before);
    }
};

QTEST_MAIN(tst_ZelLanguageChange)
#include "tst_zellanguagechange.moc"
