#include <ZelGui/ZelConfigureRectWidget.h>

#include "ZelFormTexts_p.h"
#include "ZelRectEditors_p.h"
#include "ui_ZelConfigureRectWidget.h"

#include <QEvent>

using namespace ZelRectEditors;

namespace {

// Sets an editor's value into [low, high] (in that order of checks).
void bringInto(ZelRangeWidget *editor, int low, int high)
{
    if (editor->value() < low)
        editor->setValue(low);
    else if (editor->value() > high)
        editor->setValue(high);
}

} // namespace

ZelConfigureRectWidget::ZelConfigureRectWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_ZelConfigureRectWidgetClass)
{
    ui->setupUi(this);
    ZelFormTexts::track(this);
    for (ZelRangeWidget *editor : {ui->x, ui->y, ui->width, ui->height})
        nameControls(editor);

    connect(ui->x, &ZelRangeWidget::valueChanged, this, &ZelConfigureRectWidget::setX);
    connect(ui->y, &ZelRangeWidget::valueChanged, this, &ZelConfigureRectWidget::setY);
    connect(ui->width, &ZelRangeWidget::valueChanged, this, &ZelConfigureRectWidget::setWidth);
    connect(ui->height, &ZelRangeWidget::valueChanged, this, &ZelConfigureRectWidget::setHeight);
    connect(ui->btnApply, &QPushButton::clicked, this, &ZelConfigureRectWidget::extractValue);

    for (ZelRangeWidget *editor : {ui->x, ui->y, ui->width, ui->height}) {
        editor->setRange(ZelMinMaxRange<int>(0, 0, 1));
        editor->setValue(0);
    }
}

ZelConfigureRectWidget::~ZelConfigureRectWidget() = default;

void ZelConfigureRectWidget::validate()
{
    const qint64 areaWidth = ZelRectEditors::width(m_range);
    const qint64 areaHeight = ZelRectEditors::height(m_range);
    ui->btnApply->setEnabled(qint64(ui->x->value()) + ui->width->value() <= areaWidth
                             && qint64(ui->y->value()) + ui->height->value() <= areaHeight);
}

int ZelConfigureRectWidget::xStep() const
{
    return ui->x->singleStep();
}

int ZelConfigureRectWidget::yStep() const
{
    return ui->y->singleStep();
}

int ZelConfigureRectWidget::hStep() const
{
    return ui->width->singleStep();
}

int ZelConfigureRectWidget::vStep() const
{
    return ui->height->singleStep();
}

ZelScanAreaRange ZelConfigureRectWidget::range() const
{
    ZelScanAreaRange result;
    result.area = m_range;
    result.xStep = xStep();
    result.yStep = yStep();
    result.hStep = hStep();
    result.vStep = vStep();
    result.reserved = 0;
    return result;
}

QRect ZelConfigureRectWidget::value() const
{
    return m_value;
}

void ZelConfigureRectWidget::setRange(const ZelScanAreaRange &range)
{
    const QRect &area = range.area;
    // The area's width and height saturate for areas spanning more than int.
    const int areaWidth = saturated(ZelRectEditors::width(area));
    const int areaHeight = saturated(ZelRectEditors::height(area));
    if (ui->x->minimum() != area.left() || ui->x->maximum() != areaWidth) {
        const ZelMinMaxRange<int> bounds(area.left(), areaWidth, 1);
        ui->x->setRange(bounds);
        ui->width->setRange(bounds);
        m_range = area;
        bringInto(ui->x, area.left(), areaWidth);
        bringInto(ui->width, area.left(), areaWidth);
    }
    if (ui->y->minimum() != area.top() || ui->y->maximum() != areaHeight) {
        const ZelMinMaxRange<int> bounds(area.top(), areaHeight, 1);
        ui->y->setRange(bounds);
        ui->height->setRange(bounds);
        m_range = area;
        bringInto(ui->y, area.top(), areaHeight);
        bringInto(ui->height, area.top(), areaHeight);
    }
    ui->x->setSingleStep(range.xStep);
    ui->width->setSingleStep(range.hStep);
    ui->y->setSingleStep(range.yStep);
    ui->height->setSingleStep(range.vStep);

    // A range change clamps the editors without a word: take over what they
    // show so that Apply publishes what the user sees.
    m_value = fromPositionAndSize(ui->x->value(), ui->y->value(), ui->width->value(), ui->height->value());
    validate();
}

void ZelConfigureRectWidget::setValue(const QRect &value)
{
    if (isNull(value) || value == m_value)
        return;
    m_value = value;
    ui->x->setValue(value.left());
    ui->y->setValue(value.top());
    ui->width->setValue(saturated(ZelRectEditors::width(value)));
    ui->height->setValue(saturated(ZelRectEditors::height(value)));
    // The editors' echoes find nothing to change and would not validate.
    validate();
}

void ZelConfigureRectWidget::setX(int x)
{
    if (x == m_value.left())
        return;
    // Moving keeps the width.
    m_value.setRight(saturated(qint64(m_value.right()) + x - m_value.left()));
    m_value.setLeft(x);
    validate();
}

void ZelConfigureRectWidget::setY(int y)
{
    if (y == m_value.top())
        return;
    m_value.setBottom(saturated(qint64(m_value.bottom()) + y - m_value.top()));
    m_value.setTop(y);
    validate();
}

void ZelConfigureRectWidget::setWidth(int width)
{
    // A rectangle wider than int shows as INT_MAX; that is no change.
    if (width == saturated(ZelRectEditors::width(m_value)))
        return;
    m_value.setRight(saturated(qint64(m_value.left()) + width - 1));
    validate();
}

void ZelConfigureRectWidget::setHeight(int height)
{
    if (height == saturated(ZelRectEditors::height(m_value)))
        return;
    m_value.setBottom(saturated(qint64(m_value.top()) + height - 1));
    validate();
}

void ZelConfigureRectWidget::extractValue()
{
    if (m_applying)
        return;
    m_applying = true;
    Q_EMIT valueApplyed(m_value);
    m_applying = false;
}

void ZelConfigureRectWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
}
