#include <ZelGui/ZelConfigureSaveWidget.h>

#include <ZelGui/ZelBindableToolButton.h>
#include <ZelGui/ZelImageFormatComboBox.h>
#include <ZelGui/ZelLineEdit.h>
#include <ZelGui/ZelMessenger.h>
#include <ZelGui/ZelSpinBox.h>

#include <ZelCore/FSUtils.h>
#include <ZelCore/ZelConnection.h>
#include <ZelCore/ZelCore.h>

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

class ZelConfigureSaveWidgetPrivate
{
public:
    int m_quality = 99;
    QByteArray m_format;
    QString m_path;
    QString m_prefix;
    QByteArray m_context;
    QList<ZelConnection<QMetaObject::Connection>> m_connections;
};

ZelConfigureSaveWidget::ZelConfigureSaveWidget(QWidget *parent, const QString &path)
    : QWidget(parent)
    , d(new ZelConfigureSaveWidgetPrivate)
{
    auto *formatCombo = new ZelImageFormatComboBox(this);
    auto *formatLabel = new QLabel(tr("Format:"), this);
    auto *qualityLabel = new QLabel(tr("Quality:"), this);
    auto *pathCaption = new QLabel(tr("Path:"), this);
    auto *prefixLabel = new QLabel(tr("Prefix:"), this);
    auto *qualityBox = new ZelSpinBox(this);
    auto *pathLabel = new QLabel(this);
    auto *browse = new ZelBindableToolButton(this);
    auto *prefixEdit = new ZelLineEdit(this);
    formatLabel->setObjectName(QStringLiteral("formatLabel"));
    qualityLabel->setObjectName(QStringLiteral("qualityLabel"));
    pathCaption->setObjectName(QStringLiteral("pathCaption"));
    prefixLabel->setObjectName(QStringLiteral("prefixLabel"));
    formatCombo->setObjectName(QStringLiteral("format"));
    qualityBox->setObjectName(QStringLiteral("quality"));
    pathLabel->setObjectName(QStringLiteral("path"));
    browse->setObjectName(QStringLiteral("browse"));
    prefixEdit->setObjectName(QStringLiteral("prefix"));

    formatCombo->setSupportedExportFormats();
    QList<QByteArray> formats = FSUtils::imageFormatsForExport();
    formats.removeAll(QByteArray(FSUtils::formatDCM));
    formatCombo->setSupportedFormats(formats);

    qualityBox->setRange(0, 100);
    qualityBox->setValue(99);

    pathLabel->setEnabled(false);
    pathLabel->setFrameShape(QFrame::Box);

    browse->setToolTip(QStringLiteral("Open existing directory"));
    browse->setAccessibleName(tr("Select directory"));
    browse->setIcon(QIcon(QString::fromLatin1(ZelCore::iconFolderOpen_40)));

    prefixEdit->setText(tr("Object_"));

    // Each lambda runs only while its sender lives; all of them are cut
    // before the children go (see the destructor).
    d->m_connections << connect(
        formatCombo, &QComboBox::currentIndexChanged, formatCombo,
        [this, formatCombo, qualityBox](int index) {
            const QByteArray format = formatCombo->itemData(index, Qt::UserRole).toByteArray();
            qualityBox->setEnabled(FSUtils::supportQualityWrite(format));
            d->m_format = format;
        },
        Qt::DirectConnection);
    d->m_connections << connect(
        qualityBox, &QSpinBox::valueChanged, qualityBox, [this](int value) { d->m_quality = value; },
        Qt::DirectConnection);
    d->m_connections << connect(
        browse, &QToolButton::clicked, browse, [this] { chooseDirectory(); }, Qt::DirectConnection);
    d->m_connections << connect(
        prefixEdit, &QLineEdit::textChanged, prefixEdit, [this](const QString &text) { d->m_prefix = text; },
        Qt::DirectConnection);
    d->m_connections << connect(
        this, &ZelConfigureSaveWidget::invokePathSet, this, [this] { chooseDirectory(); }, Qt::DirectConnection);
    d->m_connections << connect(
        this, &ZelConfigureSaveWidget::pathChanged, this,
        [pathLabel](const QString &path) {
            pathLabel->setText(path);
            pathLabel->setToolTip(path);
        },
        Qt::DirectConnection);

    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(browse);
    auto *layout = new QFormLayout;
    layout->addRow(formatLabel, formatCombo);
    layout->addRow(qualityLabel, qualityBox);
    layout->addRow(pathCaption, pathRow);
    layout->addRow(prefixLabel, prefixEdit);
    setLayout(layout);
    formatLabel->setBuddy(formatCombo);
    qualityLabel->setBuddy(qualityBox);
    pathCaption->setBuddy(browse);
    prefixLabel->setBuddy(prefixEdit);

    d->m_prefix = prefixEdit->text();
    d->m_format = formatCombo->currentFormat();
    qualityBox->setEnabled(FSUtils::supportQualityWrite(formatCombo->currentFormat()));

    setPath(path);
}

ZelConfigureSaveWidget::~ZelConfigureSaveWidget()
{
    // Children emit while they are destroyed (a combo clearing its items);
    // no lambda may see the half-destroyed form.
    for (ZelConnection<QMetaObject::Connection> &connection : d->m_connections)
        connection.disconnect();
}

int ZelConfigureSaveWidget::quality() const
{
    return d->m_quality;
}

QByteArray ZelConfigureSaveWidget::format() const
{
    return d->m_format;
}

QString ZelConfigureSaveWidget::prefix() const
{
    return d->m_prefix;
}

QString ZelConfigureSaveWidget::path() const
{
    return d->m_path;
}

void ZelConfigureSaveWidget::setPath(QString path)
{
    if (path == d->m_path)
        return;
    d->m_path = path;
    Q_EMIT pathChanged(path);
}

void ZelConfigureSaveWidget::runPathSet()
{
    Q_EMIT invokePathSet();
}

QByteArray ZelConfigureSaveWidget::context() const
{
    return d->m_context;
}

void ZelConfigureSaveWidget::setContext(const QByteArray &context)
{
    d->m_context = context;
}

void ZelConfigureSaveWidget::chooseDirectory()
{
    const QString chosen =
        ZelMessenger::getExistingDirectory(tr("Select directory"), d->m_context, QFileDialog::ShowDirsOnly);
    if (!chosen.isEmpty())
        setPath(chosen);
}

void ZelConfigureSaveWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // The prefix is the user's value and stays.
    const QPair<const char *, QString> captions[] = {
        {"formatLabel", tr("Format:")},
        {"qualityLabel", tr("Quality:")},
        {"pathCaption", tr("Path:")},
        {"prefixLabel", tr("Prefix:")},
    };
    for (const auto &[name, text] : captions) {
        if (auto *label = findChild<QLabel *>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            label->setText(text);
    }
    if (auto *browse = findChild<QWidget *>(QStringLiteral("browse"), Qt::FindDirectChildrenOnly))
        browse->setAccessibleName(tr("Select directory"));
}
