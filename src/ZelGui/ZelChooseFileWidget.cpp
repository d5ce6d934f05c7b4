#include <ZelGui/ZelChooseFileWidget.h>

#include <ZelGui/ZelMessenger.h>

#include "ZelFormTexts_p.h"
#include "ui_ZelChooseFileWidget.h"

#include <QCompleter>
#include <QDir>
#include <QEvent>
#include <QFileSystemModel>

ZelChooseFileWidget::ZelChooseFileWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_ZelChooseFileWidget)
{
    ui->setupUi(this);
    ZelFormTexts::track(this);
    auto *model = new QFileSystemModel(this);
    model->setFilter(QDir::Files);
    auto *completer = new QCompleter(model, this);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    ui->lineEditFile->setCompleter(completer);
    ui->lineEditFile->setReadOnly(true);
    connect(ui->btnFile, &QToolButton::clicked, this, &ZelChooseFileWidget::chooseFile);
    ui->lineEditFile->setEnabled(false);
}

ZelChooseFileWidget::~ZelChooseFileWidget() = default;

QString ZelChooseFileWidget::filePath() const
{
    return m_filePath;
}

void ZelChooseFileWidget::setFilePath(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    if (clean == m_filePath)
        return;
    m_filePath = clean;
    Q_EMIT filePathChanged(clean);
    ui->lineEditFile->setText(clean);
}

QList<QByteArray> ZelChooseFileWidget::filters() const
{
    return m_filters;
}

void ZelChooseFileWidget::setFilters(const QList<QByteArray> &filters)
{
    if (filters == m_filters)
        return;
    m_filters = filters;
}

QByteArray ZelChooseFileWidget::context() const
{
    return m_context;
}

void ZelChooseFileWidget::setContext(const QByteArray &context)
{
    m_context = context;
}

void ZelChooseFileWidget::chooseFile()
{
    const QString chosen = ZelMessenger::getOpenFileName(tr("Choose File"), m_filters, m_context, QString());
    if (!chosen.isEmpty())
        setFilePath(chosen);
}

void ZelChooseFileWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
}
