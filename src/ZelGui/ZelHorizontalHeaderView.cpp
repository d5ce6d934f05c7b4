#include <ZelGui/ZelHorizontalHeaderView.h>

#include "ZelHeaderViewSettings_p.h"
#include "ZelKeyboard_p.h"

#include <ZelGui/ZelBindableQAction.h>
#include <ZelGui/ZelGuiSettings.h>

#include <QAbstractItemModel>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMetaType>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

// The bytes a profile name takes in a state key. Latin-1 as long as the name
// fits in it; a name that does not (Cyrillic, say) is encoded in UTF-8
// instead, because Latin-1 would turn every such letter into '?' and let
// different names of the same length share one layout.
QByteArray profileKey(const QString &name)
{
    const bool latin1 = std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x100; });
    return latin1 ? name.toLatin1() : name.toUtf8();
}

int sectionsOf(const QAbstractItemModel *model, Qt::Orientation orientation)
{
    return orientation == Qt::Horizontal ? model->columnCount() : model->rowCount();
}

} // namespace

ZelHorizontalHeaderView::ZelHorizontalHeaderView(const QByteArray &id, Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
{
    setSectionsMovable(true);
    ZelKeyboard::installHeaderMenuKeys(this);

    // The id tells tables apart by where they sit in the host's windows.
    QString path = QLatin1Char('/') + QString::fromLatin1(id);
    for (const QObject *ancestor = parent; ancestor; ancestor = ancestor->parent())
        path += QLatin1Char('/') + ancestor->objectName();
    m_id = path.toLatin1();

    qRegisterMetaType<HeaderViewState>("HeaderViewState");
    qRegisterMetaType<ActiveProfile>("ActiveProfile");

    connect(this, &QHeaderView::sectionMoved, this, &ZelHorizontalHeaderView::mavHeaderView_saveState);
    connect(this, &QHeaderView::sectionResized, this, &ZelHorizontalHeaderView::mavHeaderView_saveState);
    connect(this, &QHeaderView::sortIndicatorChanged, this, &ZelHorizontalHeaderView::mavHeaderView_saveState);
}

ZelHorizontalHeaderView::~ZelHorizontalHeaderView() = default;

void ZelHorizontalHeaderView::setId(const QByteArray &id)
{
    m_id = id;
    mavHeaderView_loadState();
}

QByteArray ZelHorizontalHeaderView::id() const
{
    return m_id;
}

void ZelHorizontalHeaderView::setAllowSaveState(bool allow)
{
    m_allowSaveState = allow;
}

bool ZelHorizontalHeaderView::allowSaveState() const
{
    return m_allowSaveState;
}

void ZelHorizontalHeaderView::setProfileId(const QString &name)
{
    TableHeaderProfiles profiles = settingTableHeaderProfiles();
    QList<QString> &names = profiles[m_id];
    if (!names.contains(name))
        names.prepend(name);
    settingTableHeaderProfiles(profiles);

    ActiveProfile active = settingHeaderActiveProfile();
    active.insert(m_id, name);
    settingHeaderActiveProfile(active);

    m_profileId = profileKey(name);
    mavHeaderView_loadState();
}

QByteArray ZelHorizontalHeaderView::profileId() const
{
    return m_profileId;
}

QByteArray ZelHorizontalHeaderView::fullProfilePrefix() const
{
    const ActiveProfile active = settingHeaderActiveProfile();
    const auto it = active.constFind(m_id);
    //: Part of a settings key, not shown to the user: keep it as it is.
    return profileKey(it != active.cend() ? *it : tr("_default")) + m_id;
}

QList<int> ZelHorizontalHeaderView::shownColumnsIds() const
{
    QList<int> shown;
    const int sections = count();
    for (int visual = 0; visual < sections; ++visual) {
        const int logical = logicalIndex(visual);
        if (!isSectionHidden(logical))
            shown.append(logical);
    }
    return shown;
}

void ZelHorizontalHeaderView::mavHeaderView_loadState()
{
    if (!m_allowSaveState)
        return;
    const QByteArray state = settingHeaderViewState().value(fullProfilePrefix());
    if (state.isEmpty())
        return;

    const QScopedValueRollback<bool> loading(m_loading, true);
    // QHeaderView takes a layout saved for more sections than the model has
    // and shows the extra ones as empty columns that lead nowhere, until the
    // model's layout next changes. The sections are fitted to the model at
    // once, as that change would.
    if (restoreState(state))
        initializeSections();
}

void ZelHorizontalHeaderView::mavHeaderView_saveState()
{
    if (!m_allowSaveState || m_loading)
        return;
    HeaderViewState states = settingHeaderViewState();
    states.insert(fullProfilePrefix(), saveState());
    settingHeaderViewState(states);
}

void ZelHorizontalHeaderView::mavHeaderView_columnVisible(bool enabled)
{
    if (!enabled && hiddenSectionCount() == count() - 1)
        return;
    const auto *action = qobject_cast<const QAction *>(sender());
    if (!action || action->data().metaType() != QMetaType::fromType<int>())
        return;
    setSectionHidden(action->data().toInt(), !enabled);
    mavHeaderView_saveState();
}

void ZelHorizontalHeaderView::hideAll()
{
    // Section 0 is shown even when it was hidden before, so that one column
    // always stays.
    showSection(0);
    for (int section = 1; section < count(); ++section)
        hideSection(section);
}

void ZelHorizontalHeaderView::showAll()
{
    for (int section = 0; section < count(); ++section)
        showSection(section);
}

void ZelHorizontalHeaderView::contextMenuEvent(QContextMenuEvent *event)
{
    const QAbstractItemModel *headerModel = model();
    if (!headerModel)
        return;

    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const Qt::Orientation o = orientation();
    const int sections = sectionsOf(headerModel, o);
    for (int section = 0; section < sections; ++section) {
        QString text = headerModel->headerData(section, o, Qt::UserRole + 1).toString();
        if (text.isEmpty())
            text = headerModel->headerData(section, o, Qt::DisplayRole).toString();
        if (text.isEmpty())
            continue;
        QAction *entry = menu->addAction(text);
        entry->setCheckable(true);
        entry->setChecked(!isSectionHidden(section));
        entry->setData(section);
        connect(entry, &QAction::triggered, this, &ZelHorizontalHeaderView::mavHeaderView_columnVisible);
    }
    menu->addSeparator();

    auto *showAllAction = new ZelBindableQAction(QObject::tr("Show All"), menu);
    auto *hideAllAction = new ZelBindableQAction(QObject::tr("Hide All"), menu);
    auto *stretchAction = new ZelBindableQAction(QObject::tr("Stretch to view"), menu);
    auto *contentsAction = new ZelBindableQAction(QObject::tr("Size by contents"), menu);
    menu->addActions({showAllAction, hideAllAction, stretchAction, contentsAction});

    // The hidden flags are set after the resize that announces a change, so
    // the layout is saved once more when all sections have their flags.
    connect(showAllAction, &QAction::triggered, this, &ZelHorizontalHeaderView::showAll);
    connect(showAllAction, &QAction::triggered, this, &ZelHorizontalHeaderView::mavHeaderView_saveState);
    connect(hideAllAction, &QAction::triggered, this, &ZelHorizontalHeaderView::hideAll);
    connect(hideAllAction, &QAction::triggered, this, &ZelHorizontalHeaderView::mavHeaderView_saveState);
    const auto fit = [this](ZelBindableQAction *action, QHeaderView::ResizeMode mode) {
        action->installHandler(connect(
            action, &ZelQAction::actionTriggered, action,
            [this, mode] {
                resizeSections(mode);
                mavHeaderView_saveState();
            },
            Qt::DirectConnection));
    };
    fit(stretchAction, QHeaderView::Stretch);
    fit(contentsAction, QHeaderView::ResizeToContents);

    menu->popup(event->globalPos());
    event->accept();
}
