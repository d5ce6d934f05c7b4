// Graphics views, the status overlay, the performance-counter tabs and the
// point plot.

#include "zelgui_testhelpers.h"

#include <ZelGui/GuiUtils.h>
#include <ZelGui/ZelGraphicsStatusWidget.h>
#include <ZelGui/ZelGraphicsViewWithRect.h>
#include <ZelGui/ZelMathGL.h>
#include <ZelGui/ZelPerfCounterWidget.h>

#include <ZelCore/ZelPerfCounterStore.h>
#include <ZelLog/ZelMessage.h>
#include <ZelLog/ZelStatus.h>

#include <QGraphicsScene>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTabBar>
#include <QTest>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>
#include <qwt_text.h>

#include <cmath>

namespace {

const double notANumber = qQNaN();
const double infinity = qInf();

QwtPlotCurve *curveOf(QwtPlot *plot)
{
    const QwtPlotItemList curves = plot->itemList(QwtPlotItem::Rtti_PlotCurve);
    return curves.size() == 1 ? static_cast<QwtPlotCurve *>(curves.constFirst()) : nullptr;
}

// "(x,y) (x,y) ..." of a plot's only curve.
QString samples(QwtPlot *plot)
{
    QStringList points;
    if (QwtPlotCurve *curve = curveOf(plot)) {
        for (size_t i = 0; i < curve->dataSize(); ++i) {
            const QPointF p = curve->sample(i);
            points << QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
        }
    }
    return points.join(u' ');
}

QwtPlot *tabPlot(ZelPerfCounterWidget *widget, int index)
{
    return widget->widget(index)->findChild<QwtPlot *>();
}

QStringList tabTexts(const QTabWidget *tabs)
{
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    return texts;
}

ZelStatus statusWithText(const QString &text)
{
    return ZelStatus(ZelMessage(ZelLog::Warning, QStringLiteral("Test"), QStringLiteral("void load()"),
                                QStringLiteral("load.cpp"), 3, Issue::None, text));
}

// The panel as it paints itself, and as the status painter alone paints the text.
QImage rendered(QWidget *panel)
{
    QImage image(panel->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    panel->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

QImage expectedPanel(const QString &text)
{
    QImage image(700, 250, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    GuiUtils::renderTextStatus(&painter, image.rect(), text);
    return image;
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
        for (const char *line : {"Metric added: paint", "Metric added: decode", "Metric added: upload"})
            QTest::ignoreMessage(QtDebugMsg, line);
        ZelPerfCounterWidget widget;
        QCOMPARE(tabTexts(&widget), QStringList({"M: paint", "M: decode", "M: upload"}));
        QCOMPARE(tabPlot(&widget, 1)->title().text(), QStringLiteral("Metric - decode"));
        QCOMPARE(samples(tabPlot(&widget, 0)), QString()); // nothing before the first refresh
        store->clear();
    }

    void perfCounterRefreshesEachTab()
    {
        const QSharedPointer<ZelPerfCounterStore> store = zelPerfCounterStore();
        ZelPerfCounterWidget widget;
        widget.setRefreshInterval(10);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QCOMPARE(widget.count(), 0);

        store->addValue(QStringLiteral("fps"), 30.0); // announced: a tab at the end
        store->addValue(QStringLiteral("fps"), 29.5);
        store->addValue(QStringLiteral("queue"), 4.0);
        QCOMPARE(tabTexts(&widget), QStringList({"M: fps", "M: queue"}));
        QTRY_COMPARE(samples(tabPlot(&widget, 0)), QStringLiteral("(0,30) (1,29.5)"));
        QTRY_COMPARE(samples(tabPlot(&widget, 1)), QStringLiteral("(0,4)"));
        store->addValue(QStringLiteral("fps"), 31.0); // the next refresh shows it
        QTRY_COMPARE(samples(tabPlot(&widget, 0)), QStringLiteral("(0,30) (1,29.5) (2,31)"));

        // A metric announced twice gets two tabs; one without values an empty curve.
        widget.onMetricAdded(QStringLiteral("queue"));
        widget.onMetricAdded(QStringLiteral("never recorded"));
        QCOMPARE(tabTexts(&widget), QStringList({"M: fps", "M: queue", "M: queue", "M: never recorded"}));
        QTRY_COMPARE(samples(tabPlot(&widget, 2)), QStringLiteral("(0,4)"));
        QCOMPARE(curveOf(tabPlot(&widget, 3))->dataSize(), size_t(0));

        // Values that are not finite leave gaps; the axes stay finite.
        for (double value : {notANumber, 2.0, infinity, -infinity, 3.0})
            store->addValue(QStringLiteral("noisy"), value);
        QTRY_COMPARE(samples(tabPlot(&widget, 4)), QStringLiteral("(1,2) (4,3)"));
        const QwtScaleDiv &left = tabPlot(&widget, 4)->axisScaleDiv(QwtPlot::yLeft);
        QVERIFY(std::isfinite(left.lowerBound()) && std::isfinite(left.upperBound()));
        store->clear();
    }

    void pointPlotShowsTheFourthComponent()
    {
        ZelMathGL plotWidget;
        auto *plot = plotWidget.findChild<QwtPlot *>();
        QCOMPARE(plot->title().text(), QStringLiteral("DATA"));
        plotWidget.setModel({ZelVec4D(9, 9, 9, 1.5), ZelVec4D(notANumber, infinity, 0, -2.0), ZelVec4D(0, 0, 0, notANumber),
                             ZelVec4D(0, 0, 0, 4.0)});
        QCOMPARE(samples(plot), QStringLiteral("(0,1.5) (1,-2) (3,4)"));
        plot->replot(); // the left axis spans the finite values, not a default
        const QwtScaleDiv &finite = plot->axisScaleDiv(QwtPlot::yLeft);
        QVERIFY2(finite.lowerBound() <= -2 && finite.upperBound() >= 4 && finite.upperBound() < 10,
                 qPrintable(QStringLiteral("%1..%2").arg(finite.lowerBound()).arg(finite.upperBound())));
        QVERIFY(QMetaObject::invokeMethod(&plotWidget, "setModel", Q_ARG(QList<ZelVec4D>, QList<ZelVec4D>())));
        QCOMPARE(curveOf(plot)->dataSize(), size_t(0));

        QList<ZelVec4D> ramp;
        for (int i = 0; i < 500; ++i)
            ramp << ZelVec4D(0, 0, 0, i * 0.5);
        plotWidget.setModel(ramp);
        plot->replot();
        QVERIFY(plot->axisScaleDiv(QwtPlot::xBottom).upperBound() >= 499); // follows the data
        plotWidget.setScaleBottom(0, 100, 10);
        plotWidget.setModel(ramp);
        plot->replot();
        QVERIFY(!plot->axisAutoScale(QwtPlot::xBottom) && plot->axisAutoScale(QwtPlot::yLeft));
        const QwtScaleDiv &bottom = plot->axisScaleDiv(QwtPlot::xBottom);
        QCOMPARE(QList<double>({bottom.lowerBound(), bottom.upperBound()}), QList<double>({0.0, 100.0}));
        QCOMPARE(bottom.ticks(QwtScaleDiv::MajorTick).size(), 11);
        QVERIFY(plot->axisScaleDiv(QwtPlot::yLeft).upperBound() >= 249.5);
    }

    void statusPanelCentresOnItsParent()
    {
        QWidget parent;
        parent.resize(1000, 600);
        auto *panel = new ZelGraphicsStatusWidget(&parent);
        QCOMPARE(panel->size(), QSize(700, 250));
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QTRY_COMPARE(panel->pos(), QPoint(150, 175));
        parent.resize(801, 401); // (800 / 2 - 699 / 2, 400 / 2 - 249 / 2)
        QTRY_COMPARE(panel->pos(), QPoint(51, 76));
    }

    void statusPanelAndCountersShowTheirText()
    {
        ZelGraphicsStatusWidget panel(nullptr);
        QCOMPARE(rendered(&panel), expectedPanel(QStringLiteral("Unknown status")));
        panel.setStatus(statusWithText(QStringLiteral("Camera disconnected")));
        QCOMPARE(rendered(&panel), expectedPanel(QStringLiteral("Camera disconnected")));

        RussianTranslation russian;
        QVERIFY(russian.loaded);
        panel.setStatus(ZelStatus::Ok);
        QCOMPARE(rendered(&panel), expectedPanel(QStringLiteral("Неизвестное состояние")));
        ZelPerfCounterWidget counters; // the counters' tabs too
        counters.onMetricAdded(QStringLiteral("fps"));
        QCOMPARE(counters.tabText(0), QStringLiteral("М: fps"));
        QCOMPARE(tabPlot(&counters, 0)->title().text(), QStringLiteral("Метрика - fps"));
    }

    void contentRectLeavesOutVisibleScrollBars_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<bool>("horizontal");
        QTest::newRow("none") << false << false;
        QTest::newRow("vertical") << true << false;
        QTest::newRow("horizontal") << false << true;
        QTest::newRow("both") << true << true;
    }

    void contentRectLeavesOutVisibleScrollBars()
    {
        QFETCH(bool, vertical);
        QFETCH(bool, horizontal);
        QGraphicsScene scene(0, 0, 2000, 2000);
        ZelGraphicsViewWithRect view(nullptr);
        view.setScene(&scene);
        view.setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        view.setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        view.resize(400, 300);
        QCOMPARE(view.contentRect(), view.contentsRect()); // hidden: no bar shows yet
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const int barWidth = vertical ? view.verticalScrollBar()->width() : 0;
        const int barHeight = horizontal ? view.horizontalScrollBar()->height() : 0;
        QVERIFY(!vertical || barWidth > 0);
        QCOMPARE(view.contentRect(), view.contentsRect().adjusted(0, 0, -barWidth, -barHeight));
        if (vertical != horizontal) // without the corner square, the viewport fills exactly that
            QCOMPARE(view.contentRect(), view.viewport()->geometry());
    }
};

QTEST_MAIN(tst_ZelViews)
#include "tst_zelviews.moc"
