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
    //! The committed lower value; 0 at first.
    Q_PROPERTY(int lowerValue READ lowerValue WRITE setLowerValue)
    //! The committed upper value; 0 at first.
    Q_PROPERTY(int upperValue READ upperValue WRITE setUpperValue)
    //! Where the lower handle stands.
    Q_PROPERTY(int lowerPosition READ lowerPosition WRITE setLowerPosition)
    //! Where the upper handle stands.
    Q_PROPERTY(int upperPosition READ upperPosition WRITE setUpperPosition)
    //! How the handles move against each other; FreeMovement by default.
    Q_PROPERTY(HandleMovementMode handleMovementMode READ handleMovementMode WRITE setHandleMovementMode)

public:
    //! How a dragged handle may move against the other one.
    enum HandleMovementMode : int {
        FreeMovement = 0, //!< handles may cross; crossing exchanges their roles
        NoCrossing = 1, //!< a handle stops at the other handle's value
        NoOverlapping = 2, //!< a handle stops one value before the other's
    };
    Q_ENUM(HandleMovementMode)

    //! Names the handles.
    enum SpanHandle : int {
        NoHandle = 0, //!< neither handle
        LowerHandle = 1, //!< the handle of the lower value
        UpperHandle = 2, //!< the handle of the upper value
    };

    //! Creates a horizontal slider with the span 0 to 0; \a parent owns it.
    explicit ZelSpanSlider(QWidget *parent = nullptr);
    //! Creates a slider of \a orientation with the span 0 to 0; \a parent owns it.
    explicit ZelSpanSlider(Qt::Orientation orientation, QWidget *parent = nullptr);
    //! Destroys the slider and its private object.
    ~ZelSpanSlider() override;

    //! How the handles move against each other.
    HandleMovementMode handleMovementMode() const;
    //! Takes effect from the next movement; the current span is kept as is.
    void setHandleMovementMode(HandleMovementMode mode);

    //! The committed lower value.
    int lowerValue() const;
    //! The committed upper value.
    int upperValue() const;

    //! Where the lower handle stands (differs from lowerValue() during a drag without tracking).
    int lowerPosition() const;
    //! Where the upper handle stands.
    int upperPosition() const;

    //! Where the style puts the handles, in widget coordinates.
    QRect lowerHandleRect() const;
    //! Where the style puts the upper handle, in widget coordinates.
    QRect upperHandleRect() const;

    //! True while the user holds one of the two handles.
    bool isAnyHandlePressedNow() const;

    //! Fill the style option of the handles, of one handle (at its position)
    //! and of the groove under the span.
    virtual void initStyleOptionForHandles(QStyleOptionSlider *option) const;
    //! Fills \a option for \a handle at its position; every handle option is built here.
    virtual void initStyleOptionForBorders(QStyleOptionSlider *option, SpanHandle handle) const;
    //! Fills \a option for the groove under the span.
    virtual void initStyleOptionForSlider(QStyleOptionSlider *option) const;

public Q_SLOTS:
    //! setSpan(lower, upperValue()).
    void setLowerValue(int lower);
    //! setSpan(lowerValue(), upper).
    void setUpperValue(int upper);
    //! Orders the pair and bounds both into the range.
    void setSpan(int lower, int upper);

    //! Moves the lower handle (bounded into the range); with tracking on, commits the value at once.
    void setLowerPosition(int lower);
    //! Moves the upper handle (bounded into the range); with tracking on, commits the value at once.
    void setUpperPosition(int upper);

Q_SIGNALS:
    //! The committed span changed; follows lowerValueChanged() and upperValueChanged().
    void spanChanged(int lower, int upper);
    //! The committed lower value changed.
    void lowerValueChanged(int lower);
    //! The committed upper value changed.
    void upperValueChanged(int upper);
    //! The lower handle moved while the user holds it.
    void lowerPositionChanged(int lower);
    //! The upper handle moved while the user holds it.
    void upperPositionChanged(int upper);
    //! Besides QSlider::sliderPressed(): which handle the user took.
    void sliderPressed(ZelSpanSlider::SpanHandle handle);

protected:
    //! \cond
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    //! \endcond

private:
    friend class ZelSpanSliderPrivate;
    friend class ZelAccessibleSpanHandle; // tells which handle is held
    std::unique_ptr<ZelSpanSliderPrivate> const d;
};
