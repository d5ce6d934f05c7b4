#include "RangeEditorsPage.h"

#include <ZelGui/ZelAngleSpinBox.h>
#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelDoubleSlider.h>
#include <ZelGui/ZelLogSlider.h>
#include <ZelGui/ZelRangeDoubleCheckableWidget.h>
#include <ZelGui/ZelRangeIntCheckableWidget.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/ZelRangeWidgetWithLabel.h>
#include <ZelGui/ZelSliderLog.h>
#include <ZelGui/ZelSpinBox.h>

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int maxLogLines = 400;

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

QString checkable(double value, bool checked)
{
    return QStringLiteral("{%1, %2}").arg(number(value), checked ? QStringLiteral("on") : QStringLiteral("off"));
}

QLabel *readout(QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("\u2013"), parent);
    label->setMinimumWidth(90);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("<code>%1</code>").arg(text), parent);
    label->setMinimumWidth(200);
    return label;
}

// Editors in rows: caption, editor, and a readout of the editor's value.
class EditorGrid
{
public:
    explicit EditorGrid(QWidget *box)
        : m_box(box)
        , m_grid(new QGridLayout(box))
    {
        m_grid->setColumnStretch(1, 1);
    }

    QLabel *add(const QString &name, QWidget *editor)
    {
        QLabel *value = readout(m_box);
        m_grid->addWidget(caption(name, m_box), m_row, 0);
        m_grid->addWidget(editor, m_row, 1);
        m_grid->addWidget(value, m_row++, 2);
        return value;
    }

    void addFullRow(QWidget *widget) { m_grid->addWidget(widget, m_row++, 0, 1, 3); }

private:
    QWidget *const m_box;
    QGridLayout *const m_grid;
    int m_row = 0;
};

} // namespace

RangeEditorsPage::RangeEditorsPage(QWidget *parent)
    : GalleryPage(parent)
    , m_log(new QListWidget(this))
{
    m_log->setAccessibleName(QStringLiteral("Signal log"));
    auto *editors = new QVBoxLayout;
    editors->addWidget(createControls());
    editors->addWidget(createRangeEditors());
    editors->addWidget(createMappedSliders());
    editors->addStretch(1);

    auto *logBox = new QGroupBox(QStringLiteral("Emitted signals"), this);
    auto *logLayout = new QVBoxLayout(logBox);
    m_log->setObjectName(QStringLiteral("log"));
    m_log->setUniformItemSizes(true);
    m_log->setMinimumWidth(290);
    logLayout->addWidget(m_log, 1);
    auto *clear = new QPushButton(QStringLiteral("Clear"), logBox);
    connect(clear, &QPushButton::clicked, m_log, &QListWidget::clear);
    logLayout->addWidget(clear, 0, Qt::AlignRight);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(editors, 3);
    layout->addWidget(logBox, 2);

    applyRange();
    m_range->setValue(40);
    m_double->setValue(12.5);
    m_labelled->setValue(60);
    m_intCheckable->changeValue(ZelCheckableIntValue(25, true));
    m_doubleCheckable->changeValue(ZelCheckableDoubleValue(7.25, false));
    m_log->clear();
    log(QStringLiteral("page"), QStringLiteral("drag, click, type or use the arrow keys"));
}

QString RangeEditorsPage::title() const
{
    return QStringLiteral("Range editors");
}

QIcon RangeEditorsPage::icon() const
{
    return QIcon(QStringLiteral(":/ZelGui/res/icons/intermediate_slider.png"));
}

QString RangeEditorsPage::description() const
{
    return QStringLiteral("A slider and a spin box kept in step, snapping to the step; with a check box in front; "
                          "and sliders and spin boxes with a real, logarithmic or angular scale.");
}

QWidget *RangeEditorsPage::createControls()
{
    auto *box = new QGroupBox(QStringLiteral("Range, step and decimals of the range widgets"), this);
    auto *layout = new QHBoxLayout(box);
    auto spin = [box](double min, double max, double value) {
        auto *s = new QDoubleSpinBox(box);
        s->setRange(min, max);
        s->setDecimals(2);
        s->setValue(value);
        s->setKeyboardTracking(false);
        return s;
    };
    m_minimum = spin(-1000.0, 1000.0, 0.0);
    m_maximum = spin(-1000.0, 1000.0, 100.0);
    m_step = spin(0.0, 100.0, 5.0);
    m_decimals = new QSpinBox(box);
    m_decimals->setRange(0, 6);
    m_decimals->setValue(2);
    m_minimum->setObjectName(QStringLiteral("minimum"));
    m_maximum->setObjectName(QStringLiteral("maximum"));
    m_step->setObjectName(QStringLiteral("step"));
    m_decimals->setObjectName(QStringLiteral("decimals"));
    const QList<QPair<QString, QWidget *>> fields{{QStringLiteral("Minimum"), m_minimum},
                                                  {QStringLiteral("Maximum"), m_maximum},
                                                  {QStringLiteral("Step"), m_step},
                                                  {QStringLiteral("Decimals"), m_decimals}};
    for (const auto &field : fields) {
        layout->addWidget(new QLabel(field.first + QLatin1Char(':'), box));
        layout->addWidget(field.second);
    }
    layout->addStretch(1);

    connect(m_minimum, &QDoubleSpinBox::valueChanged, this, &RangeEditorsPage::applyRange);
    connect(m_maximum, &QDoubleSpinBox::valueChanged, this, &RangeEditorsPage::applyRange);
    connect(m_step, &QDoubleSpinBox::valueChanged, this, &RangeEditorsPage::applyRange);
    connect(m_decimals, &QSpinBox::valueChanged, this, &RangeEditorsPage::applyRange);
    return box;
}

QWidget *RangeEditorsPage::createRangeEditors()
{
    auto *box = new QGroupBox(QStringLiteral("Range widgets"), this);
    EditorGrid grid(box);

    m_range = new ZelRangeWidget(box);
    QLabel *rangeValue = grid.add(QStringLiteral("ZelRangeWidget"), m_range);
    const QString rangeName = QStringLiteral("ZelRangeWidget");
    connect(m_range, &ZelRangeWidget::valueChanged, this, [this, rangeValue, rangeName](int v) {
        rangeValue->setText(QString::number(v));
        log(rangeName, QStringLiteral("valueChanged(%1)").arg(v));
    });
    connect(m_range, &ZelRangeWidget::moved, this,
            [this, rangeName](int v) { log(rangeName, QStringLiteral("moved(%1)").arg(v)); });
    connect(m_range, &ZelRangeWidget::pressed, this,
            [this, rangeName] { log(rangeName, QStringLiteral("pressed()")); });
    connect(m_range, &ZelRangeWidget::released, this,
            [this, rangeName] { log(rangeName, QStringLiteral("released()")); });

    m_double = new ZelDoubleRangeWidget(box);
    QLabel *doubleValue = grid.add(QStringLiteral("ZelDoubleRangeWidget"), m_double);
    const QString doubleName = QStringLiteral("ZelDoubleRangeWidget");
    connect(m_double, &ZelDoubleRangeWidget::valueChanged, this, [this, doubleValue, doubleName](double v) {
        doubleValue->setText(number(v));
        log(doubleName, QStringLiteral("valueChanged(%1)").arg(number(v)));
    });
    connect(m_double, &ZelDoubleRangeWidget::valueChangedFinished, this, [this, doubleName](double v) {
        log(doubleName, QStringLiteral("valueChangedFinished(%1)").arg(number(v)));
    });
    connect(m_double, &ZelDoubleRangeWidget::moved, this,
            [this, doubleName](double v) { log(doubleName, QStringLiteral("moved(%1)").arg(number(v))); });
    connect(m_double, &ZelDoubleRangeWidget::pressed, this,
            [this, doubleName] { log(doubleName, QStringLiteral("pressed()")); });
    connect(m_double, &ZelDoubleRangeWidget::released, this,
            [this, doubleName] { log(doubleName, QStringLiteral("released()")); });

    m_labelled = new ZelRangeWidgetWithLabel(box);
    m_labelled->setText(QStringLiteral("Gain, %:"));
    QLabel *labelledValue = grid.add(QStringLiteral("ZelRangeWidgetWithLabel"), m_labelled);
    const QString labelledName = QStringLiteral("ZelRangeWidgetWithLabel");
    connect(m_labelled, &ZelRangeWidgetWithLabel::valueChanged, this, [this, labelledValue, labelledName](int v) {
        labelledValue->setText(QString::number(v));
        log(labelledName, QStringLiteral("valueChanged(%1)").arg(v));
    });
    connect(m_labelled, &ZelRangeWidgetWithLabel::moved, this,
            [this, labelledName](int v) { log(labelledName, QStringLiteral("moved(%1)").arg(v)); });

    m_intCheckable = new ZelRangeIntCheckableWidget(box);
    QLabel *intValue = grid.add(QStringLiteral("ZelRangeIntCheckableWidget"), m_intCheckable);
    const QString intName = QStringLiteral("ZelRangeIntCheckableWidget");
    connect(m_intCheckable, &ZelRangeIntCheckableWidget::valueChanged, this,
            [this, intValue, intName](ZelCheckableIntValue v) {
                intValue->setText(checkable(v.value, v.checked));
                log(intName, QStringLiteral("valueChanged(%1)").arg(checkable(v.value, v.checked)));
            });
    connect(m_intCheckable, &ZelRangeIntCheckableWidget::clicked, this, [this, intName](bool c) {
        log(intName, QStringLiteral("clicked(%1)").arg(c ? QStringLiteral("true") : QStringLiteral("false")));
    });
    connect(m_intCheckable, &ZelRangeIntCheckableWidget::moved, this,
            [this, intName](int v) { log(intName, QStringLiteral("moved(%1)").arg(v)); });

    m_doubleCheckable = new ZelRangeDoubleCheckableWidget(box);
    QLabel *doubleCheckValue = grid.add(QStringLiteral("ZelRangeDoubleCheckableWidget"), m_doubleCheckable);
    const QString doubleCheckName = QStringLiteral("ZelRangeDoubleCheckableWidget");
    connect(m_doubleCheckable, &ZelRangeDoubleCheckableWidget::valueChanged, this,
            [this, doubleCheckValue, doubleCheckName](ZelCheckableDoubleValue v) {
                doubleCheckValue->setText(checkable(v.value, v.checked));
                log(doubleCheckName, QStringLiteral("valueChanged(%1)").arg(checkable(v.value, v.checked)));
            });
    connect(m_doubleCheckable, &ZelRangeDoubleCheckableWidget::clicked, this, [this, doubleCheckName](bool c) {
        log(doubleCheckName, QStringLiteral("clicked(%1)").arg(c ? QStringLiteral("true") : QStringLiteral("false")));
    });

    auto *note = new QLabel(QStringLiteral("Integer editors snap to the step: ZelRangeWidget from the minimum, "
                                           "the captioned one from 0 (step 3 and up). Checking the real "
                                           "editor's box disables it."),
                            box);
    note->setWordWrap(true);
    note->setForegroundRole(QPalette::PlaceholderText);
    grid.addFullRow(note);
    return box;
}

QWidget *RangeEditorsPage::createMappedSliders()
{
    auto *box = new QGroupBox(QStringLiteral("Mapped sliders and spin boxes"), this);
    EditorGrid grid(box);

    auto *realSlider = new ZelDoubleSlider(box);
    realSlider->setOrientation(Qt::Horizontal);
    realSlider->setSingleStep(0.25);
    realSlider->setRange(-2.0, 2.0);
    QLabel *realValue = grid.add(QStringLiteral("ZelDoubleSlider  \u22122\u20262 by 0.25"), realSlider);
    realValue->setText(number(realSlider->value()));
    connect(realSlider, &ZelDoubleSlider::doubleValueChanged, this, [this, realValue](double v) {
        realValue->setText(number(v));
        log(QStringLiteral("ZelDoubleSlider"), QStringLiteral("doubleValueChanged(%1)").arg(number(v)));
    });

    auto *logSlider = new ZelSliderLog(box);
    logSlider->setOrientation(Qt::Horizontal);
    logSlider->setBase(2.0);
    logSlider->setRange(1.0, 1024.0);
    logSlider->setValue(8.0);
    QLabel *logValue = grid.add(QStringLiteral("ZelSliderLog  base 2, 1\u20261024"), logSlider);
    logValue->setText(number(logSlider->value()));
    connect(logSlider, &ZelSliderLog::valueChangedLog, this, [this, logValue](double v) {
        logValue->setText(number(v));
        log(QStringLiteral("ZelSliderLog"), QStringLiteral("valueChangedLog(%1)").arg(number(v)));
    });
    connect(logSlider, &ZelSliderLog::sliderMovedLog, this, [this](double v) {
        log(QStringLiteral("ZelSliderLog"), QStringLiteral("sliderMovedLog(%1)").arg(number(v)));
    });

    auto *decades = new ZelLogSlider(box);
    decades->setOrientation(Qt::Horizontal);
    decades->setRange(ZelMinMaxRange<double>(1.0, 1e6, 1.0));
    decades->setValue(2);
    QLabel *decadeValue = grid.add(QStringLiteral("ZelLogSlider  1\u20261000000"), decades);
    decadeValue->setText(number(decades->currentValue()));
    connect(decades, &ZelLogSlider::currentValueChanged, this, [this, decadeValue](double v) {
        decadeValue->setText(number(v));
        log(QStringLiteral("ZelLogSlider"), QStringLiteral("currentValueChanged(%1)").arg(number(v)));
    });

    auto *angle = new ZelAngleSpinBox(box);
    angle->setValue(45.0);
    QLabel *angleValue = grid.add(QStringLiteral("ZelAngleSpinBox"), angle);
    angleValue->setText(number(angle->value()));
    connect(angle, &QDoubleSpinBox::valueChanged, this, [this, angleValue](double v) {
        angleValue->setText(number(v));
        log(QStringLiteral("ZelAngleSpinBox"), QStringLiteral("valueChanged(%1)").arg(number(v)));
    });

    auto *quality = new ZelSpinBox(box);
    quality->setRange(0, 100);
    quality->setValue(90);
    QLabel *qualityValue = grid.add(QStringLiteral("ZelSpinBox"), quality);
    qualityValue->setText(QString::number(quality->value()));
    connect(quality, &QSpinBox::valueChanged, this, [this, qualityValue](int v) {
        qualityValue->setText(QString::number(v));
        log(QStringLiteral("ZelSpinBox"), QStringLiteral("valueChanged(%1)").arg(v));
    });
    angle->setMaximumWidth(120);
    quality->setMaximumWidth(120);
    return box;
}

void RangeEditorsPage::applyRange()
{
    const double min = m_minimum->value();
    const double max = m_maximum->value();
    const double step = m_step->value();
    const int intStep = qRound(step);
    m_range->setRange(ZelMinMaxRange<int>(qRound(min), qRound(max), intStep));
    m_labelled->setRange(ZelMinMaxRange<int>(qRound(min), qRound(max), intStep));
    m_intCheckable->setRange(ZelMinMaxRange<int>(qRound(min), qRound(max), intStep));
    m_double->setRange(ZelMinMaxRange<double>(min, max, step));
    m_doubleCheckable->setRange(ZelMinMaxRange<double>(min, max, step));
    m_double->setDecimals(m_decimals->value());
    m_doubleCheckable->setDecimals(m_decimals->value());
    log(QStringLiteral("page"),
        QStringLiteral("range %1\u2026%2, step %3, %4 decimals")
            .arg(number(min), number(max), number(step))
            .arg(m_decimals->value()));
}

void RangeEditorsPage::log(const QString &source, const QString &signal)
{
    m_log->addItem(QStringLiteral("%1  %2").arg(source, signal));
    while (m_log->count() > maxLogLines)
        delete m_log->takeItem(0);
    m_log->scrollToBottom();
}
