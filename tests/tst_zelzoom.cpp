// The zoom value controls (preset menu button, GOST scale list, percent spin box) by real clicks and keys.

#include "zelzoom_testhelpers.h"

#include <ZelGui/ZelZoomComboBox.h>
#include <ZelGui/ZelZoomGOSTComboBox.h>
#include <ZelGui/ZelZoomSpinBox.h>

#include <ZelCore/ZoomDefs.h>

using namespace ZelZoomTest;

class tst_ZelZoom : public QObject
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

    void comboShowsRoundedStoresExact()
    {
        auto *combo = addShown<ZelZoomComboBox>(m_window);
        QVERIFY(combo);
        ZoomList *zooms = recordZooms(combo);
        // A listener that takes the focus and answers with another zoom is not heard while the button announces,
        // and the focus goes anyway.
        connect(combo, &ZelZoomComboBox::zoomChanged, combo, [combo](double z) {
            combo->setFocus();
            combo->setZoom(z * 2.0);
        });
        // Half a hundredth rounds up, negatives away from zero; the zoom already shown is announced again.
        const std::pair<double, double> rows[] = {{0.004, 0.0},     {0.005, 0.01},      {0.005, 0.01},
                                                  {-1.2355, -1.24}, {nanZoom, nanZoom}, {inf, inf}};
        for (const auto &[zoom, shown] : rows) {
            zooms->clear();
            combo->setZoom(zoom);
            QCOMPARE(combo->text(), ZoomDefs::zoomValueToText(shown));
            // QCOMPARE takes NaN for NaN, unlike a list comparison.
            QCOMPARE(combo->zoom(), zoom);
            QCOMPARE(zooms->size(), 1);
            QCOMPARE(zooms->first(), zoom);
            QVERIFY(!combo->hasFocus());
        }
    }

    void comboMenusOfferPresetsAndAdoptTheChoice()
    {
        // The zoom set first, and the preset then checked (NaN: none): within fuzz, close but not fuzzy equal, NaN.
        const double fuzzy = 4.0 * (1.0 + 1e-14);
        const double notFuzzy = 4.0 * (1.0 + 1e-9);
        for (const auto &[zoom, checked] : {std::pair(fuzzy, 4.0), std::pair(notFuzzy, nanZoom), std::pair(nanZoom, nanZoom)}) {
            delete m_window; // a fresh window for each row
            m_window = newWindow();
            auto *combo = addShown<ZelZoomComboBox>(m_window);
            QVERIFY(combo);
            combo->setZoom(zoom);
            ZoomList *zooms = recordZooms(combo);

            // A click pops a menu of the presets, shown as the button shows them, at the button's top-left corner.
            QTest::mouseClick(combo, Qt::LeftButton, {}, combo->rect().center());
            QMenu *menu = shownMenu(combo);
            QVERIFY(menu);
            // Qt lifts a menu that would leave the screen, never lowers it.
            QCOMPARE(menu->x(), combo->mapToGlobal(QPoint(0, 0)).x());
            QVERIFY(menu->y() <= combo->mapToGlobal(QPoint(0, 0)).y());
            ZoomList offered, checkedZooms;
            for (const QAction *action : menu->actions()) {
                offered.append(action->data().toDouble());
                QCOMPARE(action->text(), ZoomDefs::zoomValueToText(offered.last()));
                if (action->isChecked())
                    checkedZooms.append(offered.last());
            }
            QCOMPARE(offered, ZoomDefs::zoomKeyValues());
            QCOMPARE(checkedZooms, qIsNaN(checked) ? ZoomList() : ZoomList({checked}));
            // Opening the menu announced nothing.
            QVERIFY(chooseZoom(menu, 2.0));
            QCOMPARE(*zooms, ZoomList({2.0}));
            QTRY_VERIFY(combo->findChildren<QMenu *>().isEmpty());

            // A right click pops a fresh menu at the pointer, the new zoom checked; Escape announces nothing.
            const QPoint point = combo->rect().center() + QPoint(3, 2);
            QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, {}, combo->mapTo(m_window, point));
            menu = shownMenu(combo);
            QVERIFY(menu);
            QCOMPARE(menu->x(), combo->mapToGlobal(point).x());
            QVERIFY(menu->y() <= combo->mapToGlobal(point).y());
            QVERIFY(menu->actions().at(ZoomDefs::zoomKeyValues().indexOf(2.0))->isChecked());
            QTest::keyClick(menu, Qt::Key_Escape);
            QTRY_VERIFY(combo->findChildren<QMenu *>().isEmpty());
            QCOMPARE(*zooms, ZoomList({2.0}));
        }
    }

    void gostSelectsOnlyListedScales()
    {
        // Listed within fuzz, both ends, a decimal comma on either side; the current one and unlisted ones select nothing new.
        const std::tuple<double, const char *, ZoomList> rows[] = {
            {0.4 * (1.0 + 1e-14), "2,5:1", {0.4}},
            {2.5, "1:2,5", {2.5}},
            {1000.0, "1:1000", {1000.0}},
            {0.01, "100:1", {0.01}},
            {1.0, "1:1", {}},
            {3.0, "1:1", {}},
            {nanZoom, "1:1", {}},
            {-2.0, "1:1", {}},
        };
        for (const auto &[zoom, text, emitted] : rows) {
            ZelZoomGOSTComboBox combo;
            ZoomList *zooms = recordZooms(&combo);
            combo.setZoom(zoom);
            QCOMPARE(combo.currentText(), QLatin1String(text));
            QCOMPARE(*zooms, emitted);
        }

        // Keys step through the list, each choice announced.
        auto *combo = addShown<ZelZoomGOSTComboBox>(m_window);
        QVERIFY(combo);
        QCOMPARE(combo->count(), 27);
        ZoomList *zooms = recordZooms(combo);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(*zooms, ZoomList({2.0, 2.5, 2.0}));
        // Without a current item there is no zoom, and nothing is announced.
        zooms->clear();
        combo->setCurrentIndex(-1);
        QVERIFY(qIsNaN(combo->zoom()));
        QVERIFY(zooms->isEmpty());
    }

    void spinSetZoomValidatesAndAnnounces()
    {
        // zoom, adopted, truncated percent; the current zoom announces nothing, NaN is adopted as 1.0 and announced.
        const std::tuple<double, double, int> rows[] = {
            {1.0, 1.0, 100}, {0.125, 0.125, 12}, {0.29, 0.29, 29}, {0.0, 0.1, 10}, {inf, 32.0, 3200}, {-inf, 0.1, 10}, {nanZoom, 1.0, 100},
        };
        for (const auto &[zoom, adopted, percent] : rows) {
            ZelZoomSpinBox spin;
            ZoomList *zooms = recordZooms(&spin);
            spin.setZoom(zoom);
            QCOMPARE(spin.zoom(), adopted);
            QCOMPARE(spin.value(), percent);
            QCOMPARE(*zooms, zoom == 1.0 ? ZoomList() : ZoomList({adopted}));
        }
    }

    void spinUserInputAnnouncesEachAdoptedZoom()
    {
        auto *spin = addShown<ZelZoomSpinBox>(m_window);
        QVERIFY(spin);
        ZoomList *zooms = recordZooms(spin);
        // A listener answering with another zoom is not heard while the box announces.
        connect(spin, &ZelZoomSpinBox::zoomChanged, spin, [spin](double z) { spin->setZoom(z * 2.0); });
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_Up);
        QTest::keyClick(spin, Qt::Key_PageUp);
        QCOMPARE(*zooms, ZoomList({1.01, 1.11}));

        // Typing: "2" is no value yet, "25" already is one.
        zooms->clear();
        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("250"));
        QTest::keyClick(spin, Qt::Key_Enter);
        QCOMPARE(*zooms, ZoomList({0.25, 2.5}));
        QCOMPARE(spin->zoom(), 2.5);
    }

private:
    QWidget *m_window = nullptr;
};

QTEST_MAIN(tst_ZelZoom)
#include "tst_zelzoom.moc"
