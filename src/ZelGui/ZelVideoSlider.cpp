#include <ZelGui/ZelVideoSlider.h>

#include <QPalette>
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <QTime>

#include <cmath>
#include <limits>

namespace {

constexpr int textLength = 70;
constexpr qint64 msecsPerDay = 24 * 60 * 60 * 1000;

// Saturating product: steps of a huge duration must not overflow.
qint64 timeOfStep(qint64 usecsByStep, qint64 step)
{
    qint64 result = 0;
    if (__builtin_mul_overflow(usecsByStep, step, &result))
        return (usecsByStep < 0) != (step < 0) ? std::numeric_limits<qint64>::min()
                                               : std::numeric_limits<qint64>::max();
    return result;
}

} // namespace

ZelVideoSlider::ZelVideoSlider(QWidget *parent)
    : ZelSpanSliderWithIntermediateValue(parent)
{
}

ZelVideoSlider::~ZelVideoSlider() = default;

qint64 ZelVideoSlider::duration() const
{
    return m_duration;
}

void ZelVideoSlider::setDuration(qint64 duration)
{
    m_duration = duration;
    update();
}

double ZelVideoSlider::speedUp() const
{
    return m_speedUp;
}

void ZelVideoSlider::setSpeedUp(double speedUp)
{
    m_speedUp = speedUp;
    update();
}

qint64 ZelVideoSlider::usecsByStep() const
{
    if (maximum() == 0)
        return 0;
    return m_duration / maximum();
}

QString ZelVideoSlider::getTextByTime(qint64 usecs) const
{
    if (!(m_speedUp > 0))
        return QString();
    const qint64 base = timeOfStep(usecsByStep(), lowerValue());
    // In double: the difference of two extreme times does not fit qint64.
    const double scaled = std::trunc((double(usecs) - double(base)) / m_speedUp);
    double msecs = std::trunc(scaled / 1000.0);
    // QTime wraps at 24 hours; reduce first so that any time fits its int.
    msecs = std::fmod(msecs, double(msecsPerDay));
    if (!std::isfinite(msecs))
        msecs = 0;
    return QTime(0, 0).addMSecs(int(msecs)).toString(QStringLiteral("hh:mm:ss:zzz"));
}

QString ZelVideoSlider::getTextByStep(int step) const
{
    return getTextByTime(timeOfStep(step, usecsByStep()));
}

int ZelVideoSlider::getTextLength() const
{
    return textLength;
}

int ZelVideoSlider::getStartPositionOfTextForVideo() const
{
    const int x = qMax(intermediateHandleRect().left() - textLength / 2, 0);
    return qMin(x, width() - textLength);
}

int ZelVideoSlider::getStartPositionOfTextForLower() const
{
    const int mid = (lowerHandleRect().left() + upperHandleRect().left()) / 2;
    int x = lowerHandleRect().left() - textLength / 2;
    // Not into the right half between the handles.
    if (mid - x < textLength)
        x = mid - textLength;
    return qMax(x, 0);
}

int ZelVideoSlider::getStartPositionOfTextForUpper() const
{
    const int mid = (lowerHandleRect().left() + upperHandleRect().left()) / 2;
    int x = upperHandleRect().left() - textLength / 2;
    // Not into the left half between the handles.
    if (mid > x)
        x = mid + 1;
    return qMin(x, width() - textLength);
}

void ZelVideoSlider::initStyleOptionForHandles(QStyleOptionSlider *option) const
{
    ZelSpanSliderWithIntermediateValue::initStyleOptionForHandles(option);
    // All handles share the middle third of the widget.
    option->rect.moveLeft(0);
    const int third = option->rect.height() / 3;
    option->rect.setTop(third);
    option->rect.setBottom(2 * third - 1);
}

void ZelVideoSlider::initStyleOptionForBorders(QStyleOptionSlider *option, SpanHandle handle) const
{
    ZelSpanSliderWithIntermediateValue::initStyleOptionForBorders(option, handle);
    const int hw = style()->subControlRect(QStyle::CC_Slider, option, QStyle::SC_SliderHandle, this).width();
    // The lower handle travels the left part and the upper one the right
    // part, leaving room for the intermediate handle between them.
    if (handle == UpperHandle)
        option->rect.setLeft(option->rect.left() + 2 * hw);
    else if (handle == LowerHandle)
        option->rect.setRight(option->rect.right() - 2 * hw);
}

void ZelVideoSlider::initStyleOptionIntermediate(QStyleOptionSlider *option) const
{
    ZelSpanSliderWithIntermediateValue::initStyleOptionIntermediate(option);
    const int hw = style()->subControlRect(QStyle::CC_Slider, option, QStyle::SC_SliderHandle, this).width();
    option->rect.setLeft(option->rect.left() + hw);
    option->rect.setRight(option->rect.right() - hw);
}

void ZelVideoSlider::paintEvent(QPaintEvent *event)
{
    ZelSpanSliderWithIntermediateValue::paintEvent(event);

    QStylePainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int w = width();
    const int h = height();
    const qint64 step = usecsByStep();
    const QPalette noPalette;
    const QStyle *s = style();

    int x = getStartPositionOfTextForVideo();
    s->drawItemText(&painter, QRect(QPoint(x, 1), QPoint(x + w - 1, h)), 0, noPalette, true,
                    getTextByTime(timeOfStep(intermediateValue(), step)));

    const int top = 4 * h / 5;
    x = getStartPositionOfTextForLower();
    s->drawItemText(&painter, QRect(QPoint(x, top), QPoint(x + w - 1, h - 1 + top)), 0, noPalette, true,
                    getTextByTime(timeOfStep(lowerValue(), step)));
    x = getStartPositionOfTextForUpper();
    s->drawItemText(&painter, QRect(QPoint(x, top), QPoint(x + w - 1, h - 1 + top)), 0, noPalette, true,
                    getTextByTime(timeOfStep(upperValue(), step)));
}
