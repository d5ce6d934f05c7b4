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
    void init() { failOnOtherWarnings(); m_window = newWindow(); }
    void cleanup() { delete m_window; }

    void comboShowsRoundedStoresExact()
    {
        // Half a hundredth rounds up, negatives away from zero.
        const std::pair<double, double> rows[] = {{0.004, 0.0}, {0.005, 0.01}, {-1.2355, -1.24}, {nanZoom, nanZoom},
                                                  {inf, inf}};
        for (const auto &[zoom, shown] : rows) {
            ZelZoomComboBox combo;
            ZoomList *zooms = recordZooms(&combo);
            combo.setZoom(zoom);
            QCOMPARE(combo.text(), ZoomDefs::zoomValueToText(shown));
            // QCOMPARE takes NaN for NaN, unlike a list comparison.
            QCOMPARE(combo.zoom(), zoom);
            QCOMPARE(zooms->size(), 1);
            QCOMPARE(zooms->first(), zoom);
        }
    }

    void comboAnnouncesEverySetIgnoresReentryAndDropsFocus()
    {
        auto *combo = addShown<ZelZoomComboBox>(m_window);
        QVERIFY(combo);
        ZoomList *zooms = recordZooms(combo);
        combo->setFocus();
        QTRY_VERIFY(combo->hasFocus());
        combo->setZoom(1.0);
        combo->setZoom(1.0);
        QCOMPARE(*zooms, ZoomList({1.0, 1.0}));
        QVERIFY(!combo->hasFocus());

        // A listener answering with another zoom is not heard while the button announces; focus goes anyway.
        connect(combo, &ZelZoomComboBox::zoomChanged, combo, [combo](double z) { combo->setFocus(); combo->setZoom(z * 2.0); });
        zooms->clear();
        combo->setZoom(3.0);
        QCOMPARE(*zooms, ZoomList({3.0}));
        QCOMPARE(combo->zoom(), 3.0);
        QCOMPARE(combo->text(), ZoomDefs::zoomValueToText(3.0));
        QVERIFY(!combo->hasFocus());
    }

    void comboMenusOfferPresetsAndAdoptTheChoice()
    {
        // The zoom set first, and the preset then checked (NaN: none): within fuzz, close but not fuzzy equal, NaN.
        const double fuzzy = 4.0 * (1.0 + 1e-14), notFuzzy = 4.0 * (1.0 + 1e-9);
        for (const auto &[zoom, checked] : {std::pair(fuzzy, 4.0), std::pair(notFuzzy, nanZoom), std::pair(nanZoom, nanZoom)}) {
            delete m_window; // a fresh window for each row
            m_window = newWindow();
            auto *combo = addShown<ZelZoomComboBox>(m_window);
            QVERIFY(combo);
            combo->setZoom(zoom);
            ZoomList *zooms = recordZooms(combo);

            // A click pops a menu of the presets at the button's top-left corner.
            QTest::mouseClick(combo, Qt::LeftButton, {}, combo->rect().center());
            QMenu *menu = shownMenu(combo);
            QVERIFY(menu);
            QCOMPARE(menu->pos(), combo->mapToGlobal(QPoint(0, 0)));
            const ZoomList presets = ZoomDefs::zoomKeyValues();
            QCOMPARE(menu->actions().size(), presets.size());
            ZoomList checkedZooms;
            for (int i = 0; i < presets.size(); ++i) {
                const QAction *action = menu->actions().at(i);
                QCOMPARE(action->text(), ZoomDefs::zoomValueToText(presets.at(i)));
                QCOMPARE(action->data().userType(), QMetaType::Double);
                QCOMPARE(action->data().toDouble(), presets.at(i));
                QVERIFY(action->isCheckable());
                if (action->isChecked())
                    checkedZooms.append(presets.at(i));
            }
            QCOMPARE(checkedZooms, qIsNaN(checked) ? ZoomList() : ZoomList({checked}));
            QVERIFY2(zooms->isEmpty(), "opening the menu announces nothing");
            QVERIFY(chooseZoom(menu, 2.0));
            QCOMPARE(*zooms, ZoomList({2.0}));
            QCOMPARE(combo->text(), ZoomDefs::zoomValueToText(2.0));
            QTRY_VERIFY(combo->findChildren<QMenu *>().isEmpty());

            // A right click pops a fresh menu at the pointer, the new zoom checked; Escape announces nothing.
            const QPoint point = combo->rect().center() + QPoint(3, 2);
            QWidget *window = combo->window();
            QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, combo->mapTo(window, point));
            menu = shownMenu(combo);
            QVERIFY(menu);
            QCOMPARE(menu->pos(), combo->mapToGlobal(point));
            for (const QAction *action : menu->actions())
                QCOMPARE(action->isChecked(), action->data().toDouble() == 2.0);
            QTest::keyClick(menu, Qt::Key_Escape);
            QTRY_VERIFY(combo->findChildren<QMenu *>().isEmpty());
            QCOMPARE(*zooms, ZoomList({2.0}));
        }
    }

    void comboIgnoresSendersWithoutZoom()
    {
        ZelZoomComboBox combo;
        ZoomList *zooms = recordZooms(&combo);
        QVERIFY(QMetaObject::invokeMethod(&combo, "setZoomText")); // no sender at all
        QAction noData, text, number;
        text.setData(QStringLiteral("large"));
        number.setData(0.5);
        for (QAction *action : {&noData, &text, &number}) {
            QVERIFY(connect(action, SIGNAL(triggered()), &combo, SLOT(setZoomText())));
            action->trigger();
        }
        QCOMPARE(*zooms, ZoomList({0.5}));
    }

    void gostListsTheStandardScales()
    {
        const std::pair<const char *, double> table[] = {
            {"100:1", 0.01}, {"50:1", 0.02}, {"40:1", 0.025}, {"20:1", 0.05}, {"10:1", 0.1}, {"5:1", 0.2}, {"4:1", 0.25},
            {"2,5:1", 0.4}, {"2:1", 0.5}, {"1:1", 1.0}, {"1:2", 2.0}, {"1:2,5", 2.5}, {"1:4", 4.0}, {"1:5", 5.0},
            {"1:10", 10.0}, {"1:15", 15.0}, {"1:20", 20.0}, {"1:25", 25.0}, {"1:40", 40.0}, {"1:50", 50.0}, {"1:75", 75.0},
            {"1:100", 100.0}, {"1:200", 200.0}, {"1:400", 400.0}, {"1:500", 500.0}, {"1:800", 800.0}, {"1:1000", 1000.0},
        };
        ZelZoomGOSTComboBox combo;
        QCOMPARE(combo.count(), int(std::size(table)));
        for (int i = 0; i < combo.count(); ++i) {
            QCOMPARE(combo.itemText(i), QLatin1String(table[i].first));
            QCOMPARE(combo.itemData(i, Qt::UserRole).userType(), QMetaType::Double);
            QCOMPARE(combo.itemData(i, Qt::UserRole).toDouble(), table[i].second);
        }
        QCOMPARE(combo.zoom(), 1.0);
        // Without a current item there is no zoom, and nothing is announced.
        ZoomList *zooms = recordZooms(&combo);
        combo.setCurrentIndex(-1);
        QVERIFY(qIsNaN(combo.zoom()));
        combo.clear();
        combo.setZoom(1.0);
        QVERIFY(qIsNaN(combo.zoom()));
        QVERIFY(zooms->isEmpty());
    }

    void gostSetZoomSelectsOnlyListedScales()
    {
        // Listed within fuzz, largest, smallest; the current one and unlisted ones select nothing new.
        const std::tuple<double, const char *, ZoomList> rows[] = {
            {0.4 * (1.0 + 1e-14), "2,5:1", {0.4}}, {1000.0, "1:1000", {1000.0}}, {0.01, "100:1", {0.01}},
            {1.0, "1:1", {}}, {3.0, "1:1", {}}, {nanZoom, "1:1", {}}, {inf, "1:1", {}}, {0.0, "1:1", {}}, {-2.0, "1:1", {}},
        };
        for (const auto &[zoom, text, emitted] : rows) {
            ZelZoomGOSTComboBox combo;
            ZoomList *zooms = recordZooms(&combo);
            combo.setZoom(zoom);
            QCOMPARE(combo.currentText(), QLatin1String(text));
            QCOMPARE(*zooms, emitted);
        }
    }

    void gostUserChoiceAnnouncesTheScale()
    {
        auto *combo = addShown<ZelZoomGOSTComboBox>(m_window);
        QVERIFY(combo);
        ZoomList *zooms = recordZooms(combo);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(*zooms, ZoomList({2.0, 2.5, 2.0}));
        QCOMPARE(combo->zoom(), 2.0);
    }

    void spinSetZoomValidatesAndAnnounces()
    {
        // zoom, adopted, truncated percent; the current zoom announces nothing, NaN is adopted as 1.0 and announced.
        const std::tuple<double, double, int> rows[] = {
            {1.0, 1.0, 100}, {0.125, 0.125, 12}, {0.29, 0.29, 29}, {0.0, 0.1, 10},
            {inf, 32.0, 3200}, {-inf, 0.1, 10}, {nanZoom, 1.0, 100},
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
        QCOMPARE(spin->text(), QStringLiteral("100%"));
        ZoomList *zooms = recordZooms(spin);
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

        // Digits beyond the range are refused; "5" is too small a zoom, so Enter keeps the previous one.
        zooms->clear();
        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("9999"));
        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("5"));
        QTest::keyClick(spin, Qt::Key_Enter);
        QCOMPARE(spin->value(), 999);
        QCOMPARE(*zooms, ZoomList({0.99, 9.99}));
        QCOMPARE(spin->zoom(), 9.99);
    }

    void spinIgnoresReentry()
    {
        ZelZoomSpinBox spin;
        ZoomList *zooms = recordZooms(&spin);
        connect(&spin, &ZelZoomSpinBox::zoomChanged, &spin, [&spin](double z) { spin.setZoom(z * 2.0); });
        spin.setZoom(2.0);
        spin.setValue(300); // as a key press would
        QCOMPARE(*zooms, ZoomList({2.0, 3.0}));
        QCOMPARE(spin.value(), 300);
        QCOMPARE(spin.zoom(), 3.0);
    }

private:
    QWidget *m_window = nullptr;
};

QTEST_MAIN(tst_ZelZoom)
#include "tst_zelzoom.moc"
