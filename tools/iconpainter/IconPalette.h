#pragma once

#include <QColor>

// The few colours every icon is drawn from, so the set reads as one family.
namespace IconPalette {

// A table: one colour per line reads best.
// clang-format off
inline QColor ink() { return QColor(0x37, 0x47, 0x4f); }          // outlines, glyphs on light ground
inline QColor inkLight() { return QColor(0x60, 0x7d, 0x8b); }
inline QColor paper() { return QColor(0xff, 0xff, 0xff); }        // glyphs on coloured ground
inline QColor glass() { return QColor(0xe3, 0xf2, 0xfd); }

inline QColor blue() { return QColor(0x1e, 0x88, 0xe5); }
inline QColor blueDark() { return QColor(0x15, 0x65, 0xc0); }
inline QColor red() { return QColor(0xe5, 0x39, 0x35); }
inline QColor redDark() { return QColor(0xc6, 0x28, 0x28); }
inline QColor green() { return QColor(0x43, 0xa0, 0x47); }
inline QColor greenDark() { return QColor(0x2e, 0x7d, 0x32); }
inline QColor amber() { return QColor(0xff, 0xb3, 0x00); }
inline QColor amberDark() { return QColor(0xef, 0x6c, 0x00); }

inline QColor folderBack() { return QColor(0xf9, 0xa8, 0x25); }
inline QColor folderFront() { return QColor(0xfd, 0xd8, 0x35); }
inline QColor folderEdge() { return QColor(0xf5, 0x7f, 0x17); }
// clang-format on

} // namespace IconPalette
