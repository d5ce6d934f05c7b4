// Zoom slider and toolbar: mapping, rounding, range, actions, and what one user action announces.

#include "zelrange_testhelpers.h"
#include "zelzoom_testhelpers.h"

#include <ZelGui/ZelZoomComboBox.h>
#include <ZelGui/ZelZoomSlider.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <ZelCore/ZoomDefs.h>

#include <QSignalSpy>
#include <QToolButton>

#include <cmath>
#include <tuple>

using namespace ZelZoomTest;

class tst_ZelZoomToolbar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useFusionStyle(); }
    void init()
    {
        failOnOtherWarnings();
        m_window = newWindow();
    }
    void cleanup() { delete m_window; }

    void sliderMapsAndAnnounces()
    {
        constexpr int farthestPosition = std::numeric_limits<int>::max() - 1;
        // zoom, mapZoomToSlider() before the range clamps it, start, what setZoom() from start emits
        const std::tuple<double, int, int, ZoomList> rows[] = {
            {1.0, 0, 0, {}},
            {2.0, 6931, 0, {2.0}}, // the zoom shown; 1.99991, rounded up
            {2.0, 6931, 6931, {}},
            {1.005, 50, 0, {1.01}}, // already there, not 6931's exact zoom; 1.00501
            {1.0 / 3.0, -10986, 0, {0.33}},
            {nanZoom, 0, 6931, {1.0}}, // 0.333337, rounded down; nan means one
            {0.0, -farthestPosition, 0, {0.1}},
            {inf, farthestPosition, 0, {32.0}}, // 0.099999; 31.99999
        };
        for (const auto &[zoom, position, start, emitted] : rows) {
            ZelZoomSlider slider;
            QCOMPARE(slider.mapZoomToSlider(zoom), position);
            slider.setValue(start);
            ZoomList *zooms = recordZooms(&slider);
            slider.setZoom(zoom);
            QCOMPARE(slider.value(), qBound(slider.minimum(), position, slider.maximum()));
            QCOMPARE(*zooms, emitted);
        }
    }

    void toolbarSetZoom()
    {
        // zoom, adopted, emissions: the combo's; after a move the slider's first; 0.333 moves it twice (to 0.33).
        const std::tuple<double, double, int> rows[] = {
            {1.0, 1.0, 1}, {nanZoom, 1.0, 1}, {inf, 32.0, 3}, {0.0, 0.1, 3}, {0.333, 0.33, 5},
        };
        for (const auto &[zoom, adopted, emissions] : rows) {
            ZelZoomToolbar toolbar;
            auto *slider = toolbar.findChild<ZelZoomSlider *>();
            ZoomList *zooms = recordZooms(&toolbar);
            toolbar.setZoom(zoom);
            QCOMPARE(*zooms, ZoomList(emissions, adopted));
            QCOMPARE(toolbar.zoom(), adopted);
            QCOMPARE(toolbar.findChild<ZelZoomComboBox *>()->zoom(), adopted);
            QCOMPARE(slider->value(), slider->mapZoomToSlider(adopted));
            QCOMPARE(toolbar.canExecZoomIn(), adopted < 32.0); // disabled at the ends
            QCOMPARE(toolbar.canExecZoomOut(), adopted > 0.1);
        }
    }

    void toolbarUserChangesKeepChildrenInStep()
    {
        auto *toolbar = addShown<ZelZoomToolbar>(m_window);
        QVERIFY(toolbar);
        auto *combo = toolbar->findChild<ZelZoomComboBox *>();
        auto *slider = toolbar->findChild<ZelZoomSlider *>();
        auto *in = toolbar->findChild<QToolButton *>("btnZoomIn");
        auto *out = toolbar->findChild<QToolButton *>("btnZoomOut");
        ZoomList *zooms = recordZooms(toolbar);
        // Every announcement is the final zoom, which the combo shows and the handle rests on; then forgets them.
        const auto inStep = [&] {
            const double final = toolbar->zoom();
            const bool ok = !zooms->isEmpty() && *zooms == ZoomList(zooms->size(), final) && combo->zoom() == final
                && slider->value() == slider->mapZoomToSlider(final);
            zooms->clear();
            return ok;
        };

        // A drag: the slider, then the combo announce; the handle snaps to the zoom rounded to hundredths.
        QVERIFY(ZelRangeTest::dragThrough(slider, {slider->minimum() + (slider->maximum() - slider->minimum()) / 3}));
        QCOMPARE(toolbar->zoom(), std::round(toolbar->zoom() * 100.0) / 100.0);
        QVERIFY(inStep());

        // An arrow key must get past the rounding instead of snapping back.
        slider->setFocus();
        QTRY_VERIFY(slider->hasFocus());
        const double dragged = toolbar->zoom();
        QTest::keyClick(slider, Qt::Key_Right);
        QVERIFY(toolbar->zoom() > dragged);
        QVERIFY(inStep());
        // The shortcuts act with the focus on the buttons that carry the actions, not elsewhere.
        pressStandardKey(slider, QKeySequence::ZoomIn);
        QVERIFY(zooms->isEmpty());

        // A menu choice: combo, then slider announce; the combo ignores setZoom() while announcing.
        QTest::mouseClick(combo, Qt::LeftButton, {}, combo->rect().center());
        QMenu *menu = shownMenu(combo);
        QVERIFY(menu);
        QVERIFY(chooseZoom(menu, 4.0));
        QCOMPARE(*zooms, ZoomList({4.0, 4.0}));
        QVERIFY(inStep());

        // A button click: the slider announces, then the combo in the nested setZoom() and in zoomIn().
        QTest::mouseClick(in, Qt::LeftButton, {}, in->rect().center());
        const double next = ZoomDefs::zoomIn(4.0);
        QCOMPARE(*zooms, ZoomList({next, next, next}));

        // ZoomOut walks all presets down from the top (0.125 shown as 0.13), then announces nothing.
        toolbar->setZoom(32.0);
        out->setFocus();
        QTRY_VERIFY(out->hasFocus());
        ZoomList walked{32.0}, shownPresets;
        for (const double preset : ZoomDefs::zoomKeyValues()) {
            shownPresets.append(std::round(preset * 100.0) / 100.0);
            pressStandardKey(out, QKeySequence::ZoomOut);
            if (toolbar->zoom() != walked.first())
                walked.prepend(toolbar->zoom());
        }
        zooms->clear();
        pressStandardKey(out, QKeySequence::ZoomOut);
        QVERIFY(zooms->isEmpty());
        QCOMPARE(walked, shownPresets);
        QVERIFY(!out->isEnabled());
        // ZoomIn takes the next preset up (as shown), with the focus on its button.
        in->setFocus();
        QTRY_VERIFY(in->hasFocus());
        pressStandardKey(in, QKeySequence::ZoomIn);
        QCOMPARE(toolbar->zoom(), shownPresets.at(1));
    }

    void minZoom()
    {
        for (const double minZoom : {0.05, 0.5, nanZoom, 0.0, -inf}) { // a higher or bad minimum means the default
            const auto [adopted, position] = minZoom == 0.05 ? std::pair(0.05, -29957) : std::pair(0.1, -23026);
            // A slider's handle at the bottom of a wider range is clamped to the new bottom silently.
            ZelZoomSlider slider;
            slider.setMinZoom(0.02);
            slider.setValue(slider.minimum());
            QSignalSpy values(&slider, &QSlider::valueChanged);
            slider.setMinZoom(minZoom);
            QCOMPARE(slider.minimum(), position);
            QCOMPARE(slider.value(), position);
            QCOMPARE(values.count(), 0);

            // The toolbar at 0.1 keeps its zoom and zooms out down to the minimum.
            ZelZoomToolbar toolbar;
            QToolButton *out = toolbar.findChild<QToolButton *>("btnZoomOut");
            toolbar.setZoom(0.1);
            ZoomList *zooms = recordZooms(&toolbar);
            toolbar.setMinZoom(minZoom);
            QCOMPARE(toolbar.minZoom(), adopted);
            QCOMPARE(toolbar.zoom(), 0.1);
            QVERIFY(zooms->isEmpty());
            out->defaultAction()->trigger();
            QCOMPARE(toolbar.zoom(), adopted);
            QVERIFY(!out->isEnabled());
        }
    }

    void toolbarStep()
    {
        ZelZoomToolbar toolbar;
        auto *slider = toolbar.findChild<ZelZoomSlider *>();
        toolbar.setStep(5.7);
        // NaN is ignored; a huge one means the whole range; the slider takes a negative step's size.
        toolbar.setStep(nanZoom);
        QCOMPARE(slider->singleStep(), 5);
        QCOMPARE(toolbar.step(), 5.0);
        toolbar.setStep(1e12);
        QCOMPARE(slider->singleStep(), slider->maximum() - slider->minimum());
        toolbar.setStep(-3.0);
        QCOMPARE(slider->singleStep(), 3);
    }

private:
    QWidget *m_window = nullptr;
};

QTEST_MAIN(tst_ZelZoomToolbar)
#include "tst_zelzoomtoolbar.moc"
