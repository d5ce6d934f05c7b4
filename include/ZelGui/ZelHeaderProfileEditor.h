#pragma once

#include <ZelGui/zelgui_export.h>

#include <QByteArray>
#include <QDialog>

#include <memory>

class Ui_ZelHeaderProfileEditor;
class ZelHeaderProfileEditorPrivate;

//! Edits the list of column profile names of one table header (by the
//! header's id, see ZelHorizontalHeaderView::id()) in
//! "general/table_header_profiles". Every change is written at once: adding,
//! removing and renaming (edit an item in place). Ok and Cancel only close
//! the dialog; Cancel undoes nothing.
//!
//! The editor changes only the list of names: the active profile of a header
//! and the layouts stored under a name stay as they are when the name is
//! renamed or removed. A header picks the list up when it next reads it.
//!
//! The dialog owns its form and private object; the host opens it modal or
//! modeless as it likes.
class ZELGUI_EXPORT ZelHeaderProfileEditor : public QDialog
{
    Q_OBJECT
public:
    //! Creates the dialog with an empty id and list; \a parent owns it.
    explicit ZelHeaderProfileEditor(QWidget *parent = nullptr);
    //! Destroys the dialog, its form and its private object.
    ~ZelHeaderProfileEditor() override;

    //! Shows the profile names stored for id, replacing what the list showed.
    //! A table without names shows "Default", which is written with the
    //! first change.
    void setId(const QByteArray &id);
    //! The header id whose names are edited; empty until setId().
    QByteArray id() const;

public Q_SLOTS:
    //! Appends "Profile #N", N being the number of names before it.
    void addProfile();
    //! Removes the current item, if any.
    void removeProfile();

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    void loadProfiles();
    void save();

    std::unique_ptr<ZelHeaderProfileEditorPrivate> const d;
    std::unique_ptr<Ui_ZelHeaderProfileEditor> const ui;
};
