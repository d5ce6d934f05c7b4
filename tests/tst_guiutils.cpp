// GUI utilities: the status text box.

#include <ZelGui/GuiUtils.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>

#include <climits>

namespace {

// Pixels darker than this belong to the box (black at 0.95 over white).
constexpr int boxGrey = 40;

// A 900 x 400 white image whose origin is moved near its centre, so that the
// box of a rectangle near (0, 0) lies wholly inside.
struct Canvas
{
    QImage image{900, 400, QImage::Format_RGB32};
    QPoint origin{420, 200};
    Canvas() { image.fill(Qt::white); }
    int grey(int x, int y) const { return qGray(image.pixel(origin.x() + x, origin.y() + y)); }
    // The bounding box of the light pixels (the text) inside area, in
    // painter coordinates.
    QRect lightBounds(const QRect &area) const
    {
        QRect bounds;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (grey(x, y) > 128)
                    bounds |= QRect(x, y, 1, 1);
            }
        }
        return bounds;
    }
};

} // namespace

class tst_GuiUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void statusBoxIsCentredWhateverTheRect_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QPoint>("centre");
        QTest::newRow("small rect at origin") << QRect(0, 0, 100, 100) << QPoint(49, 49);
        QTest::newRow("odd size") << QRect(-51, -21, 101, 41) << QPoint(-1, -1);
        // The centre of a rect spanning all of int is taken without overflow.
        QTest::newRow("all of int") << QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX)) << QPoint(0, 0);
    }
    void statusBoxIsCentredWhateverTheRect()
    {
        QFETCH(QRect, rect);
        QFETCH(QPoint, centre);
        Canvas canvas;
        {
            QPainter painter(&canvas.image);
            painter.translate(canvas.origin);
            GuiUtils::renderTextStatus(&painter, rect, QStringLiteral("No signal"));
            // The painter keeps what the function set.
            QCOMPARE(painter.font().family(), QStringLiteral("Ubuntu"));
            QCOMPARE(painter.font().pointSize(), 24);
            QCOMPARE(painter.pen().color(), QColor(Qt::white));
            QCOMPARE(painter.brush().color(), QColor(Qt::black));
            QCOMPARE(painter.opacity(), 1.0);
        }
        // The box runs from (cx - 349, cy - 124) to (cx + 350, cy + 125).
        const QRect box(centre - QPoint(349, 124), centre + QPoint(350, 125));
        const int cy = centre.y(), cx = centre.x();
        QVERIFY(canvas.grey(box.left(), cy) < boxGrey && canvas.grey(box.right(), cy) < boxGrey);
        QVERIFY(canvas.grey(box.left() - 1, cy) == 255 && canvas.grey(box.right() + 1, cy) == 255);
        QVERIFY(canvas.grey(cx - 100, box.top()) < boxGrey && canvas.grey(cx - 100, box.bottom()) < boxGrey);
        QVERIFY(canvas.grey(cx - 100, box.top() - 1) == 255 && canvas.grey(cx - 100, box.bottom() + 1) == 255);
        // Rounded corners of radius 20 leave the corner pixels white.
        QCOMPARE(canvas.grey(box.left(), box.top()), 255);
        QCOMPARE(canvas.grey(box.right(), box.bottom()), 255);
        QVERIFY(canvas.grey(box.left() + 20, box.top() + 20) < boxGrey);
        // Not quite opaque: black at 0.95 over white.
        QVERIFY(canvas.grey(box.left() + 5, cy) > 0);

        // The text is centred in the box, both ways.
        const QRect text = canvas.lightBounds(box.adjusted(20, 20, -20, -20));
        QVERIFY(text.isValid());
        QVERIFY(text.width() > 60 && text.height() > 10);
        QVERIFY2(qAbs(text.center().x() - cx) <= 3, qPrintable(QString::number(text.center().x())));
        QVERIFY2(qAbs(text.center().y() - cy) <= 6, qPrintable(QString::number(text.center().y())));
    }

    void statusTextWithoutActivePainterDoesNothing()
    {
        QPainter idle;
        GuiUtils::renderTextStatus(&idle, QRect(0, 0, 10, 10), QStringLiteral("x"));
        GuiUtils::renderTextStatus(nullptr, QRect(0, 0, 10, 10), QStringLiteral("x"));
        QVERIFY(!idle.isActive());
    }
};

QTEST_MAIN(tst_GuiUtils)
#include "tst_guiutils.moc"
