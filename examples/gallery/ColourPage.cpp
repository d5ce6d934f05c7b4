#include "ColourPage.h"

#include "GalleryLabels.h"

#include <ZelGui/ZelHSLHistogram.h>
#include <ZelGui/ZelHSLThermoBar.h>

#include <ZelCore/FSUtils.h>
#include <ZelCore/ZelFileDialog.h>

#include <QCheckBox>
#include <QComboBox>
#include <QConicalGradient>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int barHeight = 16;
// Pictures are sampled at most this wide and high: plenty for a histogram.
constexpr int sampleSide = 512;

const QList<std::pair<QString, ZelThermoBar::Component>> &barComponents()
{
    static const QList<std::pair<QString, ZelThermoBar::Component>> components{
        {QStringLiteral("Hue"), ZelThermoBar::Hue},
        {QStringLiteral("Saturation"), ZelThermoBar::Saturation},
        {QStringLiteral("Lightness"), ZelThermoBar::Lightness},
        {QStringLiteral("Red"), ZelThermoBar::Red},
        {QStringLiteral("Green"), ZelThermoBar::Green},
        {QStringLiteral("Blue"), ZelThermoBar::Blue},
        {QStringLiteral("Gray"), ZelThermoBar::Gray},
    };
    return components;
}

// A bar as a host shows one: its whole ramp, 16 pixels high.
void prepareBar(ZelThermoBar *bar, ZelThermoBar::Component component, const QString &name)
{
    bar->setComponent(component);
    const int max = ZelThermoBar::getMaxValueByComponent(component);
    bar->setScale(0, max);
    bar->setValue(max);
    bar->setPipeWidth(barHeight);
    bar->setFixedHeight(barHeight);
    bar->setMinimumWidth(120);
    bar->setAccessibleName(name);
}

// Sets a span whatever the current one is: the setters refuse a minimum
// above the current maximum and a maximum not above the current minimum.
void setSpan(ZelThermoBarSpan *bar, int min, int max)
{
    if (min > bar->spanMax()) {
        bar->setSpanMax(max);
        bar->setSpanMin(min);
    } else {
        bar->setSpanMin(min);
        bar->setSpanMax(max);
    }
}

QString componentName(ZelHSLHistogram::Component component)
{
    switch (component) {
    case ZelHSLHistogram::Hue:
        return QStringLiteral("hue");
    case ZelHSLHistogram::Saturation:
        return QStringLiteral("saturation");
    case ZelHSLHistogram::Lightness:
        return QStringLiteral("lightness");
    }
    return QStringLiteral("?");
}

} // namespace

ColourPage::ColourPage(QWidget *parent)
    : GalleryPage(parent)
    , m_log(new SignalLog(this))
    , m_tabs(new QTabWidget(this))
{
    auto *tab = new QWidget(m_tabs);
    auto *columns = new QHBoxLayout(tab);
    columns->addWidget(createBarsColumn(tab), 1);
    columns->addWidget(createHistogramColumn(tab), 1);
    m_tabs->addTab(tab, QStringLiteral("Thermo bars and histogram"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);

    // A known starting point, logged like any other change.
    setSpan(m_spans[0], 40, 200);
    setSpan(m_spans[1], 60, 190);
    m_data.hueMin = 20;
    m_data.hueMax = 250;
    m_data.saturationMin = 40;
    m_data.saturationMax = 255;
    m_data.lightnessMin = 30;
    m_data.lightnessMax = 220;
    showPicture(testPicture(), QStringLiteral("test picture"));
    selectComponent(0);
    updateReadouts();
}

QWidget *ColourPage::createBarsColumn(QWidget *parent)
{
    auto *column = new QWidget(parent);

    // One plain bar per component.
    auto *barsBox = new QGroupBox(QStringLiteral("ZelThermoBar"), column);
    auto *barsGrid = new QGridLayout(barsBox);
    barsGrid->setVerticalSpacing(4);
    for (const auto &[name, component] : barComponents()) {
        auto *bar = new ZelThermoBar(barsBox);
        prepareBar(bar, component, name);
        const int row = int(m_bars.size());
        barsGrid->addWidget(new QLabel(name, barsBox), row, 0);
        barsGrid->addWidget(bar, row, 1);
        m_bars.append(bar);
    }
    barsGrid->setColumnStretch(1, 1);

    // Span bars bound both ways to spin boxes.
    auto *spanBox = new QGroupBox(QStringLiteral("ZelThermoBarSpan"), column);
    auto *spanGrid = new QGridLayout(spanBox);
    addSpanRow(spanGrid, 0, QStringLiteral("Hue"), ZelThermoBar::Hue, 359);
    addSpanRow(spanGrid, 1, QStringLiteral("Lightness"), ZelThermoBar::Lightness, 255);
    spanGrid->addWidget(hintLabel(QStringLiteral("Drag a handle, or Tab to it and use the arrows, Page Up/Down, "
                                                 "Home and End."),
                                  spanBox),
                        2, 0, 1, 4);
    spanGrid->setColumnStretch(1, 1);

    // The rotating bar, for any component.
    auto *rotateBox = new QGroupBox(QStringLiteral("ZelHSLThermoBarRotate"), column);
    m_rotate = new ZelHSLThermoBarRotate(rotateBox);
    prepareBar(m_rotate, ZelThermoBar::Hue, QStringLiteral("Rotating ramp"));
    m_rotateComponent = new QComboBox(rotateBox);
    m_rotateComponent->setObjectName(QStringLiteral("rotateComponent"));
    for (const auto &[name, component] : barComponents())
        m_rotateComponent->addItem(name, int(component));
    m_rotateReadout = readoutLabel(rotateBox);
    auto *rotateLayout = new QGridLayout(rotateBox);
    rotateLayout->addWidget(m_rotateComponent, 0, 0);
    rotateLayout->addWidget(m_rotate, 0, 1);
    rotateLayout->addWidget(m_rotateReadout, 1, 0, 1, 2);
    m_rotate->setToolTip(QStringLiteral("Drag the ramp sideways; with the focus on it Left, Right and Home turn it."));
    rotateLayout->setColumnStretch(1, 1);

    connect(m_rotateComponent, &QComboBox::currentIndexChanged, this, [this] {
        m_rotate->setComponent(ZelThermoBar::Component(m_rotateComponent->currentData().toInt()));
        const int max = ZelThermoBar::getMaxValueByComponent(m_rotate->component());
        m_rotate->setScale(0, max);
        m_rotate->setValue(max);
        log(QStringLiteral("rotating ramp shows %1").arg(m_rotateComponent->currentText()));
        updateReadouts();
    });
    connect(m_rotate, &ZelHSLThermoBarRotate::translateStartRatioChanged, this, [this](double ratio) {
        log(QStringLiteral("rotating: translateStartRatioChanged(%1)").arg(ratio, 0, 'f', 4));
    });
    connect(m_rotate, &ZelHSLThermoBarRotate::translateStartStepChanged, this, [this](int step) {
        log(QStringLiteral("rotating: translateStartStepChanged(%1)").arg(step));
        updateReadouts();
    });

    // Every emission of every widget on the page.
    m_log->setObjectName(QStringLiteral("log"));
    auto *logBox = signalLogBox(QStringLiteral("Signals, newest last"), m_log, column);

    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(barsBox);
    layout->addWidget(spanBox);
    layout->addWidget(rotateBox);
    layout->addWidget(logBox, 1);
    return column;
}

void ColourPage::addSpanRow(QGridLayout *grid, int row, const QString &name, int component, int max)
{
    QWidget *box = grid->parentWidget();
    auto *bar = new ZelThermoBarSpan(box);
    prepareBar(bar, ZelThermoBar::Component(component), name + QStringLiteral(" span"));
    bar->setRange({0, max});
    auto *min = new QSpinBox(box);
    auto *maxSpin = new QSpinBox(box);
    for (QSpinBox *spin : {min, maxSpin})
        spin->setRange(0, max);
    min->setObjectName(name.toLower() + QStringLiteral("SpanMin"));
    maxSpin->setObjectName(name.toLower() + QStringLiteral("SpanMax"));
    min->setToolTip(QStringLiteral("Lower end of the span"));
    maxSpin->setToolTip(QStringLiteral("Upper end of the span"));
    grid->addWidget(new QLabel(name, box), row, 0);
    grid->addWidget(bar, row, 1);
    grid->addWidget(min, row, 2);
    grid->addWidget(maxSpin, row, 3);
    m_spans.append(bar);

    // The spin boxes set the span; the bar may refuse or bound a value, so
    // they always show what it holds. Its own changes reach them blocked.
    const QString tag = name.toLower();
    connect(min, &QSpinBox::valueChanged, bar, [bar, min](int v) {
        bar->setSpanMin(v);
        const QSignalBlocker blocker(min);
        min->setValue(bar->spanMin());
    });
    connect(maxSpin, &QSpinBox::valueChanged, bar, [bar, maxSpin](int v) {
        bar->setSpanMax(v);
        const QSignalBlocker blocker(maxSpin);
        maxSpin->setValue(bar->spanMax());
    });
    connect(bar, &ZelThermoBarSpan::spanMinChanged, this, [this, min, tag](int v) {
        const QSignalBlocker blocker(min);
        min->setValue(v);
        log(QStringLiteral("%1 span: spanMinChanged(%2)").arg(tag).arg(v));
        updateReadouts();
    });
    connect(bar, &ZelThermoBarSpan::spanMaxChanged, this, [this, maxSpin, tag](int v) {
        const QSignalBlocker blocker(maxSpin);
        maxSpin->setValue(v);
        log(QStringLiteral("%1 span: spanMaxChanged(%2)").arg(tag).arg(v));
        updateReadouts();
    });
    connect(bar, &ZelThermoBarSpan::rangeChanged, this, [this, tag](std::pair<int, int> r) {
        log(QStringLiteral("%1 span: rangeChanged(%2, %3)").arg(tag).arg(r.first).arg(r.second));
    });
}

QWidget *ColourPage::createHistogramColumn(QWidget *parent)
{
    auto *box = new QGroupBox(QStringLiteral("ZelHSLHistogram"), parent);

    m_thumbnail = new QLabel(box);
    m_thumbnail->setFixedSize(120, 80);
    m_thumbnail->setAlignment(Qt::AlignCenter);
    m_thumbnail->setFrameShape(QFrame::StyledPanel);
    m_pictureName = readoutLabel(box);
    auto *open = new QPushButton(QStringLiteral("Open image…"), box);
    auto *test = new QPushButton(QStringLiteral("Test picture"), box);
    open->setObjectName(QStringLiteral("openImage"));
    test->setObjectName(QStringLiteral("testPicture"));
    m_component = new QComboBox(box);
    m_component->setObjectName(QStringLiteral("histogramComponent"));
    m_component->addItem(QStringLiteral("Hue"), int(ZelHSLHistogram::Hue));
    m_component->addItem(QStringLiteral("Saturation"), int(ZelHSLHistogram::Saturation));
    m_component->addItem(QStringLiteral("Lightness"), int(ZelHSLHistogram::Lightness));
    m_logMode = new QCheckBox(QStringLiteral("Logarithmic counts"), box);
    m_logMode->setObjectName(QStringLiteral("logMode"));

    auto *pictureButtons = new QHBoxLayout;
    pictureButtons->addWidget(open);
    pictureButtons->addWidget(test);
    pictureButtons->addStretch(1);
    auto *controls = new QFormLayout;
    controls->addRow(QStringLiteral("Component:"), m_component);
    controls->addRow(QString(), m_logMode);
    auto *pictureColumn = new QVBoxLayout;
    pictureColumn->addWidget(m_pictureName);
    pictureColumn->addLayout(pictureButtons);
    pictureColumn->addLayout(controls);
    auto *top = new QHBoxLayout;
    top->addWidget(m_thumbnail, 0, Qt::AlignTop);
    top->addLayout(pictureColumn, 1);

    m_histogram = new ZelHSLHistogram(box);
    m_histogram->setMinimumHeight(150);
    m_histogram->setAccessibleName(QStringLiteral("Histogram"));

    // Under the plot, as wide as it: the hue shift and the selected range.
    m_hueShift = new ZelHSLThermoBarRotate(box);
    prepareBar(m_hueShift, ZelThermoBar::Hue, QStringLiteral("Hue shift"));
    m_selection = new ZelThermoBarSpan(box);
    prepareBar(m_selection, ZelThermoBar::Hue, QStringLiteral("Selected range"));
    m_selectionMin = new QSpinBox(box);
    m_selectionMax = new QSpinBox(box);
    m_selectionMin->setObjectName(QStringLiteral("selectionMin"));
    m_selectionMax->setObjectName(QStringLiteral("selectionMax"));
    auto *selectionRow = new QHBoxLayout;
    selectionRow->addWidget(new QLabel(QStringLiteral("Selected range:"), box));
    selectionRow->addWidget(m_selectionMin);
    selectionRow->addWidget(new QLabel(QStringLiteral("to"), box));
    selectionRow->addWidget(m_selectionMax);
    selectionRow->addStretch(1);
    m_histogramReadout = readoutLabel(box);

    auto *layout = new QVBoxLayout(box);
    layout->addLayout(top);
    layout->addWidget(m_histogram, 1);
    layout->addWidget(hintLabel(QStringLiteral("Drag the rainbow to turn the hue histogram:"), box));
    layout->addWidget(m_hueShift);
    layout->addSpacing(4);
    layout->addLayout(selectionRow);
    layout->addWidget(m_selection);
    layout->addWidget(m_histogramReadout);

    connect(open, &QPushButton::clicked, this, &ColourPage::openImage);
    connect(test, &QPushButton::clicked, this, [this] { showPicture(testPicture(), QStringLiteral("test picture")); });
    connect(m_component, &QComboBox::currentIndexChanged, this, &ColourPage::selectComponent);
    connect(m_logMode, &QCheckBox::toggled, this, [this](bool on) {
        m_histogram->setLogMode(on);
        log(QStringLiteral("histogram: log mode %1").arg(on ? QStringLiteral("on") : QStringLiteral("off")));
        updateReadouts();
    });
    connect(m_hueShift, &ZelHSLThermoBarRotate::translateStartStepChanged, this, [this](int step) {
        m_histogram->setHueShift(step);
        log(QStringLiteral("hue shift: translateStartStepChanged(%1)").arg(step));
        updateReadouts();
    });
    connect(m_selectionMin, &QSpinBox::valueChanged, this, [this](int v) {
        m_selection->setSpanMin(v);
        const QSignalBlocker blocker(m_selectionMin);
        m_selectionMin->setValue(m_selection->spanMin());
    });
    connect(m_selectionMax, &QSpinBox::valueChanged, this, [this](int v) {
        m_selection->setSpanMax(v);
        const QSignalBlocker blocker(m_selectionMax);
        m_selectionMax->setValue(m_selection->spanMax());
    });
    connect(m_selection, &ZelThermoBarSpan::spanMinChanged, this, [this](int v) {
        const QSignalBlocker blocker(m_selectionMin);
        m_selectionMin->setValue(v);
        log(QStringLiteral("selection: spanMinChanged(%1)").arg(v));
        applySelection();
    });
    connect(m_selection, &ZelThermoBarSpan::spanMaxChanged, this, [this](int v) {
        const QSignalBlocker blocker(m_selectionMax);
        m_selectionMax->setValue(v);
        log(QStringLiteral("selection: spanMaxChanged(%1)").arg(v));
        applySelection();
    });
    return box;
}

void ColourPage::selectComponent(int index)
{
    const auto component = ZelHSLHistogram::Component(m_component->itemData(index).toInt());
    m_histogram->setComponent(component);
    const bool hue = component == ZelHSLHistogram::Hue;
    const int max = hue ? 360 : 255;
    const auto barComponent = hue                  ? ZelThermoBar::Hue
        : component == ZelHSLHistogram::Saturation ? ZelThermoBar::Saturation
                                                   : ZelThermoBar::Lightness;
    m_selection->setComponent(barComponent);
    m_selection->setScale(0, max);
    m_selection->setValue(max);
    m_selection->setRange({0, max});
    for (QSpinBox *spin : {m_selectionMin, m_selectionMax}) {
        const QSignalBlocker blocker(spin);
        spin->setRange(0, max);
    }
    // The selection of this component, without announcing it back.
    const int min = hue                            ? m_data.hueMin
        : component == ZelHSLHistogram::Saturation ? m_data.saturationMin
                                                   : m_data.lightnessMin;
    const int top = hue                            ? m_data.hueMax
        : component == ZelHSLHistogram::Saturation ? m_data.saturationMax
                                                   : m_data.lightnessMax;
    {
        const QSignalBlocker blocker(m_selection);
        setSpan(m_selection, min, top);
    }
    for (const auto &[spin, value] : {std::pair(m_selectionMin, min), std::pair(m_selectionMax, top)}) {
        const QSignalBlocker blocker(spin);
        spin->setValue(value);
    }
    // Hue shifts only move the hue histogram.
    m_hueShift->setEnabled(hue);
    log(QStringLiteral("histogram shows %1").arg(componentName(component)));
    updateReadouts();
}

void ColourPage::applySelection()
{
    const int min = m_selection->spanMin(), max = m_selection->spanMax();
    switch (m_histogram->component()) {
    case ZelHSLHistogram::Hue:
        m_data.hueMin = min, m_data.hueMax = max;
        break;
    case ZelHSLHistogram::Saturation:
        m_data.saturationMin = min, m_data.saturationMax = max;
        break;
    case ZelHSLHistogram::Lightness:
        m_data.lightnessMin = min, m_data.lightnessMax = max;
        break;
    }
    m_histogram->setData(m_data);
    updateReadouts();
}

void ColourPage::showPicture(const QImage &image, const QString &name)
{
    const HSLHistogram counts = histogramOf(image);
    m_data.hue = counts.hue;
    m_data.saturation = counts.saturation;
    m_data.lightness = counts.lightness;
    m_histogram->setData(m_data);
    m_thumbnail->setPixmap(QPixmap::fromImage(
        image.scaled(m_thumbnail->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    m_pictureName->setText(QStringLiteral("%1, %2 × %3").arg(name).arg(image.width()).arg(image.height()));
    log(QStringLiteral("histogram of %1").arg(name));
    updateReadouts();
}

void ColourPage::openImage()
{
    const QString path =
        ZelFileDialog::getFileNameForRead(this, QStringLiteral("Open image"), QString(),
                                          FSUtils::supportedReadImageFormats(), QByteArrayLiteral("gallery/colour"));
    if (path.isEmpty())
        return;
    const QImage image(path);
    if (image.isNull()) {
        log(QStringLiteral("cannot read %1").arg(QFileInfo(path).fileName()));
        return;
    }
    showPicture(image, QFileInfo(path).fileName());
}

HSLHistogram ColourPage::histogramOf(const QImage &image)
{
    QImage sample = image;
    if (sample.width() > sampleSide || sample.height() > sampleSide)
        sample = sample.scaled(sampleSide, sampleSide, Qt::KeepAspectRatio, Qt::FastTransformation);
    sample = sample.convertToFormat(QImage::Format_RGB32);

    QList<double> hue(360, 0.0), saturation(256, 0.0), lightness(256, 0.0);
    for (int y = 0; y < sample.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(sample.constScanLine(y));
        for (int x = 0; x < sample.width(); ++x) {
            int h = 0, s = 0, l = 0;
            QColor(line[x]).getHsl(&h, &s, &l);
            if (h >= 0) // grey pixels have no hue
                hue[h] += 1.0;
            saturation[s] += 1.0;
            lightness[l] += 1.0;
        }
    }
    auto toPoints = [](const QList<double> &counts) {
        QList<QPointF> points;
        points.reserve(counts.size());
        for (qsizetype i = 0; i < counts.size(); ++i)
            points.append(QPointF(double(i), counts[i]));
        return points;
    };
    HSLHistogram histogram;
    histogram.hue = toPoints(hue);
    histogram.saturation = toPoints(saturation);
    histogram.lightness = toPoints(lightness);
    return histogram;
}

QImage ColourPage::testPicture()
{
    const QSize size(480, 320);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Evening sky over the sea.
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0.0, QColor::fromHsl(225, 170, 70));
    sky.setColorAt(0.6, QColor::fromHsl(280, 90, 140));
    sky.setColorAt(1.0, QColor::fromHsl(25, 230, 170));
    painter.fillRect(QRect(0, 0, size.width(), 200), sky);
    QRadialGradient sun(QPointF(330, 175), 46);
    sun.setColorAt(0.0, QColor::fromHsl(55, 255, 235));
    sun.setColorAt(0.5, QColor::fromHsl(45, 255, 160));
    sun.setColorAt(1.0, QColor::fromHsl(30, 255, 140, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(330, 175), 46, 46);
    QLinearGradient sea(0, 200, 0, size.height());
    sea.setColorAt(0.0, QColor::fromHsl(200, 160, 110));
    sea.setColorAt(1.0, QColor::fromHsl(215, 200, 40));
    painter.fillRect(QRect(0, 200, size.width(), size.height() - 200), sea);
    painter.setPen(QPen(QColor::fromHsl(35, 230, 180), 2));
    for (int y = 206; y < 300; y += 9)
        painter.drawLine(QLineF(330 - (y - 190) * 0.8, y, 330 + (y - 190) * 0.8, y));

    // Green hills with flowers.
    QPainterPath hills;
    hills.moveTo(0, 230);
    hills.cubicTo(80, 150, 170, 170, 250, 240);
    hills.cubicTo(280, 270, 300, 300, 310, size.height());
    hills.lineTo(0, size.height());
    hills.closeSubpath();
    QLinearGradient grass(0, 160, 0, size.height());
    grass.setColorAt(0.0, QColor::fromHsl(95, 150, 120));
    grass.setColorAt(1.0, QColor::fromHsl(130, 170, 45));
    painter.setPen(Qt::NoPen);
    painter.fillPath(hills, grass);
    QRandomGenerator random(7);
    const int flowerHues[] = {0, 330, 300, 50};
    for (int i = 0; i < 140; ++i) {
        const QPointF at(random.bounded(250.0), 200 + random.bounded(120.0));
        if (!hills.contains(at))
            continue;
        painter.setBrush(QColor::fromHsl(flowerHues[i % 4], 220, 130 + random.bounded(60)));
        painter.drawEllipse(at, 3.5, 3.5);
    }
    return image;
}

void ColourPage::log(const QString &line)
{
    m_log->add(line);
}

void ColourPage::updateReadouts()
{
    if (!m_histogramReadout || !m_rotateReadout)
        return;
    m_rotateReadout->setText(QStringLiteral("Turned by %1 of a cycle: %2 units")
                                 .arg(m_rotate->translateStartRatio(), 0, 'f', 4)
                                 .arg(m_rotate->translateStartStep()));
    m_histogramReadout->setText(
        QStringLiteral("Showing %1; hue shift %2; %3 counts; selected %4 – %5")
            .arg(componentName(m_histogram->component()))
            .arg(m_histogram->hueShift())
            .arg(m_histogram->logMode() ? QStringLiteral("logarithmic") : QStringLiteral("linear"))
            .arg(m_selection->spanMin())
            .arg(m_selection->spanMax()));
}

QString ColourPage::title() const
{
    return QStringLiteral("Colour");
}

QIcon ColourPage::icon() const
{
    // A small colour wheel.
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QConicalGradient wheel(QPointF(32, 32), 0);
    for (int i = 0; i <= 6; ++i)
        wheel.setColorAt(i / 6.0, QColor::fromHsl((i * 60) % 360, 220, 128));
    painter.setPen(Qt::NoPen);
    painter.setBrush(wheel);
    painter.drawEllipse(QRectF(4, 4, 56, 56));
    return QIcon(pixmap);
}

QString ColourPage::description() const
{
    return QStringLiteral("Colour bars on QwtThermo: the ramp of every component, span bars bound to spin boxes and "
                          "a ramp that turns when dragged; the HSL histogram of a picture with its component, "
                          "logarithmic counts, selected range and a hue shift driven by the rainbow under it. "
                          "Every signal is logged in the order of emission.");
}
