#pragma once

#include <QString>

class QLabel;
class QWidget;

// Labels every page uses: a selectable, wrapping readout of what a widget
// emitted, and a wrapping hint in the placeholder colour.
QLabel *readoutLabel(QWidget *parent);
QLabel *hintLabel(const QString &text, QWidget *parent);
