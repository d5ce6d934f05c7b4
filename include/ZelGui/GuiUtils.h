#pragma once

//! \file
//! The GuiUtils helpers.

#include <ZelGui/zelgui_export.h>

#include <QColor>
#include <QHash>
#include <QIcon>
#include <QMap>
#include <QSize>
#include <QString>

class QMenu;
class QPainter;
class QRect;
class QWidget;

//! Helpers shared by the widgets and offered to host applications.
namespace GuiUtils {

//! English names of the standard colours. Colour tables translate them when
//! they are built (ZelCore::translateString, context "ZelCore").
//!@{
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
//!@}

//! Shows widget and every ancestor that is not visible, and activates every
//! ZelDockWidget among them (shown or not), so that a panel closed by the
//! user comes back. A null widget is reported to the log and ignored.
ZELGUI_EXPORT void makeVisible(QWidget *widget);

//! The zoom factor at which an image of the given size fits into the window:
//! the smaller of the two axis ratios; an axis whose image size is not
//! positive is left out, and with neither axis left the factor is 1.0. Not
//! rounded. Both functions give the same result.
//!@{
ZELGUI_EXPORT double zoomFitToWindow(const QSize &window, const QSizeF &image);
ZELGUI_EXPORT double zoomFitToWindowAccuracy(const QSize &window, const QSizeF &image);
//!@}

//! A new menu (no parent: the caller owns it) with one ZelBindableQAction per
//! colour, in ascending key order: the value as text, a 12 x 12 swatch as icon
//! and the colour (QColor) as data. The actions are children of the menu;
//! bind a handler to each with installHandler(). A key outside
//! Qt::GlobalColor gives an invalid colour.
ZELGUI_EXPORT QMenu *getColorMenuByColors(const QString &title, const QMap<Qt::GlobalColor, QString> &colors);
//! getColorMenuByColors() with getStandartColorMap() (18 colours, the last
//! one transparent) or with getStandartColorMapWithoutTransparent() (17).
//!@{
ZELGUI_EXPORT QMenu *getColorMenu(const QString &title);
ZELGUI_EXPORT QMenu *getColorMenuWithoutTransparent(const QString &title);
//!@}

//! A swatch: an icon whose normal pixmap is size filled with color. An empty
//! size gives a null icon.
ZELGUI_EXPORT QIcon getIconForColor(QColor color, QSize size);

//! The standard colours by Qt::GlobalColor with their names, black to dark
//! yellow, with and without Qt::transparent (last). Built once per process,
//! at the first call, in the language then installed; the references stay
//! valid for the life of the process.
//!@{
ZELGUI_EXPORT const QMap<Qt::GlobalColor, QString> &getStandartColorMap();
ZELGUI_EXPORT const QMap<Qt::GlobalColor, QString> &getStandartColorMapWithoutTransparent();
//!@}

//! Sixteen softer colours for charts and markers, by translated name
//! ("Navy", "Teal", "Orange", ...). Built once like the tables above.
ZELGUI_EXPORT QHash<QString, QColor> prettyColors();

//! Paints a large status text ("No signal", "Loading...") in white on a
//! translucent black 700 x 250 rounded box centred on rect, whatever the size
//! of rect. Leaves the painter's font, pen, brush and text antialiasing as it
//! set them: save and restore the painter around the call if that matters.
ZELGUI_EXPORT void renderTextStatus(QPainter *painter, const QRect &rect, const QString &text);

} // namespace GuiUtils
