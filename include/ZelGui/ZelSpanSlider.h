#pragma once

#include <ZelGui/zelgui_export.h>

#include <QSlider>

#include <memory>

class QStyleOptionSlider;
class ZelSpanSliderPrivate;

//! A slider with two handles that selects a span [lowerValue, upperValue]
//! inside its range.
//!
//! Range, single step, orientation, tracking and the inverted flags are the
//! QSlider's; the base slider's own single value plays no part in the span.
//! The values are what the slider has committed; the positions are where the
//! handles stand. With tracking on (the default) both follow the mouse; with
//! tracking off only the positions follow it and the values change when the
//! handle is released. Keyboard steps always commit at once.
//!
//! Subclasses change how the handles are laid out through the three
//! initStyleOption* hooks; every handle option is built through
//! initStyleOptionForBorders().
//!
//! The slider owns its private object; it takes and returns no pointers
//! beyond the style options it fills, which stay the caller's.
class ZELGUI_EXPORT ZelSpanSlider : public QSlider
{
    Q_OBJECT
    Q_PROPERTY(int lowerValue READ lowerValue WRITE setLowerValue)
    Q_PROPERTY(int upperValue READ upperValue WRITE setUpperValue)
    Q_PROPERTY(int lowerPosition READ lowerPosition WRITE setLowerPosition)
    Q_PROPERTY(int upperPosition READ upperPosition WRITE setUpperPosition)
    Q_PROPERTY(HandleMovementMode handleMovementMode READ handleMovementMode WRITE setHandleMovementMode)

public:
    enum HandleMovementMode : int {
        FreeMovement = 0, //!< handles may cross; crossing exchanges their roles
        NoCrossing = 1, //!< a handle stops at the other handle's value
        NoOverlapping = 2, //!< a handle stops one value before the other's
    };
    Q_ENUM(HandleMovementMode)

    enum SpanHandle : int {
        NoHandle = 0,
        LowerHandle = 1,
        UpperHandle = 2,
    };

    explicit ZelSpanSlider(QWidget *parent = nullptr);
    explicit ZelSpanSlider(Qt::Orientation orientation, QWidget *parent = nullptr);
    ~ZelSpanSlider() override;

    HandleMovementMode handleMovementMode() const;
    //! Takes effect from the next movement; the current span is kept as is.
    void setHandleMovementMode(HandleMovementMode mode);

    int lowerValue() const;
    int upperValue() const;

    int lowerPosition() const;
    int upperPosition() const;

    //! Where the style puts the handles, in widget coordinates.
    QRect lowerHandleRect() const;
    QRect upperHandleRect() const;

    //! True while the user holds one of the two handles.
    bool isAnyHandlePressedNow() const;

    //! Fill the style option of the handles, of one handle (at its position)
    //! and of the groove under the span.
    virtual void initStyleOptionForHandles(QStyleOptionSlider *option) const;
    virtual void initStyleOptionForBorders(QStyleOptionSlider *option, SpanHandle handle) const;
    virtual void initStyleOptionForSlider(QStyleOptionSlider *option) const;

public Q_SLOTS:
    void setLowerValue(int lower);
    void setUpperValue(int upper);
    //! Orders the pair and bounds both into the range.
    void setSpan(int lower, int upper);

    void setLowerPosition(int lower);
    void setUpperPosition(int upper);

Q_SIGNALS:
    void spanChanged(int lower, int upper);
    void lowerValueChanged(int lower);
    void upperValueChanged(int upper);
    void lowerPositionChanged(int lower);
    void upperPositionChanged(int upper);
    //! Besides QSlider::sliderPressed(): which handle the user took.
    void sliderPressed(ZelSpanSlider::SpanHandle handle);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    friend class ZelSpanSliderPrivate;
    std::unique_ptr<ZelSpanSliderPrivate> const d;
};
