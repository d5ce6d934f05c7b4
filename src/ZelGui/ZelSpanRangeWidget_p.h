#pragma once

#include <QPointer>

class QSpinBox;
class QTimer;
class ZelSpanRangeWidget;
class ZelSpanSlider;
class ZelTipLabel;

// State of ZelSpanRangeWidget. The children are owned by the widget through
// Qt parenthood; the tip is a separate window, hence the guarded pointers.
class ZelSpanRangeWidgetPrivate
{
public:
    explicit ZelSpanRangeWidgetPrivate(ZelSpanRangeWidget *owner);

    // Shows or hides both spin boxes; true when the state changed.
    bool applySettingsVisible(bool value);
    // Writes the slider's span into the spin boxes without their reporting
    // back.
    void showSliderSpan();
    void hideTip();

    ZelSpanRangeWidget *widget;
    QSpinBox *lowSpin;
    QSpinBox *highSpin;
    QPointer<ZelSpanSlider> slider;
    QPointer<ZelTipLabel> tipLabel;
    bool settingsVisible = false;
    // Set while the spin boxes are written from the slider's span.
    bool syncingSpins = false;
    // Hides a tip the mouse has rested under for a second.
    QTimer *tipTimer;
};
