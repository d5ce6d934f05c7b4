#pragma once

#include <ZelGui/ZelSpanSlider.h>

#include <QBrush>
#include <QObject>
#include <QPen>
#include <QStyle>

class QPainter;

class ZelSpanSliderPrivate : public QObject
{
    Q_OBJECT
public:
    explicit ZelSpanSliderPrivate(ZelSpanSlider *owner);

    // Bounds into [minimum, maximum]; takes a wide value so that steps and
    // offsets computed near the ends of int do not overflow.
    int bound(qint64 value) const;
    // Saturates to int: a step or offset beyond the ends of int stops there.
    static int toInt(qint64 value);

    void handleMousePress(const QPoint &pos, QStyle::SubControl &control, int value, ZelSpanSlider::SpanHandle handle);
    int pixelPosToRangeValue(int pos, ZelSpanSlider::SpanHandle handle) const;
    void applyNewPosition(ZelSpanSlider::SpanHandle handle, int value);
    void triggerAction(QAbstractSlider::SliderAction action, bool main);
    void swapControls();
    void commitPositions();
    void drawSpan(QPainter *painter, const QRect &rect) const;

    int lowerValue = 0;
    int upperValue = 0;
    int lowerPosition = 0;
    int upperPosition = 0;
    int pressOffset = 0;
    int pressValue = 0;
    bool firstMove = false;
    bool trackingBlocked = false;
    ZelSpanSlider::SpanHandle lastPressedHandle = ZelSpanSlider::NoHandle;
    ZelSpanSlider::SpanHandle mainHandle = ZelSpanSlider::LowerHandle;
    QStyle::SubControl lowerPressedControl = QStyle::SC_None;
    QStyle::SubControl upperPressedControl = QStyle::SC_None;
    ZelSpanSlider::HandleMovementMode movementMode = ZelSpanSlider::FreeMovement;
    ZelSpanSlider *const slider;

    // The span's brush and pen, built once for a groove, highlight colour
    // and orientation.
    mutable QBrush spanBrush;
    mutable QPen spanPen;
    mutable QRect spanGroove;
    mutable QRgb spanColor = 0;
    mutable bool spanHorizontal = true;

public Q_SLOTS:
    void updateRange(int min, int max);
    void movePressedHandle();
};
