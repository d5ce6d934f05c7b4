#pragma once

#include <ZelDip/zeldip_export.h>

#include <QImage>
#include <QMetaType>
#include <QSize>

class QDataStream;
class QDebug;

// An image as the imaging library passes it around: a value type, implicitly
// shared through the QImage it wraps. Default-constructed it is null.
class ZELDIP_EXPORT ZelImage
{
public:
    ZelImage() = default;
    // Takes the image as it is; ZelDIP::fromQImage() also brings it into the
    // library's pixel format.
    explicit ZelImage(const QImage &image);

    bool isNull() const { return m_image.isNull(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QSize size() const { return m_image.size(); }
    QImage::Format format() const { return m_image.format(); }
    QImage toQImage() const { return m_image; }

    // Same size, same format and same pixels (for indexed images: the same
    // colours, for RGB32 ignoring the unused byte).
    bool operator==(const ZelImage &other) const;
    bool operator!=(const ZelImage &other) const { return !(*this == other); }

private:
    QImage m_image;
};

// Raw and lossless: format, size, device pixel ratio, colour table and the
// scan lines as they are. A null image streams as just its null format.
ZELDIP_EXPORT QDataStream &operator<<(QDataStream &out, const ZelImage &image);
ZELDIP_EXPORT QDataStream &operator>>(QDataStream &in, ZelImage &image);
ZELDIP_EXPORT QDebug operator<<(QDebug debug, const ZelImage &image);

Q_DECLARE_METATYPE(ZelImage)
