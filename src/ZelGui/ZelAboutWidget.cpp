#include <ZelGui/ZelAboutWidget.h>

#include <ZelGui/ZelGuiSettings.h>

#include "ZelFormTexts_p.h"
#include "ui_ZelAboutWidget.h"

#include <ZelCore/ZelCore.h>
#include <ZelCore/ZelVersion.h>

#include <QEvent>
#include <QShowEvent>
#include <QTableWidget>

namespace {

// The maker's site for Russian-speaking users.
const char russianSite[] = "ru.example.org";

} // namespace

ZelAboutWidget::ZelAboutWidget(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint)
    , ui(new Ui_ZelAboutWidgetClass)
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    ZelFormTexts::track(this);
    showApplication();

    if (settingLanguage() == QLocale::Russian) {
        auto *link = new QLabel(ui->tabAbout);
        link->setObjectName(QStringLiteral("avLocalURL"));
        link->setTextFormat(Qt::RichText);
        link->setOpenExternalLinks(true);
        link->setTextInteractionFlags(Qt::LinksAccessibleByKeyboard | Qt::LinksAccessibleByMouse);
        link->setText(ZelCore::toHTMLReference(QString::fromLatin1(russianSite)));
        ui->verticalLayout_5->insertWidget(ui->verticalLayout_5->count() - 1, link);
    }
}

ZelAboutWidget::~ZelAboutWidget() = default;

void ZelAboutWidget::showApplication()
{
    const QString application = QCoreApplication::applicationName();
    const QString title = tr("About application %1").arg(application);
    setWindowTitle(title);
    ui->tabWidget->setTabText(0, title);

    const QString revision = ZelVersion::revision();
    const QString revisionText = revision.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(revision);
    ui->avVersion->setText(tr("%1 %2").arg(application, QCoreApplication::applicationVersion()) + revisionText);
    ui->avURL->setText(ZelCore::toHTMLReference(ZelCore::organizationDomain()));
}

void ZelAboutWidget::addMetaInformation(QString title, QTableWidget *table)
{
    ui->tabWidget->addTab(table, title);
}

void ZelAboutWidget::showEvent(QShowEvent *event)
{
    // A window system's re-show (after minimising) keeps the tab the user
    // was reading.
    if (!event->spontaneous())
        ui->tabWidget->setCurrentIndex(0);
    QWidget::showEvent(event);
}

void ZelAboutWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
    showApplication();
}
