#pragma once

class QWidget;

// Demonstrations embedded in the Sliders page, each a self-contained widget
// owned by parent.

// The span range widget in both orientations with its controls, a readout
// and a log of every signal it emits.
QWidget *createSpanRangeDemo(QWidget *parent);

// A moveable widget inside a frame, a tool frame pinned to a corner of a
// scroll area, a thread-safe label fed by a worker thread, and the widget
// with a tool bar holding the small controls.
QWidget *createFramesDemo(QWidget *parent);
