#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

// Drawing pieces shared by several icons. Coordinates are in pixels of the
// target image; strokes use round caps so small sizes stay soft but legible.
namespace IconShapes {

// A filled disc with a thin darker rim: the ground of the status badges.
void badge(QPainter &painter, const QRectF &rect, const QColor &fill, const QColor &rim);

// Glyphs centred on a point; extent is half the glyph's width.
void plus(QPainter &painter, const QPointF &centre, qreal extent, qreal width, const QColor &color);
void minus(QPainter &painter, const QPointF &centre, qreal extent, qreal width, const QColor &color);
void cross(QPainter &painter, const QPointF &centre, qreal extent, qreal width, const QColor &color);

// The "i" of the information badge, drawn as a dot over a stem.
void infoGlyph(QPainter &painter, const QRectF &rect, const QColor &color);
// The "!" of the warning sign, drawn as a stem over a dot.
void exclamationGlyph(QPainter &painter, const QRectF &rect, const QColor &color);

// A magnifying glass whose lens fills the upper left of rect; returns the
// lens centre and radius so a glyph can go inside it.
void magnifier(QPainter &painter, const QRectF &rect, QPointF *lensCentre, qreal *lensRadius);

// A closed folder filling rect.
void folder(QPainter &painter, const QRectF &rect);
// A folder whose front flap is tipped open, filling rect.
void openFolder(QPainter &painter, const QRectF &rect);

} // namespace IconShapes
