#include "DesignerIcons.h"

#include "IconPalette.h"
#include "IconShapes.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

// Each icon is a small picture of the widget itself, drawn from a few parts
// (fields, grooves, handles, arrows) so the set reads as one family. All are
// 32 x 32; coordinates sit on half pixels where a 1-pixel line must be crisp.
namespace {

QPen roundPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// An entry field: white, with a thin rim.
void field(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(IconPalette::inkLight(), 1.0));
    p.setBrush(IconPalette::paper());
    p.drawRoundedRect(r, 2.0, 2.0);
}

// A raised button face.
void button(QPainter &p, const QRectF &r)
{
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0.0, IconPalette::paper());
    face.setColorAt(1.0, IconPalette::glass().darker(108));
    p.setPen(QPen(IconPalette::inkLight(), 1.0));
    p.setBrush(face);
    p.drawRoundedRect(r, 3.0, 3.0);
}

// A grey bar standing for a line of text.
void textLine(QPainter &p, const QRectF &r, const QColor &color = IconPalette::inkLight())
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
}

void triangle(QPainter &p, const QPointF &a, const QPointF &b, const QPointF &c, const QColor &color)
{
    p.setPen(roundPen(color, 1.0));
    p.setBrush(color);
    p.drawPolygon(QPolygonF({a, b, c}));
}

// The down arrow of a combo box at the right end of its field.
void comboArrow(QPainter &p, const QRectF &r)
{
    const qreal x = r.right() - 5.5;
    const qreal y = r.center().y();
    triangle(p, QPointF(x - 3, y - 1.5), QPointF(x + 3, y - 1.5), QPointF(x, y + 2), IconPalette::ink());
}

// The up and down arrows of a spin box at the right end of its field.
void spinArrows(QPainter &p, const QRectF &r)
{
    const qreal x = r.right() - 5.0;
    const qreal y = r.center().y();
    triangle(p, QPointF(x - 2.5, y - 1.5), QPointF(x + 2.5, y - 1.5), QPointF(x, y - 4.5), IconPalette::ink());
    triangle(p, QPointF(x - 2.5, y + 1.5), QPointF(x + 2.5, y + 1.5), QPointF(x, y + 4.5), IconPalette::ink());
}

// Text in the icon's bold face, centred in r.
void glyph(QPainter &p, const QRectF &r, const QString &text, qreal pixelSize, const QColor &color = IconPalette::ink())
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setBold(true);
    p.setFont(font);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

// A slider groove from x0 to x1 at height y.
void groove(QPainter &p, qreal x0, qreal x1, qreal y)
{
    p.setPen(roundPen(IconPalette::inkLight(), 3.0));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
}

// The part of a groove between two handles.
void span(QPainter &p, qreal x0, qreal x1, qreal y, const QColor &color = IconPalette::blue())
{
    p.setPen(roundPen(color, 3.0));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
}

// A slider handle centred on (x, y).
void handle(QPainter &p, qreal x, qreal y, const QColor &fill = IconPalette::blue(),
            const QColor &rim = IconPalette::blueDark(), qreal height = 11.0)
{
    p.setPen(QPen(rim, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(x - 2.5, y - height / 2, 5.0, height), 1.5, 1.5);
}

void spanSlider(QPainter &p, qreal y, qreal lower = 10.0, qreal upper = 22.0)
{
    groove(p, 3.5, 28.5, y);
    span(p, lower, upper, y);
    handle(p, lower, y);
    handle(p, upper, y);
}

// A plain slider with its handle at x.
void slider(QPainter &p, qreal x0, qreal x1, qreal y, qreal x)
{
    groove(p, x0, x1, y);
    span(p, x0, x, y);
    handle(p, x, y);
}

void spinBox(QPainter &p, const QRectF &r)
{
    field(p, r);
    spinArrows(p, r);
}

void checkBox(QPainter &p, const QRectF &r, bool checked)
{
    p.setPen(QPen(IconPalette::ink(), 1.0));
    p.setBrush(IconPalette::paper());
    p.drawRoundedRect(r, 1.5, 1.5);
    if (checked) {
        p.setPen(roundPen(IconPalette::green(), 2.0));
        p.setBrush(Qt::NoBrush);
        const qreal s = r.width();
        p.drawPolyline(QPolygonF({r.topLeft() + QPointF(s * 0.22, s * 0.52), r.topLeft() + QPointF(s * 0.42, s * 0.74),
                                  r.topLeft() + QPointF(s * 0.80, s * 0.26)}));
    }
}

// A range editor: slider on the left, spin box on the right.
void rangeEditor(QPainter &p, qreal x0, qreal y, bool real)
{
    slider(p, x0, 15.5, y, x0 + (15.5 - x0) * 0.55);
    const QRectF box(17.5, y - 6.5, 13.0, 13.0);
    spinBox(p, box);
    if (real) {
        p.setPen(Qt::NoPen);
        p.setBrush(IconPalette::amberDark());
        p.drawEllipse(QPointF(box.left() + 3.5, box.bottom() - 3.0), 1.3, 1.3);
    }
}

// A window with a title bar.
void window(QPainter &p, const QRectF &r, const QColor &title = IconPalette::blue())
{
    p.setPen(QPen(IconPalette::ink(), 1.0));
    p.setBrush(IconPalette::paper());
    p.drawRoundedRect(r, 2.0, 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(title);
    p.drawRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1.0, 5.0));
}

// The hues from red round to red, along a line.
QLinearGradient hueGradient(const QPointF &from, const QPointF &to)
{
    QLinearGradient gradient(from, to);
    for (int i = 0; i <= 6; ++i)
        gradient.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 220, 240));
    return gradient;
}

// A circular arrow round centre, from startDeg through spanDeg.
void roundArrow(QPainter &p, const QPointF &centre, qreal radius, qreal startDeg, qreal spanDeg, const QColor &color)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(roundPen(color, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(box, qRound(startDeg * 16), qRound(spanDeg * 16));
    const qreal end = qDegreesToRadians(startDeg + spanDeg);
    const QPointF tip(centre.x() + radius * qCos(end), centre.y() - radius * qSin(end));
    // The head points along the arc's direction at its end.
    const qreal dir = spanDeg > 0 ? 1.0 : -1.0;
    const QPointF tangent(-qSin(end) * dir, -qCos(end) * dir);
    const QPointF normal(qCos(end), -qSin(end));
    triangle(p, tip + tangent * 3.0, tip + normal * 2.5, tip - normal * 2.5, color);
}

void magnifierGlyph(QPainter &p, const QRectF &r, bool plus, bool minus)
{
    QPointF lens;
    qreal radius = 0;
    IconShapes::magnifier(p, r, &lens, &radius);
    if (plus)
        IconShapes::plus(p, lens, radius * 0.5, 1.5, IconPalette::ink());
    if (minus)
        IconShapes::minus(p, lens, radius * 0.5, 1.5, IconPalette::ink());
}

// Two linked rings: the binding of a button to an action.
void chain(QPainter &p, const QPointF &centre)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(IconPalette::amberDark(), 2.0));
    p.drawRoundedRect(QRectF(centre.x() - 7.0, centre.y() - 2.5, 8.0, 5.0), 2.5, 2.5);
    p.drawRoundedRect(QRectF(centre.x() - 1.0, centre.y() - 2.5, 8.0, 5.0), 2.5, 2.5);
}

void clock(QPainter &p, const QPointF &centre, qreal radius)
{
    p.setPen(QPen(IconPalette::ink(), 1.5));
    p.setBrush(IconPalette::paper());
    p.drawEllipse(centre, radius, radius);
    p.setPen(roundPen(IconPalette::ink(), 1.5));
    p.drawLine(centre, centre + QPointF(0, -radius * 0.65));
    p.drawLine(centre, centre + QPointF(radius * 0.5, 0));
}

void progressBar(QPainter &p, const QRectF &r, qreal fraction)
{
    field(p, r);
    p.setPen(Qt::NoPen);
    p.setBrush(IconPalette::green());
    p.drawRoundedRect(QRectF(r.left() + 1.5, r.top() + 1.5, (r.width() - 3.0) * fraction, r.height() - 3.0), 1.0, 1.0);
}

// A combo box field with its arrow, leaving the left part for a picture.
QRectF comboBox(QPainter &p)
{
    const QRectF r(1.5, 9.5, 29.0, 13.0);
    field(p, r);
    comboArrow(p, r);
    return QRectF(r.left() + 2.0, r.top() + 2.0, r.width() - 13.0, r.height() - 4.0);
}

void swatch(QPainter &p, const QRectF &r, const QColor &color)
{
    p.setPen(QPen(color.darker(140), 1.0));
    p.setBrush(color);
    p.drawRect(r);
}

// --- the icons -------------------------------------------------------------

void spanSliderIcon(QPainter &p, const QSizeF &)
{
    spanSlider(p, 16.0);
}

void spanSliderIntermediate(QPainter &p, const QSizeF &)
{
    spanSlider(p, 19.0, 7.0, 25.0);
    // The third handle: a tag above the span, pointing at the groove.
    triangle(p, QPointF(12.5, 5.5), QPointF(19.5, 5.5), QPointF(16.0, 13.0), IconPalette::amberDark());
}

void videoSlider(QPainter &p, const QSizeF &)
{
    triangle(p, QPointF(12.0, 2.5), QPointF(12.0, 11.5), QPointF(20.0, 7.0), IconPalette::green());
    spanSlider(p, 22.0, 7.0, 25.0);
    p.setPen(roundPen(IconPalette::ink(), 1.5));
    p.drawLine(QPointF(16.0, 16.0), QPointF(16.0, 28.0));
}

void colouredSpanSlider(QPainter &p, const QSizeF &)
{
    p.setPen(QPen(QBrush(hueGradient(QPointF(3, 0), QPointF(29, 0))), 5.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.0, 16.0), QPointF(28.0, 16.0));
    handle(p, 10.0, 16.0, IconPalette::paper(), IconPalette::ink(), 13.0);
    handle(p, 22.0, 16.0, IconPalette::paper(), IconPalette::ink(), 13.0);
}

void spanRangeWidget(QPainter &p, const QSizeF &)
{
    spanSlider(p, 8.5);
    spinBox(p, QRectF(1.5, 17.5, 13.0, 12.0));
    spinBox(p, QRectF(17.5, 17.5, 13.0, 12.0));
}

void rangeWidget(QPainter &p, const QSizeF &)
{
    rangeEditor(p, 2.5, 16.0, false);
}
void doubleRangeWidget(QPainter &p, const QSizeF &)
{
    rangeEditor(p, 2.5, 16.0, true);
}

void rangeWidgetLabel(QPainter &p, const QSizeF &)
{
    glyph(p, QRectF(0.0, 0.0, 12.0, 12.0), QStringLiteral("A"), 11.0);
    textLine(p, QRectF(13.0, 5.0, 15.0, 3.0));
    rangeEditor(p, 2.5, 22.0, false);
}

void checkableRange(QPainter &p, bool real)
{
    checkBox(p, QRectF(1.5, 2.5, 10.0, 10.0), true);
    textLine(p, QRectF(14.0, 6.0, 15.0, 3.0));
    rangeEditor(p, 2.5, 22.0, real);
}

void rangeWidgetCheckable(QPainter &p, const QSizeF &)
{
    checkableRange(p, false);
}
void doubleRangeWidgetCheckable(QPainter &p, const QSizeF &)
{
    checkableRange(p, true);
}

void ticks(QPainter &p, const QList<qreal> &xs, qreal y)
{
    p.setPen(QPen(IconPalette::ink(), 1.0));
    for (qreal x : xs)
        p.drawLine(QPointF(x, y), QPointF(x, y + 4.0));
}

void doubleSlider(QPainter &p, const QSizeF &)
{
    glyph(p, QRectF(0.0, 0.0, 32.0, 13.0), QStringLiteral("0.5"), 10.0);
    slider(p, 3.5, 28.5, 19.0, 16.0);
    ticks(p, {3.5, 9.75, 16.0, 22.25, 28.5}, 25.5);
}

void decadeSlider(QPainter &p, const QSizeF &)
{
    glyph(p, QRectF(0.0, 0.0, 32.0, 13.0), QStringLiteral("10\u207F"), 10.0);
    slider(p, 3.5, 28.5, 19.0, 16.0);
    ticks(p, {3.5, 9.75, 16.0, 22.25, 28.5}, 25.5);
}

void sliderLog(QPainter &p, const QSizeF &)
{
    slider(p, 3.5, 28.5, 12.0, 13.0);
    // Ticks crowd towards the top of each decade.
    ticks(p, {3.5, 13.5, 19.5, 23.5, 26.0, 27.5, 28.5}, 19.5);
}

void angleSpinBox(QPainter &p, const QSizeF &)
{
    const QRectF r(1.5, 9.5, 29.0, 13.0);
    spinBox(p, r);
    p.setPen(roundPen(IconPalette::ink(), 1.5));
    p.drawLine(QPointF(4.5, 19.5), QPointF(14.0, 19.5));
    p.drawLine(QPointF(4.5, 19.5), QPointF(12.0, 12.5));
    glyph(p, QRectF(14.0, 9.5, 8.0, 9.0), QStringLiteral("\u00B0"), 11.0);
}

void spinBoxIcon(QPainter &p, const QSizeF &)
{
    const QRectF r(1.5, 9.5, 29.0, 13.0);
    spinBox(p, r);
    glyph(p, QRectF(2.0, 9.5, 18.0, 13.0), QStringLiteral("42"), 10.0);
}

void zoomComboBox(QPainter &p, const QSizeF &)
{
    const QRectF r(1.5, 7.5, 29.0, 17.0);
    button(p, r);
    magnifierGlyph(p, QRectF(4.0, 9.0, 13.0, 13.0), false, false);
    comboArrow(p, r);
}

void zoomGostComboBox(QPainter &p, const QSizeF &)
{
    const QRectF text = comboBox(p);
    glyph(p, text.adjusted(-1, 0, 2, 0), QStringLiteral("1:2"), 9.0);
}

void zoomSpinBox(QPainter &p, const QSizeF &)
{
    const QRectF r(1.5, 9.5, 29.0, 13.0);
    spinBox(p, r);
    glyph(p, QRectF(2.0, 9.5, 18.0, 13.0), QStringLiteral("%"), 11.0);
}

void zoomSlider(QPainter &p, const QSizeF &)
{
    magnifierGlyph(p, QRectF(1.0, 1.0, 14.0, 14.0), false, false);
    slider(p, 3.5, 28.5, 23.0, 12.0);
}

void zoomToolbar(QPainter &p, const QSizeF &)
{
    magnifierGlyph(p, QRectF(1.0, 1.0, 14.0, 14.0), false, true);
    magnifierGlyph(p, QRectF(17.0, 1.0, 14.0, 14.0), true, false);
    slider(p, 3.5, 28.5, 24.0, 18.0);
}

void bindablePushButton(QPainter &p, const QSizeF &)
{
    button(p, QRectF(1.5, 7.5, 29.0, 17.0));
    chain(p, QPointF(16.0, 16.0));
}

void bindableToolButton(QPainter &p, const QSizeF &)
{
    button(p, QRectF(5.5, 5.5, 21.0, 21.0));
    chain(p, QPointF(16.0, 16.0));
}

void statusForm(QPainter &p, const QSizeF &)
{
    textLine(p, QRectF(2.0, 3.0, 12.0, 3.0));
    textLine(p, QRectF(17.0, 3.0, 13.0, 3.0), IconPalette::ink());
    textLine(p, QRectF(2.0, 10.0, 10.0, 3.0));
    textLine(p, QRectF(17.0, 10.0, 9.0, 3.0), IconPalette::ink());
    progressBar(p, QRectF(1.5, 19.5, 29.0, 9.0), 0.6);
}

void longExposureWidget(QPainter &p, const QSizeF &)
{
    p.setPen(QPen(IconPalette::inkLight(), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 4.5, 29.0, 26.0), 2.0, 2.0);
    checkBox(p, QRectF(3.5, 0.5, 8.0, 8.0), true);
    clock(p, QPointF(10.0, 15.5), 5.5);
    progressBar(p, QRectF(4.5, 23.5, 23.0, 5.0), 0.4);
    textLine(p, QRectF(18.0, 14.0, 10.0, 3.0));
}

void longExposureProgressBar(QPainter &p, const QSizeF &)
{
    clock(p, QPointF(16.0, 8.5), 6.5);
    progressBar(p, QRectF(1.5, 18.5, 29.0, 10.0), 0.4);
}

void dockWidget(QPainter &p, const QSizeF &)
{
    window(p, QRectF(1.5, 2.5, 29.0, 27.0));
    p.setPen(QPen(IconPalette::inkLight(), 1.0));
    p.setBrush(IconPalette::glass());
    p.drawRect(QRectF(3.5, 10.5, 10.0, 17.0));
    textLine(p, QRectF(16.0, 12.0, 11.0, 3.0));
    textLine(p, QRectF(16.0, 18.0, 8.0, 3.0));
}

void dockWidgetOriented(QPainter &p, const QSizeF &)
{
    window(p, QRectF(1.5, 2.5, 29.0, 27.0));
    p.setPen(QPen(IconPalette::inkLight(), 1.0));
    p.setBrush(IconPalette::glass());
    p.drawRect(QRectF(4.5, 11.5, 7.0, 14.0));
    p.drawRect(QRectF(17.5, 15.5, 10.0, 6.0));
    roundArrow(p, QPointF(16.0, 18.5), 5.0, 160.0, -120.0, IconPalette::amberDark());
}

void listWidget(QPainter &p, const QSizeF &)
{
    field(p, QRectF(2.5, 2.5, 27.0, 27.0));
    p.setPen(Qt::NoPen);
    p.setBrush(IconPalette::glass().darker(110));
    p.drawRect(QRectF(3.0, 11.0, 26.0, 7.0));
    for (int i = 0; i < 3; ++i)
        textLine(p, QRectF(6.0, 6.0 + i * 8.0, 16.0 - i * 3.0, 3.0));
}

void radioButton(QPainter &p, const QSizeF &)
{
    p.setPen(QPen(IconPalette::ink(), 1.0));
    p.setBrush(IconPalette::paper());
    p.drawEllipse(QPointF(8.0, 16.0), 6.0, 6.0);
    p.setPen(Qt::NoPen);
    p.setBrush(IconPalette::blue());
    p.drawEllipse(QPointF(8.0, 16.0), 3.0, 3.0);
    textLine(p, QRectF(17.0, 14.5, 13.0, 3.0));
}

void tcLabel(QPainter &p, const QSizeF &)
{
    glyph(p, QRectF(0.0, 0.0, 32.0, 20.0), QStringLiteral("Ab"), 15.0);
    // Two threads feeding one label.
    p.setPen(roundPen(IconPalette::blue(), 1.5));
    p.drawLine(QPointF(4.0, 24.5), QPointF(28.0, 24.5));
    p.setPen(roundPen(IconPalette::amberDark(), 1.5));
    p.drawLine(QPointF(4.0, 28.5), QPointF(28.0, 28.5));
}

void moveableWidget(QPainter &p, const QSizeF &)
{
    p.setPen(QPen(IconPalette::inkLight(), 1.0, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, 29.0, 29.0));
    p.setPen(QPen(IconPalette::blueDark(), 1.0));
    p.setBrush(IconPalette::glass());
    p.drawRect(QRectF(10.5, 10.5, 11.0, 11.0));
    const QPointF c(16.0, 16.0);
    p.setPen(roundPen(IconPalette::ink(), 1.5));
    p.drawLine(c - QPointF(11, 0), c + QPointF(11, 0));
    p.drawLine(c - QPointF(0, 11), c + QPointF(0, 11));
    const QColor ink = IconPalette::ink();
    triangle(p, QPointF(16, 3), QPointF(13.5, 6.5), QPointF(18.5, 6.5), ink);
    triangle(p, QPointF(16, 29), QPointF(13.5, 25.5), QPointF(18.5, 25.5), ink);
    triangle(p, QPointF(3, 16), QPointF(6.5, 13.5), QPointF(6.5, 18.5), ink);
    triangle(p, QPointF(29, 16), QPointF(25.5, 13.5), QPointF(25.5, 18.5), ink);
}

void widgetWithToolbar(QPainter &p, const QSizeF &)
{
    p.setPen(QPen(IconPalette::ink(), 1.0));
    p.setBrush(IconPalette::paper());
    p.drawRoundedRect(QRectF(1.5, 2.5, 29.0, 27.0), 2.0, 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(IconPalette::glass().darker(105));
    p.drawRect(QRectF(2.0, 3.0, 28.0, 8.0));
    const QColor colours[] = {IconPalette::blue(), IconPalette::green(), IconPalette::amber()};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(colours[i]);
        p.drawRoundedRect(QRectF(4.0 + i * 7.0, 4.5, 5.0, 5.0), 1.0, 1.0);
    }
    textLine(p, QRectF(5.0, 16.0, 20.0, 3.0));
    textLine(p, QRectF(5.0, 22.0, 14.0, 3.0));
}

void colorComboBox(QPainter &p, const QSizeF &)
{
    const QRectF r = comboBox(p);
    swatch(p, QRectF(r.left() + 0.5, r.top() + 0.5, 13.0, 8.0), IconPalette::red());
}

void colorSelectWidget(QPainter &p, const QSizeF &)
{
    const QColor colours[] = {QColor(0xe5, 0x39, 0x35), QColor(0x43, 0xa0, 0x47), QColor(0x1e, 0x88, 0xe5)};
    const qreal at[] = {20.0, 12.0, 16.0};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 6.0 + i * 10.0;
        groove(p, 3.5, 28.5, y);
        span(p, 3.5, at[i], y, colours[i]);
        handle(p, at[i], y, colours[i], colours[i].darker(130), 8.0);
    }
}

void colorRectItem(QPainter &p, const QSizeF &)
{
    p.setPen(QPen(IconPalette::ink(), 1.0));
    p.setBrush(IconPalette::paper());
    p.drawRect(QRectF(3.5, 7.5, 25.0, 17.0));
    swatch(p, QRectF(5.5, 9.5, 21.0, 13.0), IconPalette::blue());
}

void lineColorPicker(QPainter &p, const QSizeF &)
{
    p.setPen(roundPen(IconPalette::green(), 3.0));
    p.drawLine(QPointF(4.0, 8.0), QPointF(28.0, 8.0));
    const QColor colours[] = {IconPalette::red(), IconPalette::green(), IconPalette::blue(), IconPalette::amber()};
    for (int i = 0; i < 4; ++i)
        swatch(p, QRectF(2.5 + i * 7.0, 17.5, 6.0, 8.0), colours[i]);
    p.setPen(QPen(IconPalette::ink(), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8.5, 15.5, 8.0, 12.0));
}

void comboBoxIcon(QPainter &p, const QSizeF &)
{
    const QRectF r = comboBox(p);
    textLine(p, QRectF(r.left() + 1.0, r.center().y() - 1.5, r.width() - 3.0, 3.0));
}

void imageFormatComboBox(QPainter &p, const QSizeF &)
{
    const QRectF r = comboBox(p);
    const QRectF picture(r.left() + 0.5, r.top() + 0.5, 13.0, 8.0);
    p.setPen(QPen(IconPalette::blueDark(), 1.0));
    p.setBrush(IconPalette::glass());
    p.drawRect(picture);
    p.setPen(Qt::NoPen);
    p.setBrush(IconPalette::green());
    p.drawPolygon(QPolygonF({picture.bottomLeft(), QPointF(picture.left() + 5.0, picture.top() + 3.0),
                             QPointF(picture.left() + 9.0, picture.bottom() - 1.0), picture.bottomRight()}));
    p.setBrush(IconPalette::amber());
    p.drawEllipse(QPointF(picture.right() - 3.0, picture.top() + 2.5), 1.5, 1.5);
}

void boolComboBox(QPainter &p, const QSizeF &)
{
    const QRectF r = comboBox(p);
    p.setPen(roundPen(IconPalette::green(), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(r.left() + 2.0, r.center().y()), QPointF(r.left() + 5.0, r.bottom() - 1.0),
                              QPointF(r.left() + 11.0, r.top() + 1.0)}));
}

void enumComboBox(QPainter &p, const QSizeF &)
{
    const QRectF r = comboBox(p);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 1 ? IconPalette::blue() : IconPalette::inkLight());
        p.drawEllipse(QPointF(r.left() + 3.0 + i * 5.0, r.center().y()), 1.8, 1.8);
    }
}

void languageComboBox(QPainter &p, const QSizeF &)
{
    const QRectF r = comboBox(p);
    const QRectF flag(r.left() + 0.5, r.top() + 0.5, 12.0, 8.0);
    p.setPen(Qt::NoPen);
    const QColor stripes[] = {IconPalette::paper(), IconPalette::blue(), IconPalette::red()};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(stripes[i]);
        p.drawRect(QRectF(flag.left(), flag.top() + i * flag.height() / 3, flag.width(), flag.height() / 3));
    }
    p.setPen(QPen(IconPalette::inkLight(), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flag);
}

void fontFamilyComboBox(QPainter &p, const QSizeF &)
{
    const QRectF r = comboBox(p);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(11);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(IconPalette::ink());
    p.drawText(r.adjusted(0, -2, 0, 2), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Aa"));
}

void propertyRows(QPainter &p, qreal indent)
{
    for (int i = 0; i < 3; ++i) {
        const qreal y = 11.5 + i * 7.0;
        textLine(p, QRectF(indent, y + 1.0, 12.0 - indent + 2.0, 3.0));
        field(p, QRectF(17.5, y - 1.0, 12.0, 6.0));
    }
}

void treePropertyWidget(QPainter &p, const QSizeF &)
{
    triangle(p, QPointF(2.5, 3.5), QPointF(8.5, 3.5), QPointF(5.5, 7.5), IconPalette::ink());
    textLine(p, QRectF(10.0, 4.0, 18.0, 3.0), IconPalette::ink());
    p.setPen(QPen(IconPalette::inkLight(), 1.0, Qt::DotLine));
    p.drawLine(QPointF(5.5, 9.0), QPointF(5.5, 27.5));
    propertyRows(p, 8.0);
}

void propertyWidget(QPainter &p, const QSizeF &)
{
    p.setPen(QPen(IconPalette::inkLight(), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(1.5, 6.5), QPointF(30.5, 6.5));
    textLine(p, QRectF(2.0, 2.0, 10.0, 3.0), IconPalette::ink());
    textLine(p, QRectF(18.0, 2.0, 10.0, 3.0), IconPalette::ink());
    propertyRows(p, 2.0);
}

void imageFileListView(QPainter &p, const QSizeF &)
{
    field(p, QRectF(1.5, 1.5, 29.0, 29.0));
    for (int i = 0; i < 3; ++i) {
        const QRectF thumb(4.5, 4.5 + i * 8.5, 9.0, 6.5);
        p.setPen(QPen(IconPalette::blueDark(), 1.0));
        p.setBrush(IconPalette::glass());
        p.drawRect(thumb);
        p.setPen(Qt::NoPen);
        p.setBrush(IconPalette::green());
        p.drawPolygon(
            QPolygonF({thumb.bottomLeft(), QPointF(thumb.left() + 3.5, thumb.top() + 2.5), thumb.bottomRight()}));
        textLine(p, QRectF(16.0, thumb.center().y() - 1.5, 11.0 - i * 2.0, 3.0));
    }
}

// A colour bar with its scale ticks on one side, drawn upright and turned
// to lie across the icon as the widgets do.
void lieDown(QPainter &p)
{
    p.translate(32.0, 0.0);
    p.rotate(90.0);
}

void thermo(QPainter &p, const QBrush &fill, const QRectF &bar)
{
    p.setPen(QPen(IconPalette::ink(), 1.0));
    p.setBrush(fill);
    p.drawRect(bar);
    p.setPen(QPen(IconPalette::ink(), 1.0));
    for (int i = 0; i <= 4; ++i) {
        const qreal y = bar.top() + i * bar.height() / 4;
        p.drawLine(QPointF(bar.left() - 4.0, y), QPointF(bar.left() - 1.0, y));
    }
}

void thermoBar(QPainter &p, const QSizeF &)
{
    lieDown(p);
    QLinearGradient lightness(QPointF(0, 2.5), QPointF(0, 29.5));
    lightness.setColorAt(0.0, IconPalette::paper());
    lightness.setColorAt(0.5, IconPalette::blue());
    lightness.setColorAt(1.0, QColor(Qt::black));
    thermo(p, lightness, QRectF(12.5, 2.5, 9.0, 27.0));
}

void thermoBarSpan(QPainter &p, const QSizeF &)
{
    lieDown(p);
    thermo(p, hueGradient(QPointF(0, 2.5), QPointF(0, 29.5)), QRectF(9.5, 2.5, 9.0, 27.0));
    // The two span handles beside the bar, pointing at it.
    const QColor ink = IconPalette::blueDark();
    triangle(p, QPointF(20.0, 9.0), QPointF(27.0, 5.5), QPointF(27.0, 12.5), ink);
    triangle(p, QPointF(20.0, 22.0), QPointF(27.0, 18.5), QPointF(27.0, 25.5), ink);
}

void thermoBarRotate(QPainter &p, const QSizeF &)
{
    lieDown(p);
    thermo(p, hueGradient(QPointF(0, 2.5), QPointF(0, 29.5)), QRectF(7.5, 2.5, 9.0, 27.0));
    roundArrow(p, QPointF(24.0, 16.0), 5.0, 100.0, -220.0, IconPalette::ink());
}

void hslHistogram(QPainter &p, const QSizeF &)
{
    p.setPen(QPen(IconPalette::ink(), 1.0));
    p.drawLine(QPointF(2.5, 2.0), QPointF(2.5, 29.5));
    p.drawLine(QPointF(2.5, 29.5), QPointF(30.0, 29.5));
    const int heights[] = {8, 14, 22, 17, 11, 19, 24, 13, 6};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        p.setBrush(QColor::fromHsv(i * 40, 210, 230));
        p.drawRect(QRectF(4.0 + i * 3.0, 28.5 - heights[i], 2.5, heights[i]));
    }
}

void chooseDirectory(QPainter &p, const QSizeF &)
{
    const QRectF r(1.5, 17.5, 29.0, 12.0);
    field(p, r);
    textLine(p, QRectF(4.0, 22.0, 13.0, 3.0));
    button(p, QRectF(20.5, 18.5, 9.0, 10.0));
    IconShapes::folder(p, QRectF(5.5, 1.5, 19.0, 14.0));
}

void chooseFile(QPainter &p, const QSizeF &)
{
    const QRectF r(1.5, 17.5, 29.0, 12.0);
    field(p, r);
    textLine(p, QRectF(4.0, 22.0, 13.0, 3.0));
    button(p, QRectF(20.5, 18.5, 9.0, 10.0));
    // A sheet with a folded corner.
    QPainterPath sheet;
    sheet.moveTo(10.5, 1.5);
    sheet.lineTo(18.5, 1.5);
    sheet.lineTo(22.5, 5.5);
    sheet.lineTo(22.5, 15.5);
    sheet.lineTo(10.5, 15.5);
    sheet.closeSubpath();
    p.setPen(QPen(IconPalette::ink(), 1.0));
    p.setBrush(IconPalette::paper());
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({QPointF(18.5, 1.5), QPointF(18.5, 5.5), QPointF(22.5, 5.5)}));
}

// The rectangle being edited inside its area, with a corner handle.
void editedRect(QPainter &p, const QRectF &area, const QRectF &rect, Qt::PenStyle style)
{
    p.setPen(QPen(IconPalette::inkLight(), 1.0));
    p.setBrush(IconPalette::glass());
    p.drawRect(area);
    p.setPen(QPen(IconPalette::blueDark(), 1.5, style));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect);
}

void configureRect(QPainter &p, const QSizeF &)
{
    editedRect(p, QRectF(1.5, 1.5, 29.0, 15.0), QRectF(6.5, 4.5, 13.0, 8.0), Qt::SolidLine);
    slider(p, 3.5, 28.5, 21.5, 12.0);
    slider(p, 3.5, 28.5, 27.5, 20.0);
}

void scanArea(QPainter &p, const QSizeF &)
{
    editedRect(p, QRectF(1.5, 1.5, 29.0, 15.0), QRectF(6.5, 4.5, 17.0, 9.0), Qt::DashLine);
    p.setPen(Qt::NoPen);
    p.setBrush(IconPalette::amberDark());
    p.drawEllipse(QPointF(6.5, 4.5), 2.0, 2.0);
    p.drawEllipse(QPointF(23.5, 13.5), 2.0, 2.0);
    slider(p, 3.5, 28.5, 21.5, 9.0);
    slider(p, 3.5, 28.5, 27.5, 23.0);
}

void configureSave(QPainter &p, const QSizeF &)
{
    // A floppy disk over the form's fields.
    p.setPen(QPen(IconPalette::blueDark(), 1.0));
    p.setBrush(IconPalette::blue());
    p.drawRoundedRect(QRectF(9.5, 0.5, 13.0, 13.0), 1.5, 1.5);
    p.setBrush(IconPalette::paper());
    p.drawRect(QRectF(12.5, 0.5, 7.0, 4.0));
    p.setPen(Qt::NoPen);
    p.setBrush(IconPalette::glass());
    p.drawRect(QRectF(11.5, 8.0, 9.0, 5.0));
    for (int i = 0; i < 2; ++i) {
        const qreal y = 17.5 + i * 7.0;
        textLine(p, QRectF(2.0, y + 1.5, 7.0, 3.0));
        field(p, QRectF(11.5, y, 19.0, 6.0));
    }
}

void graphicsViewWithRect(QPainter &p, const QSizeF &)
{
    field(p, QRectF(1.5, 1.5, 29.0, 29.0));
    // The picture, and the scroll bars whose room the view leaves out.
    const QRectF picture(3.5, 3.5, 21.0, 21.0);
    p.setPen(Qt::NoPen);
    p.setBrush(IconPalette::glass());
    p.drawRect(picture);
    p.setBrush(IconPalette::green());
    p.drawPolygon(QPolygonF(
        {picture.bottomLeft(), QPointF(10.0, 12.0), QPointF(16.0, 19.0), QPointF(19.0, 15.0), picture.bottomRight()}));
    p.setBrush(IconPalette::amber());
    p.drawEllipse(QPointF(19.0, 8.5), 2.5, 2.5);
    p.setBrush(IconPalette::inkLight());
    p.drawRoundedRect(QRectF(26.0, 4.0, 3.0, 12.0), 1.5, 1.5);
    p.drawRoundedRect(QRectF(4.0, 26.0, 12.0, 3.0), 1.5, 1.5);
    p.setPen(QPen(IconPalette::blueDark(), 1.0, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(picture);
}

void iconedButtonWithLabel(QPainter &p, const QSizeF &)
{
    button(p, QRectF(4.5, 1.5, 23.0, 29.0));
    IconShapes::badge(p, QRectF(9.0, 4.0, 14.0, 14.0), IconPalette::blue(), IconPalette::blueDark());
    textLine(p, QRectF(8.0, 22.0, 16.0, 3.0));
}

// Axes with a curve through the given points.
void curvePlot(QPainter &p, const QRectF &r, const QList<QPointF> &points, const QColor &color)
{
    p.setPen(QPen(IconPalette::ink(), 1.0));
    p.drawLine(QPointF(r.left() + 0.5, r.top()), QPointF(r.left() + 0.5, r.bottom() - 0.5));
    p.drawLine(QPointF(r.left() + 0.5, r.bottom() - 0.5), QPointF(r.right(), r.bottom() - 0.5));
    QPainterPath curve;
    curve.moveTo(points.first());
    for (qsizetype i = 1; i < points.size(); ++i)
        curve.lineTo(points.at(i));
    p.setPen(roundPen(color, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
}

void pointPlot(QPainter &p, const QSizeF &)
{
    curvePlot(p, QRectF(2.0, 2.0, 28.0, 28.0),
              {QPointF(4, 24), QPointF(8, 16), QPointF(12, 19), QPointF(16, 9), QPointF(20, 13), QPointF(24, 6),
               QPointF(29, 10)},
              IconPalette::blue());
}

void perfCounter(QPainter &p, const QSizeF &)
{
    // Two tabs over a plot of a counter.
    p.setPen(QPen(IconPalette::inkLight(), 1.0));
    p.setBrush(IconPalette::paper());
    p.drawRect(QRectF(1.5, 7.5, 29.0, 23.0));
    p.drawRoundedRect(QRectF(1.5, 1.5, 10.0, 7.0), 1.5, 1.5);
    p.setBrush(IconPalette::glass());
    p.drawRoundedRect(QRectF(12.5, 2.5, 9.0, 6.0), 1.5, 1.5);
    curvePlot(p, QRectF(4.0, 10.0, 25.0, 18.0),
              {QPointF(6, 22), QPointF(10, 20), QPointF(13, 23), QPointF(17, 14), QPointF(21, 17), QPointF(27, 12)},
              IconPalette::green());
}

} // namespace

QList<IconRecipe> designerIcons()
{
    const QSize size(32, 32);
    return {
        {QStringLiteral("spanslider.png"), size, spanSliderIcon},
        {QStringLiteral("spanslider_intermediate.png"), size, spanSliderIntermediate},
        {QStringLiteral("videoslider.png"), size, videoSlider},
        {QStringLiteral("spanslider_coloured.png"), size, colouredSpanSlider},
        {QStringLiteral("spanrangewidget.png"), size, spanRangeWidget},
        {QStringLiteral("rangewidget.png"), size, rangeWidget},
        {QStringLiteral("doublerangewidget.png"), size, doubleRangeWidget},
        {QStringLiteral("rangewidget_label.png"), size, rangeWidgetLabel},
        {QStringLiteral("rangewidget_checkable.png"), size, rangeWidgetCheckable},
        {QStringLiteral("doublerangewidget_checkable.png"), size, doubleRangeWidgetCheckable},
        {QStringLiteral("doubleslider.png"), size, doubleSlider},
        {QStringLiteral("sliderlog.png"), size, sliderLog},
        {QStringLiteral("logslider.png"), size, decadeSlider},
        {QStringLiteral("anglespinbox.png"), size, angleSpinBox},
        {QStringLiteral("spinbox.png"), size, spinBoxIcon},
        {QStringLiteral("zoomcombobox.png"), size, zoomComboBox},
        {QStringLiteral("zoomgostcombobox.png"), size, zoomGostComboBox},
        {QStringLiteral("zoomspinbox.png"), size, zoomSpinBox},
        {QStringLiteral("zoomslider.png"), size, zoomSlider},
        {QStringLiteral("zoomtoolbar.png"), size, zoomToolbar},
        {QStringLiteral("bindablepushbutton.png"), size, bindablePushButton},
        {QStringLiteral("bindabletoolbutton.png"), size, bindableToolButton},
        {QStringLiteral("statusform.png"), size, statusForm},
        {QStringLiteral("longexposurewidget.png"), size, longExposureWidget},
        {QStringLiteral("longexposureprogressbar.png"), size, longExposureProgressBar},
        {QStringLiteral("dockwidget.png"), size, dockWidget},
        {QStringLiteral("dockwidget_oriented.png"), size, dockWidgetOriented},
        {QStringLiteral("listwidget.png"), size, listWidget},
        {QStringLiteral("radiobutton.png"), size, radioButton},
        {QStringLiteral("tclabel.png"), size, tcLabel},
        {QStringLiteral("moveablewidget.png"), size, moveableWidget},
        {QStringLiteral("widgetwithtoolbar.png"), size, widgetWithToolbar},
        {QStringLiteral("colorcombobox.png"), size, colorComboBox},
        {QStringLiteral("colorselectwidget.png"), size, colorSelectWidget},
        {QStringLiteral("colorrectitem.png"), size, colorRectItem},
        {QStringLiteral("linecolorpicker.png"), size, lineColorPicker},
        {QStringLiteral("combobox.png"), size, comboBoxIcon},
        {QStringLiteral("imageformatcombobox.png"), size, imageFormatComboBox},
        {QStringLiteral("boolcombobox.png"), size, boolComboBox},
        {QStringLiteral("enumcombobox.png"), size, enumComboBox},
        {QStringLiteral("languagecombobox.png"), size, languageComboBox},
        {QStringLiteral("fontfamilycombobox.png"), size, fontFamilyComboBox},
        {QStringLiteral("treepropertywidget.png"), size, treePropertyWidget},
        {QStringLiteral("propertywidget.png"), size, propertyWidget},
        {QStringLiteral("imagefilelistview.png"), size, imageFileListView},
        {QStringLiteral("thermobar.png"), size, thermoBar},
        {QStringLiteral("thermobar_span.png"), size, thermoBarSpan},
        {QStringLiteral("thermobar_rotate.png"), size, thermoBarRotate},
        {QStringLiteral("hslhistogram.png"), size, hslHistogram},
        {QStringLiteral("choosedirectorywidget.png"), size, chooseDirectory},
        {QStringLiteral("choosefilewidget.png"), size, chooseFile},
        {QStringLiteral("configurerectwidget.png"), size, configureRect},
        {QStringLiteral("scanareawidget.png"), size, scanArea},
        {QStringLiteral("configuresavewidget.png"), size, configureSave},
        {QStringLiteral("graphicsviewwithrect.png"), size, graphicsViewWithRect},
        {QStringLiteral("iconedbuttonwithlabel.png"), size, iconedButtonWithLabel},
        {QStringLiteral("mathgl.png"), size, pointPlot},
        {QStringLiteral("perfcounterwidget.png"), size, perfCounter},
    };
}
