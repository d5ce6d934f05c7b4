#include <ZelGui/ZelIconedButtonWithLabel.h>

#include "ZelFormTexts_p.h"
#include "ui_ZelIconedButtonWithLabel.h"

#include <QEvent>

ZelIconedButtonWithLabel::ZelIconedButtonWithLabel(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_ZelIconedButtonWithLabel)
{
    ui->setupUi(this);
    ZelFormTexts::track(this);
    // Focus given to the wrapper (a label's buddy, setFocus()) goes to the button.
    setFocusProxy(ui->toolButton);

    connect(ui->toolButton, &QToolButton::clicked, this, qOverload<>(&ZelIconedButtonWithLabel::clicked));
    connect(ui->toolButton, &QToolButton::clicked, this, qOverload<bool>(&ZelIconedButtonWithLabel::clicked));
    connect(ui->toolButton, &QToolButton::toggled, this, &ZelIconedButtonWithLabel::toogled);
}

ZelIconedButtonWithLabel::~ZelIconedButtonWithLabel() = default;

QString ZelIconedButtonWithLabel::text() const
{
    return ui->toolButton->text();
}

void ZelIconedButtonWithLabel::setText(QString text)
{
    ui->toolButton->setText(text);
}

QString ZelIconedButtonWithLabel::buttonTooltip() const
{
    return ui->toolButton->toolTip();
}

void ZelIconedButtonWithLabel::setButtonTooltip(QString tooltip)
{
    ui->toolButton->setToolTip(tooltip);
}

QIcon ZelIconedButtonWithLabel::buttonIcon() const
{
    return ui->toolButton->icon();
}

void ZelIconedButtonWithLabel::setButtonIcon(QIcon icon)
{
    ui->toolButton->setIcon(icon);
}

QSize ZelIconedButtonWithLabel::iconSize() const
{
    return ui->toolButton->iconSize();
}

void ZelIconedButtonWithLabel::setIconSize(QSize size)
{
    ui->toolButton->setIconSize(size);
}

bool ZelIconedButtonWithLabel::isChecked() const
{
    return ui->toolButton->isChecked();
}

void ZelIconedButtonWithLabel::setChecked(bool checked)
{
    ui->toolButton->setChecked(checked);
}

void ZelIconedButtonWithLabel::setCheckable(bool checkable)
{
    ui->toolButton->setCheckable(checkable);
}

void ZelIconedButtonWithLabel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
}
