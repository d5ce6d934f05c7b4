#include <ZelGui/ILPOrientedWidget.h>

// Defined here so that the interface's type information lives in the
// library once and cross-casts from the host's widgets find it.
ILPOrientedWidget::~ILPOrientedWidget() = default;
