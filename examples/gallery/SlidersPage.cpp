#include "SlidersPage.h"

#include "GalleryLabels.h"
#include "SliderDemos.h"

#include <ZelGui/ZelColoredSpanSlider.h>
#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelSpanSliderWithIntermediateValue.h>
#include <ZelGui/ZelVideoSlider.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int videoSteps = 1000;

QString handleName(ZelSpanSlider::SpanHandle handle)
{
    switch (handle) {
    case ZelSpanSlider::LowerHandle:
        return QStringLiteral("lower");
    case ZelSpanSlider::UpperHandle:
        return QStringLiteral("upper");
    case ZelSpanSlider::NoHandle:
        break;
    }
    return QStringLiteral("none");
}

} // namespace

SlidersPage::SlidersPage(QWidget *parent)
    : GalleryPage(parent)
    , m_log(new SignalLog(this))
    , m_tabs(new QTabWidget(this))
{
    m_tabs->addTab(createSpanSliderTab(), QStringLiteral("Span sliders"));
    // The demos scroll rather than widen the page beyond the window.
    auto scrolled = [this](QWidget *demo) {
        auto *area = new QScrollArea(m_tabs);
        area->setWidgetResizable(true);
        area->setFrameShape(QFrame::NoFrame);
        area->setWidget(demo);
        return area;
    };
    m_tabs->addTab(scrolled(createSpanRangeDemo(m_tabs)), QStringLiteral("Span range widget"));
    m_tabs->addTab(scrolled(createFramesDemo(m_tabs)), QStringLiteral("Frames and small controls"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);

    // A known starting point, logged like any other change.
    m_horizontal->setSpan(20, 60);
    m_vertical->setSpan(30, 70);
    m_intermediate->setSpan(10, 80);
    m_intermediate->setIntermediateValue(35);
    m_video->setSpan(200, 700);
    m_video->setIntermediateValue(420);
    m_colored->setSpan(25, 75);
    updateReadouts();
}

void SlidersPage::showEvent(QShowEvent *event)
{
    GalleryPage::showEvent(event);
    // The log scrolls only once it is laid out.
    QTimer::singleShot(0, m_log, &QListWidget::scrollToBottom);
}

QWidget *SlidersPage::createSpanSliderTab()
{
    auto *tab = new QWidget(m_tabs);

    // Span sliders sharing one movement mode and one tracking switch.
    auto *spanBox = new QGroupBox(QStringLiteral("ZelSpanSlider"), tab);
    m_horizontal = new ZelSpanSlider(Qt::Horizontal, spanBox);
    m_vertical = new ZelSpanSlider(Qt::Vertical, spanBox);
    m_vertical->setMinimumHeight(150);
    m_mode = new QComboBox(spanBox);
    m_mode->addItem(QStringLiteral("Free movement (handles swap on crossing)"),
                    QVariant::fromValue(ZelSpanSlider::FreeMovement));
    m_mode->addItem(QStringLiteral("No crossing"), QVariant::fromValue(ZelSpanSlider::NoCrossing));
    m_mode->addItem(QStringLiteral("No overlapping"), QVariant::fromValue(ZelSpanSlider::NoOverlapping));
    m_tracking = new QCheckBox(QStringLiteral("Tracking (values follow the drag)"), spanBox);
    m_tracking->setChecked(true);
    m_mode->setObjectName(QStringLiteral("movementMode"));
    m_tracking->setObjectName(QStringLiteral("tracking"));
    m_spanReadout = readoutLabel(spanBox);
    auto *keys = new QLabel(QStringLiteral("Keys: arrows along the slider move the main handle, arrows across it "
                                           "the other one; Home and End send the lower and the upper handle to "
                                           "the ends."),
                            spanBox);
    keys->setWordWrap(true);
    keys->setForegroundRole(QPalette::PlaceholderText);

    auto *spanLeft = new QVBoxLayout;
    auto *modeRow = new QHBoxLayout;
    modeRow->addWidget(new QLabel(QStringLiteral("Mode:"), spanBox));
    modeRow->addWidget(m_mode, 1);
    spanLeft->addLayout(modeRow);
    spanLeft->addWidget(m_tracking);
    spanLeft->addWidget(m_horizontal);
    spanLeft->addWidget(m_spanReadout);
    spanLeft->addWidget(keys);
    spanLeft->addStretch(1);
    auto *spanLayout = new QHBoxLayout(spanBox);
    spanLayout->addLayout(spanLeft, 1);
    spanLayout->addWidget(m_vertical);

    // The coloured span slider, with a span colour of its own.
    auto *coloredBox = new QGroupBox(QStringLiteral("ZelColoredSpanSlider"), tab);
    m_colored = new ZelColoredSpanSlider(coloredBox);
    QPalette orange = m_colored->palette();
    orange.setColor(QPalette::Highlight, QColor(0xe6, 0x7e, 0x22));
    m_colored->setPalette(orange);
    m_coloredReadout = readoutLabel(coloredBox);
    auto *coloredLayout = new QVBoxLayout(coloredBox);
    coloredLayout->addWidget(m_colored);
    coloredLayout->addWidget(m_coloredReadout);

    // The intermediate-value slider and the video slider.
    auto *playBox = new QGroupBox(QStringLiteral("ZelSpanSliderWithIntermediateValue and ZelVideoSlider"), tab);
    m_intermediate = new ZelSpanSliderWithIntermediateValue(playBox);
    m_intermediate->setMinimumHeight(44);
    m_intermediate->setFocusPolicy(Qt::StrongFocus);
    m_intermediateReadout = readoutLabel(playBox);
    m_video = new ZelVideoSlider(playBox);
    m_video->setRange(0, videoSteps);
    m_video->setMinimumHeight(78);
    m_video->setFocusPolicy(Qt::StrongFocus);
    m_videoReadout = readoutLabel(playBox);
    m_duration = new QSpinBox(playBox);
    m_duration->setRange(1, 24 * 3600);
    m_duration->setSuffix(QStringLiteral(" s"));
    m_duration->setValue(90);
    m_speed = new QDoubleSpinBox(playBox);
    m_speed->setRange(0, 16);
    m_speed->setSingleStep(0.25);
    m_speed->setDecimals(2);
    m_speed->setPrefix(QStringLiteral("× "));
    m_speed->setValue(1);
    m_duration->setObjectName(QStringLiteral("duration"));
    m_speed->setObjectName(QStringLiteral("speed"));
    m_speed->setToolTip(QStringLiteral("Playback speed; 0 hides the times"));
    m_video->setDuration(qint64(m_duration->value()) * 1000000);
    m_video->setSpeedUp(m_speed->value());
    auto *playHint = new QLabel(QStringLiteral("The picture marks the intermediate handle: press the groove, drag, "
                                               "turn the wheel or use Left/Right, PageUp/PageDown, Home/End."),
                                playBox);
    playHint->setWordWrap(true);
    playHint->setForegroundRole(QPalette::PlaceholderText);

    auto *videoControls = new QHBoxLayout;
    videoControls->addWidget(new QLabel(QStringLiteral("Clip duration:"), playBox));
    videoControls->addWidget(m_duration);
    videoControls->addSpacing(12);
    videoControls->addWidget(new QLabel(QStringLiteral("Speed:"), playBox));
    videoControls->addWidget(m_speed);
    videoControls->addStretch(1);

    auto *playLayout = new QVBoxLayout(playBox);
    playLayout->addWidget(m_intermediate);
    playLayout->addWidget(m_intermediateReadout);
    playLayout->addWidget(playHint);
    playLayout->addSpacing(6);
    playLayout->addWidget(m_video);
    playLayout->addLayout(videoControls);
    playLayout->addWidget(m_videoReadout);
    playLayout->addStretch(1);

    // Every emission of every slider.
    auto *logBox = signalLogBox(QStringLiteral("Signals, newest last"), m_log, tab);

    auto *grid = new QGridLayout(tab);
    grid->addWidget(spanBox, 0, 0);
    grid->addWidget(playBox, 0, 1);
    grid->addWidget(coloredBox, 1, 0);
    grid->addWidget(logBox, 1, 1, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);

    watchSpanSlider(m_horizontal, QStringLiteral("horizontal"));
    watchSpanSlider(m_vertical, QStringLiteral("vertical"));
    watchSpanSlider(m_colored, QStringLiteral("coloured"));
    watchIntermediateSlider(m_intermediate, QStringLiteral("intermediate"));
    watchIntermediateSlider(m_video, QStringLiteral("video"));

    connect(m_mode, &QComboBox::currentIndexChanged, this, [this] {
        const auto mode = m_mode->currentData().value<ZelSpanSlider::HandleMovementMode>();
        for (ZelSpanSlider *slider : {m_horizontal, m_vertical})
            slider->setHandleMovementMode(mode);
        log(QStringLiteral("mode set to %1").arg(m_mode->currentText()));
    });
    connect(m_tracking, &QCheckBox::toggled, this, [this](bool on) {
        for (ZelSpanSlider *slider : {m_horizontal, m_vertical})
            slider->setTracking(on);
        log(on ? QStringLiteral("tracking on") : QStringLiteral("tracking off"));
    });
    connect(m_duration, &QSpinBox::valueChanged, this, [this](int seconds) {
        m_video->setDuration(qint64(seconds) * 1000000);
        updateReadouts();
    });
    connect(m_speed, &QDoubleSpinBox::valueChanged, this, [this](double speed) {
        m_video->setSpeedUp(speed);
        updateReadouts();
    });
    return tab;
}

void SlidersPage::watchSpanSlider(ZelSpanSlider *slider, const QString &name)
{
    connect(slider, &ZelSpanSlider::spanChanged, this, [this, name](int lower, int upper) {
        log(QStringLiteral("%1: spanChanged(%2, %3)").arg(name).arg(lower).arg(upper));
        updateReadouts();
    });
    connect(slider, &ZelSpanSlider::lowerValueChanged, this,
            [this, name](int v) { log(QStringLiteral("%1: lowerValueChanged(%2)").arg(name).arg(v)); });
    connect(slider, &ZelSpanSlider::upperValueChanged, this,
            [this, name](int v) { log(QStringLiteral("%1: upperValueChanged(%2)").arg(name).arg(v)); });
    connect(slider, &ZelSpanSlider::lowerPositionChanged, this, [this, name](int v) {
        log(QStringLiteral("%1: lowerPositionChanged(%2)").arg(name).arg(v));
        updateReadouts();
    });
    connect(slider, &ZelSpanSlider::upperPositionChanged, this, [this, name](int v) {
        log(QStringLiteral("%1: upperPositionChanged(%2)").arg(name).arg(v));
        updateReadouts();
    });
    connect(slider, &ZelSpanSlider::sliderPressed, this, [this, name](ZelSpanSlider::SpanHandle handle) {
        log(QStringLiteral("%1: sliderPressed(%2)").arg(name, handleName(handle)));
    });
    connect(slider, &QAbstractSlider::sliderReleased, this,
            [this, name] { log(QStringLiteral("%1: sliderReleased()").arg(name)); });
}

void SlidersPage::watchIntermediateSlider(ZelSpanSliderWithIntermediateValue *slider, const QString &name)
{
    watchSpanSlider(slider, name);
    using Slider = ZelSpanSliderWithIntermediateValue;
    connect(slider, &Slider::intermediateChanged, this, [this, name](int v) {
        log(QStringLiteral("%1: intermediateChanged(%2)").arg(name).arg(v));
        updateReadouts();
    });
    connect(slider, &Slider::intermediatePressed, this,
            [this, name](int v) { log(QStringLiteral("%1: intermediatePressed(%2)").arg(name).arg(v)); });
    connect(slider, &Slider::intermediateMoved, this,
            [this, name](int v) { log(QStringLiteral("%1: intermediateMoved(%2)").arg(name).arg(v)); });
    connect(slider, &Slider::intermediateReleased, this,
            [this, name](int v) { log(QStringLiteral("%1: intermediateReleased(%2)").arg(name).arg(v)); });
    connect(slider, &Slider::wheelEventArrived, this,
            [this, name] { log(QStringLiteral("%1: wheelEventArrived()").arg(name)); });
}

void SlidersPage::log(const QString &line)
{
    m_log->add(line);
}

void SlidersPage::updateReadouts()
{
    if (!m_spanReadout)
        return;
    auto spanText = [](const ZelSpanSlider *s) {
        return QStringLiteral("%1 – %2 (handles at %3 / %4)")
            .arg(s->lowerValue())
            .arg(s->upperValue())
            .arg(s->lowerPosition())
            .arg(s->upperPosition());
    };
    m_spanReadout->setText(
        QStringLiteral("Horizontal: %1\nVertical: %2").arg(spanText(m_horizontal), spanText(m_vertical)));
    m_coloredReadout->setText(QStringLiteral("Span %1").arg(spanText(m_colored)));
    m_intermediateReadout->setText(QStringLiteral("Span %1 – %2, intermediate %3")
                                       .arg(m_intermediate->lowerValue())
                                       .arg(m_intermediate->upperValue())
                                       .arg(m_intermediate->intermediateValue()));
    m_videoReadout->setText(QStringLiteral("Steps %1 – %2 of %3, frame at step %4; %5 µs per step")
                                .arg(m_video->lowerValue())
                                .arg(m_video->upperValue())
                                .arg(m_video->maximum())
                                .arg(m_video->intermediateValue())
                                .arg(m_video->usecsByStep()));
}

QString SlidersPage::title() const
{
    return QStringLiteral("Sliders");
}

QIcon SlidersPage::icon() const
{
    return QIcon(QStringLiteral(":/ZelGui/res/icons/intermediate_slider.png"));
}

QString SlidersPage::description() const
{
    return QStringLiteral("Two-handle span sliders: ZelSpanSlider in both orientations with its three movement "
                          "modes and tracking switch, the slider with an intermediate handle, the video slider "
                          "with times by duration and speed, and the coloured span slider. Every signal is "
                          "logged in the order of emission.");
}
