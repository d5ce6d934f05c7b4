#include <ZelGui/ZelPreviewResizer.h>

#include <ZelDip/ZelDIP.h>

#include <QImage>

class ZelPreviewResizerPrivate
{
public:
    Qt::AspectRatioMode aspectRatio = Qt::KeepAspectRatio;
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
    d->aspectRatio = aspectRatio;
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
    if (input.isNull() || d->size.isEmpty()) {
        Q_EMIT error();
        return;
    }
    Q_EMIT finished(ZelDIP::fromQImage(input.scaled(d->size, d->aspectRatio, Qt::SmoothTransformation)));
}
