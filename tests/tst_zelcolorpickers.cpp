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
    static DialogAnswer *cancel()
    {
        return new DialogAnswer([](QColorDialog *dialog) { dialog->reject(); });
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
    void down() { QTest::keyClick(&box, Qt::Key_Down); }
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

    void moreEntryIsTheLastItemWithoutColor()
    {
        Combo c(true);
        QCOMPARE(c.box.colorCount(), 4);
        QVERIFY(!c.box.color(4).isValid());
        // New colours go before the entry.
        c.box.setColors({{Qt::black, "Black"}});
        QCOMPARE(c.texts().mid(3), (QStringList{"Yellow", "Black", "More..."}));
    }

    void insertColorIndexes()
    {
        // With the dialog entry, an index past the end lands before the last colour.
        for (const auto &[dialog, index, at] :
             QList<std::tuple<bool, int, int>>{{true, 100, 3}, {true, -3, 0}, {false, 100, 4}}) {
            Combo c(dialog);
            c.box.insertColor(index, QColor(1, 2, 3), QStringLiteral("Mine"));
            QCOMPARE(c.box.color(at), QColor(1, 2, 3));
        }
    }

    void keyboardActivatesAndPopupHighlights()
    {
        Combo c(true);
        QVERIFY(QTest::qWaitForWindowExposed(&c.box));
        c.down();
        c.down();
        QCOMPARE(c.take(), (QStringList{"activated(#00ff00)", "activated(#0000ff)"}));

        // Highlighting in the pop-up: the colours are reported, the entry is not.
        c.box.showPopup();
        QAbstractItemView *view = c.box.view();
        QTRY_VERIFY(view->isVisible());
        for (int row : {3, 4, 0})
            QTest::mouseMove(view->viewport(), view->visualRect(c.box.model()->index(row, 0)).center());
        // Opening highlights the current colour.
        QCOMPARE(c.take(), (QStringList{"highlighted(#0000ff)", "highlighted(#ffff00)", "highlighted(#ff0000)"}));
    }

    void dialogColorsBecomeNumberedUserColors()
    {
        Combo c(true);
        QVERIFY(QTest::qWaitForWindowExposed(&c.box));
        c.box.setCurrentIndex(3);
        for (const QColor &color : {QColor(10, 20, 30), QColor(40, 50, 60), QColor(70, 80, 90)}) {
            const std::unique_ptr<DialogAnswer> answer(DialogAnswer::choose(color));
            QTest::keyClick(&c.box, Qt::Key_End); // onto "More..."
            QCOMPARE(answer->answered, 1);
        }
        QCOMPARE(c.take(), (QStringList{"activated(#0a141e)", "activated(#28323c)", "activated(#46505a)"}));
        QCOMPARE(c.texts(), (QStringList{"Red", "Green", "Blue", "Yellow", "User color 1", "User color 2",
                                         "User color 3", "More..."}));
        // A colour set from code that is not in the list takes the next number.
        c.box.setCurrentColor(QColor(1, 1, 1));
        QCOMPARE(c.box.itemText(7), QStringLiteral("User color 4"));
        // One that is there is selected and announced.
        c.box.setCurrentColor(Qt::green);
        QCOMPARE(c.box.currentIndex(), 1);
        QCOMPARE(c.take(), (QStringList{"activated(#010101)", "activated(#00ff00)"}));
    }

    void cancelledDialogGoesBackToTheLastColor()
    {
        // Without an earlier colour an invalid one is added as a user colour.
        for (const auto &[downs, last, index, count] : QList<std::tuple<int, QString, int, int>>{
                 {2, QStringLiteral("#0000ff"), 2, 5}, {0, QStringLiteral("invalid"), 4, 6}}) {
            Combo c(true);
            QVERIFY(QTest::qWaitForWindowExposed(&c.box));
            for (int i = 0; i < downs; ++i)
                c.down();
            c.take();
            const std::unique_ptr<DialogAnswer> answer(DialogAnswer::cancel());
            QTest::keyClick(&c.box, Qt::Key_End);
            QCOMPARE(answer->answered, 1);
            // Once from setCurrentColor, once at the end.
            QCOMPARE(c.take(), QStringList(2, "activated(" + last + ')'));
            QCOMPARE(c.box.currentIndex(), index);
            QCOMPARE(c.box.count(), count);
        }
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
        connect(&w, qOverload<QColor>(&ZelColorSelectWidget::colorChanged), this,
                [&](const QColor &c) { log << colorText(c); });
        connect(&w, qOverload<int, int, int>(&ZelColorSelectWidget::colorChanged), this,
                [&](int r, int g, int b) { log << QStringLiteral("%1,%2,%3").arg(r).arg(g).arg(b); });
        w.setColor(QColor(10, 20, 30));
        w.setRed(11);
        w.setGreen(21);
        w.setBlue(31);
        QCOMPARE(QList<int>({w.red(), w.green(), w.blue()}), QList<int>({11, 21, 31}));
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
        QTRY_VERIFY(item->hasFocus());
        QCOMPARE(outlinePixels(other), 0);
        // Light on a dark colour, dark on a light one.
        QVERIFY(outlinePixels(item) > 20);
        QVERIFY(qGray(item->grab().toImage().pixel(1, 1)) > 128 || qGray(item->grab().toImage().pixel(2, 1)) > 128);
        QTest::keyClick(item, Qt::Key_Right);
        QVERIFY(other->hasFocus());
        QCOMPARE(outlinePixels(item), 0);
        QVERIFY(outlinePixels(other) > 20);
        // An invalid colour is painted opaque black.
        item->setColor(QColor());
        QCOMPARE(outlinePixels(item), 0);
        QCOMPARE(item->grab().toImage().pixel(0, 0), qRgb(0, 0, 0));
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
        const std::unique_ptr<DialogAnswer> cancel(DialogAnswer::cancel());
        answer->timer.stop();
        QTest::keyClick(item.get(), Qt::Key_F2);
        QCOMPARE(cancel->answered, 1);
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
        QCOMPARE(swatches.size(), 15);
        QSignalSpy changed(&picker, &ZelLineColorPicker::colorChanged);
        // Each click reports the swatch under it, also twice in a row.
        for (int i : {3, 3, 14, 0}) {
            QTest::mouseClick(swatches[i], Qt::LeftButton, {}, swatches[i]->rect().center());
            QCOMPARE(changed.size(), 1);
            QCOMPARE(changed.takeFirst().first().value<QColor>(), expected[i]);
        }
        // Swatches are read-only: neither a double click nor F2 opens the dialog.
        const std::unique_ptr<DialogAnswer> answer(DialogAnswer::cancel());
        QTest::mouseDClick(swatches[2], Qt::LeftButton, {}, swatches[2]->rect().center());
        QTest::keyClick(swatches[2], Qt::Key_F2);
        QCoreApplication::processEvents();
        QCOMPARE(answer->answered, 0);
        changed.clear();
        // Keyboard: arrows walk the swatches, Space picks.
        swatches[5]->setFocus();
        QTest::keyClick(swatches[5], Qt::Key_Right);
        QVERIFY(swatches[6]->hasFocus());
        QTest::keyClick(swatches[6], Qt::Key_Space);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.takeFirst().first().value<QColor>(), expected[6]);
    }
};

QTEST_MAIN(tst_ZelColorPickers)
#include "tst_zelcolorpickers.moc"
