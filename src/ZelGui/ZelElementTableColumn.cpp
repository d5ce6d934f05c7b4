#include <ZelGui/ZelElementTableColumn.h>

ZelElementTableColumn::ZelElementTableColumn(const QString &id)
    : m_id(id)
{
}

ZelElementTableColumn::~ZelElementTableColumn() = default;

QString ZelElementTableColumn::id() const
{
    return m_id;
}

MetaPropertyModelColumn::MetaPropertyModelColumn(const QString &displayString, const QString &id)
    : ZelElementTableColumn(id)
    , m_displayString(displayString)
{
}

MetaPropertyModelColumn::~MetaPropertyModelColumn() = default;

QString MetaPropertyModelColumn::displayString() const
{
    return m_displayString;
}
