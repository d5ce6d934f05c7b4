#include <ZelGui/ZelDoubleRangeWidget.h>

#include "ZelKeyboard_p.h"

#include <QHBoxLayout>

ZelDoubleRangeWidget::ZelDoubleRangeWidget(QWidget *parent)
    : ZelRangeWidgetT(parent)
    , m_spinBoxWidget(new QDoubleSpinBox(this))
    , m_sliderWidget(new QSlider(this))
{
    m_sliderWidget->setOrientation(Qt::Horizontal);
    m_spinBoxWidget->setFixedHeight(20);

    auto *layout = new QHBoxLayout(this);
    // No frame of its own: the editor lines up with the controls beside it in a form.
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_sliderWidget);
    layout->addWidget(m_spinBoxWidget);
    init(m_sliderWidget, m_spinBoxWidget);
    new ZelControlNames(this, {{m_spinBoxWidget, tr("Value")}, {m_sliderWidget, tr("Value slider")}});

    connect(
        m_sliderWidget, &QSlider::valueChanged, m_sliderWidget,
        [this](int position) { setValueInner(fromSliderPosition(position)); }, Qt::DirectConnection);
    connect(m_spinBoxWidget, &QDoubleSpinBox::valueChanged, this, &ZelDoubleRangeWidget::setValue);
    connect(m_sliderWidget, &QSlider::sliderPressed, this, &ZelDoubleRangeWidget::pressed);
    connect(m_sliderWidget, &QSlider::sliderReleased, this, &ZelDoubleRangeWidget::released);
    // Like ZelRangeWidget, report the handle while it is dragged; a drag
    // settles when the slider is let go.
    connect(
        m_sliderWidget, &QSlider::sliderMoved, this,
        [this](int position) { Q_EMIT moved(fromSliderPosition(position)); }, Qt::DirectConnection);
    connect(m_sliderWidget, &QSlider::sliderReleased, this, &ZelDoubleRangeWidget::finishSliderDrag);

    m_spinBoxWidget->setDecimals(3);
    setValueInner(0.0);
}

ZelDoubleRangeWidget::~ZelDoubleRangeWidget() = default;

int ZelDoubleRangeWidget::decimals() const
{
    return m_spinBox->decimals();
}

void ZelDoubleRangeWidget::setMinimum(double min)
{
    ZelRangeWidgetT::setRange(ZelMinMaxRange<double>(min, m_spinBox->maximum(), m_singleStep));
}

void ZelDoubleRangeWidget::setSingleStep(double step)
{
    ZelRangeWidgetT::setSingleStep(step);
}

void ZelDoubleRangeWidget::setMaximum(double max)
{
    ZelRangeWidgetT::setRange(ZelMinMaxRange<double>(m_spinBox->minimum(), max, m_singleStep));
}

void ZelDoubleRangeWidget::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
}

void ZelDoubleRangeWidget::setValue(double value)
{
    setValueInner(value);
}

void ZelDoubleRangeWidget::setRange(ZelMinMaxRange<double> range)
{
    ZelRangeWidgetT::setRange(range);
}

void ZelDoubleRangeWidget::setRange(double min, double max)
{
    ZelRangeWidgetT::setRange(ZelMinMaxRange<double>(min, max, m_singleStep));
}

void ZelDoubleRangeWidget::setDecimals(int prec)
{
    m_spinBox->setDecimals(prec);
}

void ZelDoubleRangeWidget::emitValueChanged()
{
    const double value = roundValueUsingSingleStep(m_value);
    Q_EMIT valueChanged(value);
    if (m_slider && m_slider->isSliderDown()) {
        m_finishPending = true;
        return;
    }
    m_finishPending = false;
    Q_EMIT valueChangedFinished(value);
}

// Reals are not snapped.
double ZelDoubleRangeWidget::roundValueUsingSingleStep(double value) const
{
    return value;
}

void ZelDoubleRangeWidget::finishSliderDrag()
{
    if (!m_finishPending)
        return;
    m_finishPending = false;
    Q_EMIT valueChangedFinished(roundValueUsingSingleStep(m_value));
}
