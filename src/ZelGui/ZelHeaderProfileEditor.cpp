#include <ZelGui/ZelHeaderProfileEditor.h>

#include "ZelFormTexts_p.h"
#include "ZelHeaderViewSettings_p.h"
#include "ui_ZelHeaderProfileEditor.h"

#include <ZelGui/ZelGuiSettings.h>

#include <QEvent>

namespace {

// Items are complete before they join the list, so that adding one does not
// announce itemChanged (and write).
QListWidgetItem *profileItem(const QString &name)
{
    auto *item = new QListWidgetItem(name);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

class ZelHeaderProfileEditorPrivate
{
public:
    QByteArray id;
    QList<QString> names;
};

ZelHeaderProfileEditor::ZelHeaderProfileEditor(QWidget *parent)
    : QDialog(parent)
    , d(std::make_unique<ZelHeaderProfileEditorPrivate>())
    , ui(std::make_unique<Ui_ZelHeaderProfileEditor>())
{
    ui->setupUi(this);
    ZelFormTexts::track(this);
    ui->listWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->listWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->listWidget->setAccessibleName(tr("Column profiles"));

    connect(ui->listWidget, &QListWidget::itemChanged, this, &ZelHeaderProfileEditor::save, Qt::DirectConnection);
    connect(ui->pbAdd, &QPushButton::clicked, this, &ZelHeaderProfileEditor::addProfile, Qt::DirectConnection);
    connect(ui->pbRemove, &QPushButton::clicked, this, &ZelHeaderProfileEditor::removeProfile, Qt::DirectConnection);
}

ZelHeaderProfileEditor::~ZelHeaderProfileEditor()
{
    // An edit still open is committed when QDialog hides the dialog, after
    // the form is gone: it is dropped instead.
    ui->listWidget->blockSignals(true);
}

void ZelHeaderProfileEditor::setId(const QByteArray &id)
{
    d->id = id;
    d->names = settingTableHeaderProfiles().value(id);
    if (d->names.isEmpty())
        d->names.append(tr("Default"));
    // The list shows one table at a time: names left from another id would
    // be written into this one's list with the next change.
    ui->listWidget->clear();
    loadProfiles();
}

QByteArray ZelHeaderProfileEditor::id() const
{
    return d->id;
}

void ZelHeaderProfileEditor::addProfile()
{
    const QString name = tr("Profile #%1").arg(d->names.size());
    d->names.append(name);
    ui->listWidget->addItem(profileItem(name));
    save();
}

void ZelHeaderProfileEditor::removeProfile()
{
    if (QListWidgetItem *current = ui->listWidget->currentItem())
        delete ui->listWidget->takeItem(ui->listWidget->row(current));
    save();
}

void ZelHeaderProfileEditor::loadProfiles()
{
    for (const QString &name : std::as_const(d->names))
        ui->listWidget->addItem(profileItem(name));
}

void ZelHeaderProfileEditor::save()
{
    d->names.clear();
    for (int row = 0; row < ui->listWidget->count(); ++row)
        d->names.append(ui->listWidget->item(row)->text());
    TableHeaderProfiles profiles = settingTableHeaderProfiles();
    profiles.insert(d->id, d->names);
    settingTableHeaderProfiles(profiles);
}

void ZelHeaderProfileEditor::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // The profiles' names are the user's and stay.
    ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
    ui->listWidget->setAccessibleName(tr("Column profiles"));
}
