// Setting values on a range editor against the bare slider and spin box it
// keeps in step.

#include <ZelGui/ZelRangeWidget.h>

#include <QApplication>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTest>

class bench_ZelRangeWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void setValue_data();
    void setValue();
};

void bench_ZelRangeWidget::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void bench_ZelRangeWidget::setValue_data()
{
    QTest::addColumn<bool>("ours");
    QTest::newRow("ours") << true;
    QTest::newRow("primitive") << false;
}

// 10 000 changing values per iteration. The primitive is a QSlider and a
// QSpinBox kept in step by hand, each written with the other's signals
// blocked, as the editor does.
void bench_ZelRangeWidget::setValue()
{
    QFETCH(bool, ours);
    constexpr int count = 10000;
    ZelRangeWidget widget;
    widget.setRange(ZelMinMaxRange<int>(0, count, 1));
    QSlider slider(Qt::Horizontal);
    QSpinBox spin;
    slider.setRange(0, count);
    spin.setRange(0, count);
    QObject::connect(&slider, &QSlider::valueChanged, &spin, [&spin](int v) {
        const QSignalBlocker blocker(spin);
        spin.setValue(v);
    });
    QObject::connect(&spin, &QSpinBox::valueChanged, &slider, [&slider](int v) {
        const QSignalBlocker blocker(slider);
        slider.setValue(v);
    });

    QBENCHMARK {
        for (int i = 1; i <= count; ++i)
            ours ? widget.setValue(i) : spin.setValue(i);
        ours ? widget.setValue(0) : spin.setValue(0);
    }
    QCOMPARE(ours ? widget.value() : slider.value(), 0);
}

QTEST_MAIN(bench_ZelRangeWidget)
#include "bench_zelrangewidget.moc"
