// A minimal host: uses one thing from each library the installed package brings.

#include <ZelGui/ZelGuiResources.h>
#include <ZelGui/ZelGuiSettings.h>

#include <ZelCore/SettingStore.h>
#include <ZelDip/ZelDIP.h>
#include <ZelLog/ZelLog.h>

#include <qwt_plot.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTranslator>

#include <cstdio>

static int fail(const char *what)
{
    std::fprintf(stderr, "consumer: %s\n", what);
    return 1;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    if (settingIconSize() != 30)
        return fail("settingIconSize() is not the registered default");
    if (!SettingStore::Self() || !SettingStore::Self()->contains(QStringLiteral("notifications/panorama")))
        return fail("the library's keys are not registered");

    QTranslator translator;
    if (!translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm")))
        return fail("the Russian translation does not load");
    if (!QFile::exists(QStringLiteral(":/ZelGui/res/icons/folder_40.png")))
        return fail("the icons are not registered");

    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    if (ZelDIP::fromQImage(image).isNull())
        return fail("ZelDIP::fromQImage lost the image");

    ZelLog::setEchoToQt(false);
    ZelLog::logStream("Consumer", "int main(int, char **)", __FILE__, __LINE__) << "started";
    if (ZelLog::records().isEmpty())
        return fail("the log sink recorded nothing");

    QwtPlot plot;
    plot.setTitle(QStringLiteral("consumer"));

    std::printf("consumer: ok\n");
    return 0;
}
