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
    explicit ZelVideoSlider(QWidget *parent = nullptr);
    ~ZelVideoSlider() override;

    //! Microseconds of the whole range [0, maximum()].
    qint64 duration() const;
    void setDuration(qint64 duration);
    //! Playback speed factor; 0 or less shows no times.
    double speedUp() const;
    void setSpeedUp(double speedUp);

    //! Microseconds of one slider step: duration / maximum(), 0 for an empty
    //! maximum.
    qint64 usecsByStep() const;
    //! "hh:mm:ss:zzz" of a time, counted from the lower handle and divided by
    //! the speed; wraps at 24 hours.
    QString getTextByTime(qint64 usecs) const;
    QString getTextByStep(int step) const;
    //! Width in pixels reserved for one time text.
    int getTextLength() const;

    //! Left ends of the three time texts.
    int getStartPositionOfTextForVideo() const;
    int getStartPositionOfTextForLower() const;
    int getStartPositionOfTextForUpper() const;

    void initStyleOptionForHandles(QStyleOptionSlider *option) const override;
    void initStyleOptionForBorders(QStyleOptionSlider *option, SpanHandle handle) const override;
    void initStyleOptionIntermediate(QStyleOptionSlider *option) const override;

protected Q_SLOTS:
    void paintEvent(QPaintEvent *event) override;

private:
    qint64 m_duration = 0;
    double m_speedUp = 1.0;
};
