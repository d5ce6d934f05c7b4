#include <ZelGui/GuiUtils.h>

#include "GuiUtils_p.h"

#include <ZelGui/ZelBindableQAction.h>
#include <ZelGui/ZelDockWidget.h>

#include <ZelCore/ZelCore.h>
#include <ZelLog/ZelLog.h>
#include <ZelLog/ZelMessageStream.h>

#include <QCoreApplication>
#include <QFont>
#include <QMenu>
#include <QObject>
#include <QPainter>
#include <QPixmap>
#include <QTextOption>
#include <QWidget>

#include <iterator>
#include <limits>
#include <utility>

// The names are marked for translation in the context ZelCore::translateString
// looks them up in, so that the library's translation files carry them.
namespace GuiUtils {

const QString trBlackColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Black"));
const QString trWhiteColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "White"));
const QString trRedColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Red"));
const QString trDarkRedColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Dark red"));
const QString trGreenColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Green"));
const QString trDarkGreenColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Dark green"));
const QString trBlueColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Blue"));
const QString trDarkBlueColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Dark blue"));
const QString trCyanColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Cyan"));
const QString trDarkCyanColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Dark cyan"));
const QString trMagentaColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Magenta"));
const QString trDarkMagentaColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Dark magenta"));
const QString trYellowColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Yellow"));
const QString trDarkYellowColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Dark yellow"));
const QString trGrayColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Gray"));
const QString trDarkGrayColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Dark gray"));
const QString trLightGrayColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Light gray"));
const QString trTransparentColor = QStringLiteral(QT_TRANSLATE_NOOP("ZelCore", "Transparent"));

void makeVisible(QWidget *widget)
{
    if (!widget) {
        ZelLog::warningStream("ZelGui", "void GuiUtils::makeVisible(QWidget *)", __FILE__, __LINE__,
                              Issue::InternalError)
            << "no widget to make visible";
        return;
    }
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (!w->isVisible())
            w->setVisible(true);
        if (auto *dock = qobject_cast<ZelDockWidget *>(w))
            dock->activate();
    }
}

double zoomFitToWindow(const QSize &window, const QSizeF &image)
{
    const double w = image.width(), h = image.height();
    if (w > 0 && h > 0)
        return qMin(window.width() / w, window.height() / h);
    if (w > 0)
        return window.width() / w;
    if (h > 0)
        return window.height() / h;
    return 1.0;
}

double zoomFitToWindowAccuracy(const QSize &window, const QSizeF &image)
{
    return zoomFitToWindow(window, image);
}

QIcon getIconForColor(QColor color, QSize size)
{
    QIcon icon;
    if (size.isEmpty())
        return icon;
    QPixmap pixmap(size);
    pixmap.fill(color);
    icon.addPixmap(pixmap, QIcon::Normal, QIcon::Off);
    return icon;
}

QMenu *getColorMenuByColors(const QString &title, const QMap<Qt::GlobalColor, QString> &colors)
{
    auto *menu = new QMenu(title);
    for (auto it = colors.cbegin(); it != colors.cend(); ++it) {
        const QColor color = colorOfGlobal(it.key());
        auto *action = new ZelBindableQAction(menu);
        action->setData(QVariant::fromValue(color));
        action->setText(it.value());
        action->setIcon(getIconForColor(color, QSize(12, 12)));
        menu->addAction(action);
        action->setCheckable(false);
    }
    return menu;
}

QMenu *getColorMenu(const QString &title)
{
    return getColorMenuByColors(title, getStandartColorMap());
}

QMenu *getColorMenuWithoutTransparent(const QString &title)
{
    return getColorMenuByColors(title, getStandartColorMapWithoutTransparent());
}

namespace {

// The standard colours with their English names, in table order.
const std::pair<Qt::GlobalColor, const QString *> standardColors[] = {
    // clang-format off
    {Qt::black, &trBlackColor},         {Qt::white, &trWhiteColor},
    {Qt::red, &trRedColor},             {Qt::darkRed, &trDarkRedColor},
    {Qt::green, &trGreenColor},         {Qt::darkGreen, &trDarkGreenColor},
    {Qt::blue, &trBlueColor},           {Qt::darkBlue, &trDarkBlueColor},
    {Qt::cyan, &trCyanColor},           {Qt::darkCyan, &trDarkCyanColor},
    {Qt::magenta, &trMagentaColor},     {Qt::darkMagenta, &trDarkMagentaColor},
    {Qt::yellow, &trYellowColor},       {Qt::darkYellow, &trDarkYellowColor},
    {Qt::gray, &trGrayColor},           {Qt::darkGray, &trDarkGrayColor},
    {Qt::lightGray, &trLightGrayColor}, {Qt::transparent, &trTransparentColor},
    // clang-format on
};

} // namespace

const QString *standardColorName(Qt::GlobalColor key)
{
    for (const auto &[global, name] : standardColors) {
        if (global == key)
            return name;
    }
    return nullptr;
}

const QMap<Qt::GlobalColor, QString> &getStandartColorMapWithoutTransparent()
{
    static const QMap<Qt::GlobalColor, QString> colors = [] {
        QMap<Qt::GlobalColor, QString> map;
        for (const auto &[key, name] : standardColors) {
            if (key != Qt::transparent)
                map.insert(key, ZelCore::translateString(*name));
        }
        return map;
    }();
    return colors;
}

const QMap<Qt::GlobalColor, QString> &getStandartColorMap()
{
    // The table above plus transparent, so that both give the same names.
    static const QMap<Qt::GlobalColor, QString> colors = [] {
        QMap<Qt::GlobalColor, QString> map = getStandartColorMapWithoutTransparent();
        map.insert(Qt::transparent, ZelCore::translateString(trTransparentColor));
        return map;
    }();
    return colors;
}

QHash<QString, QColor> prettyColors()
{
    static const QHash<QString, QColor> colors = [] {
        const std::pair<const char *, const char *> table[] = {
            {QT_TRANSLATE_NOOP("QObject", "Navy"), "#001f3f"},   {QT_TRANSLATE_NOOP("QObject", "Blue"), "#0074D9"},
            {QT_TRANSLATE_NOOP("QObject", "Aqua"), "#7FDBFF"},   {QT_TRANSLATE_NOOP("QObject", "Teal"), "#39CCCC"},
            {QT_TRANSLATE_NOOP("QObject", "Olive"), "#3D9970"},  {QT_TRANSLATE_NOOP("QObject", "Green"), "#2ECC40"},
            {QT_TRANSLATE_NOOP("QObject", "Line"), "#01FF70"},   {QT_TRANSLATE_NOOP("QObject", "Yellow"), "#FFDC00"},
            {QT_TRANSLATE_NOOP("QObject", "Orange"), "#FF851B"}, {QT_TRANSLATE_NOOP("QObject", "Red"), "#FF4136"},
            {QT_TRANSLATE_NOOP("QObject", "Maroon"), "#85144b"}, {QT_TRANSLATE_NOOP("QObject", "Funchia"), "#F012BE"},
            {QT_TRANSLATE_NOOP("QObject", "Purple"), "#B10DC9"}, {QT_TRANSLATE_NOOP("QObject", "Black"), "#111111"},
            {QT_TRANSLATE_NOOP("QObject", "Gray"), "#AAAAAA"},   {QT_TRANSLATE_NOOP("QObject", "Silver"), "#DDDDDD"},
        };
        QHash<QString, QColor> hash;
        hash.reserve(int(std::size(table)));
        for (const auto &[name, code] : table)
            hash.insert(QObject::tr(name), QColor::fromString(QLatin1String(code)));
        return hash;
    }();
    return colors;
}

void renderTextStatus(QPainter *painter, const QRect &rect, const QString &text)
{
    if (!painter || !painter->isActive())
        return;

    constexpr int boxLeft = 349, boxRight = 350, boxTop = 124, boxBottom = 125;
    // The centre is taken in 64 bits and kept far enough from the ends of
    // int for the box's corners to exist.
    const auto centre = [](int from, int to, int before, int after) {
        const qint64 c = (qint64(from) + qint64(to)) / 2;
        return int(qBound<qint64>(qint64(std::numeric_limits<int>::min()) + before, c,
                                  qint64(std::numeric_limits<int>::max()) - after));
    };
    const int cx = centre(rect.left(), rect.right(), boxLeft, boxRight);
    const int cy = centre(rect.top(), rect.bottom(), boxTop, boxBottom);
    const QRect box(QPoint(cx - boxLeft, cy - boxTop), QPoint(cx + boxRight, cy + boxBottom));

    const QTextOption option(Qt::AlignCenter);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    painter->setPen(Qt::NoPen);
    painter->setBrush(Qt::black);
    painter->setOpacity(0.95);
    painter->drawRoundedRect(box, 20, 20, Qt::AbsoluteSize);

    painter->setFont(QFont(QStringLiteral("Ubuntu"), 24));
    painter->setOpacity(1.0);
    painter->setPen(Qt::white);
    painter->drawText(QRectF(box), text, option);
}

} // namespace GuiUtils
