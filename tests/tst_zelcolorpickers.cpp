// Colour pickers: the colour combo box and its dialog, the RGB selector, the colour rectangle, the line picker.

#include "zelrange_testhelpers.h"

#include <ZelGui/ZelColorComboBox.h>
#include <ZelGui/ZelColorRectItem.h>
#include <ZelGui/ZelColorSelectWidget.h>
#include <ZelGui/ZelLineColorPicker.h>
#include <ZelGui/ZelRangeWidget.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTimer>

#include <functional>
#include <memory>

using namespace ZelRangeTest;

namespace {

QString colorText(const QColor &color)
{
    return color.isValid() ? color.name(QColor::HexRgb) : QStringLiteral("invalid");
}

// Answers modal colour dialogs from a timer and counts them.
struct DialogAnswer
{
    int answered = 0;
    QTimer timer;
    explicit DialogAnswer(std::function<void(QColorDialog *)> answer)
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this, answer] {
            if (auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget())) {
                ++answered;
                answer(dialog);
            }
        });
        timer.start();
    }
    static DialogAnswer *choose(const QColor &color)
    {
        return new DialogAnswer([color](QColorDialog *dialog) {
            dialog->setCurrentColor(color);
            dialog->accept();
        });
    }
};

// A shown colour combo box with four colours, its emissions logged.
struct Combo
{
    ZelColorComboBox box;
    QStringList log;
    explicit Combo(bool dialog)
    {
        box.setColors({{Qt::red, "Red"}, {Qt::green, "Green"}, {Qt::blue, "Blue"}, {Qt::yellow, "Yellow"}});
        box.setColorDialogEnabled(dialog);
        QObject::connect(&box, qOverload<QColor>(&ZelColorComboBox::activated),
                         [this](const QColor &c) { log << "activated(" + colorText(c) + ')'; });
        QObject::connect(&box, qOverload<QColor>(&ZelColorComboBox::highlighted),
                         [this](const QColor &c) { log << "highlighted(" + colorText(c) + ')'; });
        box.show();
        box.setFocus();
    }
    QStringList take() { return std::exchange(log, {}); }
    QStringList texts() const
    {
        QStringList result;
        for (int i = 0; i < box.count(); ++i)
            result << box.itemText(i);
        return result;
    }
};

// A shown 30 x 30 colour rectangle.
ZelColorRectItem *shownItem(const QColor &color, bool readonly)
{
    auto *item = new ZelColorRectItem(color);
    item->setReadonly(readonly);
    item->resize(30, 30);
    item->show();
    return item;
}

} // namespace

class tst_ZelColorPickers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)"))); }

    // --- ZelColorComboBox ---

    void popupHighlightsColours()
    {
        Combo c(true);
        QVERIFY(QTest::qWaitForWindowExposed(&c.box));
        c.box.setCurrentIndex(2);
        // Highlighting in the pop-up: the colours are reported, the entry is not.
        c.box.showPopup();
        QAbstractItemView *view = c.box.view();
        QTRY_VERIFY(view->isVisible());
        for (int row : {3, 4, 0})
            QTest::mouseMove(view->viewport(), view->visualRect(c.box.model()->index(row, 0)).center());
        // Opening highlights the current colour.
        QCOMPARE(c.take(), (QStringList{"highlighted(#0000ff)", "highlighted(#ffff00)", "highlighted(#ff0000)"}));
    }

    // Keys activate the colours they step onto; stepping onto "More..." opens the dialog.
    void keysAndTheDialogChooseColours()
    {
        Combo c(true);
        QVERIFY(QTest::qWaitForWindowExposed(&c.box));
        QTest::keyClick(&c.box, Qt::Key_Down);
        QTest::keyClick(&c.box, Qt::Key_Down);
        DialogAnswer cancel([](QColorDialog *dialog) { dialog->reject(); });
        QTest::keyClick(&c.box, Qt::Key_End);
        cancel.timer.stop();
        // A cancelled dialog goes back to the last colour: once from setCurrentColor, once at the end.
        QCOMPARE(c.take(), QStringList{"activated(#00ff00)"} + QStringList(3, "activated(#0000ff)"));
        // Chosen colours become numbered user colours.
        for (const QColor &color : {QColor(10, 20, 30), QColor(40, 50, 60), QColor(70, 80, 90)}) {
            const std::unique_ptr<DialogAnswer> answer(DialogAnswer::choose(color));
            // Onto "More...": the colours announced below are the dialog's.
            QTest::keyClick(&c.box, Qt::Key_End);
        }
        QCOMPARE(c.take(), (QStringList{"activated(#0a141e)", "activated(#28323c)", "activated(#46505a)"}));
        // New colours go before the "More..." entry, which stays last; the cancel added none.
        QCOMPARE(c.texts(), (QStringList{"Red", "Green", "Blue", "Yellow", "User color 1", "User color 2", "User color 3", "More..."}));
    }

    void fullBoxNeitherHangsNorLosesItems()
    {
        Combo c(false);
        c.box.setMaxCount(4);
        c.box.setColorDialogEnabled(true);
        QVERIFY(!c.box.isColorDialogEnabled());
        c.box.setCurrentIndex(1);
        c.box.setCurrentColor(QColor(5, 5, 5));
        QCOMPARE(c.box.count(), 4);
        QCOMPARE(c.box.currentIndex(), 1);
        QCOMPARE(c.take(), QStringList());
    }

    // --- ZelColorSelectWidget ---

    void settersAreSilentEditsAnnounceBoth()
    {
        ZelColorSelectWidget w(nullptr, 0, 1000);
        QStringList log;
        connect(&w, qOverload<QColor>(&ZelColorSelectWidget::colorChanged), this, [&](const QColor &c) { log << colorText(c); });
        connect(&w, qOverload<int, int, int>(&ZelColorSelectWidget::colorChanged), this,
                [&](int r, int g, int b) { log << QStringLiteral("%1,%2,%3").arg(r).arg(g).arg(b); });
        w.setColor(QColor(10, 20, 30));
        // An invalid colour has the components 0, 0, 0.
        w.setColor(QColor());
        QCOMPARE(QList<int>({w.red(), w.green(), w.blue()}), QList<int>({0, 0, 0}));
        QCOMPARE(log, QStringList());
        w.resize(400, 90);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Edits announce the colour, then its components; beyond a byte the colour is invalid.
        QTest::keyClick(w.findChild<ZelRangeWidget *>(QStringLiteral("blueWidget"))->findChild<QSpinBox *>(), Qt::Key_Up);
        QVERIFY(dragThrough(w.findChild<ZelRangeWidget *>(QStringLiteral("redWidget"))->findChild<QSlider *>(), {1000}));
        QCOMPARE(log, (QStringList{"#000001", "0,0,1", "invalid", "1000,0,1"}));
    }

    // --- ZelColorRectItem ---

    void focusedRectItemShowsAnOutline()
    {
        QWidget window;
        auto *item = new ZelColorRectItem(QColor(0, 0, 80), &window);
        auto *other = new ZelColorRectItem(QColor(250, 250, 250), &window);
        item->setGeometry(0, 0, 30, 20);
        other->setGeometry(40, 0, 30, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Unfocused items are filled with their colour throughout.
        const auto outlinePixels = [](ZelColorRectItem *rect) {
            const QImage image = rect->grab().toImage();
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    count += image.pixel(x, y) != rect->color().rgb();
            return count;
        };
        item->setFocus();
        // Light on a dark colour, dark on a light one.
        QVERIFY(outlinePixels(item) > 20);
        QVERIFY(qGray(item->grab().toImage().pixel(1, 1)) > 128 || qGray(item->grab().toImage().pixel(2, 1)) > 128);
        // The arrow keys move the focus along.
        QTest::keyClick(item, Qt::Key_Right);
        QCOMPARE(outlinePixels(item), 0);
        QVERIFY(outlinePixels(other) > 20);
    }

    void editableItemTakesTheDialogsColor()
    {
        const std::unique_ptr<ZelColorRectItem> item(shownItem(Qt::darkCyan, false));
        QVERIFY(QTest::qWaitForWindowExposed(item.get()));
        QStringList log;
        connect(item.get(), &ZelColorRectItem::selected, this, [&](const QColor &c) { log << colorText(c); });
        const std::unique_ptr<DialogAnswer> answer(DialogAnswer::choose(QColor(1, 2, 3)));
        QTest::mouseDClick(item.get(), Qt::LeftButton, {}, item->rect().center());
        QCOMPARE(answer->answered, 1);
        // The change, the dialog's end, and the double click passed on as a press each report the colour.
        QCOMPARE(log, (QStringList{"#010203", "#010203", "#010203"}));

        // A cancelled dialog changes nothing; F2 opens it too.
        log.clear();
        answer->timer.stop();
        const DialogAnswer cancel([](QColorDialog *dialog) { dialog->reject(); });
        QTest::keyClick(item.get(), Qt::Key_F2);
        QCOMPARE(cancel.answered, 1);
        QCOMPARE(log, QStringList());
        QCOMPARE(item->color(), QColor(1, 2, 3));
    }

    void itemDeletedWhileItsDialogIsOpen()
    {
        ZelColorRectItem *item = shownItem(Qt::red, false);
        QVERIFY(QTest::qWaitForWindowExposed(item));
        const QPointer<ZelColorRectItem> alive(item);
        QSignalSpy selected(item, &ZelColorRectItem::selected);
        // Deleted from the dialog's own event loop, before the dialog ends.
        const std::unique_ptr<DialogAnswer> answer(new DialogAnswer([item](QColorDialog *dialog) {
            item->deleteLater();
            QTimer::singleShot(0, dialog, [dialog] {
                dialog->setCurrentColor(Qt::blue);
                dialog->accept();
            });
        }));
        QTest::mouseDClick(item, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(answer->answered, 1);
        QVERIFY(!alive);
        QCOMPARE(selected.count(), 0);
    }

    // --- ZelLineColorPicker ---

    void lineColorPickerSwatches()
    {
        ZelLineColorPicker picker;
        const QList<QColor> expected = picker.supportedColors();
        picker.resize(400, 24);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        const QList<ZelColorRectItem *> swatches = picker.findChildren<ZelColorRectItem *>();
        QSignalSpy changed(&picker, &ZelLineColorPicker::colorChanged);
        // Each click reports the swatch under it, also twice in a row.
        for (int i : {3, 3, 14, 0}) {
            QTest::mouseClick(swatches[i], Qt::LeftButton, {}, swatches[i]->rect().center());
            QCOMPARE(changed.size(), 1);
            QCOMPARE(changed.takeFirst().first().value<QColor>(), expected[i]);
        }
        // Space picks as a click does; swatches are read-only, so F2 opens no dialog.
        const DialogAnswer answer([](QColorDialog *dialog) { dialog->reject(); });
        QTest::keyClick(swatches[6], Qt::Key_F2);
        QTest::keyClick(swatches[6], Qt::Key_Space);
        QCOMPARE(answer.answered, 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.takeFirst().first().value<QColor>(), expected[6]);
    }
};

QTEST_MAIN(tst_ZelColorPickers)
#include "tst_zelcolorpickers.moc"
