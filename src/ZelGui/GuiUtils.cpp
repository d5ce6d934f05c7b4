#include <ZelGui/GuiUtils.h>

#include <QCoreApplication>

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

} // namespace GuiUtils
