#pragma once

#include <QString>

class GalleryMainWindow;

// Shows each page of the window in turn and saves a picture of the whole
// window per page as DIR/NN-<slug>.png, printing each path.
class GalleryScreenshots
{
public:
    static constexpr int Width = 1100;
    static constexpr int Height = 720;

    GalleryScreenshots(GalleryMainWindow *window, const QString &directory);

    // 0 on success; on failure a message went to stderr.
    int run();

private:
    static void settle();

    GalleryMainWindow *m_window;
    QString m_directory;
};
