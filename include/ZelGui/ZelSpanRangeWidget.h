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
    //! The lower end of the span.
    Q_PROPERTY(int lowerValue READ lowerValue WRITE setLowerValue)
    //! The upper end of the span.
    Q_PROPERTY(int upperValue READ upperValue WRITE setUpperValue)
    //! How the slider's handles move against each other.
    Q_PROPERTY(ZelSpanSlider::HandleMovementMode handleMovementMode READ handleMovementMode WRITE setHandleMovementMode)
    //! The slider's tick position.
    Q_PROPERTY(QSlider::TickPosition tickPosition READ tickPosition WRITE setTickPosition)
    //! Whether the spin boxes are shown; false by default.
    Q_PROPERTY(bool settingsVisible READ settingsVisible WRITE setSettingsVisible NOTIFY settingsVisibleChanged)

public:
    //! Creates a horizontal widget with the spin boxes hidden; \a parent owns it.
    explicit ZelSpanRangeWidget(QWidget *parent = nullptr);
    //! Creates the widget with a slider of \a orientation and the spin boxes hidden; \a parent owns it.
    explicit ZelSpanRangeWidget(Qt::Orientation orientation, QWidget *parent = nullptr);
    //! Destroys the widget, its controls and private object.
    ~ZelSpanRangeWidget() override;

    //! The slider's lower value.
    int lowerValue() const;
    //! The slider's upper value.
    int upperValue() const;
    //! Sets the lower end (spin box and slider); a change emits spanChanged().
    void setLowerValue(int value);
    //! Sets the upper end (spin box and slider); a change emits spanChanged().
    void setUpperValue(int value);
    //! Orders the pair; sets one end after the other so that a span moved
    //! wholly above or below the current one arrives unsqueezed.
    void setSpan(int lower, int upper);

    //! The slider's minimum.
    int minimum() const;
    //! The slider's maximum.
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

    //! The slider's handle movement mode; FreeMovement by default.
    ZelSpanSlider::HandleMovementMode handleMovementMode() const;
    //! Sets the slider's handle movement mode.
    void setHandleMovementMode(ZelSpanSlider::HandleMovementMode mode);

    //! Passed to the slider, which draws no tick marks.
    QSlider::TickPosition tickPosition() const;
    //! Sets the slider's tick position.
    void setTickPosition(QSlider::TickPosition position);

    //! Whether the spin boxes are shown.
    bool settingsVisible() const;

public Q_SLOTS:
    //! Shows or hides the spin boxes (hiding the tip when showing them); a change emits settingsVisibleChanged().
    void setSettingsVisible(bool value);

Q_SIGNALS:
    //! The slider committed a new span.
    void spanChanged(int lower, int upper);
    //! For users that forward a range of their own; the widget itself never
    //! emits it.
    void rangeChanged(int minimum, int maximum);
    //! The spin boxes were shown or hidden.
    void settingsVisibleChanged(bool visible);

protected:
    //! \cond
    bool eventFilter(QObject *watched, QEvent *event) override;
    //! \endcond

private Q_SLOTS:
    void onLowChanged(int value);
    void onHighChanged(int value);
    void onSpanChanged(int lower, int upper);

private:
    void init(Qt::Orientation orientation);
    void updateTip(const QPoint &pos);

    std::unique_ptr<ZelSpanRangeWidgetPrivate> const d;
};
