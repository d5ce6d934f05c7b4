#pragma once

#include <ZelCore/zelcore_export.h>

#include <QStringList>

// The fonts the application offers in font choosers.
class ZELCORE_EXPORT ZelFontDataBase
{
public:
    ZelFontDataBase();
    virtual ~ZelFontDataBase();

    // Families that scale smoothly and are not private (system UI) families,
    // sorted case-insensitively. When the system has none of those (a bare
    // offscreen platform), all families. Asks QFontDatabase on every call,
    // so application fonts added later are seen. Needs a QGuiApplication.
    virtual QStringList supportedFontFamilies() const;
};

// Implemented by the host's application object (a QApplication subclass
// that also inherits this interface); widgets find it with
// dynamic_cast<IApplicationWithFontDataBase *>(qApp).
class ZELCORE_EXPORT IApplicationWithFontDataBase
{
public:
    virtual ~IApplicationWithFontDataBase();
    virtual ZelFontDataBase *fontDataBase() = 0;
};
