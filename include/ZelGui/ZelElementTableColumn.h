#pragma once

#include <ZelGui/zelgui_export.h>

#include <QString>

//! Describes one column of a host's element table: a stable identifier (what
//! the host stores, e.g. in header layouts) and a caption shown to the user.
//! Subclasses decide where the caption comes from.
class ZELGUI_EXPORT ZelElementTableColumn
{
public:
    explicit ZelElementTableColumn(const QString &id);
    virtual ~ZelElementTableColumn();

    //! The caption of the column.
    virtual QString displayString() const = 0;

    QString id() const;

protected:
    ZelElementTableColumn(const ZelElementTableColumn &) = default;
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
    ~MetaPropertyModelColumn() override;

    MetaPropertyModelColumn(const MetaPropertyModelColumn &) = default;
    MetaPropertyModelColumn &operator=(const MetaPropertyModelColumn &) = default;

    QString displayString() const override;

private:
    QString m_displayString;
};
