// Colour pickers: the colour combo box and its dialog, the RGB selector, the colour rectangle, the line picker.

#include "zelgui_testhelpers.h"
#include "zelrange_testhelpers.h"

#include <ZelGui/ZelColorComboBox.h>
#include <ZelGui/ZelColorRectItem.h>
#include <ZelGui/ZelColorSelectWidget.h>
#include <ZelGui/ZelLineColorPicker.h>
#include <ZelGui/ZelRangeWidget.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QLabel>
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
        Combo c(false);
        QCOMPARE(c.box.itemData(2, Qt::UserRole).value<QColor>(), QColor(Qt::blue));
        c.box.setColorDialogEnabled(true);
        c.box.setColorDialogEnabled(true);
        QCOMPARE(c.texts(), (QStringList{"Red", "Green", "Blue", "Yellow", "More..."}));
        QCOMPARE(c.box.colorCount(), 4);
        QVERIFY(c.box.itemIcon(4).isNull() && !c.box.itemData(4, Qt::UserRole).isValid());
        QVERIFY(!c.box.color(4).isValid() && !c.box.color(99).isValid() && !c.box.color(-1).isValid());
        // New colours go before the entry; without it they stay.
        c.box.setColors({{Qt::black, "Black"}});
        c.box.setColorDialogEnabled(false);
        QCOMPARE(c.box.colorCount(), 5);
        QCOMPARE(c.texts().last(), QStringLiteral("Black"));
    }

    void insertColorIndexes_data()
    {
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("at");
        // With the dialog entry, an index past the end lands before the last colour.
        QTest::newRow("dialog, far past the end") << true << 100 << 3;
        QTest::newRow("dialog, at the entry") << true << 4 << 4;
        QTest::newRow("dialog, negative") << true << -3 << 0;
        QTest::newRow("no dialog, far past the end") << false << 100 << 4;
        QTest::newRow("no dialog, middle") << false << 1 << 1;
    }
    void insertColorIndexes()
    {
        QFETCH(bool, dialog);
        QFETCH(int, index);
        QFETCH(int, at);
        Combo c(dialog);
        c.box.insertColor(index, QColor(1, 2, 3), QStringLiteral("Mine"));
        QCOMPARE(c.box.itemText(at), QStringLiteral("Mine"));
        QCOMPARE(c.box.color(at), QColor(1, 2, 3));
        QCOMPARE(c.box.colorCount(), 5);
        if (dialog)
            QCOMPARE(c.box.itemText(c.box.count() - 1), QStringLiteral("More..."));
    }

    void keyboardActivatesAndPopupHighlights()
    {
        Combo c(true);
        QVERIFY(QTest::qWaitForWindowExposed(&c.box));
        c.down();
        c.down();
        QCOMPARE(c.take(), (QStringList{"activated(#00ff00)", "activated(#0000ff)"}));
        QCOMPARE(c.box.currentColor(), QColor(Qt::blue));

        // Highlighting in the pop-up: the colours are reported, the entry is not.
        c.box.showPopup();
        QAbstractItemView *view = c.box.view();
        QTRY_VERIFY(view->isVisible());
        for (int row : {3, 4, 0})
            QTest::mouseMove(view->viewport(), view->visualRect(c.box.model()->index(row, 0)).center());
        // Opening highlights the current colour.
        QCOMPARE(c.take(), (QStringList{"highlighted(#0000ff)", "highlighted(#ffff00)", "highlighted(#ff0000)"}));
        // A click in the pop-up activates.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(c.box.model()->index(0, 0)).center());
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(c.take(), (QStringList{"activated(#ff0000)"}));
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
            QCOMPARE(c.box.currentIndex(), c.box.count() - 2);
        }
        QCOMPARE(c.take(), (QStringList{"activated(#0a141e)", "activated(#28323c)", "activated(#46505a)"}));
        QCOMPARE(c.texts(), (QStringList{"Red", "Green", "Blue", "Yellow", "User color 1", "User color 2",
                                         "User color 3", "More..."}));
        // A colour set from code that is not in the list takes the next number.
        c.box.setCurrentColor(QColor(1, 1, 1));
        QCOMPARE(c.box.itemText(7), QStringLiteral("User color 4"));
        QCOMPARE(c.box.currentIndex(), 7);
        // One that is there is selected and announced.
        c.box.setCurrentColor(Qt::green);
        QCOMPARE(c.box.currentIndex(), 1);
        QCOMPARE(c.take(), (QStringList{"activated(#010101)", "activated(#00ff00)"}));
        QCOMPARE(c.box.count(), 9);
    }

    void cancelledDialogGoesBackToTheLastColor_data()
    {
        QTest::addColumn<int>("downs");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");
        QTest::newRow("blue before") << 2 << "#0000ff" << 2 << 5;
        // Without an earlier colour an invalid one is added as a user colour.
        QTest::newRow("none before") << 0 << "invalid" << 4 << 6;
    }
    void cancelledDialogGoesBackToTheLastColor()
    {
        QFETCH(int, downs);
        QFETCH(QString, last);
        QFETCH(int, index);
        QFETCH(int, count);
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
        // An invalid colour's swatch is painted as Qt paints it.
        QCOMPARE(c.box.itemIcon(index).pixmap(12, 12).toImage().pixel(6, 6), QColor(last).rgb());
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

    void selectorNamesAreTranslated()
    {
        RussianTranslation russian;
        QVERIFY(russian.loaded);
        ZelColorSelectWidget selector;
        QCOMPARE(selector.findChild<ZelRangeWidget *>(QStringLiteral("blueWidget"))->accessibleName(),
                 QStringLiteral("Синий"));
    }

    void sizeHintFitsANumberedUserColor()
    {
        ZelColorComboBox box;
        QFont big = box.font();
        big.setPointSize(big.pointSize() * 2);
        box.setFont(big);
        QVERIFY(box.sizeHint().width() >= QFontMetrics(big).horizontalAdvance(QStringLiteral("User Color 99")) + 20);
    }

    // --- ZelColorSelectWidget ---

    void selectorRangesAndNames()
    {
        ZelColorSelectWidget w(nullptr, 10, 200);
        for (const ZelMinMaxRange<int> &range : {w.redRange(), w.greenRange(), w.blueRange()})
            QCOMPARE(range, ZelMinMaxRange<int>(10, 200, 1));
        // Every control has the component's whole name.
        auto *green = w.findChild<ZelRangeWidget *>(QStringLiteral("greenWidget"));
        QCOMPARE(green->findChild<QSpinBox *>()->accessibleName(), QStringLiteral("Green"));
        QCOMPARE(green->findChild<QSlider *>()->accessibleName(), QStringLiteral("Green"));
        w.show();
        w.setVisibleColorBox(false);
        QVERIFY(w.colorBox()->isHidden());
    }

    void userEditsAnnounceBothSignals()
    {
        ZelColorSelectWidget w;
        QStringList log;
        connect(&w, qOverload<QColor>(&ZelColorSelectWidget::colorChanged), this,
                [&](const QColor &c) { log << colorText(c); });
        connect(&w, qOverload<int, int, int>(&ZelColorSelectWidget::colorChanged), this,
                [&](int r, int g, int b) { log << QStringLiteral("%1,%2,%3").arg(r).arg(g).arg(b); });
        w.setColor(0, 0, 0);
        w.resize(400, 90);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        auto *red = w.findChild<ZelRangeWidget *>(QStringLiteral("redWidget"))->findChild<QSlider *>();
        QVERIFY(dragThrough(red, {255}));
        QCOMPARE(log, (QStringList{"#ff0000", "255,0,0"}));
        log.clear();
        auto *blue = w.findChild<ZelRangeWidget *>(QStringLiteral("blueWidget"))->findChild<QSpinBox *>();
        QTest::keyClick(blue, Qt::Key_Up);
        QCOMPARE(log, (QStringList{"#ff0001", "255,0,1"}));
    }

    void settersAreSilent()
    {
        ZelColorSelectWidget w;
        QSignalSpy colors(&w, qOverload<QColor>(&ZelColorSelectWidget::colorChanged));
        QSignalSpy triples(&w, qOverload<int, int, int>(&ZelColorSelectWidget::colorChanged));
        w.setColor(QColor(10, 20, 30));
        w.setRed(11);
        w.setGreen(21);
        w.setBlue(31);
        w.setRed(11);
        QCOMPARE(QList<int>({w.red(), w.green(), w.blue()}), QList<int>({11, 21, 31}));
        // An invalid colour has the components 0, 0, 0.
        w.setColor(QColor());
        QCOMPARE(QList<int>({w.red(), w.green(), w.blue()}), QList<int>({0, 0, 0}));
        QCOMPARE(colors.count() + triples.count(), 0);
        // The editors are connected again afterwards.
        w.findChild<ZelRangeWidget *>(QStringLiteral("greenWidget"))->setValue(7);
        QCOMPARE(triples.count(), 1);
        QCOMPARE(triples.first(), (QVariantList{0, 7, 0}));
        // The box is left as the form made it.
        QCOMPARE(w.colorBox()->styleSheet(), QStringLiteral("background-color: rgb(255, 255, 255);"));
    }

    void componentsBeyondAByteAnnounceAnInvalidColor()
    {
        ZelColorSelectWidget w(nullptr, 0, 1000);
        QSignalSpy colors(&w, qOverload<QColor>(&ZelColorSelectWidget::colorChanged));
        QSignalSpy triples(&w, qOverload<int, int, int>(&ZelColorSelectWidget::colorChanged));
        w.setColor(300, 0, 0);
        w.show();
        QTest::keyClick(w.findChild<ZelRangeWidget *>(QStringLiteral("blueWidget"))->findChild<QSpinBox *>(), Qt::Key_Up);
        QCOMPARE(colors.count(), 1);
        QVERIFY(!colors.first().first().value<QColor>().isValid());
        QCOMPARE(triples.first(), (QVariantList{300, 0, 1}));
    }

    // --- ZelColorRectItem ---

    void rectItemFillsItsWholeRect_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QRgb>("pixel");
        QTest::newRow("colour") << QColor(12, 34, 56) << qRgb(12, 34, 56);
        QTest::newRow("invalid paints black") << QColor() << qRgb(0, 0, 0);
    }
    void rectItemFillsItsWholeRect()
    {
        QFETCH(QColor, color);
        QFETCH(QRgb, pixel);
        ZelColorRectItem item(color);
        item.setFrameShape(QFrame::Box); // not drawn
        item.resize(20, 10);
        const QImage image = item.grab().toImage();
        QCOMPARE(image.pixel(0, 0), pixel);
        QCOMPARE(image.pixel(19, 9), pixel);
    }

    void focusedRectItemShowsAnOutline()
    {
        QWidget window;
        auto *item = new ZelColorRectItem(QColor(0, 0, 80), &window);
        auto *other = new ZelColorRectItem(QColor(250, 250, 250), &window);
        item->setGeometry(0, 0, 30, 20);
        other->setGeometry(40, 0, 30, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
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
    }

    void rectItemAnnouncesChangedColors()
    {
        ZelColorRectItem item(Qt::red);
        QSignalSpy selected(&item, &ZelColorRectItem::selected);
        QVERIFY(item.setProperty("color", QColor(Qt::red)));
        item.setColor(Qt::blue);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.first().first().value<QColor>(), QColor(Qt::blue));
    }

    void readonlyItemReportsClicksButOpensNoDialog()
    {
        const std::unique_ptr<ZelColorRectItem> item(shownItem(Qt::darkCyan, true));
        QVERIFY(QTest::qWaitForWindowExposed(item.get()));
        QSignalSpy selected(item.get(), &ZelColorRectItem::selected);
        const std::unique_ptr<DialogAnswer> answer(DialogAnswer::cancel());
        QTest::mouseClick(item.get(), Qt::RightButton, {}, item->rect().center());
        QCOMPARE(selected.count(), 1);
        QTest::mouseDClick(item.get(), Qt::LeftButton, {}, item->rect().center());
        QCoreApplication::processEvents();
        // Keys: Space reports, F2 does not edit a read-only item.
        const int before = selected.count();
        QTest::keyClick(item.get(), Qt::Key_Space);
        QTest::keyClick(item.get(), Qt::Key_F2);
        QCOMPARE(selected.count(), before + 1);
        QCOMPARE(selected.last().first().value<QColor>(), QColor(Qt::darkCyan));
        QCOMPARE(answer->answered, 0);
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
        QCOMPARE(item->grab().toImage().pixel(2, 2), qRgb(1, 2, 3));

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
        QList<QColor> expected;
        for (const char *name : {"black", "chartreuse", "coral", "crimson", "darkblue", "royalblue", "darkcyan",
                                 "darkorange", "darkred", "darksalmon", "seagreen", "seashell", "mediumorchid",
                                 "springgreen", "gold"})
            expected << QColor::fromString(name);
        QCOMPARE(picker.supportedColors(), expected);
        picker.resize(400, 24);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        const QList<ZelColorRectItem *> swatches = picker.findChildren<ZelColorRectItem *>();
        QCOMPARE(swatches.size(), 15);
        QSignalSpy changed(&picker, &ZelLineColorPicker::colorChanged);
        for (int i = 0; i < swatches.size(); ++i) {
            QCOMPARE(swatches[i]->color(), expected[i]);
            QVERIFY(swatches[i]->width() > 10 && (i == 0 || swatches[i]->x() > swatches[i - 1]->x()));
        }
        // Each click reports the swatch under it, also twice in a row.
        for (int i : {3, 3, 14, 0}) {
            QTest::mouseClick(swatches[i], Qt::LeftButton, {}, swatches[i]->rect().center());
            QCOMPARE(changed.size(), 1);
            QCOMPARE(changed.takeFirst().first().value<QColor>(), expected[i]);
        }
        QVERIFY(changed.isEmpty());
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
