// The logarithmic zoom slider and the zoom toolbar: mapping and rounding,
// the range, the round trip between the toolbar's children, the actions and
// their shortcuts, and what one user action announces.

#include <ZelGui/ZelZoomComboBox.h>
#include <ZelGui/ZelZoomSlider.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <ZelCore/ZelCore.h>
#include <ZelCore/ZoomDefs.h>

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

using ZoomList = QList<double>;

namespace {

const double nanZoom = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();
constexpr int farthestPosition = std::numeric_limits<int>::max() - 1;

template<class Control>
ZoomList *recordZooms(Control *control)
{
    auto *zooms = new ZoomList;
    QObject::connect(control, &Control::zoomChanged, control, [zooms](double z) { zooms->append(z); });
    QObject::connect(control, &QObject::destroyed, [zooms] { delete zooms; });
    return zooms;
}

QStyleOptionSlider sliderOption(const QSlider *slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    option.upsideDown = slider->invertedAppearance();
    option.tickPosition = slider->tickPosition();
    return option;
}

QRect handleRect(const QSlider *slider)
{
    const QStyleOptionSlider option = sliderOption(slider);
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
}

QRect grooveRect(const QSlider *slider)
{
    const QStyleOptionSlider option = sliderOption(slider);
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider);
}

// Drags the handle of a horizontal slider so that its centre lands at x.
void dragHandleTo(QSlider *slider, int x)
{
    const QPoint grip = handleRect(slider).center();
    QTest::mousePress(slider, Qt::LeftButton, {}, grip);
    QTest::mouseMove(slider, QPoint(x, grip.y()));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(x, grip.y()));
}

void pressStandardKey(QWidget *widget, QKeySequence::StandardKey key)
{
    const QKeyCombination combination = QKeySequence(key)[0];
    QTest::keyClick(widget, combination.key(), combination.keyboardModifiers());
}

} // namespace

class tst_ZelZoomToolbar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    // ZelZoomSlider
    void sliderStartsAtOne();
    void sliderMapsZoomsLogarithmically_data();
    void sliderMapsZoomsLogarithmically();
    void sliderAnnouncesRoundedZooms_data();
    void sliderAnnouncesRoundedZooms();
    void sliderSetZoomMovesOnlyWhenNeeded_data();
    void sliderSetZoomMovesOnlyWhenNeeded();
    void sliderMinZoomLowersTheRangeSilently_data();
    void sliderMinZoomLowersTheRangeSilently();
    void sliderDragReachesBothEnds();

    // ZelZoomToolbar
    void toolbarFormAndActions();
    void toolbarIsTranslated();
    void toolbarValidatesAndEnablesActions_data();
    void toolbarValidatesAndEnablesActions();
    void toolbarSetZoomRoundTrip_data();
    void toolbarSetZoomRoundTrip();
    void toolbarSliderDragKeepsChildrenInStep();
    void toolbarSliderKeysStepTheZoom();
    void toolbarMenuChoiceBringsTheSliderAlong();
    void toolbarButtonsAndShortcutsWalkThePresets();
    void toolbarShortcutsNeedTheFocusInside();
    void toolbarMinZoom_data();
    void toolbarMinZoom();
    void toolbarStep_data();
    void toolbarStep();
    void toolbarsWiredBothWaysSettle();

    void benchmarkToolbarSetZoom();
    void benchmarkSliderSetValue();

private:
    QWidget *m_window = nullptr;
};

void tst_ZelZoomToolbar::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_ZelZoomToolbar::init()
{
    // The offscreen platform reports what it cannot do for pop-ups; any
    // other warning is a failure.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
    m_window = new QWidget;
    m_window->setLayout(new QVBoxLayout);
    m_window->resize(400, 120);
    m_window->move(100, 100);
}

void tst_ZelZoomToolbar::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void tst_ZelZoomToolbar::sliderStartsAtOne()
{
    ZelZoomSlider slider;
    QCOMPARE(slider.minimum(), -23026);
    QCOMPARE(slider.maximum(), 34657);
    QCOMPARE(slider.value(), 0);
    QCOMPARE(slider.currentZoom(), 1.0);
}

void tst_ZelZoomToolbar::sliderMapsZoomsLogarithmically_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("position");

    QTest::newRow("one") << 1.0 << 0;
    QTest::newRow("two") << 2.0 << 6931;
    QTest::newRow("half") << 0.5 << -6931;
    QTest::newRow("smallest") << 0.1 << -23026;
    QTest::newRow("largest") << 32.0 << 34657;
    QTest::newRow("below the range") << 0.05 << -29957;
    QTest::newRow("nan counts as one") << nanZoom << 0;
    QTest::newRow("zero") << 0.0 << -farthestPosition;
    QTest::newRow("negative") << -2.0 << -farthestPosition;
    QTest::newRow("-inf") << -inf << -farthestPosition;
    QTest::newRow("inf") << inf << farthestPosition;
    QTest::newRow("huge") << 1e300 << 6907755; // ln(1e300) = 690.78
}

void tst_ZelZoomToolbar::sliderMapsZoomsLogarithmically()
{
    QFETCH(double, zoom);
    QFETCH(int, position);

    ZelZoomSlider slider;
    QCOMPARE(slider.mapZoomToSlider(zoom), position);
    if (qAbs(position) < 1000000) {
        // Back within the resolution of a position: a relative 1e-4 / 2.
        const double back = slider.mapSliderToZoom(position);
        QVERIFY2(qAbs(back - (qIsNaN(zoom) ? 1.0 : zoom)) <= 0.5e-4 * back, qPrintable(QString::number(back)));
    }
}

void tst_ZelZoomToolbar::sliderAnnouncesRoundedZooms_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("announced");

    QTest::newRow("two") << 6931 << 2.0; // 1.99991
    QTest::newRow("just above one") << 10 << 1.0; // 1.0010
    QTest::newRow("half a hundredth up") << 50 << 1.01; // 1.00501
    QTest::newRow("bottom") << -23026 << 0.1; // 0.099999
    QTest::newRow("top") << 34657 << 32.0; // 31.99999
    QTest::newRow("third") << -10986 << 0.33; // 0.333344
}

void tst_ZelZoomToolbar::sliderAnnouncesRoundedZooms()
{
    QFETCH(int, position);
    QFETCH(double, announced);

    ZelZoomSlider slider;
    ZoomList *zooms = recordZooms(&slider);
    slider.setValue(position);
    QCOMPARE(*zooms, ZoomList({announced}));
    QCOMPARE(slider.currentZoom(), slider.mapSliderToZoom(position));
}

void tst_ZelZoomToolbar::sliderSetZoomMovesOnlyWhenNeeded_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("position");
    QTest::addColumn<ZoomList>("emitted");

    QTest::newRow("the zoom shown") << 0 << 1.0 << 0 << ZoomList{};
    QTest::newRow("another zoom") << 0 << 4.0 << 13863 << ZoomList{4.0};
    // 2.0 is not exactly the zoom of 6931, but it maps to that position.
    QTest::newRow("same position") << 6931 << 2.0 << 6931 << ZoomList{};
    QTest::newRow("beyond the top") << 0 << 100.0 << 34657 << ZoomList{32.0};
    QTest::newRow("zero") << 0 << 0.0 << -23026 << ZoomList{0.1};
    QTest::newRow("negative") << 0 << -1.0 << -23026 << ZoomList{0.1};
    QTest::newRow("inf") << 0 << inf << 34657 << ZoomList{32.0};
    QTest::newRow("nan means one") << 6931 << nanZoom << 0 << ZoomList{1.0};
}

void tst_ZelZoomToolbar::sliderSetZoomMovesOnlyWhenNeeded()
{
    QFETCH(int, start);
    QFETCH(double, zoom);
    QFETCH(int, position);
    QFETCH(ZoomList, emitted);

    ZelZoomSlider slider;
    slider.setValue(start);
    ZoomList *zooms = recordZooms(&slider);
    slider.setZoom(zoom);
    QCOMPARE(slider.value(), position);
    QCOMPARE(*zooms, emitted);
}

void tst_ZelZoomToolbar::sliderMinZoomLowersTheRangeSilently_data()
{
    QTest::addColumn<double>("minZoom");
    QTest::addColumn<int>("minimum");

    QTest::newRow("lower") << 0.05 << -29957;
    QTest::newRow("much lower") << 0.01 << -46052;
    QTest::newRow("default") << 0.1 << -23026;
    QTest::newRow("higher is the default") << 0.5 << -23026;
    QTest::newRow("nan") << nanZoom << -23026;
    QTest::newRow("zero") << 0.0 << -23026;
    QTest::newRow("negative") << -1.0 << -23026;
    QTest::newRow("-inf") << -inf << -23026;
}

void tst_ZelZoomToolbar::sliderMinZoomLowersTheRangeSilently()
{
    QFETCH(double, minZoom);
    QFETCH(int, minimum);

    ZelZoomSlider slider;
    slider.setMinZoom(0.02);
    slider.setValue(slider.minimum());
    ZoomList *zooms = recordZooms(&slider);
    QSignalSpy values(&slider, &QSlider::valueChanged);

    const int oldBottom = slider.value();
    slider.setMinZoom(minZoom);
    QCOMPARE(slider.minimum(), minimum);
    QCOMPARE(slider.maximum(), 34657);
    // The handle was at the old bottom: clamped to a higher new one, without
    // an announcement.
    QCOMPARE(slider.value(), qMax(oldBottom, minimum));
    QVERIFY(zooms->isEmpty());
    QCOMPARE(values.count(), 0);
    QVERIFY(!slider.signalsBlocked());

    // A slider whose signals the host blocked stays blocked.
    slider.blockSignals(true);
    slider.setMinZoom(0.03);
    QVERIFY(slider.signalsBlocked());
}

void tst_ZelZoomToolbar::sliderDragReachesBothEnds()
{
    auto *slider = new ZelZoomSlider(m_window);
    slider->setOrientation(Qt::Horizontal);
    m_window->layout()->addWidget(slider);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    ZoomList *zooms = recordZooms(slider);

    dragHandleTo(slider, grooveRect(slider).right() + 20);
    QCOMPARE(slider->value(), slider->maximum());
    QCOMPARE(*zooms, ZoomList({32.0}));

    zooms->clear();
    dragHandleTo(slider, grooveRect(slider).left() - 20);
    QCOMPARE(slider->value(), slider->minimum());
    QCOMPARE(*zooms, ZoomList({0.1}));
}

void tst_ZelZoomToolbar::toolbarFormAndActions()
{
    ZelZoomToolbar toolbar;
    QCOMPARE(toolbar.objectName(), QStringLiteral("ZelZoomToolbarClass"));
    QCOMPARE(toolbar.windowTitle(), QStringLiteral("NavigatorWidgetToolbar"));
    QCOMPARE(toolbar.sizePolicy(), QSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum));

    auto *grid = toolbar.findChild<QGridLayout *>(QStringLiteral("gridLayout2"));
    QVERIFY(grid);
    QCOMPARE(toolbar.layout(), grid);
    QCOMPARE(grid->spacing(), 6);
    QCOMPARE(grid->contentsMargins(), QMargins(11, 11, 11, 11));

    auto *combo = toolbar.findChild<ZelZoomComboBox *>(QStringLiteral("zoomComboBox"));
    auto *out = toolbar.findChild<QToolButton *>(QStringLiteral("btnZoomOut"));
    auto *slider = toolbar.findChild<ZelZoomSlider *>(QStringLiteral("zoomSlider"));
    auto *in = toolbar.findChild<QToolButton *>(QStringLiteral("btnZoomIn"));
    QVERIFY(combo && out && slider && in);
    const QList<QWidget *> row{combo, out, slider, in};
    for (int column = 0; column < row.size(); ++column) {
        int r = -1, c = -1, rs = 0, cs = 0;
        grid->getItemPosition(grid->indexOf(row.at(column)), &r, &c, &rs, &cs);
        QCOMPARE(r, 0);
        QCOMPARE(c, column);
    }
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->tickPosition(), QSlider::NoTicks);
    QCOMPARE(slider->maximumHeight(), 20);
    QCOMPARE(slider->sizePolicy(), QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum));
    for (QToolButton *button : {in, out}) {
        QCOMPARE(button->iconSize(), QSize(24, 24));
        QVERIFY(button->autoRaise());
        QVERIFY(!button->autoExclusive());
        QCOMPARE(button->sizePolicy(), QSizePolicy(QSizePolicy::Maximum, QSizePolicy::Minimum));
    }
    QCOMPARE(combo->text(), ZoomDefs::zoomValueToText(1.0));
    QCOMPARE(toolbar.zoom(), 1.0);
    QCOMPARE(slider->value(), 0);

    struct Expected
    {
        QToolButton *button;
        QString text;
        const char *icon;
        QKeySequence::StandardKey key;
    };
    const Expected actions[] = {
        {in, QStringLiteral("&Zoom In"), ZelCore::iconZoomIn, QKeySequence::ZoomIn},
        {out, QStringLiteral("&Zoom Out"), ZelCore::iconZoomOut, QKeySequence::ZoomOut},
    };
    for (const Expected &expected : actions) {
        QAction *action = expected.button->defaultAction();
        QVERIFY(action);
        QCOMPARE(action->parent(), &toolbar);
        QVERIFY(toolbar.actions().contains(action));
        QCOMPARE(action->text(), expected.text);
        QCOMPARE(action->shortcuts(), QKeySequence::keyBindings(expected.key));
        QVERIFY(!action->shortcuts().isEmpty());
        QCOMPARE(action->shortcutContext(), Qt::WidgetWithChildrenShortcut);
        QVERIFY(action->isEnabled());
        // The host's icon, found under the path the core library names.
        const QImage hostIcon = QIcon(QLatin1String(expected.icon)).pixmap(24).toImage();
        QVERIFY(!hostIcon.isNull());
        QCOMPARE(action->icon().pixmap(24).toImage(), hostIcon);
        QCOMPARE(expected.button->icon().pixmap(24).toImage(), hostIcon);
    }
    QVERIFY(in->icon().pixmap(24).toImage() != out->icon().pixmap(24).toImage());
}

void tst_ZelZoomToolbar::toolbarIsTranslated()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    ZelZoomToolbar toolbar;
    QCoreApplication::removeTranslator(&translator);

    auto *in = toolbar.findChild<QToolButton *>(QStringLiteral("btnZoomIn"));
    auto *out = toolbar.findChild<QToolButton *>(QStringLiteral("btnZoomOut"));
    QCOMPARE(in->defaultAction()->text(), QStringLiteral("&Увеличить"));
    QCOMPARE(out->defaultAction()->text(), QStringLiteral("&Уменьшить"));
    QCOMPARE(toolbar.windowTitle(), QStringLiteral("Панель масштаба"));
    // The form's placeholder text never outlives the constructor.
    QCOMPARE(toolbar.findChild<ZelZoomComboBox *>()->text(), ZoomDefs::zoomValueToText(1.0));
}

void tst_ZelZoomToolbar::toolbarValidatesAndEnablesActions_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("adopted");
    QTest::addColumn<bool>("canZoomIn");
    QTest::addColumn<bool>("canZoomOut");

    QTest::newRow("inside") << 2.0 << 2.0 << true << true;
    QTest::newRow("just below the top") << 31.99 << 31.99 << true << true;
    QTest::newRow("top") << 32.0 << 32.0 << false << true;
    QTest::newRow("above the top") << 40.0 << 32.0 << false << true;
    QTest::newRow("just above the bottom") << 0.11 << 0.11 << true << true;
    QTest::newRow("bottom") << 0.1 << 0.1 << true << false;
    QTest::newRow("below the bottom") << 0.05 << 0.1 << true << false;
    QTest::newRow("zero") << 0.0 << 0.1 << true << false;
    QTest::newRow("negative") << -4.0 << 0.1 << true << false;
    QTest::newRow("-inf") << -inf << 0.1 << true << false;
    QTest::newRow("inf") << inf << 32.0 << false << true;
    QTest::newRow("nan") << nanZoom << 1.0 << true << true;
}

void tst_ZelZoomToolbar::toolbarValidatesAndEnablesActions()
{
    QFETCH(double, zoom);
    QFETCH(double, adopted);
    QFETCH(bool, canZoomIn);
    QFETCH(bool, canZoomOut);

    ZelZoomToolbar toolbar;
    auto *combo = toolbar.findChild<ZelZoomComboBox *>();
    auto *slider = toolbar.findChild<ZelZoomSlider *>();
    auto *in = toolbar.findChild<QToolButton *>(QStringLiteral("btnZoomIn"));
    auto *out = toolbar.findChild<QToolButton *>(QStringLiteral("btnZoomOut"));
    ZoomList *zooms = recordZooms(&toolbar);

    toolbar.setZoom(zoom);
    QCOMPARE(toolbar.zoom(), adopted);
    QCOMPARE(combo->zoom(), adopted);
    QCOMPARE(combo->text(), ZoomDefs::zoomValueToText(adopted));
    QCOMPARE(slider->value(), slider->mapZoomToSlider(adopted));
    QCOMPARE(toolbar.canExecZoomIn(), canZoomIn);
    QCOMPARE(toolbar.canExecZoomOut(), canZoomOut);
    QCOMPARE(in->defaultAction()->isEnabled(), canZoomIn);
    QCOMPARE(out->defaultAction()->isEnabled(), canZoomOut);
    QCOMPARE(in->isEnabled(), canZoomIn);
    QCOMPARE(out->isEnabled(), canZoomOut);
    QVERIFY(!zooms->isEmpty());
    QCOMPARE(zooms->last(), adopted);
}

void tst_ZelZoomToolbar::toolbarSetZoomRoundTrip_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<ZoomList>("emitted");

    // The zoom shown: only the combo announces it again.
    QTest::newRow("current") << 1.0 << ZoomList{1.0};
    // A move: the slider announces, the nested setZoom() makes the combo
    // announce, and the outer setZoom() makes it announce once more.
    QTest::newRow("another") << 2.0 << ZoomList{2.0, 2.0, 2.0};
    // The slider announces 0.33 for 0.333; the nested setZoom() adopts 0.33
    // and moves the handle once more (announced again), then the combo
    // announces at each of the three levels.
    QTest::newRow("between hundredths") << 0.333 << ZoomList{0.33, 0.33, 0.33, 0.33, 0.33};
    QTest::newRow("validated") << 50.0 << ZoomList{32.0, 32.0, 32.0};
    QTest::newRow("nan") << nanZoom << ZoomList{1.0};
}

void tst_ZelZoomToolbar::toolbarSetZoomRoundTrip()
{
    QFETCH(double, zoom);
    QFETCH(ZoomList, emitted);

    ZelZoomToolbar toolbar;
    auto *slider = toolbar.findChild<ZelZoomSlider *>();
    ZoomList *zooms = recordZooms(&toolbar);
    toolbar.setZoom(zoom);
    QCOMPARE(*zooms, emitted);
    QCOMPARE(toolbar.zoom(), emitted.last());
    QCOMPARE(slider->value(), slider->mapZoomToSlider(emitted.last()));
}

void tst_ZelZoomToolbar::toolbarSliderDragKeepsChildrenInStep()
{
    auto *toolbar = new ZelZoomToolbar(m_window);
    m_window->layout()->addWidget(toolbar);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    auto *combo = toolbar->findChild<ZelZoomComboBox *>();
    auto *slider = toolbar->findChild<ZelZoomSlider *>();
    auto *in = toolbar->findChild<QToolButton *>(QStringLiteral("btnZoomIn"));
    ZoomList *zooms = recordZooms(toolbar);

    // To the top: the slider's 31.99999 rounds to 32, to which the handle
    // already points; slider and combo announce it once each.
    dragHandleTo(slider, grooveRect(slider).right() + 20);
    QCOMPARE(*zooms, ZoomList({32.0, 32.0}));
    QCOMPARE(toolbar->zoom(), 32.0);
    QCOMPARE(combo->text(), ZoomDefs::zoomValueToText(32.0));
    QVERIFY(!in->isEnabled());

    // Into the middle: wherever the handle lands, every announcement is the
    // final zoom, and the handle rests on that zoom's position.
    for (const int x : {grooveRect(slider).center().x(), grooveRect(slider).left() + grooveRect(slider).width() / 3}) {
        zooms->clear();
        dragHandleTo(slider, x);
        QVERIFY(zooms->size() == 2 || zooms->size() == 4);
        const double final = toolbar->zoom();
        QCOMPARE(*zooms, ZoomList(zooms->size(), final));
        QCOMPARE(final, std::round(final * 100.0) / 100.0);
        QCOMPARE(combo->zoom(), final);
        QCOMPARE(slider->value(), slider->mapZoomToSlider(final));
        QVERIFY(in->isEnabled());
    }
}

void tst_ZelZoomToolbar::toolbarSliderKeysStepTheZoom()
{
    auto *toolbar = new ZelZoomToolbar(m_window);
    m_window->layout()->addWidget(toolbar);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *combo = toolbar->findChild<ZelZoomComboBox *>();
    auto *slider = toolbar->findChild<ZelZoomSlider *>();
    ZoomList *zooms = recordZooms(toolbar);
    slider->setFocus();
    QTRY_VERIFY(slider->hasFocus());

    // Each arrow key must get past the two-decimal rounding instead of
    // snapping back to the zoom it started from.
    double previous = toolbar->zoom();
    for (int i = 0; i < 3; ++i) {
        zooms->clear();
        QTest::keyClick(slider, Qt::Key_Right);
        const double zoom = toolbar->zoom();
        QVERIFY2(zoom > previous, qPrintable(QString::number(zoom)));
        QVERIFY(!zooms->isEmpty());
        QCOMPARE(*zooms, ZoomList(zooms->size(), zoom));
        QCOMPARE(combo->zoom(), zoom);
        QCOMPARE(slider->value(), slider->mapZoomToSlider(zoom));
        previous = zoom;
    }
    // A page doubles the zoom, within the rounding.
    QTest::keyClick(slider, Qt::Key_PageUp);
    QVERIFY(qAbs(toolbar->zoom() - 2.0 * previous) <= 0.01);
    QTest::keyClick(slider, Qt::Key_PageDown);
    QVERIFY(qAbs(toolbar->zoom() - previous) <= 0.01);
    QTest::keyClick(slider, Qt::Key_Home);
    QCOMPARE(toolbar->zoom(), 0.1);
    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(toolbar->zoom(), 32.0);
}

void tst_ZelZoomToolbar::toolbarMenuChoiceBringsTheSliderAlong()
{
    auto *toolbar = new ZelZoomToolbar(m_window);
    m_window->layout()->addWidget(toolbar);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    auto *combo = toolbar->findChild<ZelZoomComboBox *>();
    auto *slider = toolbar->findChild<ZelZoomSlider *>();
    ZoomList *zooms = recordZooms(toolbar);

    QTest::mouseClick(combo, Qt::LeftButton, {}, combo->rect().center());
    auto *menu = combo->findChild<QMenu *>();
    QVERIFY(menu);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QAction *choice = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->data().toDouble() == 4.0)
            choice = action;
    }
    QVERIFY(choice);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(choice).center());

    // The combo announces, the slider follows and announces; the combo's
    // own setZoom() calls are ignored while it is still announcing.
    QCOMPARE(*zooms, ZoomList({4.0, 4.0}));
    QCOMPARE(slider->value(), slider->mapZoomToSlider(4.0));
    QCOMPARE(toolbar->zoom(), 4.0);
    QTRY_VERIFY(combo->findChildren<QMenu *>().isEmpty());
}

void tst_ZelZoomToolbar::toolbarButtonsAndShortcutsWalkThePresets()
{
    auto *toolbar = new ZelZoomToolbar(m_window);
    m_window->layout()->addWidget(toolbar);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *slider = toolbar->findChild<ZelZoomSlider *>();
    auto *in = toolbar->findChild<QToolButton *>(QStringLiteral("btnZoomIn"));
    auto *out = toolbar->findChild<QToolButton *>(QStringLiteral("btnZoomOut"));
    ZoomList *zooms = recordZooms(toolbar);

    // One click: zoomIn() moves the slider (which announces), the nested
    // setZoom() and zoomIn() itself each make the combo announce.
    QTest::mouseClick(in, Qt::LeftButton, {}, in->rect().center());
    const double next = ZoomDefs::zoomIn(1.0);
    QCOMPARE(*zooms, ZoomList({next, next, next}));
    QTest::mouseClick(out, Qt::LeftButton, {}, out->rect().center());
    QCOMPARE(toolbar->zoom(), 1.0);

    // The shortcuts with the focus on the slider walk all presets.
    slider->setFocus();
    QTRY_VERIFY(slider->hasFocus());
    // The slider announces two decimals and the toolbar adopts them, so a
    // preset such as 0.125 is reached as 0.13; the walk still goes on from
    // there instead of stepping back to 0.125.
    const ZoomList presets = ZoomDefs::zoomKeyValues();
    ZoomList shownPresets;
    for (const double preset : presets)
        shownPresets.append(std::round(preset * 100.0) / 100.0);
    ZoomList up{toolbar->zoom()};
    for (int i = 0; i < presets.size(); ++i) {
        pressStandardKey(slider, QKeySequence::ZoomIn);
        if (toolbar->zoom() != up.last())
            up.append(toolbar->zoom());
    }
    QCOMPARE(up, shownPresets.mid(shownPresets.indexOf(1.0)));
    QVERIFY(!in->isEnabled());
    zooms->clear();
    pressStandardKey(slider, QKeySequence::ZoomIn);
    QVERIFY2(zooms->isEmpty(), "a disabled action does nothing");

    ZoomList down{toolbar->zoom()};
    for (int i = 0; i < presets.size(); ++i) {
        pressStandardKey(slider, QKeySequence::ZoomOut);
        if (toolbar->zoom() != down.first())
            down.prepend(toolbar->zoom());
    }
    QCOMPARE(down, shownPresets);
    QVERIFY(!out->isEnabled());
    QVERIFY(in->isEnabled());
    zooms->clear();
    pressStandardKey(slider, QKeySequence::ZoomOut);
    QVERIFY(zooms->isEmpty());
    QCOMPARE(slider->value(), slider->minimum());
}

void tst_ZelZoomToolbar::toolbarShortcutsNeedTheFocusInside()
{
    auto *edit = new QLineEdit(m_window);
    auto *first = new ZelZoomToolbar(m_window);
    auto *second = new ZelZoomToolbar(m_window);
    m_window->layout()->addWidget(edit);
    m_window->layout()->addWidget(first);
    m_window->layout()->addWidget(second);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));

    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    pressStandardKey(edit, QKeySequence::ZoomIn);
    QCOMPARE(first->zoom(), 1.0);
    QCOMPARE(second->zoom(), 1.0);

    auto *slider = second->findChild<ZelZoomSlider *>();
    slider->setFocus();
    QTRY_VERIFY(slider->hasFocus());
    pressStandardKey(slider, QKeySequence::ZoomIn);
    QCOMPARE(first->zoom(), 1.0);
    QCOMPARE(second->zoom(), ZoomDefs::zoomIn(1.0));
    pressStandardKey(slider, QKeySequence::ZoomOut);
    pressStandardKey(slider, QKeySequence::ZoomOut);
    QCOMPARE(second->zoom(), ZoomDefs::zoomOut(1.0));
}

void tst_ZelZoomToolbar::toolbarMinZoom_data()
{
    QTest::addColumn<double>("minZoom");
    QTest::addColumn<double>("adoptedMinimum");

    QTest::newRow("lower") << 0.05 << 0.05;
    QTest::newRow("default") << 0.1 << 0.1;
    QTest::newRow("higher is the default") << 0.5 << 0.1;
    QTest::newRow("nan") << nanZoom << 0.1;
    QTest::newRow("zero") << 0.0 << 0.1;
    QTest::newRow("negative") << -2.0 << 0.1;
    QTest::newRow("inf") << inf << 0.1;
}

void tst_ZelZoomToolbar::toolbarMinZoom()
{
    QFETCH(double, minZoom);
    QFETCH(double, adoptedMinimum);

    ZelZoomToolbar toolbar;
    auto *slider = toolbar.findChild<ZelZoomSlider *>();
    auto *out = toolbar.findChild<QToolButton *>(QStringLiteral("btnZoomOut"));
    toolbar.setZoom(0.1);
    QVERIFY(!out->isEnabled());
    ZoomList *zooms = recordZooms(&toolbar);

    toolbar.setMinZoom(minZoom);
    QCOMPARE(toolbar.minZoom(), adoptedMinimum);
    QCOMPARE(slider->minimum(), slider->mapZoomToSlider(adoptedMinimum));
    QCOMPARE(toolbar.zoom(), 0.1);
    QCOMPARE(out->isEnabled(), adoptedMinimum < 0.1);
    QVERIFY(zooms->isEmpty());

    // Zooming out stops at the minimum.
    for (int i = 0; i < 5; ++i)
        out->defaultAction()->trigger();
    QCOMPARE(toolbar.zoom(), adoptedMinimum);
    QVERIFY(!out->isEnabled());
    QCOMPARE(slider->value(), slider->minimum());
}

void tst_ZelZoomToolbar::toolbarStep_data()
{
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("adopted"); // NaN: unchanged

    QTest::newRow("whole") << 250.0 << 250.0;
    QTest::newRow("truncated") << 5.7 << 5.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("whole range") << 1e12 << double(34657 + 23026);
    QTest::newRow("negative") << -3.0 << nanZoom;
    QTest::newRow("nan") << nanZoom << nanZoom;
}

void tst_ZelZoomToolbar::toolbarStep()
{
    QFETCH(double, step);
    QFETCH(double, adopted);

    ZelZoomToolbar toolbar;
    const double before = toolbar.step();
    QVERIFY(before >= 1.0);
    toolbar.setStep(step);
    QCOMPARE(toolbar.step(), qIsNaN(adopted) ? before : adopted);
    QCOMPARE(toolbar.findChild<ZelZoomSlider *>()->singleStep(), int(toolbar.step()));
}

void tst_ZelZoomToolbar::toolbarsWiredBothWaysSettle()
{
    ZelZoomToolbar first;
    ZelZoomToolbar second;
    connect(&first, &ZelZoomToolbar::zoomChanged, &second, &ZelZoomToolbar::setZoom);
    connect(&second, &ZelZoomToolbar::zoomChanged, &first, &ZelZoomToolbar::setZoom);
    ZoomList *firstZooms = recordZooms(&first);
    ZoomList *secondZooms = recordZooms(&second);

    for (const double zoom : {2.0, 0.333, 40.0, nanZoom, 0.0}) {
        firstZooms->clear();
        secondZooms->clear();
        first.setZoom(zoom);
        QCOMPARE(second.zoom(), first.zoom());
        QVERIFY(!firstZooms->isEmpty());
        QCOMPARE(*firstZooms, ZoomList(firstZooms->size(), first.zoom()));
        QCOMPARE(*secondZooms, ZoomList(secondZooms->size(), first.zoom()));
        QVERIFY2(firstZooms->size() + secondZooms->size() < 50, "the round trip ends quickly");
    }
}

void tst_ZelZoomToolbar::benchmarkToolbarSetZoom()
{
    ZelZoomToolbar toolbar;
    QBENCHMARK {
        for (int i = 0; i < 1000; ++i)
            toolbar.setZoom((i & 1) ? 2.0 : 0.5);
    }
    QCOMPARE(toolbar.zoom(), 2.0);
}

void tst_ZelZoomToolbar::benchmarkSliderSetValue()
{
    QSlider slider;
    slider.setRange(-23026, 34657);
    QBENCHMARK {
        for (int i = 0; i < 1000; ++i)
            slider.setValue((i & 1) ? 6931 : -6931);
    }
    QCOMPARE(slider.value(), 6931);
}

QTEST_MAIN(tst_ZelZoomToolbar)
#include "tst_zelzoomtoolbar.moc"
