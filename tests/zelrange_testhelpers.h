#pragma once

// Shared by the range editor tests: pointer positions come from the style's
// own slider geometry, and signals are logged as text in emission order.

#include <ZelCore/ZelCheckableTValue.h>

#include <QAbstractSpinBox>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>

#include <functional>

namespace ZelRangeTest {

struct SliderAccess : QSlider
{
    using QSlider::initStyleOption;
}; // reached through a member pointer

inline QRect sliderRect(const QSlider *slider, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    (slider->*(&SliderAccess::initStyleOption))(&option);
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, part, slider);
}

// Drags a horizontal slider's handle, grabbed in its middle, through the
// positions, calling atEach after each move, and lets go there. False when
// the press missed the handle.
inline bool dragThrough(QSlider *slider, const QList<int> &positions, const std::function<void()> &atEach = {})
{
    const QRect handle = sliderRect(slider, QStyle::SC_SliderHandle);
    QPoint point = handle.center();
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, point);
    const bool pressed = slider->isSliderDown();
    for (int position : positions) { // the inverse of QSlider's pixel-to-value mapping
        const QRect groove = sliderRect(slider, QStyle::SC_SliderGroove);
        point.setX(groove.x() + handle.center().x() - handle.left()
                   + QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), position, groove.width() - handle.width()));
        QTest::mouseMove(slider, point);
        if (atEach)
            atEach();
    }
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, point);
    return pressed;
}

// Replaces a spin box's text by typing; a commit of Qt::Key_unknown only types.
inline void typeInto(QAbstractSpinBox *spinBox, const QString &text, Qt::Key commit = Qt::Key_Return)
{
    QTest::keyClick(spinBox, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spinBox, text);
    if (commit != Qt::Key_unknown)
        QTest::keyClick(spinBox, commit);
}

template<class N>
QString argText(N v)
{
    return QString::number(v);
}
inline QString argText(bool v)
{
    return v ? QStringLiteral("on") : QStringLiteral("off");
}
inline QString argText(const QString &v)
{
    return v;
}
template<class T>
QString argText(const ZelCheckableTValue<T> &v)
{
    return argText(v.value) + u',' + argText(v.checked);
}

// Appends "name" or "name(arguments)" to log at each emission.
template<class Obj, class Sender, class... Args>
void logSignal(Obj *object, void (Sender::*signal)(Args...), QStringList *log, const char *name)
{
    QObject::connect(object, signal, object, [log, name](Args... args) {
        const QStringList parts{argText(args)...};
        log->append(parts.isEmpty() ? QString::fromLatin1(name) : QStringLiteral("%1(%2)").arg(QLatin1String(name), parts.join(u',')));
    });
}

template<class W>
void logEditor(W *w, QStringList *log)
{
    logSignal(w, &W::valueChanged, log, "valueChanged");
    logSignal(w, &W::moved, log, "moved");
    logSignal(w, &W::pressed, log, "pressed");
    logSignal(w, &W::released, log, "released");
}

} // namespace ZelRangeTest
