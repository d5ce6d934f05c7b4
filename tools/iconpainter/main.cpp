// zel_iconpainter: draws the icons of libZelGui and of its gallery.
//
//   zel_iconpainter --library DIR   the library's icons
//   zel_iconpainter --host DIR      the gallery's icons
//   zel_iconpainter --designer DIR  the Designer plugin's widget-box icons

#include "DesignerIcons.h"
#include "HostIcons.h"
#include "IconWriter.h"
#include "LibraryIcons.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Nothing is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("zel_iconpainter"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the icons of libZelGui and of its gallery as PNG files."));
    parser.addHelpOption();
    const QCommandLineOption libraryOption(
        QStringLiteral("library"), QStringLiteral("Write the library's icons into <dir>."), QStringLiteral("dir"));
    const QCommandLineOption hostOption(QStringLiteral("host"), QStringLiteral("Write the gallery's icons into <dir>."),
                                        QStringLiteral("dir"));
    const QCommandLineOption designerOption(QStringLiteral("designer"),
                                            QStringLiteral("Write the Designer plugin's icons into <dir>."),
                                            QStringLiteral("dir"));
    parser.addOption(libraryOption);
    parser.addOption(hostOption);
    parser.addOption(designerOption);
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parser.isSet(libraryOption) && !parser.isSet(hostOption) && !parser.isSet(designerOption)) {
        err << "Nothing to do: give --library DIR, --host DIR and/or --designer DIR.\n";
        return 2;
    }

    const auto writeSet = [&](const QString &dir, const QList<IconRecipe> &recipes) {
        IconWriter writer(dir);
        const bool ok = writer.write(recipes);
        for (const QString &path : writer.writtenFiles())
            out << path << '\n';
        if (!ok)
            err << "zel_iconpainter: " << writer.errorString() << '\n';
        return ok;
    };

    if (parser.isSet(libraryOption) && !writeSet(parser.value(libraryOption), libraryIcons()))
        return 1;
    if (parser.isSet(hostOption) && !writeSet(parser.value(hostOption), hostIcons()))
        return 1;
    if (parser.isSet(designerOption) && !writeSet(parser.value(designerOption), designerIcons()))
        return 1;
    return 0;
}
