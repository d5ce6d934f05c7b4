#pragma once

#include <ZelCore/IApplicationWithFontDataBase.h>

#include <QApplication>

// The gallery's application object. Like every host of the library it
// offers the font database through IApplicationWithFontDataBase, which the
// library's font choosers look up on qApp.
class GalleryApplication : public QApplication, public IApplicationWithFontDataBase
{
    Q_OBJECT
public:
    GalleryApplication(int &argc, char **argv);
    ~GalleryApplication() override;

    ZelFontDataBase *fontDataBase() override;

private:
    ZelFontDataBase m_fontDataBase;
};
