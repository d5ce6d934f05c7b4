#pragma once

// Helpers shared by the widgets and offered to host applications.

#include <ZelGui/zelgui_export.h>

#include <QString>

class QPainter;
class QRect;

namespace GuiUtils {

// English names of the standard colours. Colour tables translate them when
// they are built (ZelCore::translateString, context "ZelCore").
ZELGUI_EXPORT extern const QString trBlackColor;
ZELGUI_EXPORT extern const QString trWhiteColor;
ZELGUI_EXPORT extern const QString trRedColor;
ZELGUI_EXPORT extern const QString trDarkRedColor;
ZELGUI_EXPORT extern const QString trGreenColor;
ZELGUI_EXPORT extern const QString trDarkGreenColor;
ZELGUI_EXPORT extern const QString trBlueColor;
ZELGUI_EXPORT extern const QString trDarkBlueColor;
ZELGUI_EXPORT extern const QString trCyanColor;
ZELGUI_EXPORT extern const QString trDarkCyanColor;
ZELGUI_EXPORT extern const QString trMagentaColor;
ZELGUI_EXPORT extern const QString trDarkMagentaColor;
ZELGUI_EXPORT extern const QString trYellowColor;
ZELGUI_EXPORT extern const QString trDarkYellowColor;
ZELGUI_EXPORT extern const QString trGrayColor;
ZELGUI_EXPORT extern const QString trDarkGrayColor;
ZELGUI_EXPORT extern const QString trLightGrayColor;
ZELGUI_EXPORT extern const QString trTransparentColor;

// Paints a large status text ("No signal", "Loading...") in white on a
// translucent black 700 x 250 rounded box centred on rect, whatever the size
// of rect. Leaves the painter's font, pen, brush and text antialiasing as it
// set them: save and restore the painter around the call if that matters.
ZELGUI_EXPORT void renderTextStatus(QPainter *painter, const QRect &rect, const QString &text);

} // namespace GuiUtils
