#include "GalleryScreenshots.h"

#include "GalleryMainWindow.h"
#include "GalleryPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>

GalleryScreenshots::GalleryScreenshots(GalleryMainWindow *window, const QString &directory)
    : m_window(window)
    , m_directory(directory)
{
}

void GalleryScreenshots::settle()
{
    // Layouts, deferred deletes and timers queued by a page showing need a
    // few rounds of the event loop before the picture is right.
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::processEvents();
}

int GalleryScreenshots::run()
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QDir dir(m_directory);
    if (!dir.mkpath(QStringLiteral("."))) {
        err << "Cannot create the directory " << m_directory << '\n';
        return 1;
    }

    m_window->resize(Width, Height);
    m_window->show();
    settle();

    for (int i = 0; i < m_window->pageCount(); ++i) {
        m_window->setCurrentPage(i);
        settle();
        const QString name =
            QStringLiteral("%1-%2.png").arg(i + 1, 2, 10, QLatin1Char('0')).arg(m_window->page(i)->slug());
        const QString path = dir.absoluteFilePath(name);
        if (!m_window->grab().save(path, "PNG")) {
            err << "Cannot write " << path << '\n';
            return 1;
        }
        out << path << Qt::endl;
    }
    return 0;
}
