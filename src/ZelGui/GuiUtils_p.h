#pragma once

#include <QColor>

class QString;

namespace GuiUtils {

// QColor(Qt::GlobalColor) indexes a table with the key unchecked; keys that
// came in through a map or a cast may lie outside the enumeration.
inline QColor colorOfGlobal(Qt::GlobalColor key)
{
    if (int(key) < int(Qt::color0) || int(key) > int(Qt::transparent))
        return QColor();
    return QColor(key);
}

// The English name (one of the tr...Color texts) of a standard colour;
// nullptr for a colour outside the library's table.
const QString *standardColorName(Qt::GlobalColor key);

} // namespace GuiUtils
