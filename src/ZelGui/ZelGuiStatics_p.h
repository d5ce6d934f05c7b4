#pragma once

#include <QBrush>
#include <QString>

// Shades a histogram's canvas outside the selected range; shared by all.
extern const QBrush selectionBrush;
// The text font boxes show in each family.
extern const QString sampleText;
