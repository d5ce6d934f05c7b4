#include "LibraryIcons.h"

#include "IconPalette.h"
#include "IconShapes.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QPointF centre32(16.0, 16.0);
const QRectF badge32(1.0, 1.0, 30.0, 30.0);

void windowClose(QPainter &painter, const QSizeF &)
{
    IconShapes::cross(painter, centre32, 7.0, 3.0, IconPalette::ink());
}

void elementRemove(QPainter &painter, const QSizeF &)
{
    IconShapes::badge(painter, badge32, IconPalette::red(), IconPalette::redDark());
    IconShapes::minus(painter, centre32, 7.5, 3.5, IconPalette::paper());
}

void elementAdd(QPainter &painter, const QSizeF &)
{
    IconShapes::badge(painter, badge32, IconPalette::green(), IconPalette::greenDark());
    IconShapes::plus(painter, centre32, 7.5, 3.5, IconPalette::paper());
}

void folder40(QPainter &painter, const QSizeF &)
{
    IconShapes::folder(painter, QRectF(3.5, 6.5, 33.0, 27.0));
}

// The handle between a span slider's two: a narrow tag pointing down at the
// groove, transparent around it so it sits on any background.
void intermediateSlider(QPainter &painter, const QSizeF &size)
{
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal shoulder = h * 0.62;

    QPainterPath tag;
    tag.moveTo(0.5, 2.5);
    tag.quadTo(0.5, 0.5, 2.5, 0.5);
    tag.lineTo(w - 2.5, 0.5);
    tag.quadTo(w - 0.5, 0.5, w - 0.5, 2.5);
    tag.lineTo(w - 0.5, shoulder);
    tag.lineTo(w / 2, h - 0.5);
    tag.lineTo(0.5, shoulder);
    tag.closeSubpath();

    painter.setPen(QPen(IconPalette::blueDark(), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(IconPalette::blue());
    painter.drawPath(tag);

    // A grip line, so the tag reads as something to drag.
    painter.setPen(QPen(IconPalette::paper(), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(w / 2, 3.5), QPointF(w / 2, shoulder - 1.0));
}

// A "no" sign: a red ring crossed by a bar.
void cancel(QPainter &painter, const QSizeF &)
{
    const qreal radius = 12.5;
    painter.setPen(QPen(IconPalette::red(), 4.0));
    painter.setBrush(IconPalette::paper());
    painter.drawEllipse(centre32, radius, radius);

    const qreal d = radius * 0.7071;
    painter.setPen(QPen(IconPalette::red(), 4.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(centre32 + QPointF(-d, -d), centre32 + QPointF(d, d));
}

void messageboxInfo(QPainter &painter, const QSizeF &)
{
    IconShapes::badge(painter, badge32, IconPalette::blue(), IconPalette::blueDark());
    IconShapes::infoGlyph(painter, badge32, IconPalette::paper());
}

} // namespace

QList<IconRecipe> libraryIcons()
{
    return {
        {QStringLiteral("window_close.png"), QSize(32, 32), windowClose},
        {QStringLiteral("element_remove.png"), QSize(32, 32), elementRemove},
        {QStringLiteral("folder_40.png"), QSize(40, 40), folder40},
        {QStringLiteral("intermediate_slider.png"), QSize(11, 18), intermediateSlider},
        {QStringLiteral("cancel.png"), QSize(32, 32), cancel},
        {QStringLiteral("messagebox_info.png"), QSize(32, 32), messageboxInfo},
        {QStringLiteral("element_add.png"), QSize(32, 32), elementAdd},
    };
}
