#pragma once

#include <ZelGui/ZelSpanSlider.h>

#include <memory>

class ZelSpanSliderWithIntermediateValuePrivate;

//! A span slider with a third handle, the intermediate value, that marks a
//! current position inside the span (a frame inside the selected part of a
//! sequence, say).
//!
//! The intermediate handle is drawn as a picture above the groove. It is
//! taken by a press on it or on the groove away from the span handles, moved
//! by dragging, by the wheel and by the keys (Left/Right by a thousandth of
//! the maximum, PageDown/PageUp by a hundredth, Home/End to the span's ends);
//! keys and wheel never move the span. Dragging a span handle pushes it no
//! further than the intermediate handle.
//!
//! keyPressEvent() and wheelEvent() are public slots so that other widgets
//! can forward their key and wheel events. The slider owns its private
//! record.
class ZELGUI_EXPORT ZelSpanSliderWithIntermediateValue : public ZelSpanSlider
{
    Q_OBJECT
    //! The intermediate value, inside the span.
    Q_PROPERTY(int intermediateValue READ intermediateValue WRITE setIntermediateValue)

public:
    //! Creates a horizontal slider with the intermediate handle at 0; \a parent owns it.
    explicit ZelSpanSliderWithIntermediateValue(QWidget *parent = nullptr);
    //! Destroys the slider and its private record.
    ~ZelSpanSliderWithIntermediateValue() override;

    //! The intermediate value.
    int intermediateValue() const;

    //! The style option of the intermediate handle, at the intermediate value.
    virtual void initStyleOptionIntermediate(QStyleOptionSlider *option) const;
    //! Where the style puts the intermediate handle, in widget coordinates.
    QRect intermediateHandleRect() const;
    //! The width of the intermediate handle.
    int handleWidth() const;

Q_SIGNALS:
    //! The intermediate value was set or moved.
    void intermediateChanged(int intermediateValue);
    //! The user took the intermediate handle.
    void intermediatePressed(int intermediateValue);
    //! The intermediate handle moved by drag, key or wheel.
    void intermediateMoved(int intermediateValue);
    //! The user let the intermediate handle go.
    void intermediateReleased(int intermediateValue);
    //! Emitted first for every wheel event, whatever it moves.
    void wheelEventArrived();

public Q_SLOTS:
    //! Bounded into the span; emits intermediateChanged() unless the value
    //! given equals the current one.
    void setIntermediateValue(int intermediateValue);
    //! Moves the intermediate handle by the keys the class description lists.
    void keyPressEvent(QKeyEvent *event) override;
    //! Moves the intermediate handle by the wheel; emits wheelEventArrived() first.
    void wheelEvent(QWheelEvent *e) override;

protected:
    //! \cond
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    //! \endcond

private:
    friend class ZelSpanSliderWithIntermediateValuePrivate;
    std::unique_ptr<ZelSpanSliderWithIntermediateValuePrivate> const d;
};
