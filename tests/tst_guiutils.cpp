// GUI utilities: colour tables and menus, swatches, zoom to fit, making widgets visible, the status text box.

#include "zelgui_testhelpers.h"

#include <ZelGui/GuiUtils.h>
#include <ZelGui/ZelBindableQAction.h>
#include <ZelGui/ZelDockWidget.h>

#include <ZelLog/ZelLog.h>

#include <QApplication>
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
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (grey(x, y) > 128)
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    }
};

} // namespace

class tst_GuiUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    // Any warning but the offscreen platform's is a failure.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)"))); }

    // The tables are built once per process: the standard colours here under Russian, the pretty ones before.
    void colorMenusListTheTableOfFirstUse()
    {
        const QHash<QString, QColor> pretty = GuiUtils::prettyColors();
        QMap<Qt::GlobalColor, QString> full;
        {
            RussianTranslation russian;
            QVERIFY(russian.loaded);
            full = GuiUtils::getStandartColorMap();
            // Installed after the first use: the pretty colours stay English.
            QCOMPARE(GuiUtils::prettyColors(), pretty);
            QVERIFY(QObject::tr("Navy") != QLatin1String("Navy"));
        }
        QCOMPARE(full.value(Qt::black), QStringLiteral("Чёрный"));
        // The table without transparency, the full one's copy, is Russian too; later calls give the same object.
        QCOMPARE(&GuiUtils::getStandartColorMap(), &GuiUtils::getStandartColorMap());
        for (QMenu *(*make)(const QString &) : {&GuiUtils::getColorMenu, &GuiUtils::getColorMenuWithoutTransparent}) {
            const std::unique_ptr<QMenu> menu(make(QStringLiteral("Pen")));
            QCOMPARE(menu->title(), QStringLiteral("Pen"));
            const QList<QAction *> actions = menu->actions();
            QCOMPARE(actions.size(), make == &GuiUtils::getColorMenu ? 18 : 17);
            // Ordered by Qt::GlobalColor: black, white, dark gray, gray, ..., dark yellow, transparent.
            for (int i = 0; i < actions.size(); ++i) {
                QAction *action = actions[i];
                const auto key = Qt::GlobalColor(Qt::black + i);
                QCOMPARE(action->text(), full.value(key));
                QCOMPARE(action->data().value<QColor>(), QColor(key));
                QCOMPARE(action->icon().pixmap(12, 12).toImage().pixel(6, 6), QColor(key).rgba());
            }
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
                bindable, &ZelQAction::actionTriggered, bindable, [&picked, bindable] { picked << bindable->data().value<QColor>(); },
                Qt::DirectConnection)));
        }
        QStringList texts;
        for (QAction *action : menu->actions()) {
            texts << action->text();
            action->trigger();
        }
        QCOMPARE(texts, (QStringList{"Red", "Teal-ish", "Odd"}));
        QCOMPARE(picked, (QList<QColor>{QColor(Qt::red), QColor(Qt::darkCyan), QColor()}));
    }

    void swatchIcons()
    {
        // An invalid colour fills as Qt paints it: opaque black.
        for (const auto &[color, size, pixel] : QList<std::tuple<QColor, QSize, QRgb>>{
                 {QColor(255, 0, 0, 128), QSize(16, 8), qRgba(255, 0, 0, 128)}, {QColor(), QSize(12, 12), qRgb(0, 0, 0)}}) {
            const QIcon icon = GuiUtils::getIconForColor(color, size);
            QCOMPARE(icon.availableSizes(QIcon::Normal, QIcon::Off), QList<QSize>{size});
            const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.pixel(0, 0), pixel);
            QCOMPARE(image.pixel(size.width() - 1, size.height() - 1), pixel);
        }
        // An empty size gives no icon.
        QVERIFY(GuiUtils::getIconForColor(Qt::red, QSize(0, 12)).isNull());
    }

    void zoomFitToWindow()
    {
        const double nan = std::nan("");
        for (const auto &[window, image, zoom] :
             QList<std::tuple<QSize, QSizeF, double>>{{QSize(800, 600), QSizeF(1600, 900), 0.5}, // the width decides
                                                      {QSize(800, 600), QSizeF(400, 1200), 0.5}, // the height decides
                                                      {QSize(1000, 700), QSizeF(300, 300), 700.0 / 300.0}, // enlarges, unrounded
                                                      {QSize(800, 600), QSizeF(1600, 0), 0.5}, // no height
                                                      {QSize(800, 600), QSizeF(nan, nan), 1.0}, // NaN sides count as not positive
                                                      {QSize(0, 0), QSizeF(640, 480), 0.0}}) {
            QCOMPARE(GuiUtils::zoomFitToWindow(window, image), zoom);
            QCOMPARE(GuiUtils::zoomFitToWindowAccuracy(window, image), zoom);
        }
    }

    void makeVisibleShowsAncestorsAndDocks()
    {
        QMainWindow main;
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
        // Null is logged as a warning.
        ZelLog::setEchoToQt(false);
        ZelLog::clearRecords();
        GuiUtils::makeVisible(nullptr);
        ZelLog::setEchoToQt(true);
        QCOMPARE(ZelLog::records().size(), 1);
        const ZelMessage record = ZelLog::records().constFirst();
        QCOMPARE(record.messageType(), ZelLog::Warning);
        QCOMPARE(record.issueID(), Issue::InternalError);
    }

    void statusBoxIsCentredWhateverTheRect()
    {
        // The centre of a rect spanning all of int is taken without overflow.
        for (const auto &[rect, centre] :
             QList<std::pair<QRect, QPoint>>{{QRect(0, 0, 100, 100), QPoint(49, 49)},
                                             {QRect(-51, -21, 101, 41), QPoint(-1, -1)},
                                             {QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX)), QPoint(0, 0)}}) {
            Canvas canvas;
            {
                QPainter painter(&canvas.image);
                painter.translate(canvas.origin);
                GuiUtils::renderTextStatus(&painter, rect, QStringLiteral("No signal"));
            }
            const QRect box(centre - QPoint(349, 124), centre + QPoint(350, 125));
            const int cy = centre.y(), cx = centre.x();
            QVERIFY(canvas.grey(box.left(), cy) < boxGrey && canvas.grey(box.right(), cy) < boxGrey);
            QVERIFY(canvas.grey(box.left() - 1, cy) == 255 && canvas.grey(box.right() + 1, cy) == 255);
            QVERIFY(canvas.grey(cx - 100, box.top()) < boxGrey && canvas.grey(cx - 100, box.bottom()) < boxGrey);
            QVERIFY(canvas.grey(cx - 100, box.top() - 1) == 255 && canvas.grey(cx - 100, box.bottom() + 1) == 255);
            // The text is centred in the box, both ways.
            const QRect text = canvas.lightBounds(box.adjusted(20, 20, -20, -20));
            QVERIFY(text.width() > 60 && text.height() > 10);
            QVERIFY2(qAbs(text.center().x() - cx) <= 3, qPrintable(QString::number(text.center().x())));
            QVERIFY2(qAbs(text.center().y() - cy) <= 6, qPrintable(QString::number(text.center().y())));
        }
        // A null or inactive painter draws nothing (and raises no warning).
        QPainter idle;
        GuiUtils::renderTextStatus(&idle, QRect(0, 0, 10, 10), QStringLiteral("x"));
        GuiUtils::renderTextStatus(nullptr, QRect(0, 0, 10, 10), QStringLiteral("x"));
    }
};

QTEST_MAIN(tst_GuiUtils)
#include "tst_guiutils.moc"
