#include <ZelGui/GuiUtils.h>

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QTextOption>

#include <limits>

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
