// What assistive tools see (no unnamed control in the gallery; handles, values,
// ranges and selections of painted widgets, set as the setters do) and keyboard
// paths beside the mouse-only ones.

#include "GalleryPage.h"
#include "pages.h"
#include "zelgui_testhelpers.h"

#include <ZelGui/ZelHSLHistogram.h>
#include <ZelGui/ZelHSLThermoBar.h>
#include <ZelGui/ZelHorizontalHeaderView.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/ZelSpanRangeWidget.h>
#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelSpanSliderWithIntermediateValue.h>
#include <ZelGui/ZelTrayMessage.h>
#include <ZelGui/ZelVideoSlider.h>

#include <ZelCore/ZelAbstractAppConfig.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QTableView>
#include <QTest>

namespace {

// Value changes raised since the last take(), as "name=value".
QStringList g_valueEvents;

void recordEvent(QAccessibleEvent *event)
{
    if (event->type() != QAccessible::ValueChanged)
        return;
    QAccessibleInterface *iface = event->accessibleInterface();
    const auto *change = static_cast<QAccessibleValueChangeEvent *>(event);
    g_valueEvents << (iface ? iface->text(QAccessible::Name) : QStringLiteral("?")) + u'=' + change->value().toString();
}

QStringList takeValueEvents()
{
    return std::exchange(g_valueEvents, {});
}

const QList<QAccessible::Role> itemViews{QAccessible::Table, QAccessible::Tree, QAccessible::List};

bool isInteractive(QAccessibleInterface *iface)
{
    static const QList<QAccessible::Role> controls{QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
                                                   QAccessible::ComboBox,   QAccessible::SpinBox,      QAccessible::Slider,
                                                   QAccessible::Dial,       QAccessible::EditableText, QAccessible::ButtonMenu,
                                                   QAccessible::ButtonDropDown};
    if (controls.contains(iface->role()) || itemViews.contains(iface->role()))
        return true;
    // Our own widgets that take the focus; Qt's containers only pass it on.
    auto *widget = qobject_cast<QWidget *>(iface->object());
    return widget && !QByteArray(widget->metaObject()->className()).startsWith('Q') && !widget->focusProxy()
        && (widget->focusPolicy() & Qt::TabFocus);
}

// Notes every unnamed interactive element under iface; item views' cells carry the model's data.
void collectUnnamed(const QWidget *root, QAccessibleInterface *iface, const QString &path, QStringList &unnamed,
                    int depth = 0)
{
    if (!iface || depth > 40)
        return;
    QObject *object = iface->object();
    // Skipped: pop-ups (windows of their own), widgets hidden on purpose (a stack's pages only wait
    // for their turn), a line edit's clear button (no focus; Ctrl+Backspace in the edit does it).
    if (auto *widget = qobject_cast<QWidget *>(object); widget && depth > 0) {
        if (widget->window() != root || widget->inherits("QLineEditIconButton")
            || (widget->isHidden() && !qobject_cast<QStackedWidget *>(widget->parentWidget())))
            return;
    }
    const QString here = path + u'/'
        + (object ? QString::fromLatin1(object->metaObject()->className()) + u':' + object->objectName()
                  : QStringLiteral("(child)"));
    if (isInteractive(iface) && iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << here;
    if (itemViews.contains(iface->role()))
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        collectUnnamed(root, iface->child(i), here, unnamed, depth + 1);
}

QAccessibleValueInterface *valueOf(QAccessibleInterface *iface)
{
    return iface ? iface->valueInterface() : nullptr;
}

// Emissions of a span slider, in order.
struct SpanLog
{
    QStringList lines;
    explicit SpanLog(ZelSpanSlider *slider)
    {
        QObject::connect(slider, &ZelSpanSlider::lowerValueChanged, slider, [this](int v) { lines << QStringLiteral("lower %1").arg(v); });
        QObject::connect(slider, &ZelSpanSlider::upperValueChanged, slider, [this](int v) { lines << QStringLiteral("upper %1").arg(v); });
        QObject::connect(slider, &ZelSpanSlider::spanChanged, slider,
                         [this](int l, int u) { lines << QStringLiteral("span %1 %2").arg(l).arg(u); });
    }
};

void setUpSpan(ZelSpanSlider &slider)
{
    slider.setRange(0, 100);
    slider.setSingleStep(5);
    slider.setSpan(20, 60);
}

} // namespace

class tst_ZelAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QAccessible::installUpdateHandler(&recordEvent);
        QAccessible::setActive(true);
    }
    void init() { takeValueEvents(); }
    void cleanupTestCase()
    {
        QAccessible::installUpdateHandler(nullptr);
        ZelTrayMessage::setKeyboardShortcutsEnabled(false);
    }

    void galleryHasNoUnnamedControl()
    {
        QWidget window;
        const QList<GalleryPage *> pages = createGalleryPages(&window);
        QVERIFY(!pages.isEmpty());
        QStringList unnamed;
        for (GalleryPage *page : pages) {
            page->setParent(nullptr);
            page->resize(1000, 700);
            page->show();
            QVERIFY(QTest::qWaitForWindowExposed(page));
            collectUnnamed(page, QAccessible::queryAccessibleInterface(page), page->metaObject()->className(), unnamed);
            page->hide();
        }
        qDeleteAll(pages);
        for (const QString &path : std::as_const(unnamed))
            qInfo("unnamed: %s", qPrintable(path));
        QCOMPARE(unnamed.size(), 0);
    }

    void spanSliderExposesTwoHandles()
    {
        ZelSpanSlider slider(Qt::Horizontal);
        setUpSpan(slider);
        slider.resize(300, 30);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&slider);
        QCOMPARE(iface->role(), QAccessible::Slider);
        QVERIFY(!iface->text(QAccessible::Name).isEmpty());
        QCOMPARE(iface->childCount(), 2);
        QCOMPARE((QStringList{iface->child(0)->text(QAccessible::Name), iface->child(1)->text(QAccessible::Name)}),
                 (QStringList{"Lower handle", "Upper handle"}));
        for (int i = 0; i < 2; ++i) {
            QAccessibleInterface *handle = iface->child(i);
            QCOMPARE(handle->parent(), iface);
            QCOMPARE(iface->indexOfChild(handle), i);
            QAccessibleValueInterface *value = valueOf(handle);
            QCOMPARE((QList<int>{value->currentValue().toInt(), value->minimumValue().toInt(), value->maximumValue().toInt(),
                                 value->minimumStepSize().toInt()}),
                     (QList<int>{i == 0 ? 20 : 60, 0, 100, 5}));
        }
        // Hit-testing goes by the handles the style draws.
        const QRect upper = slider.upperHandleRect();
        const QPoint upperCentre = slider.mapToGlobal(upper.center());
        QCOMPARE(iface->childAt(upperCentre.x(), upperCentre.y()), iface->child(1));
        QCOMPARE(iface->child(1)->rect(), QRect(slider.mapToGlobal(upper.topLeft()), upper.size()));
    }

    void settingAHandleActsAsTheSetter_data()
    {
        QTest::addColumn<int>("handle");
        QTest::addColumn<QVariant>("value"); // no number: nothing changes
        QTest::newRow("lower inside") << 0 << QVariant(35);
        QTest::newRow("lower past upper") << 0 << QVariant(90);
        QTest::newRow("lower below range") << 0 << QVariant(-40);
        QTest::newRow("lower, no number") << 0 << QVariant(QStringLiteral("a lot"));
        QTest::newRow("upper inside") << 1 << QVariant(80);
        QTest::newRow("upper below lower") << 1 << QVariant(5);
        QTest::newRow("upper above range") << 1 << QVariant(1000);
        QTest::newRow("upper unchanged") << 1 << QVariant(60);
    }

    void settingAHandleActsAsTheSetter()
    {
        QFETCH(int, handle);
        QFETCH(QVariant, value);
        ZelSpanSlider accessible(Qt::Horizontal);
        ZelSpanSlider direct(Qt::Horizontal);
        setUpSpan(accessible);
        setUpSpan(direct);
        const SpanLog viaInterface(&accessible);
        const SpanLog viaSetter(&direct);
        valueOf(QAccessible::queryAccessibleInterface(&accessible)->child(handle))->setCurrentValue(value);
        bool isNumber = false;
        if (const int number = value.toInt(&isNumber); isNumber && handle == 0)
            direct.setLowerValue(number);
        else if (isNumber)
            direct.setUpperValue(number);
        QCOMPARE(viaInterface.lines, viaSetter.lines);
        QCOMPARE(viaInterface.lines.isEmpty(), value == QVariant(60) || !isNumber);
        QCOMPARE(accessible.lowerValue(), direct.lowerValue());
        QCOMPARE(accessible.upperValue(), direct.upperValue());
    }

    // Events need a platform bridge (a desktop session with an assistive tool); offscreen has none.
    void valueChangesAreAnnounced()
    {
        if (!QAccessible::isActive())
            QSKIP("this platform has no accessibility bridge");
        ZelSpanSliderWithIntermediateValue slider;
        slider.setRange(0, 1000);
        slider.setSpan(100, 700);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&slider);
        takeValueEvents();
        slider.setLowerValue(150);
        valueOf(iface->child(2))->setCurrentValue(450);
        QTest::keyClick(&slider, Qt::Key_End);
        QCOMPARE(takeValueEvents(), (QStringList{QStringLiteral("Lower handle=150"), QStringLiteral("Intermediate value=450"),
                                                 QStringLiteral("Intermediate value=700")}));

        ZelThermoBarSpan bar;
        bar.setRange({0, 255});
        bar.setSpanMax(200);
        QVERIFY(QAccessible::queryAccessibleInterface(&bar));
        takeValueEvents();
        valueOf(QAccessible::queryAccessibleInterface(bar.minHandler()))->setCurrentValue(50);
        QCOMPARE(takeValueEvents(), QStringList{QStringLiteral("Lower end of the span=50")});
    }

    void intermediateSliderAddsItsValue()
    {
        ZelSpanSliderWithIntermediateValue slider;
        slider.setRange(0, 1000);
        slider.setSpan(100, 700);
        slider.setIntermediateValue(300);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&slider);
        QCOMPARE(iface->childCount(), 3);
        QAccessibleInterface *intermediate = iface->child(2);
        QCOMPARE(intermediate->text(QAccessible::Name), QStringLiteral("Intermediate value"));
        QAccessibleValueInterface *value = valueOf(intermediate);
        QCOMPARE((QList<int>{value->currentValue().toInt(), value->minimumValue().toInt(), value->maximumValue().toInt()}),
                 (QList<int>{300, 100, 700})); // it lives inside the span
        QSignalSpy changed(&slider, &ZelSpanSliderWithIntermediateValue::intermediateChanged);
        value->setCurrentValue(450);
        QCOMPARE(changed, QList<QVariantList>{{450}});
        value->setCurrentValue(5000);
        QCOMPARE(slider.intermediateValue(), 700);
        ZelVideoSlider video; // derived sliders get the handles too
        QCOMPARE(QAccessible::queryAccessibleInterface(&video)->childCount(), 3);
    }

    void handlesAreNamedInRussian()
    {
        RussianTranslation russian;
        QVERIFY(russian.loaded);
        ZelSpanSlider slider(Qt::Horizontal);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&slider);
        ZelSpanRangeWidget range;
        ZelRangeWidget editor;
        QCOMPARE((QStringList{iface->child(0)->text(QAccessible::Name), iface->child(1)->text(QAccessible::Name),
                              range.findChild<QSpinBox *>(QStringLiteral("lowSpin"))->accessibleName(),
                              editor.findChild<QSlider *>()->accessibleName()}),
                 (QStringList{"Нижний маркер", "Верхний маркер", "Нижнее значение", "Ползунок значения"}));
    }

    void barsShowRangeAndSelection()
    {
        ZelThermoBarSpan bar;
        bar.setComponent(ZelThermoBar::Lightness);
        bar.setRange({0, 255});
        bar.setSpanMax(200);
        bar.setSpanMin(10);
        bar.resize(256, 20);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&bar);
        QVERIFY(!iface->text(QAccessible::Name).isEmpty());
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Range 0 to 255, selection 10 to 200"));

        QAccessibleInterface *minHandle = QAccessible::queryAccessibleInterface(bar.minHandler());
        QAccessibleInterface *maxHandle = QAccessible::queryAccessibleInterface(bar.maxHandler());
        QCOMPARE((QStringList{minHandle->text(QAccessible::Name), maxHandle->text(QAccessible::Name)}),
                 (QStringList{"Lower end of the span", "Upper end of the span"}));
        QCOMPARE((QList<int>{valueOf(maxHandle)->currentValue().toInt(), valueOf(maxHandle)->maximumValue().toInt()}),
                 (QList<int>{200, 255}));

        QSignalSpy minChanged(&bar, &ZelThermoBarSpan::spanMinChanged);
        valueOf(minHandle)->setCurrentValue(50);
        valueOf(minHandle)->setCurrentValue(230); // the lower end never passes the upper
        QCOMPARE(minChanged, QList<QVariantList>{{50}});
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Range 0 to 255, selection 50 to 200"));

        ZelHSLHistogram histogram;
        histogram.setComponent(ZelHSLHistogram::Saturation);
        HSLHistogram data;
        data.saturation = {{0, 1}, {128, 4}};
        data.saturationMin = 30;
        data.saturationMax = 120;
        histogram.setData(data);
        iface = QAccessible::queryAccessibleInterface(&histogram);
        QCOMPARE(iface->role(), QAccessible::Chart);
        QVERIFY(!iface->text(QAccessible::Name).isEmpty());
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Range 0 to 255, selection 30 to 120"));
    }

    void trayPopUpIsANotification()
    {
        const ZelMessage message = makeMessage(ZelLog::Warning, Issue::None, QStringLiteral("Disk almost full"));
        QPointer<ZelTrayMessage> tray = ZelTrayMessage::popUp(nullptr, message, QString());
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(tray.data());
        QCOMPARE(iface->role(), QAccessible::Notification);
        QCOMPARE(iface->text(QAccessible::Name), tray->findChild<QLabel *>(QStringLiteral("labelTitle"))->text());
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Disk almost full"));
        tray->close();
        QTRY_VERIFY(!tray);
    }

    void rangeEditorControlsTakeTheEditorsName()
    {
        QWidget form;
        auto *label = new QLabel(QStringLiteral("&Exposure:"), &form);
        auto *editor = new ZelRangeWidget(&form);
        auto *named = new ZelRangeWidget(&form);
        label->setBuddy(editor);
        auto *spin = editor->findChild<QSpinBox *>();
        auto *slider = editor->findChild<QSlider *>();
        QCOMPARE((QStringList{spin->accessibleName(), slider->accessibleName()}), (QStringList{"Value", "Value slider"}));
        named->setAccessibleName(QStringLiteral("Gain"));
        named->findChild<QSlider *>()->setAccessibleName(QStringLiteral("Gain knob"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The buddy label or the editor's name, unless the host named the control itself.
        QCOMPARE((QStringList{spin->accessibleName(), slider->accessibleName(), named->findChild<QSpinBox *>()->accessibleName(),
                              named->findChild<QSlider *>()->accessibleName()}),
                 (QStringList{"Exposure", "Exposure", "Gain", "Gain knob"}));
        form.hide(); // a later name reaches the controls when the editor shows again
        editor->setAccessibleName(QStringLiteral("Exposure time"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(spin->accessibleName(), QStringLiteral("Exposure time"));
    }

    // Keyboard paths

    void f2ShowsAndHidesTheSpinBoxes()
    {
        ZelSpanRangeWidget widget;
        widget.setRange(0, 100);
        widget.setSpan(10, 40);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        auto *slider = widget.findChild<ZelSpanSlider *>();
        auto *low = widget.findChild<QSpinBox *>(QStringLiteral("lowSpin"));
        auto *high = widget.findChild<QSpinBox *>(QStringLiteral("highSpin"));
        QVERIFY(low->isHidden());
        QSignalSpy visible(&widget, &ZelSpanRangeWidget::settingsVisibleChanged);
        QSignalSpy span(&widget, &ZelSpanRangeWidget::spanChanged);

        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_F2);
        QVERIFY(visible.size() == 1 && low->isVisible() && high->isVisible());
        QTRY_VERIFY(low->hasFocus());
        low->selectAll();
        QTest::keyClicks(low, QStringLiteral("25"));
        QTest::keyClick(low, Qt::Key_Tab);
        QTRY_VERIFY(high->hasFocus());
        QCOMPARE(span.last(), (QVariantList{25, 40})); // typed and confirmed without the mouse

        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_F2);
        QVERIFY(visible.size() == 2 && low->isHidden() && high->isHidden());
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(widget.lowerValue(), 26);
    }

    void shiftF10OpensTheColumnMenu()
    {
        QStandardItemModel model(3, 4);
        for (int c = 0; c < 4; ++c)
            model.setHorizontalHeaderItem(c, new QStandardItem(QStringLiteral("Column %1").arg(c)));
        QTableView view;
        auto *header = new ZelHorizontalHeaderView(QByteArrayLiteral("a11y"), Qt::Horizontal, &view);
        view.setHorizontalHeader(header);
        view.setModel(&model);
        view.resize(500, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setFocus();
        view.setCurrentIndex(model.index(1, 2));

        // The Menu key stays the view's own.
        QTest::keyClick(&view, Qt::Key_F10);
        QVERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(&view, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("Column 0"));
        const int middle = header->sectionViewportPosition(2) + header->sectionSize(2) / 2;
        QCOMPARE(menu->pos().x(), header->mapToGlobal(QPoint(middle, 0)).x()); // over the current column
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QVERIFY(header->isSectionHidden(0));
    }

    void trayAnswersKeysOnlyWhenAsked()
    {
        QMainWindow host;
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        const QString key = QStringLiteral("notifications/a11y");
        ZelAbstractAppConfig::reset();

        ZelTrayMessage::setKeyboardShortcutsEnabled(false);
        QPointer<ZelTrayMessage> quiet = ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Warning, Issue::None, {}), key);
        QVERIFY(QTest::qWaitForWindowExposed(quiet));
        QTest::keyClick(&host, Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(quiet);
        quiet->close();
        QTRY_VERIFY(!quiet);

        ZelTrayMessage::setKeyboardShortcutsEnabled(true);
        QPointer<ZelTrayMessage> tray = ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Warning, Issue::None, {}), key);
        QVERIFY(QTest::qWaitForWindowExposed(tray));
        auto *details = tray->findChild<QPushButton *>(QStringLiteral("pushButtonDetails"));
        QSignalSpy detailsClicked(details, &QPushButton::clicked);
        QTest::keyClick(&host, Qt::Key_D, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(detailsClicked.size(), 1);
        QCOMPARE(tray->size(), ZelTrayMessage::defaultDetailedSize);
        QTest::keyClick(&host, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(ZelAbstractAppConfig::setting(key), QVariant(false));
        QTest::keyClick(&host, Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
        QTRY_VERIFY(!tray);
        ZelTrayMessage::setKeyboardShortcutsEnabled(false);
    }
};

QTEST_MAIN(tst_ZelAccessibility)
#include "tst_zelaccessibility.moc"
