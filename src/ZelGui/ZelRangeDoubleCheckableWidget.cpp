#include <ZelGui/ZelRangeDoubleCheckableWidget.h>

#include "ZelFormTexts_p.h"
#include "ui_ZelRangeDoubleCheckableWidget.h"

#include <QEvent>

ZelRangeDoubleCheckableWidget::ZelRangeDoubleCheckableWidget(QWidget *parent)
    : ZelRangeCheckableWidgetT(parent)
    , ui(new Ui_ZelRangeDoubleCheckableWidget)
{
    ui->setupUi(this);
    ZelFormTexts::track(this);
    m_rangeWidget = ui->rangeDoubleWidget;
    m_checkBox = ui->checkBox;
    m_rangeWidget->setRange(ZelMinMaxRange<double>());
    m_rangeWidget->setSingleStep(1.0);
    connectControls();
}

ZelRangeDoubleCheckableWidget::~ZelRangeDoubleCheckableWidget() = default;

int ZelRangeDoubleCheckableWidget::decimals() const
{
    return m_rangeWidget->decimals();
}

void ZelRangeDoubleCheckableWidget::setValue(ZelCheckableDoubleValue value)
{
    ZelRangeCheckableWidgetT::setValue(value);
}

void ZelRangeDoubleCheckableWidget::setMinimum(double min)
{
    m_rangeWidget->setMinimum(min);
}

void ZelRangeDoubleCheckableWidget::setMaximum(double max)
{
    m_rangeWidget->setMaximum(max);
}

void ZelRangeDoubleCheckableWidget::setRange(ZelMinMaxRange<double> range)
{
    m_rangeWidget->setRange(range);
}

void ZelRangeDoubleCheckableWidget::setRange(double min, double max)
{
    m_rangeWidget->setRange(ZelMinMaxRange<double>(min, max, m_rangeWidget->singleStep()));
}

void ZelRangeDoubleCheckableWidget::setSingleStep(double step)
{
    m_rangeWidget->setSingleStep(step);
}

void ZelRangeDoubleCheckableWidget::setChecked(bool c)
{
    m_checkBox->setChecked(c);
}

void ZelRangeDoubleCheckableWidget::changeValue(ZelCheckableDoubleValue value)
{
    setValue(value);
    Q_EMITValue();
}

void ZelRangeDoubleCheckableWidget::setDecimals(int c)
{
    m_rangeWidget->setDecimals(c);
}

// A checked box switches the value off, so the editor is disabled with it.
void ZelRangeDoubleCheckableWidget::connectControls()
{
    connect(m_checkBox, &QCheckBox::toggled, m_rangeWidget, &QWidget::setDisabled);
    connect(m_checkBox, &QCheckBox::clicked, this, &ZelRangeDoubleCheckableWidget::clicked);
    connect(m_checkBox, &QCheckBox::toggled, this, &ZelRangeDoubleCheckableWidget::toggled);
    connect(m_checkBox, &QCheckBox::toggled, this, &ZelRangeDoubleCheckableWidget::Q_EMITValue);
    connect(m_rangeWidget, &ZelDoubleRangeWidget::valueChanged, this, &ZelRangeDoubleCheckableWidget::Q_EMITValue);
    connect(m_rangeWidget, &ZelDoubleRangeWidget::moved, this, &ZelRangeDoubleCheckableWidget::moved);
    connect(m_rangeWidget, &ZelDoubleRangeWidget::pressed, this, &ZelRangeDoubleCheckableWidget::pressed);
    connect(m_rangeWidget, &ZelDoubleRangeWidget::released, this, &ZelRangeDoubleCheckableWidget::released);
}

void ZelRangeDoubleCheckableWidget::disconnectControls()
{
    disconnect(m_checkBox, &QCheckBox::toggled, m_rangeWidget, &QWidget::setDisabled);
    disconnect(m_checkBox, &QCheckBox::clicked, this, &ZelRangeDoubleCheckableWidget::clicked);
    disconnect(m_checkBox, &QCheckBox::toggled, this, &ZelRangeDoubleCheckableWidget::toggled);
    disconnect(m_checkBox, &QCheckBox::toggled, this, &ZelRangeDoubleCheckableWidget::Q_EMITValue);
    disconnect(m_rangeWidget, &ZelDoubleRangeWidget::valueChanged, this, &ZelRangeDoubleCheckableWidget::Q_EMITValue);
    disconnect(m_rangeWidget, &ZelDoubleRangeWidget::moved, this, &ZelRangeDoubleCheckableWidget::moved);
    disconnect(m_rangeWidget, &ZelDoubleRangeWidget::pressed, this, &ZelRangeDoubleCheckableWidget::pressed);
    disconnect(m_rangeWidget, &ZelDoubleRangeWidget::released, this, &ZelRangeDoubleCheckableWidget::released);
}

void ZelRangeDoubleCheckableWidget::Q_EMITValue()
{
    Q_EMIT valueChanged(value());
}

void ZelRangeDoubleCheckableWidget::changeEvent(QEvent *event)
{
    ZelRangeCheckableWidgetT<double, ZelDoubleRangeWidget>::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
}
