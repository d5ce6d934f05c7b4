// zelgui-gallery: every widget of libZelGui on a page of its own.

#include "GalleryApplication.h"
#include "GalleryMainWindow.h"
#include "GalleryScreenshots.h"

#include <ZelCore/ZelAbstractAppConfig.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

// Without a display the gallery still runs (for screenshots, on a build
// machine): it falls back to the offscreen platform. Must happen before the
// application object exists.
void chooseOffscreenWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("No display found: using the offscreen platform.\n", stderr);
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

QString defaultSettingsFile()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("gallery.ini"));
}

} // namespace

int main(int argc, char *argv[])
{
    chooseOffscreenWithoutDisplay();
    GalleryApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The libZelGui gallery: the library's widgets at work."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshotsOption(
        QStringLiteral("screenshots"),
        QStringLiteral("Save a picture of every page into <dir> (NN-<page>.png) and exit. "
                       "Settings start from their defaults."),
        QStringLiteral("dir"));
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"),
        QStringLiteral("Keep the settings in the INI file <file> (default: gallery.ini in the "
                       "application's configuration directory)."),
        QStringLiteral("file"));
    parser.addOption(screenshotsOption);
    parser.addOption(settingsOption);
    parser.process(app);

    const bool screenshots = parser.isSet(screenshotsOption);
    // Screenshots always show the defaults: their settings live in a file of
    // their own that is thrown away afterwards.
    std::unique_ptr<QTemporaryDir> scratch;
    QString settingsFile;
    if (screenshots) {
        scratch = std::make_unique<QTemporaryDir>();
        if (!scratch->isValid()) {
            std::fputs("Cannot create a temporary directory for the settings.\n", stderr);
            return 1;
        }
        settingsFile = scratch->filePath(QStringLiteral("gallery.ini"));
    } else if (parser.isSet(settingsOption)) {
        settingsFile = QFileInfo(parser.value(settingsOption)).absoluteFilePath();
        QDir().mkpath(QFileInfo(settingsFile).absolutePath());
    } else {
        settingsFile = defaultSettingsFile();
    }
    ZelAbstractAppConfig::attachIniFile(settingsFile);

    int result = 0;
    {
        GalleryMainWindow window;
        if (screenshots) {
            result = GalleryScreenshots(&window, parser.value(screenshotsOption)).run();
        } else {
            window.resize(GalleryScreenshots::Width, GalleryScreenshots::Height);
            window.show();
            result = app.exec();
        }
    }
    // The file may be about to go (screenshots); stop writing to it.
    ZelAbstractAppConfig::attachIniFile(QString());
    return result;
}
