// What assistive tools see (no unnamed control in the gallery; roles, names,
// values, ranges and selections of painted widgets, set as the setters do) and
// keyboard paths beside the mouse-only ones.

#include "GalleryPage.h"
#include "pages.h"
#include "zelgui_testhelpers.h"

#include <ZelGui/ZelHSLHistogram.h>
#include <ZelGui/ZelHSLThermoBar.h>
#include <ZelGui/ZelHorizontalHeaderView.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/ZelSpanRangeWidget.h>
#include <ZelGui/ZelTrayMessage.h>
#include <ZelGui/ZelVideoSlider.h>

#include <QtTest>
#include <QtWidgets>

namespace {

// Value changes raised since the test began, as "name=value".
QStringList g_valueEvents;

void recordEvent(QAccessibleEvent *event)
{
    if (event->type() != QAccessible::ValueChanged)
        return;
    QAccessibleInterface *iface = event->accessibleInterface();
    const auto *change = static_cast<QAccessibleValueChangeEvent *>(event);
    g_valueEvents << (iface ? iface->text(QAccessible::Name) : QStringLiteral("?")) + u'=' + change->value().toString();
}

const QList<QAccessible::Role> itemViews{QAccessible::Table, QAccessible::Tree, QAccessible::List};

bool isInteractive(QAccessibleInterface *iface)
{
    static const QList<QAccessible::Role> controls{
        QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton,  QAccessible::ComboBox,   QAccessible::SpinBox,
        QAccessible::Slider,     QAccessible::Dial,     QAccessible::EditableText, QAccessible::ButtonMenu, QAccessible::ButtonDropDown};
    if (controls.contains(iface->role()) || itemViews.contains(iface->role()))
        return true;
    // Our own widgets that take the focus; Qt's containers only pass it on.
    auto *widget = qobject_cast<QWidget *>(iface->object());
    return widget && !QByteArray(widget->metaObject()->className()).startsWith('Q') && !widget->focusProxy()
        && (widget->focusPolicy() & Qt::TabFocus);
}

// Notes every unnamed interactive element under iface; item views' cells carry the model's data.
void collectUnnamed(const QWidget *root, QAccessibleInterface *iface, QStringList &unnamed, int depth = 0)
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
    if (isInteractive(iface) && iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << root->metaObject()->className() + (u'/' + QString(object ? object->metaObject()->className() : "?"));
    if (itemViews.contains(iface->role()))
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        collectUnnamed(root, iface->child(i), unnamed, depth + 1);
}

// The custom-painted widgets, each with a range and a selection.
QWidget *makePainted(const QString &kind)
{
    if (kind.endsWith(QLatin1String("slider"))) {
        // The video slider derives from the intermediate-value one.
        ZelSpanSlider *slider = kind == QLatin1String("span slider") ? new ZelSpanSlider(Qt::Horizontal) : new ZelVideoSlider;
        slider->setRange(0, 100);
        slider->setSingleStep(5);
        slider->setSpan(20, 60);
        if (auto *intermediate = qobject_cast<ZelSpanSliderWithIntermediateValue *>(slider))
            intermediate->setIntermediateValue(30);
        return slider;
    }
    if (kind == QLatin1String("thermo bar")) {
        auto *bar = new ZelThermoBarSpan;
        bar->setRange({0, 255});
        bar->setSpanMax(200);
        bar->setSpanMin(10);
        return bar;
    }
    if (kind == QLatin1String("histogram")) {
        auto *histogram = new ZelHSLHistogram;
        histogram->setComponent(ZelHSLHistogram::Saturation);
        HSLHistogram data;
        data.saturationMin = 30;
        data.saturationMax = 120;
        histogram->setData(data);
        return histogram;
    }
    return ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Warning, Issue::None, QStringLiteral("Disk almost full")), QString());
}

// Role, name, description or value text, and the numbers of a value interface.
QString describe(QAccessibleInterface *iface)
{
    QStringList parts{QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(iface->role()))};
    for (QAccessible::Text text : {QAccessible::Name, QAccessible::Description, QAccessible::Value}) {
        if (!iface->text(text).isEmpty())
            parts << iface->text(text);
    }
    if (QAccessibleValueInterface *v = iface->valueInterface()) {
        parts << QStringLiteral("%1 in %2..%3 by %4")
                     .arg(v->currentValue().toString(), v->minimumValue().toString(), v->maximumValue().toString(),
                          v->minimumStepSize().toString());
    }
    return parts.join(QStringLiteral(" | "));
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
    void init() { g_valueEvents.clear(); }
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
            collectUnnamed(page, QAccessible::queryAccessibleInterface(page), unnamed);
        }
        qDeleteAll(pages);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
    }

    // The widget, then each part with a value; hit-testing finds each part where it is drawn.
    void paintedWidgetsShowRolesNamesAndValues_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("expected");
        const QStringList span{"Slider | Span slider | 20 to 60", "Slider | Lower handle | 20 | 20 in 0..100 by 5",
                               "Slider | Upper handle | 60 | 60 in 0..100 by 5"};
        QTest::newRow("span slider") << "span slider" << span;
        // The intermediate value lives inside the span.
        QTest::newRow("video slider") << "video slider" << span + QStringList{"Slider | Intermediate value | 30 | 30 in 20..60 by 5"};
        QTest::newRow("thermo bar") << "thermo bar"
                                    << QStringList{"Graphic | Colour bar | Range 0 to 255, selection 10 to 200",
                                                   "Slider | Lower end of the span | Value: 10 | 10 | 10 in 0..255 by 1",
                                                   "Slider | Upper end of the span | Value: 200 | 200 | 200 in 0..255 by 1"};
        QTest::newRow("histogram") << "histogram" << QStringList{"Chart | Histogram | Range 0 to 255, selection 30 to 120"};
        // Named by its title line, which counts down the seconds left.
        QTest::newRow("tray") << "tray" << QStringList{"Notification | %1 | Disk almost full"};
    }

    void paintedWidgetsShowRolesNamesAndValues()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, expected);
        std::unique_ptr<QWidget> widget(makePainted(kind));
        widget->resize(widget->sizeHint().expandedTo(QSize(300, 40)));
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget.get());
        QStringList shown{describe(iface)};
        QList<QAccessibleValueInterface *> values;
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface *part = iface->child(i);
            if (!part->valueInterface())
                continue;
            shown << describe(part);
            values << part->valueInterface();
            QCOMPARE(iface->childAt(part->rect().center().x(), part->rect().center().y()), part);
        }
        if (auto *title = widget->findChild<QLabel *>(QStringLiteral("labelTitle")))
            expected.first() = expected.first().arg(title->text());
        QCOMPARE(shown, expected);
        // Setting goes through the widget's setter: a step moves the part, a word is ignored.
        for (QAccessibleValueInterface *value : std::as_const(values)) {
            const int next = value->currentValue().toInt() + value->minimumStepSize().toInt();
            value->setCurrentValue(next);
            value->setCurrentValue(QStringLiteral("a lot"));
            QCOMPARE(value->currentValue().toInt(), next);
        }
    }

    // Through the interface a handle moves as through its setter: the same signals, the same bounds.
    void handleSetThroughTheInterfaceActsLikeTheSetter()
    {
        std::unique_ptr<QWidget> widget(makePainted(QStringLiteral("span slider")));
        auto *slider = static_cast<ZelSpanSlider *>(widget.get());
        QStringList log;
        connect(slider, &ZelSpanSlider::lowerValueChanged, this, [&](int v) { log << QStringLiteral("lower %1").arg(v); });
        connect(slider, &ZelSpanSlider::upperValueChanged, this, [&](int v) { log << QStringLiteral("upper %1").arg(v); });
        connect(slider, &ZelSpanSlider::spanChanged, this, [&](int l, int u) { log << QStringLiteral("span %1 %2").arg(l).arg(u); });
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(slider);
        for (int i = 0; i < iface->childCount(); ++i) {
            if (iface->child(i)->text(QAccessible::Name) == QLatin1String("Lower handle"))
                iface->child(i)->valueInterface()->setCurrentValue(80); // past the upper handle
        }
        const QStringList viaInterface = std::exchange(log, {});
        slider->setSpan(20, 60);
        log.clear();
        slider->setLowerValue(80);
        QVERIFY(!log.isEmpty());
        QCOMPARE(viaInterface, log);

        // Only the handle the mouse holds reads as pressed.
        slider->setSpan(20, 60);
        slider->show();
        QVERIFY(QTest::qWaitForWindowExposed(slider));
        QAccessibleInterface *lower = iface->child(0);
        QAccessibleInterface *upper = iface->child(1);
        QCOMPARE(upper->text(QAccessible::Name), QStringLiteral("Upper handle"));
        QTest::mousePress(slider, Qt::LeftButton, {}, slider->mapFromGlobal(upper->rect().center()));
        QVERIFY(upper->state().pressed);
        QVERIFY(!lower->state().pressed);
        QTest::mouseRelease(slider, Qt::LeftButton, {}, slider->mapFromGlobal(upper->rect().center()));
        QVERIFY(!upper->state().pressed);
    }

    // Events need a platform bridge (a desktop session with an assistive tool); offscreen has none.
    void valueChangesAreAnnounced()
    {
        if (!QAccessible::isActive())
            QSKIP("this platform has no accessibility bridge");
        std::unique_ptr<QWidget> widget(makePainted(QStringLiteral("video slider")));
        auto *slider = static_cast<ZelSpanSliderWithIntermediateValue *>(widget.get());
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(slider);
        slider->setLowerValue(25);
        iface->child(2)->valueInterface()->setCurrentValue(45);
        QTest::keyClick(slider, Qt::Key_End);
        QCOMPARE(g_valueEvents,
                 (QStringList{QStringLiteral("Lower handle=25"), QStringLiteral("Intermediate value=45"),
                              QStringLiteral("Intermediate value=60")}));
    }

    // The buddy label's text, without mnemonic and colon, unless the host named the control itself.
    void rangeEditorControlsTakeTheBuddysName()
    {
        QWidget form;
        auto *label = new QLabel(QStringLiteral("&Exposure:"), &form);
        auto *editor = new ZelRangeWidget(&form);
        label->setBuddy(editor);
        auto *spin = editor->findChild<QSpinBox *>();
        auto *slider = editor->findChild<QSlider *>();
        slider->setAccessibleName(QStringLiteral("Exposure knob"));
        QCOMPARE(spin->accessibleName(), QStringLiteral("Value"));
        form.show();
        QCOMPARE((QStringList{spin->accessibleName(), slider->accessibleName()}), (QStringList{"Exposure", "Exposure knob"}));
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
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_F2);
        QTRY_VERIFY(low->hasFocus());
        low->selectAll();
        QTest::keyClicks(low, QStringLiteral("25"));
        QTest::keyClick(low, Qt::Key_Tab);
        QCOMPARE(widget.lowerValue(), 25); // typed and confirmed without the mouse
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_F2);
        QVERIFY(low->isHidden());
    }

    void shiftF10OpensTheColumnMenu()
    {
        QStandardItemModel model(3, 4);
        QTableView view;
        auto *header = new ZelHorizontalHeaderView(QByteArrayLiteral("a11y"), Qt::Horizontal, &view);
        view.setHorizontalHeader(header);
        view.setModel(&model);
        view.resize(500, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setFocus();
        view.setCurrentIndex(model.index(1, 2));
        QTest::keyClick(&view, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        const int middle = header->sectionViewportPosition(2) + header->sectionSize(2) / 2;
        QCOMPARE(menu->pos().x(), header->mapToGlobal(QPoint(middle, 0)).x()); // over the current column
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QVERIFY(header->isSectionHidden(0));
    }

    void trayAnswersKeysWhenAsked()
    {
        QMainWindow host;
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        // Off by default: the keys stay the host's.
        QPointer<ZelTrayMessage> quiet = ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Warning, Issue::None, {}), {});
        QVERIFY(QTest::qWaitForWindowExposed(quiet));
        QTest::keyClick(&host, Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
        QCoreApplication::processEvents();
        QVERIFY(quiet && quiet->isVisible());
        delete quiet;
        ZelTrayMessage::setKeyboardShortcutsEnabled(true);
        QPointer<ZelTrayMessage> tray = ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Warning, Issue::None, {}), {});
        QVERIFY(QTest::qWaitForWindowExposed(tray));
        QSignalSpy details(tray->findChild<QPushButton *>(QStringLiteral("pushButtonDetails")), &QPushButton::clicked);
        QTest::keyClick(&host, Qt::Key_D, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(details.size(), 1);
        QTest::keyClick(&host, Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
        QTRY_VERIFY(!tray);
    }
};

QTEST_MAIN(tst_ZelAccessibility)
#include "tst_zelaccessibility.moc"
