#pragma once

// Pointer and keyboard helpers shared by the range editor tests: points are
// taken from the style's slider geometry, so the tests follow the style.

#include <QAbstractSpinBox>
#include <QApplication>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace ZelRangeTest {

inline QStyleOptionSlider sliderOption(const QSlider *slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.direction = slider->layoutDirection();
    option.upsideDown = slider->orientation() == Qt::Horizontal
                            ? slider->invertedAppearance() != (option.direction == Qt::RightToLeft)
                            : !slider->invertedAppearance();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    if (slider->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return option;
}

inline QRect handleRect(const QSlider *slider)
{
    const QStyleOptionSlider option = sliderOption(slider);
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
}

inline QRect grooveRect(const QSlider *slider)
{
    const QStyleOptionSlider option = sliderOption(slider);
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider);
}

// The x the pointer must reach, when it grabbed the handle grabOffset
// pixels right of the handle's left edge, to bring a horizontal slider to
// position: the inverse of QSlider's own pixel-to-value mapping.
inline int pointerXFor(const QSlider *slider, int position, int grabOffset)
{
    const QRect groove = grooveRect(slider);
    const QRect handle = handleRect(slider);
    const int span = groove.right() - handle.width() + 1 - groove.x();
    return groove.x() + QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), position, span)
        + grabOffset;
}

// A drag of a horizontal slider's handle, grabbed in its middle.
class SliderDrag
{
public:
    explicit SliderDrag(QSlider *slider)
        : m_slider(slider)
    {
        const QRect handle = handleRect(slider);
        m_grab = handle.center();
        m_grabOffset = m_grab.x() - handle.left();
        m_last = m_grab;
    }

    // False when the press did not take the handle.
    bool press()
    {
        QTest::mousePress(m_slider, Qt::LeftButton, Qt::NoModifier, m_grab);
        return m_slider->isSliderDown();
    }
    void moveTo(int position)
    {
        m_last = QPoint(pointerXFor(m_slider, position, m_grabOffset), m_grab.y());
        QTest::mouseMove(m_slider, m_last);
    }
    void release() { QTest::mouseRelease(m_slider, Qt::LeftButton, Qt::NoModifier, m_last); }

private:
    QSlider *m_slider;
    QPoint m_grab;
    QPoint m_last;
    int m_grabOffset = 0;
};

// Presses the handle, drags it through the positions and lets go there.
inline bool dragThrough(QSlider *slider, const QList<int> &positions)
{
    SliderDrag drag(slider);
    if (!drag.press())
        return false;
    for (int position : positions)
        drag.moveTo(position);
    drag.release();
    return true;
}

// Replaces the text of a spin box by typing, then commits it with Enter.
inline void typeInto(QAbstractSpinBox *spinBox, const QString &text, Qt::Key commit = Qt::Key_Return)
{
    QTest::keyClick(spinBox, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spinBox, text);
    if (commit != Qt::Key_unknown)
        QTest::keyClick(spinBox, commit);
}

} // namespace ZelRangeTest
