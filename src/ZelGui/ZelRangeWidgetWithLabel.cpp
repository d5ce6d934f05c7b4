#include <ZelGui/ZelRangeWidgetWithLabel.h>

#include "ZelFormTexts_p.h"
#include "ZelKeyboard_p.h"
#include "ui_ZelRangeWidgetWithLabel.h"

#include <ZelCore/MathUtils.h>

#include <QEvent>

ZelRangeWidgetWithLabel::ZelRangeWidgetWithLabel(QWidget *parent)
    : ZelRangeWidgetT(parent)
    , ui(new Ui_ZelRangeWidgetWithLabelClass)
{
    ui->setupUi(this);
    ZelFormTexts::track(this);
    init(ui->slider, ui->spinBox);
    new ZelControlNames(this, {{ui->spinBox, tr("Value")}, {ui->slider, tr("Value slider")}});

    connect(ui->spinBox, &QSpinBox::valueChanged, this, &ZelRangeWidgetWithLabel::setValue);
    connect(ui->slider, &QSlider::valueChanged, this, &ZelRangeWidgetWithLabel::setValue);
    connect(ui->slider, &QSlider::sliderMoved, this, &ZelRangeWidgetWithLabel::moved);
    connect(ui->slider, &QSlider::sliderPressed, this, &ZelRangeWidgetWithLabel::pressed);
    connect(ui->slider, &QSlider::sliderReleased, this, &ZelRangeWidgetWithLabel::released);

    setValueInner(0);
    ZelRangeWidgetT::setRange(ZelMinMaxRange<int>(0, 0, m_singleStep));
}

ZelRangeWidgetWithLabel::~ZelRangeWidgetWithLabel() = default;

QString ZelRangeWidgetWithLabel::text() const
{
    return ui->label->text();
}

void ZelRangeWidgetWithLabel::setValue(int value)
{
    setValueInner(value);
}

void ZelRangeWidgetWithLabel::setMinimum(int min)
{
    ZelRangeWidgetT::setRange(ZelMinMaxRange<int>(min, m_spinBox->maximum(), m_singleStep));
}

void ZelRangeWidgetWithLabel::setMaximum(int max)
{
    ZelRangeWidgetT::setRange(ZelMinMaxRange<int>(m_spinBox->minimum(), max, m_singleStep));
}

void ZelRangeWidgetWithLabel::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
}

void ZelRangeWidgetWithLabel::setRange(ZelMinMaxRange<int> range)
{
    ZelRangeWidgetT::setRange(range);
}

void ZelRangeWidgetWithLabel::setRange(int min, int max)
{
    ZelRangeWidgetT::setRange(ZelMinMaxRange<int>(min, max, m_singleStep));
}

void ZelRangeWidgetWithLabel::setSingleStep(int step)
{
    ZelRangeWidgetT::setSingleStep(step);
}

void ZelRangeWidgetWithLabel::setText(QString text)
{
    ui->label->setText(text);
}

void ZelRangeWidgetWithLabel::emitValueChanged()
{
    Q_EMIT valueChanged(roundValueUsingSingleStep(m_value));
}

// The grid starts at 0: captions usually label absolute quantities whose
// round values matter more than the distance from the minimum.
int ZelRangeWidgetWithLabel::roundValueUsingSingleStep(int value) const
{
    if (m_singleStep < 3)
        return value;
    return MathUtils::roundIntegerValueToNearest(value, m_singleStep);
}

void ZelRangeWidgetWithLabel::changeEvent(QEvent *event)
{
    ZelRangeWidgetT<int, QSlider, QSpinBox>::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
}
