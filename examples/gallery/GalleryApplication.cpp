#include "GalleryApplication.h"

#include <QIcon>

GalleryApplication::GalleryApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("ZelGui"));
    setApplicationName(QStringLiteral("zelgui-gallery"));
    setApplicationDisplayName(QStringLiteral("libZelGui Gallery"));
    setApplicationVersion(QStringLiteral(ZELGUI_GALLERY_VERSION));
    setWindowIcon(QIcon(QStringLiteral(":/KIV/res/icons/main_wnd_icon.png")));
}

GalleryApplication::~GalleryApplication() = default;

ZelFontDataBase *GalleryApplication::fontDataBase()
{
    return &m_fontDataBase;
}
