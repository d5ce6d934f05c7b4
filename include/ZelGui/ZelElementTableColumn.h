#pragma once

#include <ZelGui/zelgui_export.h>

#include <QString>

//! Describes one column of a host's element table: a stable identifier (what
//! the host stores, e.g. in header layouts) and a caption shown to the user.
//! Subclasses decide where the caption comes from.
class ZELGUI_EXPORT ZelElementTableColumn
{
public:
    //! Creates a column with the identifier \a id.
    explicit ZelElementTableColumn(const QString &id);
    //! Destroys the column.
    virtual ~ZelElementTableColumn();

    //! The caption of the column.
    virtual QString displayString() const = 0;

    //! The column's stable identifier.
    QString id() const;

protected:
    //! Copies are for subclasses that copy themselves.
    ZelElementTableColumn(const ZelElementTableColumn &) = default;
    //! Assignment is for subclasses that assign themselves.
    ZelElementTableColumn &operator=(const ZelElementTableColumn &) = default;

private:
    QString m_id;
};

//! A column whose caption is fixed when it is made, typically the translated
//! name of the element's property that the column shows.
class ZELGUI_EXPORT MetaPropertyModelColumn : public ZelElementTableColumn
{
public:
    //! Caption first, identifier second.
    MetaPropertyModelColumn(const QString &displayString, const QString &id);
    //! Destroys the column.
    ~MetaPropertyModelColumn() override;

    //! Copies caption and identifier.
    MetaPropertyModelColumn(const MetaPropertyModelColumn &) = default;
    //! Assigns caption and identifier.
    MetaPropertyModelColumn &operator=(const MetaPropertyModelColumn &) = default;

    //! The caption given to the constructor.
    QString displayString() const override;

private:
    QString m_displayString;
};
