#pragma once

// Helpers shared by the span slider tests: a log of signals in the order of
// emission, handle geometry taken from the style, a style with a short drag
// leash.

#include <ZelGui/ZelSpanSlider.h>

#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include <utility>

namespace ZelSpanTest {

inline QString str(int v)
{
    return QString::number(v);
}
inline QString str(bool v)
{
    return v ? QStringLiteral("true") : QStringLiteral("false");
}
inline QString str(ZelSpanSlider::SpanHandle h)
{
    return h == ZelSpanSlider::LowerHandle ? "lower" : "upper";
}

// Each watched signal becomes one line "name(arg,arg)".
struct SignalLog
{
    QStringList lines;
    template<class O, class C, class... Args>
    void watch(O *o, void (C::*signal)(Args...), const char *name)
    {
        QObject::connect(o, signal, o, [this, name](Args... args) {
            QStringList parts{str(args)...};
            lines << QLatin1String(name) + (parts.isEmpty() ? QString() : '(' + parts.join(',') + ')');
        });
    }
    QStringList take() { return std::exchange(lines, {}); }
};

// Every signal of a span slider: "span", "lower", "upper", "lpos", "upos",
// "pressed" and the base slider's "down" and "up".
inline void watchSpanSlider(SignalLog &log, ZelSpanSlider *s)
{
    log.watch(s, &ZelSpanSlider::spanChanged, "span");
    log.watch(s, &ZelSpanSlider::lowerValueChanged, "lower");
    log.watch(s, &ZelSpanSlider::upperValueChanged, "upper");
    log.watch(s, &ZelSpanSlider::lowerPositionChanged, "lpos");
    log.watch(s, &ZelSpanSlider::upperPositionChanged, "upos");
    log.watch(s, &ZelSpanSlider::sliderPressed, "pressed");
    log.watch(s, &QAbstractSlider::sliderPressed, "down");
    log.watch(s, &QAbstractSlider::sliderReleased, "up");
}

// Where the style puts a span handle standing at a value; its centre is the
// point that carries a handle grabbed at its centre there.
inline QRect handleRectAt(const ZelSpanSlider *s, ZelSpanSlider::SpanHandle handle, int value)
{
    QStyleOptionSlider opt;
    s->initStyleOptionForBorders(&opt, handle);
    opt.sliderPosition = opt.sliderValue = value;
    return s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s);
}

// Fusion, but a drag may wander only 10 pixels off the widget, as some
// platform styles allow.
class ShortLeashStyle : public QProxyStyle
{
public:
    ShortLeashStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        return metric == PM_MaximumDragDistance ? 10 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace ZelSpanTest
