#include "SettingsPage.h"

#include "SettingValueText.h"
#include "SettingsRegistryModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

SettingsPage::SettingsPage(QWidget *parent)
    : GalleryPage(parent)
    , m_model(new SettingsRegistryModel(this))
    , m_view(new QTableView(this))
    , m_summary(new QLabel(this))
    , m_status(new QLabel(this))
    , m_resetButton(new QPushButton(QStringLiteral("Reset to default"), this))
{
    m_view->setAccessibleName(QStringLiteral("Settings"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    m_view->setAlternatingRowColors(true);
    m_view->setWordWrap(false);
    m_view->setTextElideMode(Qt::ElideRight);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    QHeaderView *header = m_view->horizontalHeader();
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionResizeMode(SettingsRegistryModel::KeyColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(SettingsRegistryModel::TypeColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(SettingsRegistryModel::DefaultColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(SettingsRegistryModel::CurrentColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(SettingsRegistryModel::FlagColumn, QHeaderView::ResizeToContents);
    header->resizeSection(SettingsRegistryModel::TypeColumn, 170);
    header->resizeSection(SettingsRegistryModel::DefaultColumn, 170);

    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->setWordWrap(true);
    m_resetButton->setToolTip(QStringLiteral("Forget the stored value of the selected key, so its default applies"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    buttons->addWidget(m_resetButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_summary);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);

    connect(m_resetButton, &QPushButton::clicked, this, &SettingsPage::resetSelected);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SettingsPage::updateResetButton);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &SettingsPage::updateResetButton);
    connect(m_model, &QAbstractItemModel::modelReset, this, &SettingsPage::updateResetButton);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &SettingsPage::updateSummary);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &SettingsPage::updateSummary);
    connect(m_model, &QAbstractItemModel::modelReset, this, &SettingsPage::updateSummary);

    connect(m_model, &SettingsRegistryModel::editRejected, this,
            [this](const QString &key, const QString &, const QString &reason) {
                showMessage(QStringLiteral("%1 keeps its value: %2.").arg(key, reason), true);
            });
    connect(m_model, &SettingsRegistryModel::valueStored, this, [this](const QString &key, const QVariant &value) {
        showMessage(QStringLiteral("%1 set to %2.").arg(key, SettingValueText::display(value)), false);
    });

    updateSummary();
    updateResetButton();
    showMessage(QStringLiteral("Double-click a current value to change it."), false);
}

QString SettingsPage::title() const
{
    return QStringLiteral("Settings");
}

QIcon SettingsPage::icon() const
{
    return QIcon(QStringLiteral(":/MAV/res/icons/gallery_settings.png"));
}

QString SettingsPage::description() const
{
    return QStringLiteral("The settings keys registered by the loaded libraries, in registration order, with the "
                          "value the application currently has for each. Stored values are shown in bold.");
}

void SettingsPage::showEvent(QShowEvent *event)
{
    m_model->reload();
    GalleryPage::showEvent(event);
}

void SettingsPage::updateSummary()
{
    int stored = 0;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->isStored(row))
            ++stored;
    }
    m_summary->setText(
        QStringLiteral("%1 keys registered, %2 with a stored value.").arg(m_model->rowCount()).arg(stored));
}

int SettingsPage::selectedRow() const
{
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void SettingsPage::updateResetButton()
{
    m_resetButton->setEnabled(m_model->isStored(selectedRow()));
}

void SettingsPage::resetSelected()
{
    const int row = selectedRow();
    const QString key = m_model->setting(row).key();
    if (m_model->resetToDefault(row))
        showMessage(QStringLiteral("%1 is back at its default.").arg(key), false);
}

void SettingsPage::showMessage(const QString &text, bool isError)
{
    m_status->setText(text);
    QPalette palette = this->palette();
    if (isError)
        palette.setColor(QPalette::WindowText, QColor(0xc6, 0x28, 0x28));
    m_status->setPalette(palette);
}
