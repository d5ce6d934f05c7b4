// The zoom value controls: the preset menu button, the GOST scale list and
// the percent spin box, driven by real clicks and keys.

#include <ZelGui/ZelZoomComboBox.h>
#include <ZelGui/ZelZoomGOSTComboBox.h>
#include <ZelGui/ZelZoomSpinBox.h>

#include <ZelCore/ZoomDefs.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>
#include <QVBoxLayout>

#include <limits>

using ZoomList = QList<double>;

namespace {

const double nanZoom = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

// Every zoomChanged() of a control, in order.
template<class Control>
ZoomList *recordZooms(Control *control)
{
    auto *zooms = new ZoomList;
    QObject::connect(control, &Control::zoomChanged, control, [zooms](double z) { zooms->append(z); });
    QObject::connect(control, &QObject::destroyed, [zooms] { delete zooms; });
    return zooms;
}

// NaN never equals itself; compare zoom lists element by element.
bool sameZooms(const ZoomList &a, const ZoomList &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (!(a.at(i) == b.at(i) || (qIsNaN(a.at(i)) && qIsNaN(b.at(i)))))
            return false;
    }
    return true;
}

QMenu *openMenu(QWidget *button)
{
    const QList<QMenu *> menus = button->findChildren<QMenu *>();
    for (QMenu *menu : menus) {
        if (menu->isVisible())
            return menu;
    }
    return nullptr;
}

QAction *actionWithData(QMenu *menu, double zoom)
{
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (action->data().toDouble() == zoom)
            return action;
    }
    return nullptr;
}

// A click that goes through the window system, so that a right click also
// produces the context-menu event it does for a user.
void windowClick(QWidget *widget, Qt::MouseButton button, QPoint pos)
{
    QWidget *window = widget->window();
    QTest::mouseClick(window->windowHandle(), button, {}, widget->mapTo(window, pos));
}

} // namespace

class tst_ZelZoom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    // ZelZoomComboBox
    void comboStartsAtOneHundredPercent();
    void comboShowsRoundedStoresExact_data();
    void comboShowsRoundedStoresExact();
    void comboAnnouncesEverySetAndIgnoresReentry();
    void comboGivesUpTheFocus();
    void comboClickOffersPresetsAndAdoptsTheChoice();
    void comboMenuChecksOnlyAMatchingPreset_data();
    void comboMenuChecksOnlyAMatchingPreset();
    void comboRightClickPopsUpAtThePointer();
    void comboMenusDoNotPileUp();
    void comboIgnoresSendersWithoutZoom();

    // ZelZoomGOSTComboBox
    void gostListsTheStandardScales();
    void gostStartsAtOneToOne();
    void gostSetZoomSelectsOnlyListedScales_data();
    void gostSetZoomSelectsOnlyListedScales();
    void gostWithoutCurrentItemHasNoZoom();
    void gostUserChoiceAnnouncesTheScale();

    // ZelZoomSpinBox
    void spinStartsAtOneHundredPercent();
    void spinSetZoomValidatesAndAnnounces_data();
    void spinSetZoomValidatesAndAnnounces();
    void spinUserInputAnnouncesEachAdoptedZoom();
    void spinIgnoresReentry();

private:
    QWidget *m_window = nullptr;
};

void tst_ZelZoom::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_ZelZoom::init()
{
    // The offscreen platform reports what it cannot do for pop-ups; any
    // other warning is a failure.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
    m_window = new QWidget;
    m_window->setLayout(new QVBoxLayout);
    m_window->move(100, 100);
}

void tst_ZelZoom::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void tst_ZelZoom::comboStartsAtOneHundredPercent()
{
    ZelZoomComboBox combo;
    QCOMPARE(combo.zoom(), 1.0);
    QCOMPARE(combo.text(), ZoomDefs::zoomValueToText(1.0));
    QCOMPARE(combo.minimumWidth(), 50);
    QCOMPARE(combo.maximumWidth(), 50);
    QCOMPARE(combo.sizePolicy(), QSizePolicy());
}

void tst_ZelZoom::comboShowsRoundedStoresExact_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("shown");

    QTest::newRow("four decimals") << 1.2345 << 1.23;
    QTest::newRow("below half a hundredth") << 0.004 << 0.0;
    QTest::newRow("half a hundredth rounds up") << 0.005 << 0.01;
    QTest::newRow("preset between hundredths") << 0.125 << 0.13;
    QTest::newRow("negative rounds away from zero") << -1.2355 << -1.24;
    QTest::newRow("exact") << 2.0 << 2.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("huge") << 1e300 << 1e300;
    QTest::newRow("nan") << nanZoom << nanZoom;
    QTest::newRow("inf") << inf << inf;
    QTest::newRow("-inf") << -inf << -inf;
}

void tst_ZelZoom::comboShowsRoundedStoresExact()
{
    QFETCH(double, zoom);
    QFETCH(double, shown);

    ZelZoomComboBox combo;
    ZoomList *zooms = recordZooms(&combo);
    combo.setZoom(zoom);
    QCOMPARE(combo.text(), ZoomDefs::zoomValueToText(shown));
    QVERIFY(sameZooms({combo.zoom()}, {zoom}));
    QVERIFY2(sameZooms(*zooms, {zoom}), "the unrounded zoom is announced once");
}

void tst_ZelZoom::comboAnnouncesEverySetAndIgnoresReentry()
{
    ZelZoomComboBox combo;
    ZoomList *zooms = recordZooms(&combo);
    QSignalSpy spy(&combo, &ZelZoomComboBox::zoomChanged);

    combo.setZoom(1.0);
    combo.setZoom(1.0);
    QCOMPARE(*zooms, ZoomList({1.0, 1.0}));

    // A listener that answers with another zoom is not heard while the
    // button is announcing.
    connect(&combo, &ZelZoomComboBox::zoomChanged, &combo, [&combo](double z) { combo.setZoom(z * 2.0); });
    zooms->clear();
    combo.setZoom(3.0);
    QCOMPARE(*zooms, ZoomList({3.0}));
    QCOMPARE(combo.zoom(), 3.0);
    QCOMPARE(combo.text(), ZoomDefs::zoomValueToText(3.0));
    QCOMPARE(spy.count(), 3);
}

void tst_ZelZoom::comboGivesUpTheFocus()
{
    auto *edit = new QLineEdit(m_window);
    auto *combo = new ZelZoomComboBox(m_window);
    m_window->layout()->addWidget(edit);
    m_window->layout()->addWidget(combo);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));

    combo->setFocus();
    QTRY_VERIFY(combo->hasFocus());
    combo->setZoom(2.0);
    QVERIFY(!combo->hasFocus());

    // Also when the call is ignored because the button is announcing.
    connect(combo, &ZelZoomComboBox::zoomChanged, combo, [combo] {
        combo->setFocus();
        combo->setZoom(5.0);
    });
    combo->setZoom(4.0);
    QVERIFY(!combo->hasFocus());
    QCOMPARE(combo->zoom(), 4.0);
}

void tst_ZelZoom::comboClickOffersPresetsAndAdoptsTheChoice()
{
    auto *combo = new ZelZoomComboBox(m_window);
    m_window->layout()->addWidget(combo);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    ZoomList *zooms = recordZooms(combo);

    QTest::mouseClick(combo, Qt::LeftButton, {}, combo->rect().center());
    QMenu *menu = openMenu(combo);
    QVERIFY(menu);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QCOMPARE(menu->pos(), combo->mapToGlobal(QPoint(0, 0)));
    QVERIFY2(zooms->isEmpty(), "opening the menu announces nothing");

    const ZoomList presets = ZoomDefs::zoomKeyValues();
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.size(), presets.size());
    for (int i = 0; i < presets.size(); ++i) {
        QAction *action = actions.at(i);
        QCOMPARE(action->text(), ZoomDefs::zoomValueToText(presets.at(i)));
        QCOMPARE(action->data().userType(), QMetaType::Double);
        QCOMPARE(action->data().toDouble(), presets.at(i));
        QVERIFY(action->isCheckable());
        QCOMPARE(action->isChecked(), presets.at(i) == 1.0);
    }

    QAction *twice = actionWithData(menu, 2.0);
    QVERIFY(twice);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(twice).center());
    QCOMPARE(*zooms, ZoomList({2.0}));
    QCOMPARE(combo->zoom(), 2.0);
    QCOMPARE(combo->text(), ZoomDefs::zoomValueToText(2.0));
    QTRY_VERIFY(combo->findChildren<QMenu *>().isEmpty());

    // The next menu is built afresh and checks the new zoom.
    QTest::mouseClick(combo, Qt::LeftButton, {}, combo->rect().center());
    menu = openMenu(combo);
    QVERIFY(menu);
    for (QAction *action : menu->actions())
        QCOMPARE(action->isChecked(), action->data().toDouble() == 2.0);
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(combo->findChildren<QMenu *>().isEmpty());
    QCOMPARE(*zooms, ZoomList({2.0}));
}

void tst_ZelZoom::comboMenuChecksOnlyAMatchingPreset_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("checked"); // NaN: no entry checked

    QTest::newRow("preset") << 0.25 << 0.25;
    QTest::newRow("preset within fuzz") << 4.0 * (1.0 + 1e-14) << 4.0;
    QTest::newRow("close but not fuzzy equal") << 4.0 * (1.0 + 1e-9) << nanZoom;
    QTest::newRow("no preset") << 1.23 << nanZoom;
    QTest::newRow("nan") << nanZoom << nanZoom;
    QTest::newRow("zero") << 0.0 << nanZoom;
}

void tst_ZelZoom::comboMenuChecksOnlyAMatchingPreset()
{
    QFETCH(double, zoom);
    QFETCH(double, checked);

    auto *combo = new ZelZoomComboBox(m_window);
    m_window->layout()->addWidget(combo);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    combo->setZoom(zoom);

    QTest::mouseClick(combo, Qt::LeftButton, {}, combo->rect().center());
    QMenu *menu = openMenu(combo);
    QVERIFY(menu);
    ZoomList checkedZooms;
    for (QAction *action : menu->actions()) {
        if (action->isChecked())
            checkedZooms.append(action->data().toDouble());
    }
    QCOMPARE(checkedZooms, qIsNaN(checked) ? ZoomList() : ZoomList({checked}));
    menu->close();
}

void tst_ZelZoom::comboRightClickPopsUpAtThePointer()
{
    auto *combo = new ZelZoomComboBox(m_window);
    m_window->layout()->addWidget(combo);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    ZoomList *zooms = recordZooms(combo);

    const QPoint point = combo->rect().center() + QPoint(3, 2);
    windowClick(combo, Qt::RightButton, point);
    QMenu *menu = openMenu(combo);
    QVERIFY(menu);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QCOMPARE(menu->pos(), combo->mapToGlobal(point));

    QAction *quarter = actionWithData(menu, 0.25);
    QVERIFY(quarter);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(quarter).center());
    QCOMPARE(*zooms, ZoomList({0.25}));
    QCOMPARE(combo->text(), ZoomDefs::zoomValueToText(0.25));
}

void tst_ZelZoom::comboMenusDoNotPileUp()
{
    auto *combo = new ZelZoomComboBox(m_window);
    m_window->layout()->addWidget(combo);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    for (int i = 0; i < 5; ++i) {
        QTest::mouseClick(combo, Qt::LeftButton, {}, combo->rect().center());
        QMenu *menu = openMenu(combo);
        QVERIFY(menu);
        QCOMPARE(combo->findChildren<QMenu *>().size(), 1);
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(combo->findChildren<QMenu *>().isEmpty());
    }
    // Menus opened from code go the same way.
    combo->setupMenu(combo->mapToGlobal(QPoint(0, 0)));
    QMenu *menu = openMenu(combo);
    QVERIFY(menu);
    menu->close();
    QTRY_VERIFY(combo->findChildren<QMenu *>().isEmpty());
}

void tst_ZelZoom::comboIgnoresSendersWithoutZoom()
{
    ZelZoomComboBox combo;
    ZoomList *zooms = recordZooms(&combo);

    // Called directly, and by actions without a number in their data.
    QVERIFY(QMetaObject::invokeMethod(&combo, "setZoomText"));
    QAction noData;
    QAction text;
    text.setData(QStringLiteral("large"));
    QAction number;
    number.setData(0.5);
    for (QAction *action : {&noData, &text, &number}) {
        QVERIFY(connect(action, SIGNAL(triggered()), &combo, SLOT(setZoomText())));
        action->trigger();
    }
    QCOMPARE(*zooms, ZoomList({0.5}));
    QCOMPARE(combo.zoom(), 0.5);
}

void tst_ZelZoom::gostListsTheStandardScales()
{
    struct Row
    {
        const char *text;
        double zoom;
    };
    const Row table[] = {
        {"100:1", 0.01}, {"50:1", 0.02},   {"40:1", 0.025},   {"20:1", 0.05},    {"10:1", 0.1},
        {"5:1", 0.2},    {"4:1", 0.25},    {"2,5:1", 0.4},    {"2:1", 0.5},      {"1:1", 1.0},
        {"1:2", 2.0},    {"1:2,5", 2.5},   {"1:4", 4.0},      {"1:5", 5.0},      {"1:10", 10.0},
        {"1:15", 15.0},  {"1:20", 20.0},   {"1:25", 25.0},    {"1:40", 40.0},    {"1:50", 50.0},
        {"1:75", 75.0},  {"1:100", 100.0}, {"1:200", 200.0},  {"1:400", 400.0},  {"1:500", 500.0},
        {"1:800", 800.0}, {"1:1000", 1000.0},
    };
    ZelZoomGOSTComboBox combo;
    QCOMPARE(combo.count(), int(std::size(table)));
    for (int i = 0; i < combo.count(); ++i) {
        QCOMPARE(combo.itemText(i), QLatin1String(table[i].text));
        const QVariant data = combo.itemData(i, Qt::UserRole);
        QCOMPARE(data.userType(), QMetaType::Double);
        QCOMPARE(data.toDouble(), table[i].zoom);
    }
}

void tst_ZelZoom::gostStartsAtOneToOne()
{
    ZelZoomGOSTComboBox combo;
    QCOMPARE(combo.currentIndex(), 9);
    QCOMPARE(combo.currentText(), QStringLiteral("1:1"));
    QCOMPARE(combo.zoom(), 1.0);
}

void tst_ZelZoom::gostSetZoomSelectsOnlyListedScales_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QString>("text");
    QTest::addColumn<ZoomList>("emitted");

    QTest::newRow("listed") << 0.4 << "2,5:1" << ZoomList{0.4};
    QTest::newRow("listed within fuzz") << 0.4 * (1.0 + 1e-14) << "2,5:1" << ZoomList{0.4};
    QTest::newRow("largest") << 1000.0 << "1:1000" << ZoomList{1000.0};
    QTest::newRow("smallest") << 0.01 << "100:1" << ZoomList{0.01};
    QTest::newRow("current") << 1.0 << "1:1" << ZoomList{};
    QTest::newRow("not listed") << 3.0 << "1:1" << ZoomList{};
    QTest::newRow("nan") << nanZoom << "1:1" << ZoomList{};
    QTest::newRow("inf") << inf << "1:1" << ZoomList{};
    QTest::newRow("zero") << 0.0 << "1:1" << ZoomList{};
    QTest::newRow("negative") << -2.0 << "1:1" << ZoomList{};
}

void tst_ZelZoom::gostSetZoomSelectsOnlyListedScales()
{
    QFETCH(double, zoom);
    QFETCH(QString, text);
    QFETCH(ZoomList, emitted);

    ZelZoomGOSTComboBox combo;
    ZoomList *zooms = recordZooms(&combo);
    combo.setZoom(zoom);
    QCOMPARE(combo.currentText(), text);
    QCOMPARE(*zooms, emitted);
}

void tst_ZelZoom::gostWithoutCurrentItemHasNoZoom()
{
    ZelZoomGOSTComboBox combo;
    ZoomList *zooms = recordZooms(&combo);
    combo.setCurrentIndex(-1);
    QVERIFY(qIsNaN(combo.zoom()));
    QVERIFY(zooms->isEmpty());

    combo.clear();
    combo.setZoom(1.0);
    QVERIFY(qIsNaN(combo.zoom()));
    QVERIFY(zooms->isEmpty());
}

void tst_ZelZoom::gostUserChoiceAnnouncesTheScale()
{
    auto *combo = new ZelZoomGOSTComboBox(m_window);
    m_window->layout()->addWidget(combo);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    ZoomList *zooms = recordZooms(combo);

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(*zooms, ZoomList({2.0, 2.5, 2.0}));

    // Through the popup list.
    zooms->clear();
    QTest::mouseClick(combo, Qt::LeftButton, {}, combo->rect().center());
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex scale = combo->model()->index(7, 0);
    view->scrollTo(scale);
    // The popup ignores releases for a double-click interval after opening,
    // so that the opening click does not choose an item.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QPoint point = view->visualRect(scale).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(*zooms, ZoomList({0.4}));
    QCOMPARE(combo->zoom(), 0.4);
}

void tst_ZelZoom::spinStartsAtOneHundredPercent()
{
    ZelZoomSpinBox spin;
    QCOMPARE(spin.value(), 100);
    QCOMPARE(spin.suffix(), QStringLiteral("%"));
    QCOMPARE(spin.text(), QStringLiteral("100%"));
    QCOMPARE(spin.minimum(), 10);
    QCOMPARE(spin.maximum(), 3200);
    QCOMPARE(spin.zoom(), 1.0);
}

void tst_ZelZoom::spinSetZoomValidatesAndAnnounces_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("adopted");
    QTest::addColumn<int>("percent");
    QTest::addColumn<ZoomList>("emitted");

    QTest::newRow("inside") << 2.0 << 2.0 << 200 << ZoomList{2.0};
    QTest::newRow("current") << 1.0 << 1.0 << 100 << ZoomList{};
    QTest::newRow("percent truncated") << 0.125 << 0.125 << 12 << ZoomList{0.125};
    QTest::newRow("binary representation") << 0.29 << 0.29 << 29 << ZoomList{0.29};
    QTest::newRow("fraction of a percent") << 1.2399 << 1.2399 << 123 << ZoomList{1.2399};
    QTest::newRow("below the minimum") << 0.05 << 0.1 << 10 << ZoomList{0.1};
    QTest::newRow("above the maximum") << 40.0 << 32.0 << 3200 << ZoomList{32.0};
    QTest::newRow("zero") << 0.0 << 0.1 << 10 << ZoomList{0.1};
    QTest::newRow("negative") << -3.0 << 0.1 << 10 << ZoomList{0.1};
    QTest::newRow("inf") << inf << 32.0 << 3200 << ZoomList{32.0};
    QTest::newRow("-inf") << -inf << 0.1 << 10 << ZoomList{0.1};
    // NaN differs from every zoom, so it is adopted, as 1.0, and announced.
    QTest::newRow("nan") << nanZoom << 1.0 << 100 << ZoomList{1.0};
}

void tst_ZelZoom::spinSetZoomValidatesAndAnnounces()
{
    QFETCH(double, zoom);
    QFETCH(double, adopted);
    QFETCH(int, percent);
    QFETCH(ZoomList, emitted);

    ZelZoomSpinBox spin;
    ZoomList *zooms = recordZooms(&spin);
    QSignalSpy values(&spin, &QSpinBox::valueChanged);
    spin.setZoom(zoom);
    QCOMPARE(spin.zoom(), adopted);
    QCOMPARE(spin.value(), percent);
    QCOMPARE(*zooms, emitted);
    QCOMPARE(values.count(), percent == 100 ? 0 : 1);
}

void tst_ZelZoom::spinUserInputAnnouncesEachAdoptedZoom()
{
    auto *spin = new ZelZoomSpinBox(m_window);
    m_window->layout()->addWidget(spin);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    ZoomList *zooms = recordZooms(spin);
    spin->setFocus();

    QTest::keyClick(spin, Qt::Key_Up);
    QTest::keyClick(spin, Qt::Key_PageUp);
    QCOMPARE(*zooms, ZoomList({1.01, 1.11}));
    QCOMPARE(spin->zoom(), 1.11);

    // Typing: "2" is no value yet, "25" already is one.
    zooms->clear();
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("250"));
    QTest::keyClick(spin, Qt::Key_Enter);
    QCOMPARE(*zooms, ZoomList({0.25, 2.5}));
    QCOMPARE(spin->value(), 250);

    // Digits beyond the range are refused; a number too small to be a zoom
    // yet is no value, and Enter falls back to the previous one.
    zooms->clear();
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("9999"));
    QCOMPARE(spin->value(), 999);
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("5"));
    QTest::keyClick(spin, Qt::Key_Enter);
    QCOMPARE(spin->value(), 999);
    QCOMPARE(*zooms, ZoomList({0.99, 9.99}));
    QCOMPARE(spin->zoom(), 9.99);
}

void tst_ZelZoom::spinIgnoresReentry()
{
    ZelZoomSpinBox spin;
    ZoomList *zooms = recordZooms(&spin);
    connect(&spin, &ZelZoomSpinBox::zoomChanged, &spin, [&spin](double z) { spin.setZoom(z * 2.0); });
    spin.setZoom(2.0);
    QCOMPARE(*zooms, ZoomList({2.0}));
    QCOMPARE(spin.value(), 200);
    QCOMPARE(spin.zoom(), 2.0);

    // The same from a key press.
    spin.setValue(300);
    QCOMPARE(*zooms, ZoomList({2.0, 3.0}));
    QCOMPARE(spin.value(), 300);
}

QTEST_MAIN(tst_ZelZoom)
#include "tst_zelzoom.moc"
