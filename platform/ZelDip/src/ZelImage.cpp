#include <ZelDip/ZelImage.h>

#include <QDataStream>
#include <QDebug>

namespace {

// Bumped when the streamed layout changes.
constexpr quint8 StreamVersion = 1;

// Bytes of one scan line that carry pixels; the rest is alignment padding,
// not streamed.
int pixelBytesPerLine(const QImage &image)
{
    return int((qsizetype(image.width()) * image.depth() + 7) / 8);
}

bool isIndexed(QImage::Format format)
{
    return format == QImage::Format_Mono || format == QImage::Format_MonoLSB || format == QImage::Format_Indexed8;
}

void registerMetaTypes()
{
    // By name, so that QVariants holding images read back from a QDataStream.
    qRegisterMetaType<ZelImage>("ZelImage");
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(registerMetaTypes)

ZelImage::ZelImage(const QImage &image)
    : m_image(image)
{
}

bool ZelImage::operator==(const ZelImage &other) const
{
    // QImage compares size and format first, then pixels: bytes for most
    // formats, colours for indexed ones, RGB32 without its unused byte.
    return m_image == other.m_image;
}

QDataStream &operator<<(QDataStream &out, const ZelImage &image)
{
    const QImage img = image.toQImage();
    out << StreamVersion << qint32(img.isNull() ? QImage::Format_Invalid : img.format());
    if (img.isNull())
        return out;
    out << qint32(img.width()) << qint32(img.height()) << img.devicePixelRatio() << img.colorTable();
    const int bytes = pixelBytesPerLine(img);
    for (int y = 0; y < img.height(); ++y)
        out.writeRawData(reinterpret_cast<const char *>(img.constScanLine(y)), bytes);
    return out;
}

QDataStream &operator>>(QDataStream &in, ZelImage &image)
{
    image = ZelImage();
    quint8 version = 0;
    qint32 format = QImage::Format_Invalid;
    in >> version >> format;
    if (in.status() != QDataStream::Ok)
        return in;
    if (version != StreamVersion || format < QImage::Format_Invalid || format >= QImage::NImageFormats) {
        in.setStatus(QDataStream::ReadCorruptData);
        return in;
    }
    if (format == QImage::Format_Invalid)
        return in;

    qint32 width = 0;
    qint32 height = 0;
    qreal ratio = 1.0;
    QList<QRgb> colors;
    in >> width >> height >> ratio >> colors;
    if (in.status() != QDataStream::Ok)
        return in;
    if (width <= 0 || height <= 0 || !(ratio > 0.0)) {
        in.setStatus(QDataStream::ReadCorruptData);
        return in;
    }

    QImage img(width, height, QImage::Format(format));
    if (img.isNull()) { // too large to allocate: not something we wrote
        in.setStatus(QDataStream::ReadCorruptData);
        return in;
    }
    if (isIndexed(img.format()))
        img.setColorTable(colors);
    img.setDevicePixelRatio(ratio);
    const int bytes = pixelBytesPerLine(img);
    for (int y = 0; y < height; ++y) {
        if (in.readRawData(reinterpret_cast<char *>(img.scanLine(y)), bytes) != bytes) {
            if (in.status() == QDataStream::Ok)
                in.setStatus(QDataStream::ReadPastEnd);
            return in;
        }
    }
    image = ZelImage(img);
    return in;
}

QDebug operator<<(QDebug debug, const ZelImage &image)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "ZelImage(";
    if (image.isNull())
        debug << "null";
    else
        debug << image.width() << 'x' << image.height() << ", " << image.format();
    debug << ')';
    return debug;
}
