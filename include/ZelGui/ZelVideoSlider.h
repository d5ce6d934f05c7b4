#pragma once

#include <ZelGui/ZelSpanSliderWithIntermediateValue.h>

//! A span slider with an intermediate handle for a video clip: the slider's
//! range covers the clip's duration, the span marks the part to play and the
//! intermediate handle the current frame.
//!
//! The three handles share the middle third of the widget; at equal values
//! they stand side by side (lower, intermediate, upper). The time of the
//! intermediate handle is written above the handles and the times of the
//! lower and the upper handle below them; times count from the lower handle
//! and are divided by the playback speed. Give the slider a height of about
//! 60 pixels or more so that the texts have room.
class ZELGUI_EXPORT ZelVideoSlider : public ZelSpanSliderWithIntermediateValue
{
    Q_OBJECT

public:
    //! Creates a slider with duration 0 and speed 1; \a parent owns it.
    explicit ZelVideoSlider(QWidget *parent = nullptr);
    //! Destroys the slider.
    ~ZelVideoSlider() override;

    //! Microseconds of the whole range [0, maximum()].
    qint64 duration() const;
    //! Sets the duration in microseconds and repaints.
    void setDuration(qint64 duration);
    //! Playback speed factor; 0 or less shows no times.
    double speedUp() const;
    //! Sets the playback speed factor and repaints; 1 by default.
    void setSpeedUp(double speedUp);

    //! Microseconds of one slider step: duration / maximum(), 0 for an empty
    //! maximum.
    qint64 usecsByStep() const;
    //! "hh:mm:ss:zzz" of a time, counted from the lower handle and divided by
    //! the speed; wraps at 24 hours.
    QString getTextByTime(qint64 usecs) const;
    //! getTextByTime() of the time of slider step \a step.
    QString getTextByStep(int step) const;
    //! Width in pixels reserved for one time text.
    int getTextLength() const;

    //! Left ends of the three time texts.
    int getStartPositionOfTextForVideo() const;
    //! Left end of the lower handle's time text.
    int getStartPositionOfTextForLower() const;
    //! Left end of the upper handle's time text.
    int getStartPositionOfTextForUpper() const;

    //! Fills \a option for the handles in the middle third of the widget.
    void initStyleOptionForHandles(QStyleOptionSlider *option) const override;
    //! Fills \a option for \a handle, side by side with the others at equal values.
    void initStyleOptionForBorders(QStyleOptionSlider *option, SpanHandle handle) const override;
    //! Fills \a option for the intermediate handle, between the span handles.
    void initStyleOptionIntermediate(QStyleOptionSlider *option) const override;

protected Q_SLOTS:
    //! \cond
    void paintEvent(QPaintEvent *event) override;
    //! \endcond

private:
    qint64 m_duration = 0;
    double m_speedUp = 1.0;
};
