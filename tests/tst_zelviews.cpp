// Graphics views, the status overlay, the performance-counter tabs and the
// point plot.

#include <ZelGui/GuiUtils.h>
#include <ZelGui/ZelGraphicsStatusWidget.h>
#include <ZelGui/ZelGraphicsViewWithRect.h>
#include <ZelGui/ZelMathGL.h>
#include <ZelGui/ZelPerfCounterWidget.h>

#include <ZelCore/ZelPerfCounterStore.h>
#include <ZelLog/ZelStatus.h>

#include <QGraphicsScene>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include <cmath>

namespace {

// "(x,y) (x,y) ..." of a plot's curves.
QString samples(QwtPlot *plot)
{
    QStringList points;
    for (QwtPlotItem *item : plot->itemList(QwtPlotItem::Rtti_PlotCurve)) {
        const auto *curve = static_cast<QwtPlotCurve *>(item);
        for (size_t i = 0; i < curve->dataSize(); ++i)
            points << QStringLiteral("(%1,%2)").arg(curve->sample(i).x()).arg(curve->sample(i).y());
    }
    return points.join(u' ');
}

QwtPlot *tabPlot(ZelPerfCounterWidget *widget, int index)
{
    return widget->widget(index)->findChild<QwtPlot *>();
}

// Whether the panel paints itself as the status painter alone paints the text.
bool paintsText(QWidget *panel, const QString &text)
{
    QImage actual(panel->size(), QImage::Format_ARGB32_Premultiplied);
    actual.fill(Qt::transparent);
    QImage expected = actual;
    panel->render(&actual, QPoint(), QRegion(), QWidget::RenderFlags());
    QPainter painter(&expected);
    GuiUtils::renderTextStatus(&painter, expected.rect(), text);
    return actual == expected;
}

} // namespace

class tst_ZelViews : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints)"))); }

    // The process-wide store starts empty: this runs first.
    void perfCounterStartsWithKnownMetrics()
    {
        const QSharedPointer<ZelPerfCounterStore> store = zelPerfCounterStore();
        for (const char *name : {"paint", "decode", "upload"})
            store->addValue(QLatin1String(name), 1.0);
        ZelPerfCounterWidget widget;
        QStringList tabs;
        for (int i = 0; i < widget.count(); ++i)
            tabs << widget.tabText(i);
        QCOMPARE(tabs, QStringList({"M: paint", "M: decode", "M: upload"}));
        store->clear();
    }

    void perfCounterRefreshesEachTab()
    {
        const QSharedPointer<ZelPerfCounterStore> store = zelPerfCounterStore();
        ZelPerfCounterWidget widget;
        widget.setRefreshInterval(10);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        store->addValue(QStringLiteral("fps"), 30.0); // announced: a tab at the end
        store->addValue(QStringLiteral("fps"), 29.5);
        store->addValue(QStringLiteral("queue"), 4.0);
        QTRY_COMPARE(samples(tabPlot(&widget, 0)), QStringLiteral("(0,30) (1,29.5)"));
        store->addValue(QStringLiteral("fps"), 31.0); // the next refresh shows it
        QTRY_COMPARE(samples(tabPlot(&widget, 0)), QStringLiteral("(0,30) (1,29.5) (2,31)"));

        // Values that are not finite leave gaps; the axes stay finite.
        for (double value : {qQNaN(), 2.0, qInf(), -qInf(), 3.0})
            store->addValue(QStringLiteral("noisy"), value);
        QTRY_COMPARE(samples(tabPlot(&widget, 2)), QStringLiteral("(1,2) (4,3)"));
        const QwtScaleDiv &left = tabPlot(&widget, 2)->axisScaleDiv(QwtPlot::yLeft);
        QVERIFY(std::isfinite(left.lowerBound()) && std::isfinite(left.upperBound()));
        store->clear();
    }

    void pointPlotShowsTheFourthComponent()
    {
        ZelMathGL plotWidget;
        auto *plot = plotWidget.findChild<QwtPlot *>();
        plotWidget.setModel(
            {ZelVec4D(9, 9, 9, 1.5), ZelVec4D(qQNaN(), qInf(), 0, -2.0), ZelVec4D(0, 0, 0, qQNaN()), ZelVec4D(0, 0, 0, 4.0)});
        QCOMPARE(samples(plot), QStringLiteral("(0,1.5) (1,-2) (3,4)"));
        plot->replot(); // the left axis spans the finite values, not a default
        const QwtScaleDiv &finite = plot->axisScaleDiv(QwtPlot::yLeft);
        QVERIFY(finite.lowerBound() <= -2 && finite.upperBound() >= 4 && finite.upperBound() < 10);
        QList<ZelVec4D> ramp;
        for (int i = 0; i < 500; ++i)
            ramp << ZelVec4D(0, 0, 0, i * 0.5);
        plotWidget.setScaleBottom(0, 100, 10);
        plotWidget.setModel(ramp);
        plot->replot();
        const QwtScaleDiv &bottom = plot->axisScaleDiv(QwtPlot::xBottom);
        QCOMPARE(QList<double>({bottom.lowerBound(), bottom.upperBound()}), QList<double>({0.0, 100.0}));
        QVERIFY(plot->axisScaleDiv(QwtPlot::yLeft).upperBound() >= 249.5);
    }

    void statusPanelCentresOnItsParent()
    {
        QWidget parent;
        parent.resize(1000, 600);
        auto *panel = new ZelGraphicsStatusWidget(&parent);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QTRY_COMPARE(panel->pos(), QPoint(150, 175));
        parent.resize(801, 401); // (800 / 2 - 699 / 2, 400 / 2 - 249 / 2)
        QTRY_COMPARE(panel->pos(), QPoint(51, 76));
    }

    // A status without a message shows "Unknown status".
    void statusPanelShowsItsText()
    {
        ZelGraphicsStatusWidget panel(nullptr);
        panel.setStatus(ZelStatus(ZelMessage(ZelLog::Warning, {}, {}, {}, 0, Issue::None, QStringLiteral("Camera disconnected"))));
        QVERIFY(paintsText(&panel, QStringLiteral("Camera disconnected")));
        panel.setStatus(ZelStatus::Ok);
        QVERIFY(paintsText(&panel, QStringLiteral("Unknown status")));
    }

    void contentRectLeavesOutVisibleScrollBars()
    {
        for (const auto &[vertical, horizontal] : {std::pair(true, false), std::pair(false, true), std::pair(true, true)}) {
            QGraphicsScene scene(0, 0, 2000, 2000);
            ZelGraphicsViewWithRect view(nullptr);
            view.setScene(&scene);
            view.setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            view.setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            view.resize(400, 300);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            const int barWidth = vertical ? view.verticalScrollBar()->width() : 0;
            const int barHeight = horizontal ? view.horizontalScrollBar()->height() : 0;
            QCOMPARE(view.contentRect(), view.contentsRect().adjusted(0, 0, -barWidth, -barHeight));
        }
    }
};

QTEST_MAIN(tst_ZelViews)
#include "tst_zelviews.moc"
