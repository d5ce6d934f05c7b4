#include "GalleryPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace {

QImage drawNightSky()
{
    const QSize size(1920, 1080);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(0x0b, 0x10, 0x2a));
    sky.setColorAt(0.7, QColor(0x1d, 0x3b, 0x6a));
    sky.setColorAt(1.0, QColor(0xd8, 0x8c, 0x4a));
    painter.fillRect(image.rect(), sky);
    QRandomGenerator stars(42);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 400; ++i) {
        const QPointF at(stars.bounded(size.width()), stars.bounded(size.height() * 2 / 3));
        const double radius = 1.0 + stars.bounded(3.0);
        painter.setBrush(QColor(255, 255, 255, 120 + stars.bounded(135)));
        painter.drawEllipse(at, radius, radius);
    }
    painter.setBrush(QColor(0xf4, 0xf1, 0xde));
    painter.drawEllipse(QPointF(1450, 260), 90, 90);
    QPainterPath hills(QPointF(0, 1080));
    hills.lineTo(0, 900);
    hills.cubicTo(400, 780, 700, 980, 1100, 870);
    hills.cubicTo(1400, 790, 1700, 900, 1920, 840);
    hills.lineTo(1920, 1080);
    painter.setBrush(QColor(0x10, 0x18, 0x14));
    painter.drawPath(hills);
    return image;
}

} // namespace

namespace GalleryPictures {

const QImage &nightSky()
{
    static const QImage picture = drawNightSky();
    return picture;
}

} // namespace GalleryPictures
