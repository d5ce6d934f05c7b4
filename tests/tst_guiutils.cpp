// GUI utilities: colour tables and menus, swatches, zoom to fit, making widgets visible, the status text box.

#include "zelgui_testhelpers.h"

#include <ZelGui/GuiUtils.h>
#include <ZelGui/ZelBindableQAction.h>
#include <ZelGui/ZelDockWidget.h>

#include <ZelLog/ZelLog.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>

#include <climits>
#include <cmath>
#include <memory>

namespace {

// Pixels darker than this belong to the box (black at 0.95 over white).
constexpr int boxGrey = 40;

// A white image whose origin is near its centre, so the box of a rectangle near (0, 0) lies inside.
struct Canvas
{
    QImage image{900, 400, QImage::Format_RGB32};
    QPoint origin{420, 200};
    Canvas() { image.fill(Qt::white); }
    int grey(int x, int y) const { return qGray(image.pixel(origin.x() + x, origin.y() + y)); }
    // The bounding box of the light pixels (the text) inside area, in painter coordinates.
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

// The standard colours in the tables' order, with their Russian names.
const QList<std::pair<Qt::GlobalColor, QString>> russianColors{
    {Qt::black, "Чёрный"},         {Qt::white, "Белый"},        {Qt::darkGray, "Тёмно-серый"},
    {Qt::gray, "Серый"},           {Qt::lightGray, "Светло-серый"}, {Qt::red, "Красный"},
    {Qt::green, "Зелёный"},        {Qt::blue, "Синий"},         {Qt::cyan, "Голубой"},
    {Qt::magenta, "Пурпурный"},    {Qt::yellow, "Жёлтый"},      {Qt::darkRed, "Тёмно-красный"},
    {Qt::darkGreen, "Тёмно-зелёный"}, {Qt::darkBlue, "Тёмно-синий"}, {Qt::darkCyan, "Тёмно-голубой"},
    {Qt::darkMagenta, "Тёмно-пурпурный"}, {Qt::darkYellow, "Тёмно-жёлтый"}, {Qt::transparent, "Прозрачный"},
};

QRgb swatchPixel(const QIcon &icon, QSize size)
{
    return icon.pixmap(size).toImage().pixel(size.width() / 2, size.height() / 2);
}

} // namespace

class tst_GuiUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    // Any warning but the offscreen platform's is a failure.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)"))); }

    // The tables are built once per process: the standard colours here under Russian, the pretty ones before.
    void tablesKeepTheLanguageOfFirstUse()
    {
        const QHash<QString, QColor> pretty = GuiUtils::prettyColors();
        QCOMPARE(pretty.size(), 16);
        QCOMPARE(pretty.value(QStringLiteral("Navy")), QColor(0x00, 0x1f, 0x3f));
        QCOMPARE(pretty.value(QStringLiteral("Funchia")), QColor(0xf0, 0x12, 0xbe));
        QCOMPARE(pretty.value(QStringLiteral("Black")), QColor(0x11, 0x11, 0x11));

        QMap<Qt::GlobalColor, QString> full, plain;
        {
            RussianTranslation russian;
            QVERIFY(russian.loaded);
            full = GuiUtils::getStandartColorMap();
            // Installed after the first use: the pretty colours stay English.
            QCOMPARE(GuiUtils::prettyColors(), pretty);
            QVERIFY(QObject::tr("Navy") != QLatin1String("Navy"));
        }
        plain = GuiUtils::getStandartColorMapWithoutTransparent();
        QCOMPARE(full.size(), 18);
        for (const auto &[key, name] : russianColors)
            QCOMPARE(full.value(key), name);
        // The table without transparency, the full one's copy, is Russian too; later calls give the same object.
        full.remove(Qt::transparent);
        QCOMPARE(plain, full);
        QCOMPARE(&GuiUtils::getStandartColorMap(), &GuiUtils::getStandartColorMap());
    }

    void colorMenusListTheTableInKeyOrder_data()
    {
        QTest::addColumn<bool>("transparent");
        QTest::newRow("with transparent") << true;
        QTest::newRow("without") << false;
    }
    void colorMenusListTheTableInKeyOrder()
    {
        QFETCH(bool, transparent);
        const std::unique_ptr<QMenu> menu(transparent ? GuiUtils::getColorMenu(QStringLiteral("Pen"))
                                                      : GuiUtils::getColorMenuWithoutTransparent(QStringLiteral("Pen")));
        QCOMPARE(menu->title(), QStringLiteral("Pen"));
        QCOMPARE(menu->parent(), nullptr);
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), transparent ? 18 : 17);
        for (int i = 0; i < actions.size(); ++i) {
            auto *action = qobject_cast<ZelBindableQAction *>(actions[i]);
            QVERIFY(action);
            QCOMPARE(action->parent(), menu.get());
            const auto &[key, name] = russianColors[i];
            QCOMPARE(action->text(), name); // ordered by Qt::GlobalColor: black, white, dark gray, gray, ...
            QCOMPARE(action->data().value<QColor>(), QColor(key));
            QCOMPARE(swatchPixel(action->icon(), QSize(12, 12)), QColor(key).rgba());
        }
    }

    void colorMenuActionsRunBoundHandlers()
    {
        QMap<Qt::GlobalColor, QString> colors{{Qt::darkCyan, "Teal-ish"}, {Qt::red, "Red"}};
        // A key past Qt's colour table (one the enumeration can hold) keeps its entry with an invalid colour.
        colors.insert(Qt::GlobalColor(25), QStringLiteral("Odd"));
        const std::unique_ptr<QMenu> menu(GuiUtils::getColorMenuByColors(QStringLiteral("Marker"), colors));
        QList<QColor> picked;
        for (QAction *action : menu->actions()) {
            auto *bindable = static_cast<ZelBindableQAction *>(action);
            bindable->installHandler(ZelConnection<QMetaObject::Connection>(connect(
                bindable, &ZelQAction::actionTriggered, bindable,
                [&picked, bindable] { picked << bindable->data().value<QColor>(); }, Qt::DirectConnection)));
        }
        QStringList texts;
        for (QAction *action : menu->actions()) {
            texts << action->text();
            action->trigger();
        }
        QCOMPARE(texts, (QStringList{"Red", "Teal-ish", "Odd"}));
        QCOMPARE(picked, (QList<QColor>{QColor(Qt::red), QColor(Qt::darkCyan), QColor()}));
        QVERIFY(!menu->actions().last()->data().value<QColor>().isValid());
    }

    void swatchIcons_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRgb>("pixel");
        QTest::newRow("opaque") << QColor(10, 20, 30) << QSize(16, 8) << qRgb(10, 20, 30);
        QTest::newRow("translucent") << QColor(255, 0, 0, 128) << QSize(12, 12) << qRgba(255, 0, 0, 128);
        // An invalid colour fills as Qt paints it: opaque black.
        QTest::newRow("invalid colour") << QColor() << QSize(12, 12) << qRgb(0, 0, 0);
        QTest::newRow("no width") << QColor(Qt::red) << QSize(0, 12) << QRgb(0);
        QTest::newRow("negative size") << QColor(Qt::red) << QSize(-5, -5) << QRgb(0);
    }
    void swatchIcons()
    {
        QFETCH(QColor, color);
        QFETCH(QSize, size);
        QFETCH(QRgb, pixel);
        const QIcon icon = GuiUtils::getIconForColor(color, size);
        QCOMPARE(icon.isNull(), size.isEmpty());
        if (icon.isNull())
            return;
        QCOMPARE(icon.availableSizes(QIcon::Normal, QIcon::Off), QList<QSize>{size});
        QVERIFY(icon.availableSizes(QIcon::Disabled, QIcon::On).isEmpty());
        const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.pixel(0, 0), pixel);
        QCOMPARE(image.pixel(size.width() - 1, size.height() - 1), pixel);
    }

    void zoomFitToWindow_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSizeF>("image");
        QTest::addColumn<double>("zoom");
        const double nan = std::nan("");
        QTest::newRow("both axes, width decides") << QSize(800, 600) << QSizeF(1600, 900) << 0.5;
        QTest::newRow("both axes, height decides") << QSize(800, 600) << QSizeF(400, 1200) << 0.5;
        QTest::newRow("enlarges, unrounded") << QSize(1000, 700) << QSizeF(300, 300) << 700.0 / 300.0;
        QTest::newRow("no height") << QSize(800, 600) << QSizeF(1600, 0) << 0.5;
        QTest::newRow("negative width") << QSize(800, 600) << QSizeF(-10, 1200) << 0.5;
        QTest::newRow("nothing") << QSize(800, 600) << QSizeF(0, 0) << 1.0;
        QTest::newRow("NaN image") << QSize(800, 600) << QSizeF(nan, nan) << 1.0;
        QTest::newRow("empty window") << QSize(0, 0) << QSizeF(640, 480) << 0.0;
    }
    void zoomFitToWindow()
    {
        QFETCH(QSize, window);
        QFETCH(QSizeF, image);
        QFETCH(double, zoom);
        QCOMPARE(GuiUtils::zoomFitToWindow(window, image), zoom);
        QCOMPARE(GuiUtils::zoomFitToWindowAccuracy(window, image), zoom);
    }

    void makeVisibleShowsAncestorsAndDocks()
    {
        QMainWindow main;
        main.setCentralWidget(new QLabel(QStringLiteral("centre")));
        auto *dock = new ZelDockWidget(&main);
        auto *frame = new QWidget;
        auto *field = new QLabel(QStringLiteral("field"), frame);
        dock->setWidget(frame);
        main.addDockWidget(Qt::LeftDockWidgetArea, dock);
        field->hide();
        dock->hide();
        auto *sibling = new QLabel(QStringLiteral("sibling"), frame);
        sibling->hide();
        GuiUtils::makeVisible(field);
        QVERIFY(field->isVisible() && frame->isVisible() && dock->isVisible() && main.isVisible());
        QVERIFY(sibling->isHidden());
    }

    void makeVisibleOfNullIsLogged()
    {
        ZelLog::setEchoToQt(false);
        ZelLog::clearRecords();
        GuiUtils::makeVisible(nullptr);
        ZelLog::setEchoToQt(true);
        QCOMPARE(ZelLog::records().size(), 1);
        const ZelMessage record = ZelLog::records().constFirst();
        QCOMPARE(record.messageType(), ZelLog::Warning);
        QCOMPARE(record.issueID(), Issue::InternalError);
        QCOMPARE(record.module(), QStringLiteral("ZelGui"));
    }

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
