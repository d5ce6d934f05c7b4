#include <ZelGui/ZelPreviewResizer.h>

#include <ZelDip/ZelDIP.h>

#include <QImage>

#include <algorithm>

class ZelPreviewResizerPrivate
{
public:
    Qt::AspectRatioMode aspectRatio = Qt::KeepAspectRatio; // always one of the three modes
    QSize size;
    ZelImage image;
    QString fileName;
};

ZelPreviewResizer::ZelPreviewResizer(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<ZelPreviewResizerPrivate>())
{
}

ZelPreviewResizer::~ZelPreviewResizer() = default;

void ZelPreviewResizer::setAspectRatio(Qt::AspectRatioMode aspectRatio)
{
    // Checked as a number: a value from the meta-object system may be no mode at all.
    const int mode = int(aspectRatio);
    d->aspectRatio = mode == Qt::IgnoreAspectRatio || mode == Qt::KeepAspectRatioByExpanding ? Qt::AspectRatioMode(mode)
                                                                                             : Qt::KeepAspectRatio;
}

void ZelPreviewResizer::setSize(QSize size)
{
    d->size = size;
}

void ZelPreviewResizer::setInput(ZelImage image)
{
    d->image = image;
    d->fileName.clear();
}

void ZelPreviewResizer::setInput(QString imageFileName)
{
    d->fileName = imageFileName;
    d->image = ZelImage();
}

void ZelPreviewResizer::start()
{
    QImage input;
    if (!d->fileName.isEmpty())
        input.load(d->fileName);
    else
        input = d->image.toQImage();
    // A result past a gigapixel is no preview, and Qt's smooth scaler throws
    // instead of failing when it cannot allocate one.
    // Measured in doubles: QSize::scaled() overflows int when it expands to a huge size.
    constexpr double maxPixels = double(qint64(1) << 28);
    double pixels = 0;
    if (!input.isNull() && !d->size.isEmpty()) {
        const double sx = double(d->size.width()) / input.width(), sy = double(d->size.height()) / input.height();
        const double f = d->aspectRatio == Qt::KeepAspectRatio ? std::min(sx, sy) : std::max(sx, sy);
        pixels = d->aspectRatio == Qt::IgnoreAspectRatio ? double(d->size.width()) * d->size.height()
                                                         : input.width() * f * input.height() * f;
    }
    if (input.isNull() || d->size.isEmpty() || pixels > maxPixels) {
        Q_EMIT error();
        return;
    }
    Q_EMIT finished(ZelDIP::fromQImage(input.scaled(d->size, d->aspectRatio, Qt::SmoothTransformation)));
}
