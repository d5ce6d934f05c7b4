#pragma once

#include "GalleryPage.h"
#include "SignalLog.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QSpinBox;
class QTabWidget;
class ZelColoredSpanSlider;
class ZelSpanSlider;
class ZelSpanSliderWithIntermediateValue;
class ZelVideoSlider;

// The span sliders at work: a horizontal and a vertical span slider sharing
// a movement mode and a tracking switch, the slider with an intermediate
// handle, the video slider with its duration and speed, and the coloured
// span slider. Every signal they emit goes to a log; readouts show values
// and positions. Further tabs hold the span range widget and the floating
// frames.
class SlidersPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit SlidersPage(QWidget *parent = nullptr);

    QString title() const override;
    QIcon icon() const override;
    QString description() const override;

    ZelSpanSlider *horizontalSlider() const { return m_horizontal; }
    ZelSpanSlider *verticalSlider() const { return m_vertical; }
    ZelSpanSliderWithIntermediateValue *intermediateSlider() const { return m_intermediate; }
    ZelVideoSlider *videoSlider() const { return m_video; }
    ZelColoredSpanSlider *coloredSlider() const { return m_colored; }
    QListWidget *signalLog() const { return m_log; }
    QTabWidget *tabs() const { return m_tabs; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createSpanSliderTab();
    void watchSpanSlider(ZelSpanSlider *slider, const QString &name);
    void watchIntermediateSlider(ZelSpanSliderWithIntermediateValue *slider, const QString &name);
    void log(const QString &line);
    void updateReadouts();

    ZelSpanSlider *m_horizontal = nullptr;
    ZelSpanSlider *m_vertical = nullptr;
    ZelSpanSliderWithIntermediateValue *m_intermediate = nullptr;
    ZelVideoSlider *m_video = nullptr;
    ZelColoredSpanSlider *m_colored = nullptr;
    QComboBox *m_mode = nullptr;
    QCheckBox *m_tracking = nullptr;
    QSpinBox *m_duration = nullptr;
    QDoubleSpinBox *m_speed = nullptr;
    QLabel *m_spanReadout = nullptr;
    QLabel *m_intermediateReadout = nullptr;
    QLabel *m_videoReadout = nullptr;
    QLabel *m_coloredReadout = nullptr;
    SignalLog *m_log = nullptr;
    QTabWidget *m_tabs = nullptr;
};
