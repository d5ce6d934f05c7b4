#include <ZelGui/ZelStatusForm.h>

#include <QFormLayout>
#include <QLabel>
#include <QProgressBar>

ZelStatusForm::ZelStatusForm(QWidget *parent)
    : QWidget(parent)
{
    // An empty form layout from the start, so a status line or bar used
    // before any field has a row to go to.
    setLayout(new QFormLayout);
}

ZelStatusForm::~ZelStatusForm() = default;

void ZelStatusForm::setStatusFields(const QMap<QString, QString> &fields)
{
    if (fields.keys() == m_fields.keys()) {
        for (auto it = fields.cbegin(); it != fields.cend(); ++it)
            m_valueLabels.value(it.key())->setText(it.value());
        m_fields = fields;
        return;
    }

    // The old rows go entirely, name labels too, so that a host changing
    // names for hours gathers no widgets. The status line and the bar, once
    // made, stay as the last rows.
    qDeleteAll(m_valueLabels);
    m_valueLabels.clear();
    QList<QWidget *> kept;
    if (QLayout *old = layout()) {
        QList<QWidget *> names;
        for (int i = 0; i < old->count(); ++i) {
            if (QWidget *widget = old->itemAt(i)->widget())
                (widget == m_statusLabel || widget == m_progressBar ? kept : names) << widget;
        }
        qDeleteAll(names);
        delete old;
    }
    m_fields = fields;

    auto *form = new QFormLayout;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        auto *name = new QLabel(QStringLiteral("<b>%1:</b>").arg(it.key()), this);
        auto *value = new QLabel(it.value(), this);
        form->addRow(name, value);
        m_valueLabels.insert(it.key(), value);
    }
    for (QWidget *widget : std::as_const(kept))
        form->addRow(widget);
    setLayout(form);
}

void ZelStatusForm::addFullRow(QWidget *widget)
{
    if (auto *form = qobject_cast<QFormLayout *>(layout()))
        form->addRow(widget);
}

void ZelStatusForm::setStatus(const QString &text)
{
    if (!m_statusLabel) {
        m_statusLabel = new QLabel(this);
        addFullRow(m_statusLabel);
    }
    m_statusLabel->setText(text);
}

QProgressBar *ZelStatusForm::progressBar()
{
    if (!m_progressBar) {
        m_progressBar = new QProgressBar(this);
        m_progressBar->setRange(0, 100);
        addFullRow(m_progressBar);
    }
    return m_progressBar;
}

void ZelStatusForm::setProgress(int value)
{
    progressBar()->setValue(value);
}

void ZelStatusForm::setIndeterminate(bool on)
{
    progressBar()->setRange(0, on ? 0 : 100);
}
