#include <ZelGui/ZelRangeIntCheckableWidget.h>

#include "ZelFormTexts_p.h"
#include "ui_ZelRangeIntCheckableWidget.h"

#include <QEvent>

ZelRangeIntCheckableWidget::ZelRangeIntCheckableWidget(QWidget *parent)
    : ZelRangeCheckableWidgetT(parent)
    , ui(new Ui_ZelRangeCheckableWidgetClass)
{
    ui->setupUi(this);
    ZelFormTexts::track(this);
    m_rangeWidget = ui->rangeWidget;
    m_checkBox = ui->checkBox;
    m_rangeWidget->setRange(ZelMinMaxRange<int>());
    m_rangeWidget->setSingleStep(1);
    connectControls();
}

ZelRangeIntCheckableWidget::~ZelRangeIntCheckableWidget() = default;

void ZelRangeIntCheckableWidget::setValue(ZelCheckableIntValue value)
{
    ZelRangeCheckableWidgetT::setValue(value);
}

void ZelRangeIntCheckableWidget::setMinimum(int min)
{
    m_rangeWidget->setMinimum(min);
}

void ZelRangeIntCheckableWidget::setMaximum(int max)
{
    m_rangeWidget->setMaximum(max);
}

void ZelRangeIntCheckableWidget::setRange(ZelMinMaxRange<int> range)
{
    m_rangeWidget->setRange(range);
}

void ZelRangeIntCheckableWidget::setRange(int min, int max)
{
    m_rangeWidget->setRange(ZelMinMaxRange<int>(min, max, m_rangeWidget->singleStep()));
}

void ZelRangeIntCheckableWidget::setSingleStep(int step)
{
    m_rangeWidget->setSingleStep(step);
}

void ZelRangeIntCheckableWidget::setChecked(bool checked)
{
    m_checkBox->setChecked(checked);
}

void ZelRangeIntCheckableWidget::changeValue(ZelCheckableIntValue value)
{
    setValue(value);
    Q_EMITValue();
}

void ZelRangeIntCheckableWidget::connectControls()
{
    connect(m_checkBox, &QCheckBox::clicked, this, &ZelRangeIntCheckableWidget::clicked);
    connect(m_checkBox, &QCheckBox::toggled, this, &ZelRangeIntCheckableWidget::toggled);
    connect(m_checkBox, &QCheckBox::toggled, this, &ZelRangeIntCheckableWidget::Q_EMITValue);
    connect(m_rangeWidget, &ZelRangeWidget::valueChanged, this, &ZelRangeIntCheckableWidget::Q_EMITValue);
    connect(m_rangeWidget, &ZelRangeWidget::moved, this, &ZelRangeIntCheckableWidget::moved);
    connect(m_rangeWidget, &ZelRangeWidget::pressed, this, &ZelRangeIntCheckableWidget::pressed);
    connect(m_rangeWidget, &ZelRangeWidget::released, this, &ZelRangeIntCheckableWidget::released);
}

void ZelRangeIntCheckableWidget::disconnectControls()
{
    disconnect(m_checkBox, &QCheckBox::clicked, this, &ZelRangeIntCheckableWidget::clicked);
    disconnect(m_checkBox, &QCheckBox::toggled, this, &ZelRangeIntCheckableWidget::toggled);
    disconnect(m_checkBox, &QCheckBox::toggled, this, &ZelRangeIntCheckableWidget::Q_EMITValue);
    disconnect(m_rangeWidget, &ZelRangeWidget::valueChanged, this, &ZelRangeIntCheckableWidget::Q_EMITValue);
    disconnect(m_rangeWidget, &ZelRangeWidget::moved, this, &ZelRangeIntCheckableWidget::moved);
    disconnect(m_rangeWidget, &ZelRangeWidget::pressed, this, &ZelRangeIntCheckableWidget::pressed);
    disconnect(m_rangeWidget, &ZelRangeWidget::released, this, &ZelRangeIntCheckableWidget::released);
}

void ZelRangeIntCheckableWidget::Q_EMITValue()
{
    Q_EMIT valueChanged(value());
}

void ZelRangeIntCheckableWidget::changeEvent(QEvent *event)
{
    ZelRangeCheckableWidgetT<int, ZelRangeWidget>::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
}
