#pragma once

#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/zelgui_export.h>

#include <QWidget>

#include <memory>

class ZelSpanRangeWidgetPrivate;

//! A span slider with a spin box for each end of the span below it. The spin
//! boxes are hidden until the user double-clicks the slider (or the host
//! calls setSettingsVisible()); while they are hidden, hovering over a
//! handle shows its value in a small tip above it.
//!
//! Slider and spin boxes are kept in step both ways; the spin boxes never
//! hold a lower value above the upper one (a lower value typed above the
//! upper one is taken back to it). Every commit of the slider's span is
//! republished as one spanChanged().
//!
//! The widget owns its slider, spin boxes, tip and private object; it takes
//! and returns no pointers.
class ZELGUI_EXPORT ZelSpanRangeWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int lowerValue READ lowerValue WRITE setLowerValue)
    Q_PROPERTY(int upperValue READ upperValue WRITE setUpperValue)
    Q_PROPERTY(ZelSpanSlider::HandleMovementMode handleMovementMode READ handleMovementMode WRITE setHandleMovementMode)
    Q_PROPERTY(QSlider::TickPosition tickPosition READ tickPosition WRITE setTickPosition)
    Q_PROPERTY(bool settingsVisible READ settingsVisible WRITE setSettingsVisible NOTIFY settingsVisibleChanged)

public:
    explicit ZelSpanRangeWidget(QWidget *parent = nullptr);
    explicit ZelSpanRangeWidget(Qt::Orientation orientation, QWidget *parent = nullptr);
    ~ZelSpanRangeWidget() override;

    int lowerValue() const;
    int upperValue() const;
    void setLowerValue(int value);
    void setUpperValue(int value);
    //! Orders the pair; sets one end after the other so that a span moved
    //! wholly above or below the current one arrives unsqueezed.
    void setSpan(int lower, int upper);

    int minimum() const;
    int maximum() const;
    //! The lower spin box and the slider take the minimum; the upper spin box
    //! keeps its own.
    void setMinimum(int value);
    //! Only the slider takes the maximum; the spin boxes follow the span it
    //! bounds.
    void setMaximum(int value);
    //! Both spin boxes and the slider; a maximum below the minimum is taken as
    //! the minimum.
    void setRange(int minimum, int maximum);

    ZelSpanSlider::HandleMovementMode handleMovementMode() const;
    void setHandleMovementMode(ZelSpanSlider::HandleMovementMode mode);

    //! Passed to the slider, which draws no tick marks.
    QSlider::TickPosition tickPosition() const;
    void setTickPosition(QSlider::TickPosition position);

    bool settingsVisible() const;

public Q_SLOTS:
    void setSettingsVisible(bool value);

Q_SIGNALS:
    void spanChanged(int lower, int upper);
    //! For users that forward a range of their own; the widget itself never
    //! emits it.
    void rangeChanged(int minimum, int maximum);
    void settingsVisibleChanged(bool visible);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void onLowChanged(int value);
    void onHighChanged(int value);
    void onSpanChanged(int lower, int upper);

private:
    void init(Qt::Orientation orientation);
    void updateTip(const QPoint &pos);

    std::unique_ptr<ZelSpanRangeWidgetPrivate> const d;
};
