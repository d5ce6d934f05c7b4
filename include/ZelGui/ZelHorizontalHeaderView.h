#pragma once

#include <ZelGui/zelgui_export.h>

#include <QByteArray>
#include <QHeaderView>
#include <QList>
#include <QString>

class QContextMenuEvent;

//! A table header that keeps its layout (column order, widths, hidden
//! columns, sort indicator) in the application configuration, one layout per
//! table and per named column profile of that table, and offers a context
//! menu that shows, hides and fits the columns.
//!
//! The header is known by an id built from the id given to the constructor
//! and the object names of its ancestors ("/grid/tableView/MainWindow"). Its
//! layout is stored in "elements/tableheaderstate" under fullProfilePrefix():
//! the active profile's name (from "elements/activeprofile", "_default" when
//! the header has none) followed by the id. The profile names of each table
//! are listed in "general/table_header_profiles", which
//! ZelHeaderProfileEditor edits.
//!
//! A new header is inert: nothing is read or written until the host calls
//! setAllowSaveState(true). From then on every move, resize and change of
//! the sort indicator rewrites the stored layout, and
//! mavHeaderView_loadState(), setId() and setProfileId() bring the stored
//! layout back. Load after the model is set: a model change resets the
//! sections.
//!
//! The context menu is created as a child of the header and deletes itself
//! once it closes. The header takes and returns no pointers.
class ZELGUI_EXPORT ZelHorizontalHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    //! Creates an inert header; its id is \a id followed by the object names of its ancestors. \a parent owns it.
    ZelHorizontalHeaderView(const QByteArray &id, Qt::Orientation orientation, QWidget *parent = nullptr);
    //! Destroys the header.
    ~ZelHorizontalHeaderView() override;

    //! Replaces the id as it is (no path is built) and loads the layout
    //! stored for it.
    void setId(const QByteArray &id);
    //! The header's id (see the class description).
    QByteArray id() const;

    //! Allows (true) or forbids reading and writing the stored layout; false by default. Loads nothing by itself.
    void setAllowSaveState(bool allow);
    //! Whether the layout is read and written.
    bool allowSaveState() const;

    //! Makes name the header's active profile, adding it to the front of the
    //! table's profile list when it is not listed, and loads its layout.
    void setProfileId(const QString &name);
    //! The name last passed to setProfileId() on this header, in the bytes
    //! it takes in the state key; empty until then.
    QByteArray profileId() const;
    //! The key of this header's layout: the active profile, then the id.
    QByteArray fullProfilePrefix() const;
    //! The logical indices of the visible sections, in visual order.
    QList<int> shownColumnsIds() const;

public Q_SLOTS:
    //! Applies the layout stored under fullProfilePrefix(); does nothing while saving is not allowed or nothing is stored.
    void mavHeaderView_loadState();
    //! Stores the current layout under fullProfilePrefix(); does nothing while saving is not allowed or a layout is being applied.
    void mavHeaderView_saveState();

protected Q_SLOTS:
    //! Shows or hides the section named by the data of the QAction that sent
    //! the call; the last visible section is never hidden.
    void mavHeaderView_columnVisible(bool enabled);
    //! Hides every section but section 0 / shows every section. Neither
    //! saves: callers save when they are done.
    void hideAll();
    //! Shows every section.
    void showAll();

protected:
    //! \cond
    void contextMenuEvent(QContextMenuEvent *event) override;
    //! \endcond

private:
    bool m_allowSaveState = false;
    QByteArray m_id;
    QByteArray m_profileId;
    //! Set while a stored layout is being applied, so that the signals of
    //! restoring it are not taken for user changes to save.
    bool m_loading = false;
};
