#include <ZelGui/ZelColorSelectWidget.h>

#include "ZelFormTexts_p.h"
#include "ui_ZelColorSelectWidget.h"

#include <ZelGui/ZelRangeWidget.h>

#include <QEvent>
#include <QSlider>
#include <QSpinBox>

#include <array>

class ZelColorSelectWidgetPrivate
{
public:
    explicit ZelColorSelectWidgetPrivate(ZelColorSelectWidget *owner)
        : q(owner)
    {
    }

    std::array<ZelRangeWidget *, 3> editors() const { return {ui->redWidget, ui->greenWidget, ui->blueWidget}; }

    void connectControls()
    {
        for (int i = 0; i < 3; ++i)
            connections[i] =
                QObject::connect(editors()[i], &ZelRangeWidget::valueChanged, q, &ZelColorSelectWidget::Q_EMITValue);
    }

    void disconnectControls()
    {
        for (QMetaObject::Connection &connection : connections)
            QObject::disconnect(connection);
    }

    // Sets one editor with the announcements cut off, unless a setter is
    // already at work.
    void setSilently(ZelRangeWidget *editor, int value)
    {
        if (value == editor->value() || updating)
            return;
        updating = true;
        disconnectControls();
        editor->setValue(value);
        connectControls();
        updating = false;
    }

    ZelColorSelectWidget *const q;
    std::unique_ptr<Ui_ZelColorSelectWidgetClass> const ui = std::make_unique<Ui_ZelColorSelectWidgetClass>();
    bool updating = false;
    std::array<QMetaObject::Connection, 3> connections;
};

ZelColorSelectWidget::ZelColorSelectWidget(QWidget *parent, int min, int max)
    : QWidget(parent)
    , d(std::make_unique<ZelColorSelectWidgetPrivate>(this))
{
    d->ui->setupUi(this);
    ZelFormTexts::track(this);
    for (ZelRangeWidget *editor : d->editors())
        editor->setRange(ZelMinMaxRange<int>(min, max, 1));
    nameControls();
    d->connectControls();
}

void ZelColorSelectWidget::nameControls()
{
    const QString names[] = {tr("Red"), tr("Green"), tr("Blue")};
    for (int i = 0; i < 3; ++i) {
        ZelRangeWidget *editor = d->editors()[i];
        // The labels are single letters; the controls get the whole name.
        editor->setAccessibleName(names[i]);
        for (QWidget *control : editor->findChildren<QWidget *>())
            control->setAccessibleName(names[i]);
    }
}

ZelColorSelectWidget::~ZelColorSelectWidget() = default;

int ZelColorSelectWidget::red() const
{
    return d->ui->redWidget->value();
}

int ZelColorSelectWidget::green() const
{
    return d->ui->greenWidget->value();
}

int ZelColorSelectWidget::blue() const
{
    return d->ui->blueWidget->value();
}

ZelMinMaxRange<int> ZelColorSelectWidget::redRange() const
{
    return d->ui->redWidget->range();
}

ZelMinMaxRange<int> ZelColorSelectWidget::greenRange() const
{
    return d->ui->greenWidget->range();
}

ZelMinMaxRange<int> ZelColorSelectWidget::blueRange() const
{
    return d->ui->blueWidget->range();
}

bool ZelColorSelectWidget::isColorBoxVisible() const
{
    return !d->ui->colorBox->isHidden();
}

void ZelColorSelectWidget::setVisibleColorBox(bool visible)
{
    d->ui->colorBox->setVisible(visible);
}

QLabel *ZelColorSelectWidget::colorBox() const
{
    return d->ui->colorBox;
}

void ZelColorSelectWidget::setColor(QColor color)
{
    setColor(color.red(), color.green(), color.blue());
}

void ZelColorSelectWidget::setColor(int r, int g, int b)
{
    d->disconnectControls();
    d->ui->redWidget->setValue(r);
    d->ui->greenWidget->setValue(g);
    d->ui->blueWidget->setValue(b);
    d->connectControls();
}

void ZelColorSelectWidget::setRed(int red)
{
    d->setSilently(d->ui->redWidget, red);
}

void ZelColorSelectWidget::setGreen(int green)
{
    d->setSilently(d->ui->greenWidget, green);
}

void ZelColorSelectWidget::setBlue(int blue)
{
    d->setSilently(d->ui->blueWidget, blue);
}

void ZelColorSelectWidget::Q_EMITValue()
{
    const int r = red(), g = green(), b = blue();
    const auto inByte = [](int v) { return v >= 0 && v <= 255; };
    // QColor(r, g, b) would warn about components out of range.
    const QColor color = inByte(r) && inByte(g) && inByte(b) ? QColor(r, g, b) : QColor();
    Q_EMIT colorChanged(color);
    Q_EMIT colorChanged(r, g, b);
}

void ZelColorSelectWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ZelFormTexts::retranslate(this, [this] { d->ui->retranslateUi(this); });
    nameControls();
}
