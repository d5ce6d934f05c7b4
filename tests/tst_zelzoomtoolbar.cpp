// The logarithmic zoom slider and the zoom toolbar: mapping, rounding, range,
// actions, and what one user action announces through the children's loop.

#include "zelzoom_testhelpers.h"

#include <ZelGui/ZelZoomComboBox.h>
#include <ZelGui/ZelZoomSlider.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <ZelCore/ZelCore.h>
#include <ZelCore/ZoomDefs.h>

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QToolButton>
#include <QTranslator>

#include <cmath>
#include <tuple>

using namespace ZelZoomTest;

namespace {

constexpr int farthestPosition = std::numeric_limits<int>::max() - 1;

// A part of a slider, by the geometry of the slider's own style.
QRect sliderPart(const QSlider *slider, QStyle::SubControl part)
{
    struct Access : QSlider
    {
        using QSlider::initStyleOption;
    };
    QStyleOptionSlider option;
    (slider->*(&Access::initStyleOption))(&option);
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, part, slider);
}

// Drags the handle of a horizontal slider, grabbed in its middle, to x.
void dragHandleTo(QSlider *slider, int x)
{
    const QPoint grip = sliderPart(slider, QStyle::SC_SliderHandle).center();
    QTest::mousePress(slider, Qt::LeftButton, {}, grip);
    QTest::mouseMove(slider, QPoint(x, grip.y()));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(x, grip.y()));
}

QToolButton *button(const ZelZoomToolbar *toolbar, const char *name)
{
    return toolbar->findChild<QToolButton *>(QLatin1String(name));
}

} // namespace

class tst_ZelZoomToolbar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useFusionStyle(); }
    void init() { failOnOtherWarnings(); m_window = newWindow(); }
    void cleanup() { delete m_window; }

    void sliderMapsAndAnnounces_data();
    void sliderMapsAndAnnounces();
    void toolbarActions_data();
    void toolbarActions();
    void toolbarSetZoom_data();
    void toolbarSetZoom();
    void toolbarUserChangesKeepChildrenInStep();
    void toolbarButtonsAndShortcutsWalkThePresets();
    void minZoom_data();
    void minZoom();
    void toolbarStep();
    void benchmarkSetZoom_data();
    void benchmarkSetZoom();

private:
    QWidget *m_window = nullptr;
};

void tst_ZelZoomToolbar::sliderMapsAndAnnounces_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("position"); // mapZoomToSlider(), before the range clamps it
    QTest::addColumn<int>("start");
    QTest::addColumn<ZoomList>("emitted"); // by setZoom() from start

    QTest::newRow("the zoom shown") << 1.0 << 0 << 0 << ZoomList{};
    QTest::newRow("two, rounded up") << 2.0 << 6931 << 0 << ZoomList{2.0}; // 1.99991
    // 2.0 is not exactly the zoom of 6931, but it maps to that position.
    QTest::newRow("two, already there") << 2.0 << 6931 << 6931 << ZoomList{};
    QTest::newRow("half a hundredth up") << 1.005 << 50 << 0 << ZoomList{1.01}; // 1.00501
    QTest::newRow("third, rounded down") << 1.0 / 3.0 << -10986 << 0 << ZoomList{0.33}; // 0.333337
    QTest::newRow("nan means one") << nanZoom << 0 << 6931 << ZoomList{1.0};
    QTest::newRow("zero") << 0.0 << -farthestPosition << 0 << ZoomList{0.1}; // 0.099999
    QTest::newRow("negative") << -2.0 << -farthestPosition << 0 << ZoomList{0.1};
    QTest::newRow("-inf") << -inf << -farthestPosition << 0 << ZoomList{0.1};
    QTest::newRow("inf") << inf << farthestPosition << 0 << ZoomList{32.0}; // 31.99999
}

void tst_ZelZoomToolbar::sliderMapsAndAnnounces()
{
    QFETCH(double, zoom);
    QFETCH(int, position);
    QFETCH(int, start);
    QFETCH(ZoomList, emitted);

    ZelZoomSlider slider;
    QCOMPARE(slider.minimum(), -23026);
    QCOMPARE(slider.maximum(), 34657);
    QCOMPARE(slider.currentZoom(), 1.0);
    QCOMPARE(slider.mapZoomToSlider(zoom), position);
    slider.setValue(start);
    ZoomList *zooms = recordZooms(&slider);
    slider.setZoom(zoom);
    QCOMPARE(slider.value(), qBound(slider.minimum(), position, slider.maximum()));
    QCOMPARE(*zooms, emitted);
}

void tst_ZelZoomToolbar::toolbarActions_data()
{
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("zoomIn");
    QTest::addColumn<QString>("zoomOut");
    QTest::addColumn<QString>("title");

    QTest::newRow("untranslated") << QString() << "&Zoom In" << "&Zoom Out" << "NavigatorWidgetToolbar";
    QTest::newRow("Russian") << ":/ZelGui/res/lang/zelgui_96.qm" << "&Увеличить" << "&Уменьшить" << "Панель масштаба";
}

void tst_ZelZoomToolbar::toolbarActions()
{
    QFETCH(QString, translation);
    QFETCH(QString, zoomIn);
    QFETCH(QString, zoomOut);
    QFETCH(QString, title);

    QTranslator translator;
    if (!translation.isEmpty())
        QVERIFY(translator.load(translation) && QCoreApplication::installTranslator(&translator));
    ZelZoomToolbar toolbar;
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(toolbar.windowTitle(), title);
    // The form's placeholder text never outlives the constructor.
    QCOMPARE(toolbar.findChild<ZelZoomComboBox *>()->text(), ZoomDefs::zoomValueToText(1.0));
    using Action = std::tuple<const char *, QString, const char *, QKeySequence::StandardKey>;
    for (const auto &[name, text, icon, key] : {Action("btnZoomIn", zoomIn, ZelCore::iconZoomIn, QKeySequence::ZoomIn),
                                                Action("btnZoomOut", zoomOut, ZelCore::iconZoomOut, QKeySequence::ZoomOut)}) {
        QAction *action = button(&toolbar, name)->defaultAction();
        QVERIFY(action);
        QCOMPARE(action->text(), text);
        QCOMPARE(action->shortcuts(), QKeySequence::keyBindings(key));
        // The host's icon, found under the path the core library names.
        const QImage hostIcon = QIcon(QLatin1String(icon)).pixmap(24).toImage();
        QVERIFY(!hostIcon.isNull());
        QCOMPARE(button(&toolbar, name)->icon().pixmap(24).toImage(), hostIcon);
    }
}

void tst_ZelZoomToolbar::toolbarSetZoom_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("adopted");
    QTest::addColumn<int>("emissions"); // all of them the adopted zoom
    QTest::addColumn<bool>("canZoomIn");
    QTest::addColumn<bool>("canZoomOut");

    // No move: only the combo announces. A move: the slider announces, and
    // the combo once in the nested setZoom() and once in the outer one.
    QTest::newRow("current") << 1.0 << 1.0 << 1 << true << true;
    QTest::newRow("nan means one") << nanZoom << 1.0 << 1 << true << true;
    QTest::newRow("just below the top") << 31.99 << 31.99 << 3 << true << true;
    QTest::newRow("top") << 32.0 << 32.0 << 3 << false << true;
    QTest::newRow("above the top") << 40.0 << 32.0 << 3 << false << true;
    QTest::newRow("inf") << inf << 32.0 << 3 << false << true;
    QTest::newRow("bottom") << 0.1 << 0.1 << 3 << true << false;
    QTest::newRow("below the bottom") << 0.05 << 0.1 << 3 << true << false;
    QTest::newRow("zero") << 0.0 << 0.1 << 3 << true << false;
    QTest::newRow("negative") << -4.0 << 0.1 << 3 << true << false;
    QTest::newRow("-inf") << -inf << 0.1 << 3 << true << false;
    // The nested setZoom() adopts the slider's 0.33 and moves it once more.
    QTest::newRow("between hundredths") << 0.333 << 0.33 << 5 << true << true;
}

void tst_ZelZoomToolbar::toolbarSetZoom()
{
    QFETCH(double, zoom);
    QFETCH(double, adopted);
    QFETCH(int, emissions);
    QFETCH(bool, canZoomIn);
    QFETCH(bool, canZoomOut);

    ZelZoomToolbar toolbar;
    auto *slider = toolbar.findChild<ZelZoomSlider *>();
    ZoomList *zooms = recordZooms(&toolbar);
    toolbar.setZoom(zoom);
    QCOMPARE(*zooms, ZoomList(emissions, adopted));
    QCOMPARE(toolbar.zoom(), adopted);
    QCOMPARE(toolbar.findChild<ZelZoomComboBox *>()->zoom(), adopted);
    QCOMPARE(slider->value(), slider->mapZoomToSlider(adopted));
    QCOMPARE(toolbar.canExecZoomIn(), canZoomIn);
    QCOMPARE(toolbar.canExecZoomOut(), canZoomOut);
    QCOMPARE(button(&toolbar, "btnZoomIn")->isEnabled(), canZoomIn);
    QCOMPARE(button(&toolbar, "btnZoomOut")->isEnabled(), canZoomOut);
}

void tst_ZelZoomToolbar::toolbarUserChangesKeepChildrenInStep()
{
    auto *toolbar = addShown<ZelZoomToolbar>(m_window);
    QVERIFY(toolbar);
    auto *combo = toolbar->findChild<ZelZoomComboBox *>();
    auto *slider = toolbar->findChild<ZelZoomSlider *>();
    ZoomList *zooms = recordZooms(toolbar);
    // Every announcement is the final zoom, shown by the combo, and the
    // handle rests on that zoom's position.
    const auto inStep = [&] {
        const double final = toolbar->zoom();
        return !zooms->isEmpty() && *zooms == ZoomList(zooms->size(), final) && combo->zoom() == final
            && slider->value() == slider->mapZoomToSlider(final);
    };

    // To either end: the slider's rounded zoom is the one its handle already
    // points to, so slider and combo announce it once each.
    const QRect groove = sliderPart(slider, QStyle::SC_SliderGroove);
    dragHandleTo(slider, groove.right() + 20);
    QCOMPARE(*zooms, ZoomList({32.0, 32.0}));
    QVERIFY(!button(toolbar, "btnZoomIn")->isEnabled());
    zooms->clear();
    dragHandleTo(slider, groove.left() - 20);
    QCOMPARE(*zooms, ZoomList({0.1, 0.1}));
    QVERIFY(inStep());
    QVERIFY(!button(toolbar, "btnZoomOut")->isEnabled());
    // Into the middle: the handle snaps to the zoom rounded to hundredths.
    zooms->clear();
    dragHandleTo(slider, groove.left() + groove.width() / 3);
    QVERIFY(zooms->size() == 2 || zooms->size() == 4);
    QVERIFY(inStep());
    QCOMPARE(toolbar->zoom(), std::round(toolbar->zoom() * 100.0) / 100.0);

    // Each arrow key must get past the rounding instead of snapping back.
    slider->setFocus();
    QTRY_VERIFY(slider->hasFocus());
    for (int i = 0; i < 3; ++i) {
        const double previous = toolbar->zoom();
        zooms->clear();
        QTest::keyClick(slider, Qt::Key_Right);
        QVERIFY2(toolbar->zoom() > previous, qPrintable(QString::number(toolbar->zoom())));
        QVERIFY(inStep());
    }

    // A menu choice: the combo announces, the slider follows and announces;
    // the combo's own setZoom() calls are ignored while it announces.
    QTest::mouseClick(combo, Qt::LeftButton, {}, combo->rect().center());
    QMenu *menu = shownMenu(combo);
    QVERIFY(menu);
    zooms->clear();
    QVERIFY(chooseZoom(menu, 4.0));
    QCOMPARE(*zooms, ZoomList({4.0, 4.0}));
    QVERIFY(inStep());
}

void tst_ZelZoomToolbar::toolbarButtonsAndShortcutsWalkThePresets()
{
    auto *edit = new QLineEdit(m_window);
    m_window->layout()->addWidget(edit);
    auto *toolbar = addShown<ZelZoomToolbar>(m_window);
    QVERIFY(toolbar);
    auto *slider = toolbar->findChild<ZelZoomSlider *>();
    QToolButton *in = button(toolbar, "btnZoomIn");
    QToolButton *out = button(toolbar, "btnZoomOut");
    ZoomList *zooms = recordZooms(toolbar);

    // One click: zoomIn() moves the slider (which announces), the nested
    // setZoom() and zoomIn() itself each make the combo announce.
    QTest::mouseClick(in, Qt::LeftButton, {}, in->rect().center());
    const double next = ZoomDefs::zoomIn(1.0);
    QCOMPARE(*zooms, ZoomList({next, next, next}));
    QTest::mouseClick(out, Qt::LeftButton, {}, out->rect().center());
    QCOMPARE(toolbar->zoom(), 1.0);

    // The shortcuts act only with the focus inside the toolbar.
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    pressStandardKey(edit, QKeySequence::ZoomIn);
    QCOMPARE(toolbar->zoom(), 1.0);

    // With the focus on the slider they walk all presets (as shown by the
    // slider: 0.125 as 0.13), and a press past the end announces nothing.
    slider->setFocus();
    QTRY_VERIFY(slider->hasFocus());
    ZoomList shownPresets;
    for (const double preset : ZoomDefs::zoomKeyValues())
        shownPresets.append(std::round(preset * 100.0) / 100.0);
    const auto walk = [&](QKeySequence::StandardKey key) {
        ZoomList walked{toolbar->zoom()};
        for (int i = 0; i < shownPresets.size(); ++i) {
            pressStandardKey(slider, key);
            if (toolbar->zoom() != walked.last())
                walked.append(toolbar->zoom());
        }
        zooms->clear();
        pressStandardKey(slider, key);
        return zooms->isEmpty() ? walked : ZoomList();
    };
    QCOMPARE(walk(QKeySequence::ZoomIn), shownPresets.mid(shownPresets.indexOf(1.0)));
    QVERIFY(!in->isEnabled());
    ZoomList down = walk(QKeySequence::ZoomOut);
    std::reverse(down.begin(), down.end());
    QCOMPARE(down, shownPresets);
    QVERIFY(!out->isEnabled());
    QVERIFY(in->isEnabled());
    QCOMPARE(slider->value(), slider->minimum());
}

void tst_ZelZoomToolbar::minZoom_data()
{
    QTest::addColumn<double>("minZoom");
    QTest::addColumn<double>("adopted");
    QTest::addColumn<int>("position");

    QTest::newRow("lower") << 0.05 << 0.05 << -29957;
    QTest::newRow("higher is the default") << 0.5 << 0.1 << -23026;
    QTest::newRow("nan") << nanZoom << 0.1 << -23026;
    QTest::newRow("zero") << 0.0 << 0.1 << -23026;
    QTest::newRow("negative") << -2.0 << 0.1 << -23026;
    QTest::newRow("-inf") << -inf << 0.1 << -23026;
    QTest::newRow("inf") << inf << 0.1 << -23026;
}

void tst_ZelZoomToolbar::minZoom()
{
    QFETCH(double, minZoom);
    QFETCH(double, adopted);
    QFETCH(int, position);

    // A slider alone, its handle at the bottom of a wider range: clamped to
    // the new bottom without announcing it.
    ZelZoomSlider slider;
    slider.setMinZoom(0.02);
    slider.setValue(slider.minimum());
    QSignalSpy values(&slider, &QSlider::valueChanged);
    slider.setMinZoom(minZoom);
    QCOMPARE(slider.minimum(), position);
    QCOMPARE(slider.value(), position);
    QCOMPARE(values.count(), 0);
    QVERIFY(!slider.signalsBlocked());
    // A slider whose signals the host blocked stays blocked.
    slider.blockSignals(true);
    slider.setMinZoom(0.03);
    QVERIFY(slider.signalsBlocked());

    // The toolbar at 0.1 keeps its zoom and zooms out down to the minimum.
    ZelZoomToolbar toolbar;
    QToolButton *out = button(&toolbar, "btnZoomOut");
    toolbar.setZoom(0.1);
    ZoomList *zooms = recordZooms(&toolbar);
    toolbar.setMinZoom(minZoom);
    QCOMPARE(toolbar.minZoom(), adopted);
    QCOMPARE(toolbar.findChild<ZelZoomSlider *>()->minimum(), position);
    QCOMPARE(toolbar.zoom(), 0.1);
    QCOMPARE(out->isEnabled(), adopted < 0.1);
    QVERIFY(zooms->isEmpty());
    for (int i = 0; i < 5; ++i)
        out->defaultAction()->trigger();
    QCOMPARE(toolbar.zoom(), adopted);
    QVERIFY(!out->isEnabled());
}

void tst_ZelZoomToolbar::toolbarStep()
{
    ZelZoomToolbar toolbar;
    auto *slider = toolbar.findChild<ZelZoomSlider *>();
    toolbar.setStep(5.7);
    // NaN and negative steps are ignored; a huge one means the whole range.
    toolbar.setStep(nanZoom);
    toolbar.setStep(-3.0);
    QCOMPARE(slider->singleStep(), 5);
    QCOMPARE(toolbar.step(), 5.0);
    toolbar.setStep(1e12);
    QCOMPARE(slider->singleStep(), slider->maximum() - slider->minimum());
}

void tst_ZelZoomToolbar::benchmarkSetZoom_data()
{
    // 1000 alternating calls each; compare the two rows.
    QTest::addColumn<bool>("toolbar");
    QTest::newRow("ZelZoomToolbar::setZoom") << true;
    QTest::newRow("QSlider::setValue") << false;
}

void tst_ZelZoomToolbar::benchmarkSetZoom()
{
    QFETCH(bool, toolbar);
    ZelZoomToolbar bar;
    QSlider slider;
    slider.setRange(-23026, 34657);
    QBENCHMARK {
        for (int i = 0; i < 1000; ++i) {
            if (toolbar)
                bar.setZoom((i & 1) ? 2.0 : 0.5);
            else
                slider.setValue((i & 1) ? 6931 : -6931);
        }
    }
    QCOMPARE(toolbar ? bar.zoom() : slider.value(), toolbar ? 2.0 : 6931.0);
}

QTEST_MAIN(tst_ZelZoomToolbar)
#include "tst_zelzoomtoolbar.moc"
