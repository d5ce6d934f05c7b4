#include <ZelGui/ZelScanAreaWidget.h>

#include "ZelFormTexts_p.h"
#include "ZelRectEditors_p.h"
#include "ui_ZelScanAreaWidget.h"

#include <QEvent>

using namespace ZelRectEditors;

ZelScanAreaWidget::ZelScanAreaWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_ZelScanAreaWidgetClass)
{
    ui->setupUi(this);
    ZelFormTexts::track(this);
    for (ZelRangeWidget *editor : {ui->x1, ui->y1, ui->x2, ui->y2})
        nameControls(editor);

    connect(ui->x1, &ZelRangeWidget::valueChanged, this, &ZelScanAreaWidget::setX1);
    connect(ui->y1, &ZelRangeWidget::valueChanged, this, &ZelScanAreaWidget::setY1);
    connect(ui->x2, &ZelRangeWidget::valueChanged, this, &ZelScanAreaWidget::setX2);
    connect(ui->y2, &ZelRangeWidget::valueChanged, this, &ZelScanAreaWidget::setY2);
    connect(ui->btnApply, &QPushButton::clicked, this, &ZelScanAreaWidget::extractValue);
}

ZelScanAreaWidget::~ZelScanAreaWidget() = default;

int ZelScanAreaWidget::xStep() const
{
    return ui->x1->singleStep();
}

int ZelScanAreaWidget::yStep() const
{
    return ui->y1->singleStep();
}

int ZelScanAreaWidget::hStep() const
{
    return ui->x2->singleStep();
}

int ZelScanAreaWidget::vStep() const
{
    return ui->y2->singleStep();
}

QRect ZelScanAreaWidget::value() const
{
    return m_value;
}

void ZelScanAreaWidget::setRange(const ZelScanAreaRange &range)
{
    const QRect &area = range.area;
    m_range = area;
    // The far corner's bound is the extent, right - left; it saturates for
    // areas spanning more than int.
    const int xMax = saturated(qint64(area.right()) - area.left());
    const int yMax = saturated(qint64(area.bottom()) - area.top());
    if (ui->x1->minimum() != area.left() || ui->x1->maximum() != xMax) {
        const ZelMinMaxRange<int> bounds(area.left(), xMax, 1);
        ui->x1->setRange(bounds);
        ui->x2->setRange(bounds);
        ui->x1->setValue(area.left());
        ui->x2->setValue(xMax);
    }
    if (ui->y1->minimum() != area.top() || ui->y1->maximum() != yMax) {
        const ZelMinMaxRange<int> bounds(area.top(), yMax, 1);
        ui->y1->setRange(bounds);
        ui->y2->setRange(bounds);
        ui->y1->setValue(area.top());
        ui->y2->setValue(yMax);
    }
    ui->x1->setSingleStep(range.xStep);
    ui->x2->setSingleStep(range.hStep);
    ui->y1->setSingleStep(range.yStep);
    ui->y2->setSingleStep(range.vStep);

    // A range change clamps the editors without a word, and a value that
    // is already in place is not announced again: take over what they show
    // so that Apply publishes what the user sees.
    const QRect shown(QPoint(ui->x1->value(), ui->y1->value()), QPoint(ui->x2->value(), ui->y2->value()));
    if (shown != m_value) {
        m_value = shown;
        validate();
    }
}

void ZelScanAreaWidget::setValue(const QRect &value)
{
    if (isNull(value) || value == m_value)
        return;
    m_value = value;
    ui->x1->setValue(value.left());
    ui->y1->setValue(value.top());
    ui->x2->setValue(value.right());
    ui->y2->setValue(value.bottom());
    // The editors' echoes find nothing to change and would not validate.
    validate();
}

void ZelScanAreaWidget::setX1(int x1)
{
    if (x1 == m_value.left())
        return;
    m_value.setLeft(x1);
    validate();
}

void ZelScanAreaWidget::setY1(int y1)
{
    if (y1 == m_value.top())
        return;
    m_value.setTop(y1);
    validate();
}

void ZelScanAreaWidget::setX2(int x2)
{
    if (x2 == m_value.right())
        return;
    m_value.setRight(x2);
    validate();
}

void ZelScanAreaWidget::setY2(int y2)
{
    if (y2 == m_value.bottom())
        return;
    m_value.setBottom(y2);
    validate();
}

void ZelScanAreaWidget::extractValue()
{
    if (m_applying)
        return;
    m_applying = true;
    Q_EMIT valueApplyed(m_value);
    m_applying = false;
}

void ZelScanAreaWidget::validate()
{
    ui->btnApply->setEnabled(ui->x1->value() != ui->x2->value() && ui->y1->value() != ui->y2->value());
}

void ZelScanAreaWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
}
