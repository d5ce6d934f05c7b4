#include <ZelGui/ZelChooseDirectoryWidget.h>

#include <ZelGui/ZelMessenger.h>

#include "ZelFormTexts_p.h"
#include "ui_ZelChooseDirectoryWidget.h"

#include <ZelCore/FSUtils.h>
#include <ZelLog/ZelLog.h>

#include <QCompleter>
#include <QDir>
#include <QEvent>
#include <QFileSystemModel>

namespace {

const char changeDirFunction[] = "void ZelChooseDirectoryWidget::changeDir()";
const char changeDirSource[] = "/build/source/src/ZelGui/ZelChooseDirectoryWidget";

} // namespace

ZelChooseDirectoryWidget::ZelChooseDirectoryWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_ZelChooseDirectoryWidget)
{
    ui->setupUi(this);
    ZelFormTexts::track(this);
    init();
    show();
}

ZelChooseDirectoryWidget::~ZelChooseDirectoryWidget() = default;

void ZelChooseDirectoryWidget::init()
{
    auto *model = new QFileSystemModel(this);
    model->setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    auto *completer = new QCompleter(model, this);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    ui->lineEditDir->setCompleter(completer);
    ui->lineEditDir->setEnabled(false);
    connect(ui->btnDir, &QToolButton::clicked, this, &ZelChooseDirectoryWidget::changeDir);
    connect(ui->btnDir, &QToolButton::clicked, this, &ZelChooseDirectoryWidget::browseClicked);
}

QString ZelChooseDirectoryWidget::currentDir() const
{
    return ui->lineEditDir->text();
}

void ZelChooseDirectoryWidget::setCurrentDir(QString dir)
{
    const QString clean = QDir::cleanPath(dir);
    if (clean != ui->lineEditDir->text()) {
        ui->lineEditDir->setText(clean);
        ui->lineEditDir->setToolTip(clean);
        Q_EMIT currentDirChanged(clean);
    }
    setToolTip(clean);
}

QByteArray ZelChooseDirectoryWidget::context() const
{
    return m_context;
}

void ZelChooseDirectoryWidget::setContext(const QByteArray &context)
{
    m_context = context;
}

void ZelChooseDirectoryWidget::changeDir()
{
    const QString shown = ui->lineEditDir->text();
    ZelLog::logStream("ZelGui", changeDirFunction, changeDirSource, 57) << "Change dir:" << shown << m_context;
    // The dialog starts where the field points, not where it was last left.
    if (!FSUtils::workDir(m_context).isEmpty() && !shown.isEmpty() && !m_context.isEmpty()) {
        ZelLog::logStream("ZelGui", changeDirFunction, changeDirSource, 61) << "set current dir:" << shown;
        FSUtils::setWorkDir(shown, m_context);
    }
    const QString chosen =
        ZelMessenger::getExistingDirectory(tr("Choose Directory"), m_context, QFileDialog::ShowDirsOnly);
    if (!chosen.isEmpty())
        setCurrentDir(chosen);
}

void ZelChooseDirectoryWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
}
