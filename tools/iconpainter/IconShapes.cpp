#include "IconShapes.h"

#include "IconPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace IconShapes {

namespace {

QPen roundPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The back panel of a folder with its tab, and the sheet of paper in it.
void folderBack(QPainter &painter, const QRectF &rect)
{
    const qreal radius = rect.width() * 0.06;
    const qreal tabHeight = rect.height() * 0.16;
    const qreal tabWidth = rect.width() * 0.40;

    QPainterPath body;
    body.addRoundedRect(QRectF(rect.left(), rect.top() + tabHeight, rect.width(), rect.height() - tabHeight), radius,
                        radius);
    QPainterPath tab;
    tab.addRoundedRect(QRectF(rect.left(), rect.top(), tabWidth, tabHeight * 2), radius, radius);
    QPainterPath slope;
    slope.moveTo(rect.left() + tabWidth - radius, rect.top());
    slope.lineTo(rect.left() + tabWidth + tabHeight * 0.9, rect.top() + tabHeight);
    slope.lineTo(rect.left() + tabWidth - radius, rect.top() + tabHeight);
    slope.closeSubpath();

    painter.setPen(QPen(IconPalette::folderEdge(), 1.0));
    painter.setBrush(IconPalette::folderBack());
    painter.drawPath(body.united(tab).united(slope).simplified());

    const QRectF sheet(rect.left() + rect.width() * 0.10, rect.top() + tabHeight + rect.height() * 0.08,
                       rect.width() * 0.80, rect.height() * 0.40);
    painter.setPen(QPen(IconPalette::inkLight().lighter(160), 1.0));
    painter.setBrush(IconPalette::paper());
    painter.drawRect(sheet);
}

} // namespace

void badge(QPainter &painter, const QRectF &rect, const QColor &fill, const QColor &rim)
{
    painter.setPen(QPen(rim, 1.0));
    painter.setBrush(fill);
    painter.drawEllipse(rect.adjusted(0.5, 0.5, -0.5, -0.5));
}

void plus(QPainter &painter, const QPointF &centre, qreal extent, qreal width, const QColor &color)
{
    painter.setPen(roundPen(color, width));
    painter.drawLine(centre - QPointF(extent, 0), centre + QPointF(extent, 0));
    painter.drawLine(centre - QPointF(0, extent), centre + QPointF(0, extent));
}

void minus(QPainter &painter, const QPointF &centre, qreal extent, qreal width, const QColor &color)
{
    painter.setPen(roundPen(color, width));
    painter.drawLine(centre - QPointF(extent, 0), centre + QPointF(extent, 0));
}

void cross(QPainter &painter, const QPointF &centre, qreal extent, qreal width, const QColor &color)
{
    painter.setPen(roundPen(color, width));
    painter.drawLine(centre - QPointF(extent, extent), centre + QPointF(extent, extent));
    painter.drawLine(centre - QPointF(extent, -extent), centre + QPointF(extent, -extent));
}

void infoGlyph(QPainter &painter, const QRectF &rect, const QColor &color)
{
    const qreal h = rect.height();
    const qreal cx = rect.center().x();
    const qreal stemWidth = h * 0.14;

    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QPointF(cx, rect.top() + h * 0.28), h * 0.085, h * 0.085);
    painter.drawRoundedRect(QRectF(cx - stemWidth / 2, rect.top() + h * 0.42, stemWidth, h * 0.36), stemWidth / 3,
                            stemWidth / 3);
}

void exclamationGlyph(QPainter &painter, const QRectF &rect, const QColor &color)
{
    const qreal h = rect.height();
    const qreal cx = rect.center().x();
    const qreal stemWidth = h * 0.20;

    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(QRectF(cx - stemWidth / 2, rect.top(), stemWidth, h * 0.62), stemWidth / 2, stemWidth / 2);
    painter.drawEllipse(QPointF(cx, rect.bottom() - h * 0.12), h * 0.12, h * 0.12);
}

void magnifier(QPainter &painter, const QRectF &rect, QPointF *lensCentre, qreal *lensRadius)
{
    const qreal s = rect.width() / 32.0;
    const QPointF centre = rect.topLeft() + QPointF(13.0, 13.0) * s;
    const qreal radius = 9.0 * s;

    painter.setPen(roundPen(IconPalette::ink(), 5.0 * s));
    painter.drawLine(rect.topLeft() + QPointF(20.0, 20.0) * s, rect.topLeft() + QPointF(27.5, 27.5) * s);

    painter.setPen(QPen(IconPalette::ink(), 2.5 * s));
    painter.setBrush(IconPalette::glass());
    painter.drawEllipse(centre, radius, radius);

    if (lensCentre)
        *lensCentre = centre;
    if (lensRadius)
        *lensRadius = radius;
}

void folder(QPainter &painter, const QRectF &rect)
{
    folderBack(painter, rect);

    const qreal radius = rect.width() * 0.06;
    painter.setPen(QPen(IconPalette::folderEdge(), 1.0));
    painter.setBrush(IconPalette::folderFront());
    painter.drawRoundedRect(QRectF(rect.left(), rect.top() + rect.height() * 0.34, rect.width(), rect.height() * 0.66),
                            radius, radius);
}

void openFolder(QPainter &painter, const QRectF &rect)
{
    folderBack(painter, rect);

    const qreal top = rect.top() + rect.height() * 0.42;
    const qreal slant = rect.width() * 0.16;
    QPainterPath flap;
    flap.moveTo(rect.left() + slant, top);
    flap.lineTo(rect.right(), top);
    flap.lineTo(rect.right() - slant, rect.bottom());
    flap.lineTo(rect.left(), rect.bottom());
    flap.closeSubpath();

    painter.setPen(QPen(IconPalette::folderEdge(), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(IconPalette::folderFront());
    painter.drawPath(flap);
}

} // namespace IconShapes
