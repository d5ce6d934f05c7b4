#include "HostIcons.h"

#include "IconPalette.h"
#include "IconShapes.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>

#include <array>

namespace {

const QPointF centre32(16.0, 16.0);
const QRectF badge32(1.0, 1.0, 30.0, 30.0);

void zoomIn(QPainter &painter, const QSizeF &size)
{
    QPointF lens;
    qreal radius = 0;
    IconShapes::magnifier(painter, QRectF(QPointF(0, 0), size), &lens, &radius);
    IconShapes::plus(painter, lens, radius * 0.5, 2.5, IconPalette::ink());
}

void zoomOut(QPainter &painter, const QSizeF &size)
{
    QPointF lens;
    qreal radius = 0;
    IconShapes::magnifier(painter, QRectF(QPointF(0, 0), size), &lens, &radius);
    IconShapes::minus(painter, lens, radius * 0.5, 2.5, IconPalette::ink());
}

void messageboxCritical(QPainter &painter, const QSizeF &)
{
    IconShapes::badge(painter, badge32, IconPalette::red(), IconPalette::redDark());
    IconShapes::cross(painter, centre32, 6.0, 3.5, IconPalette::paper());
}

void messageboxWarning(QPainter &painter, const QSizeF &)
{
    const QPolygonF triangle({QPointF(16.0, 3.5), QPointF(29.5, 27.5), QPointF(2.5, 27.5)});
    // A wide round-joined outline in the fill colour softens the corners.
    painter.setPen(QPen(IconPalette::amber(), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(IconPalette::amber());
    painter.drawPolygon(triangle);
    IconShapes::exclamationGlyph(painter, QRectF(14.0, 10.5, 4.0, 15.0), IconPalette::ink());
}

void messageboxInfo(QPainter &painter, const QSizeF &)
{
    IconShapes::badge(painter, badge32, IconPalette::blue(), IconPalette::blueDark());
    IconShapes::infoGlyph(painter, badge32, IconPalette::paper());
}

void folderOpen(QPainter &painter, const QSizeF &)
{
    IconShapes::openFolder(painter, QRectF(2.5, 5.5, 27.0, 22.0));
}

// Where the ray from `from` along `direction` leaves the circle.
QPointF leaveCircle(const QPointF &from, const QPointF &direction, const QPointF &centre, qreal radius)
{
    const QPointF f = from - centre;
    const qreal b = QPointF::dotProduct(f, direction);
    const qreal c = QPointF::dotProduct(f, f) - radius * radius;
    const qreal t = -b + qSqrt(b * b - c);
    return from + direction * t;
}

// The application icon: a camera aperture. Each blade continues one edge of
// the hexagonal opening out to the rim, which gives the familiar swirl.
void mainWindowIcon(QPainter &painter, const QSizeF &size)
{
    const qreal s = size.width() / 64.0;
    const QPointF centre(32.0 * s, 32.0 * s);
    const qreal bodyRadius = 31.0 * s;
    const qreal bladeRadius = 25.0 * s;
    const qreal openingRadius = 9.5 * s;

    painter.setPen(Qt::NoPen);
    painter.setBrush(IconPalette::ink());
    painter.drawEllipse(centre, bodyRadius, bodyRadius);
    painter.setBrush(QColor(0x26, 0x32, 0x38));
    painter.drawEllipse(centre, bladeRadius + 2.0 * s, bladeRadius + 2.0 * s);

    constexpr int bladeCount = 6;
    const std::array<QColor, bladeCount> shades = {
        QColor(0x90, 0xca, 0xf9), QColor(0x64, 0xb5, 0xf6), QColor(0x42, 0xa5, 0xf5),
        QColor(0x21, 0x96, 0xf3), QColor(0x1e, 0x88, 0xe5), QColor(0x19, 0x76, 0xd2),
    };

    std::array<QPointF, bladeCount> opening;
    for (int i = 0; i < bladeCount; ++i) {
        const qreal angle = qDegreesToRadians(-100.0 + 60.0 * i);
        opening[i] = centre + QPointF(qCos(angle), qSin(angle)) * openingRadius;
    }
    // rim[i] is where the edge ending at opening[i] meets the rim.
    std::array<QPointF, bladeCount> rim;
    for (int i = 0; i < bladeCount; ++i) {
        const QPointF &a = opening[(i + bladeCount - 1) % bladeCount];
        const QPointF &b = opening[i];
        const QLineF edge(a, b);
        const QPointF direction = (b - a) / edge.length();
        rim[i] = leaveCircle(b, direction, centre, bladeRadius);
    }

    auto angleOf = [&](const QPointF &p) { return qAtan2(p.y() - centre.y(), p.x() - centre.x()); };

    for (int i = 0; i < bladeCount; ++i) {
        const int next = (i + 1) % bladeCount;
        QPainterPath blade;
        blade.moveTo(opening[i]);
        blade.lineTo(opening[next]);
        blade.lineTo(rim[next]);
        // Back along the rim, the short way, to where this blade started.
        const qreal from = angleOf(rim[next]);
        qreal sweep = angleOf(rim[i]) - from;
        while (sweep > M_PI)
            sweep -= 2 * M_PI;
        while (sweep < -M_PI)
            sweep += 2 * M_PI;
        constexpr int steps = 24;
        for (int k = 1; k <= steps; ++k) {
            const qreal a = from + sweep * k / steps;
            blade.lineTo(centre + QPointF(qCos(a), qSin(a)) * bladeRadius);
        }
        blade.closeSubpath();

        painter.setPen(QPen(QColor(0xe3, 0xf2, 0xfd), 0.8 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(shades[i]);
        painter.drawPath(blade);
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x10, 0x20, 0x27));
    painter.drawPolygon(opening.data(), bladeCount);

    // A glint on the glass and a highlight on the barrel.
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(centre + QPointF(-2.5, -2.5) * s, 1.8 * s, 1.8 * s);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1.5 * s, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const QRectF arcRect(centre - QPointF(bodyRadius - 2.0 * s, bodyRadius - 2.0 * s),
                         QSizeF(2 * (bodyRadius - 2.0 * s), 2 * (bodyRadius - 2.0 * s)));
    painter.drawArc(arcRect, 100 * 16, 70 * 16);
}

// Page icons of the gallery's own navigation.
void gallerySettings(QPainter &painter, const QSizeF &)
{
    constexpr int teeth = 8;
    QPainterPath gear;
    gear.addEllipse(centre32, 10.5, 10.5);
    for (int i = 0; i < teeth; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-2.75, -14.5, 5.5, 7.0), 1.2, 1.2);
        QTransform t;
        t.translate(centre32.x(), centre32.y());
        t.rotate(360.0 / teeth * i);
        gear = gear.united(t.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(centre32, 4.5, 4.5);
    gear = gear.subtracted(hole);

    painter.setPen(Qt::NoPen);
    painter.setBrush(IconPalette::ink());
    painter.drawPath(gear);
}

void galleryResources(QPainter &painter, const QSizeF &)
{
    const QRectF frame(2.5, 5.5, 27.0, 21.0);
    QPainterPath inside;
    inside.addRoundedRect(frame, 2.5, 2.5);

    painter.setPen(Qt::NoPen);
    painter.setBrush(IconPalette::glass());
    painter.drawPath(inside);

    painter.save();
    painter.setClipPath(inside);
    painter.setBrush(IconPalette::amber());
    painter.drawEllipse(QPointF(22.0, 11.5), 3.0, 3.0);
    painter.setBrush(IconPalette::green());
    painter.drawPolygon(QPolygonF(
        {QPointF(2.0, 27.0), QPointF(11.5, 14.5), QPointF(18.0, 22.0), QPointF(22.0, 18.0), QPointF(30.0, 27.0)}));
    painter.restore();

    painter.setPen(QPen(IconPalette::ink(), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(inside);
}

// Language flags of the host, shown by language choosers. Flags are drawn
// 30 x 20 on a 32 x 32 canvas with a thin edge, so light stripes stay
// visible on white.
const QRectF flag32(1.0, 6.0, 30.0, 20.0);

void flagEdge(QPainter &painter)
{
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(flag32.adjusted(0.5, 0.5, -0.5, -0.5));
}

// Equal stripes, top to bottom (horizontal) or left to right.
void stripedFlag(QPainter &painter, const QList<QColor> &colours, Qt::Orientation orientation)
{
    painter.setPen(Qt::NoPen);
    const int n = int(colours.size());
    for (int i = 0; i < n; ++i) {
        painter.setBrush(colours.at(i));
        if (orientation == Qt::Horizontal)
            painter.drawRect(
                QRectF(flag32.left(), flag32.top() + flag32.height() * i / n, flag32.width(), flag32.height() / n));
        else
            painter.drawRect(
                QRectF(flag32.left() + flag32.width() * i / n, flag32.top(), flag32.width() / n, flag32.height()));
    }
    flagEdge(painter);
}

void langRussian(QPainter &painter, const QSizeF &)
{
    stripedFlag(painter, {Qt::white, QColor(0x00, 0x39, 0xa6), QColor(0xd5, 0x2b, 0x1e)}, Qt::Horizontal);
}

void langGerman(QPainter &painter, const QSizeF &)
{
    stripedFlag(painter, {Qt::black, QColor(0xdd, 0x00, 0x00), QColor(0xff, 0xce, 0x00)}, Qt::Horizontal);
}

void langFrench(QPainter &painter, const QSizeF &)
{
    stripedFlag(painter, {QColor(0x00, 0x23, 0x95), Qt::white, QColor(0xed, 0x29, 0x39)}, Qt::Vertical);
}

// A simplified union flag: blue field, white and red saltire, white and
// red cross.
void langEnglish(QPainter &painter, const QSizeF &)
{
    const QColor blue(0x01, 0x21, 0x69), red(0xc8, 0x10, 0x2e);
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    painter.drawRect(flag32);
    painter.save();
    painter.setClipRect(flag32);
    const QLineF down(flag32.topLeft(), flag32.bottomRight()), up(flag32.bottomLeft(), flag32.topRight());
    painter.setPen(QPen(Qt::white, 4.0));
    painter.drawLine(down);
    painter.drawLine(up);
    painter.setPen(QPen(red, 1.5));
    painter.drawLine(down);
    painter.drawLine(up);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(flag32.center().x() - 3.5, flag32.top(), 7.0, flag32.height()));
    painter.drawRect(QRectF(flag32.left(), flag32.center().y() - 3.5, flag32.width(), 7.0));
    painter.setBrush(red);
    painter.drawRect(QRectF(flag32.center().x() - 2.0, flag32.top(), 4.0, flag32.height()));
    painter.drawRect(QRectF(flag32.left(), flag32.center().y() - 2.0, flag32.width(), 4.0));
    painter.restore();
    flagEdge(painter);
}

// No flag for the language: a blank grey flag.
void langNull(QPainter &painter, const QSizeF &)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xcf, 0xd8, 0xdc));
    painter.drawRect(flag32);
    painter.setPen(QPen(IconPalette::inkLight(), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(flag32.center() - QPointF(5.0, 0.0), flag32.center() + QPointF(5.0, 0.0)));
    flagEdge(painter);
}

} // namespace

QList<IconRecipe> hostIcons()
{
    return {
        {QStringLiteral("zoom_in.png"), QSize(32, 32), zoomIn},
        {QStringLiteral("zoom_out.png"), QSize(32, 32), zoomOut},
        {QStringLiteral("messagebox_critical.png"), QSize(32, 32), messageboxCritical},
        {QStringLiteral("messagebox_warning.png"), QSize(32, 32), messageboxWarning},
        {QStringLiteral("messagebox_info.png"), QSize(32, 32), messageboxInfo},
        {QStringLiteral("folder_open.png"), QSize(32, 32), folderOpen},
        {QStringLiteral("main_wnd_icon.png"), QSize(64, 64), mainWindowIcon},
        {QStringLiteral("gallery_settings.png"), QSize(32, 32), gallerySettings},
        {QStringLiteral("gallery_resources.png"), QSize(32, 32), galleryResources},
        // Under res/icons/lang/ in the resources (see gallery.qrc).
        {QStringLiteral("lang_russian.png"), QSize(32, 32), langRussian},
        {QStringLiteral("lang_english.png"), QSize(32, 32), langEnglish},
        {QStringLiteral("lang_german.png"), QSize(32, 32), langGerman},
        {QStringLiteral("lang_french.png"), QSize(32, 32), langFrench},
        {QStringLiteral("lang_null.png"), QSize(32, 32), langNull},
    };
}
