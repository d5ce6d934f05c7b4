#include <ZelGui/ZelDialogWidget.h>

#include "ZelFormTexts_p.h"
#include "ui_ZelDialogWidget.h"

#include <QEvent>

ZelDialogWidget::ZelDialogWidget(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui_ZelDialogWidget)
{
    ui->setupUi(this);
    ZelFormTexts::track(this);
}

ZelDialogWidget::~ZelDialogWidget() = default;

void ZelDialogWidget::addWidgetToDialog(QWidget *widget, const QString &title)
{
    ui->gridLayout_2->addWidget(widget, 0, 0);
    // The content, not OK, has the focus when the dialog opens: its first
    // control that takes focus by Tab.
    for (QWidget *control = widget; control == widget || widget->isAncestorOf(control);
         control = control->nextInFocusChain()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled()) {
            control->setFocus();
            break;
        }
    }
    setWindowTitle(title);
    updateGeometry();
}

void ZelDialogWidget::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
}
