// Keyboard paths beside the mouse-only ones, and what assistive tools see:
// the gallery has no unnamed control, the custom-painted widgets expose
// their handles, values, ranges and selections, and setting a value through
// them behaves as the widget's own setter does.

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
#include <QCheckBox>
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

bool isInteractive(QAccessibleInterface *iface)
{
    switch (iface->role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::EditableText:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::List:
        return true;
    default:
        break;
    }
    // Our own widgets that take the focus; Qt's containers only pass it on.
    auto *widget = qobject_cast<QWidget *>(iface->object());
    return widget && !QByteArray(widget->metaObject()->className()).startsWith('Q') && !widget->focusProxy()
        && (widget->focusPolicy() & Qt::TabFocus);
}

// Walks the accessible tree under iface and notes every interactive element
// without a name. Item views are checked themselves; their cells carry the
// model's data.
void collectUnnamed(const QWidget *root, QAccessibleInterface *iface, const QString &path, QStringList &unnamed,
                    int depth = 0)
{
    if (!iface || depth > 40)
        return;
    QObject *object = iface->object();
    // Pop-ups of combo boxes and the like are windows of their own.
    if (auto *widget = qobject_cast<QWidget *>(object); widget && depth > 0) {
        if (widget->window() != root)
            return;
        // Hidden on purpose (a tool bar's unused extension button), unlike
        // the pages of a stack, which only wait for their turn.
        if (widget->isHidden() && !qobject_cast<QStackedWidget *>(widget->parentWidget()))
            return;
        // A line edit's clear button takes no focus; the key is Escape-free
        // Ctrl+Backspace in the edit itself.
        if (widget->inherits("QLineEditIconButton"))
            return;
    }
    const QString here = path + u'/'
        + (object ? QString::fromLatin1(object->metaObject()->className()) + u':' + object->objectName()
                  : QStringLiteral("(child)"));
    if (isInteractive(iface) && iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << here;
    switch (iface->role()) {
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::List:
        return;
    default:
        break;
    }
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
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Slider);
        QVERIFY(!iface->text(QAccessible::Name).isEmpty());
        QCOMPARE(iface->childCount(), 2);
        const QStringList names{iface->child(0)->text(QAccessible::Name), iface->child(1)->text(QAccessible::Name)};
        QCOMPARE(names, (QStringList{QStringLiteral("Lower handle"), QStringLiteral("Upper handle")}));
        for (int i = 0; i < 2; ++i) {
            QAccessibleInterface *handle = iface->child(i);
            QCOMPARE(handle->parent(), iface);
            QCOMPARE(iface->indexOfChild(handle), i);
            QAccessibleValueInterface *value = valueOf(handle);
            QVERIFY(value);
            QCOMPARE(value->currentValue().toInt(), i == 0 ? 20 : 60);
            QCOMPARE(value->minimumValue().toInt(), 0);
            QCOMPARE(value->maximumValue().toInt(), 100);
            QCOMPARE(value->minimumStepSize().toInt(), 5);
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
        QTest::addColumn<int>("value");
        QTest::newRow("lower inside") << 0 << 35;
        QTest::newRow("lower past upper") << 0 << 90;
        QTest::newRow("lower below range") << 0 << -40;
        QTest::newRow("upper inside") << 1 << 80;
        QTest::newRow("upper below lower") << 1 << 5;
        QTest::newRow("upper above range") << 1 << 1000;
        QTest::newRow("upper unchanged") << 1 << 60;
    }

    void settingAHandleActsAsTheSetter()
    {
        QFETCH(int, handle);
        QFETCH(int, value);
        ZelSpanSlider accessible(Qt::Horizontal);
        ZelSpanSlider direct(Qt::Horizontal);
        setUpSpan(accessible);
        setUpSpan(direct);
        const SpanLog viaInterface(&accessible);
        const SpanLog viaSetter(&direct);
        valueOf(QAccessible::queryAccessibleInterface(&accessible)->child(handle))->setCurrentValue(value);
        if (handle == 0)
            direct.setLowerValue(value);
        else
            direct.setUpperValue(value);
        QCOMPARE(viaInterface.lines, viaSetter.lines);
        QCOMPARE(accessible.lowerValue(), direct.lowerValue());
        QCOMPARE(accessible.upperValue(), direct.upperValue());
    }

    void settingAHandleEmitsTheUsualSignals()
    {
        ZelSpanSlider slider(Qt::Horizontal);
        setUpSpan(slider);
        const SpanLog log(&slider);
        valueOf(QAccessible::queryAccessibleInterface(&slider)->child(1))->setCurrentValue(75);
        QCOMPARE(log.lines, (QStringList{QStringLiteral("upper 75"), QStringLiteral("span 20 75")}));
        // Something that is no number changes nothing.
        valueOf(QAccessible::queryAccessibleInterface(&slider)->child(0))->setCurrentValue(QStringLiteral("a lot"));
        QCOMPARE(log.lines.size(), 2);
        QCOMPARE(slider.lowerValue(), 20);
    }

    // Qt delivers accessibility events only through a platform bridge;
    // offscreen has none, so this runs where one is active (a desktop
    // session with an assistive tool).
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
        QCOMPARE(value->currentValue().toInt(), 300);
        // It lives inside the span.
        QCOMPARE(value->minimumValue().toInt(), 100);
        QCOMPARE(value->maximumValue().toInt(), 700);

        QSignalSpy changed(&slider, &ZelSpanSliderWithIntermediateValue::intermediateChanged);
        value->setCurrentValue(450);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 450);
        value->setCurrentValue(5000);
        QCOMPARE(slider.intermediateValue(), 700);
    }

    void derivedSlidersGetTheHandlesToo()
    {
        ZelVideoSlider video;
        QCOMPARE(QAccessible::queryAccessibleInterface(&video)->childCount(), 3);
    }

    void handlesAreNamedInRussian()
    {
        RussianTranslation russian;
        QVERIFY(russian.loaded);
        ZelSpanSlider slider(Qt::Horizontal);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&slider);
        QCOMPARE(iface->child(0)->text(QAccessible::Name), QStringLiteral("Нижний маркер"));
        QCOMPARE(iface->child(1)->text(QAccessible::Name), QStringLiteral("Верхний маркер"));
        ZelSpanRangeWidget range;
        QCOMPARE(range.findChild<QSpinBox *>(QStringLiteral("lowSpin"))->accessibleName(), QStringLiteral("Нижнее значение"));
        ZelRangeWidget editor;
        QCOMPARE(editor.findChild<QSlider *>()->accessibleName(), QStringLiteral("Ползунок значения"));
    }

    void thermoBarShowsRangeAndSelection()
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
        QCOMPARE(minHandle->text(QAccessible::Name), QStringLiteral("Lower end of the span"));
        QCOMPARE(maxHandle->text(QAccessible::Name), QStringLiteral("Upper end of the span"));
        QCOMPARE(valueOf(maxHandle)->currentValue().toInt(), 200);
        QCOMPARE(valueOf(maxHandle)->maximumValue().toInt(), 255);

        QSignalSpy minChanged(&bar, &ZelThermoBarSpan::spanMinChanged);
        valueOf(minHandle)->setCurrentValue(50);
        QCOMPARE(minChanged.size(), 1);
        QCOMPARE(bar.spanMin(), 50);
        // The bar's own rule still holds: the lower end never passes the upper.
        valueOf(minHandle)->setCurrentValue(230);
        QCOMPARE(bar.spanMin(), 50);
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Range 0 to 255, selection 50 to 200"));
    }

    void histogramShowsRangeAndSelection()
    {
        ZelHSLHistogram histogram;
        histogram.setComponent(ZelHSLHistogram::Saturation);
        HSLHistogram data;
        data.saturation = {{0, 1}, {128, 4}};
        data.saturationMin = 30;
        data.saturationMax = 120;
        histogram.setData(data);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&histogram);
        QCOMPARE(iface->role(), QAccessible::Chart);
        QVERIFY(!iface->text(QAccessible::Name).isEmpty());
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Range 0 to 255, selection 30 to 120"));
    }

    void trayPopUpIsANotification()
    {
        QPointer<ZelTrayMessage> tray = ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Warning, Issue::None,
                                                                                       QStringLiteral("Disk almost full")),
                                                              QString());
        QVERIFY(tray);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(tray.data());
        QCOMPARE(iface->role(), QAccessible::Notification);
        QCOMPARE(iface->text(QAccessible::Name), tray->findChild<QLabel *>(QStringLiteral("labelTitle"))->text());
        QVERIFY(!iface->text(QAccessible::Name).isEmpty());
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
        // Before it is shown, and without a label, the names say what they are.
        QCOMPARE(spin->accessibleName(), QStringLiteral("Value"));
        QCOMPARE(slider->accessibleName(), QStringLiteral("Value slider"));
        named->setAccessibleName(QStringLiteral("Gain"));
        named->findChild<QSlider *>()->setAccessibleName(QStringLiteral("Gain knob"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(spin->accessibleName(), QStringLiteral("Exposure"));
        QCOMPARE(slider->accessibleName(), QStringLiteral("Exposure"));
        QCOMPARE(named->findChild<QSpinBox *>()->accessibleName(), QStringLiteral("Gain"));
        // A name the host gave the control itself stays.
        QCOMPARE(named->findChild<QSlider *>()->accessibleName(), QStringLiteral("Gain knob"));
        // A later name of the editor reaches its controls when it shows again.
        form.hide();
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
        QVERIFY(!low->accessibleName().isEmpty() && !high->accessibleName().isEmpty());
        QSignalSpy visible(&widget, &ZelSpanRangeWidget::settingsVisibleChanged);
        QSignalSpy span(&widget, &ZelSpanRangeWidget::spanChanged);

        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_F2);
        QCOMPARE(visible.size(), 1);
        QVERIFY(low->isVisible() && high->isVisible());
        QTRY_VERIFY(low->hasFocus());
        // Typed and confirmed without the mouse.
        low->selectAll();
        QTest::keyClicks(low, QStringLiteral("25"));
        QTest::keyClick(low, Qt::Key_Tab);
        QTRY_VERIFY(high->hasFocus());
        QCOMPARE(widget.lowerValue(), 25);
        QCOMPARE(span.last(), (QVariantList{25, 40}));

        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_F2);
        QCOMPARE(visible.size(), 2);
        QVERIFY(low->isHidden() && high->isHidden());
        // Other keys still move the span.
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
        // Opened over the current column's section.
        const int middle = header->sectionViewportPosition(2) + header->sectionSize(2) / 2;
        QCOMPARE(menu->pos().x(), header->mapToGlobal(QPoint(middle, 0)).x());

        // Operated with keys alone: the first entry hides column 0.
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
