#include <ZelCore/ZelCore.h>

#include <QCoreApplication>
#include <QRegularExpression>

namespace ZelCore {

const char iconZoomIn[] = ":MAV/res/icons/zoom_in.png";
const char iconZoomOut[] = ":MAV/res/icons/zoom_out.png";
const char iconFolderOpen_40[] = ":ZelGui/res/icons/folder_40.png";

QString translateString(const QString &text)
{
    const QByteArray source = text.toUtf8();
    return QCoreApplication::translate("ZelCore", source.constData());
}

QString toHTMLReference(const QString &url)
{
    const QString text = url.trimmed();
    if (text.isEmpty())
        return QString();
    // A scheme is letters, digits, "+", "-" or "." before a colon; a colon
    // followed by a digit is a port ("example.org:8080"), not a scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]*:(?!\\d)"));
    const QString target = scheme.match(text).hasMatch() ? text : QString(QStringLiteral("https://") + text);
    return QStringLiteral("<a href=\"") + target.toHtmlEscaped() + QStringLiteral("\">") + text.toHtmlEscaped()
        + QStringLiteral("</a>");
}

QString organizationDomain()
{
    const QString domain = QCoreApplication::organizationDomain();
    return domain.isEmpty() ? QStringLiteral("example.org") : domain;
}

} // namespace ZelCore
