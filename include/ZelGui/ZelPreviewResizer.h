#pragma once

#include <ZelGui/zelgui_export.h>

#include <ZelDip/ZelImage.h>

#include <QObject>
#include <QSize>
#include <QString>

#include <memory>

class ZelPreviewResizerPrivate;

//! Resizes an image, or the image of a file, to a size with an aspect-ratio
//! mode, for previews:
//!
//!     resizer.setSize(QSize(320, 240));
//!     resizer.setInput(path);
//!     connect(&resizer, &ZelPreviewResizer::finished, this, &Panel::showPreview);
//!     resizer.start();
//!
//! start() works synchronously in the caller's thread and announces the
//! result, or error() when there is no image to resize (no input, a file
//! that does not load) or the size is empty. The input and the settings stay
//! for further starts; the last setInput() wins. The mode defaults to
//! Qt::KeepAspectRatio, the size to none. Scaling is smooth.
class ZELGUI_EXPORT ZelPreviewResizer : public QObject
{
    Q_OBJECT
public:
    explicit ZelPreviewResizer(QObject *parent = nullptr);
    ~ZelPreviewResizer() override;

Q_SIGNALS:
    void error();
    void finished(ZelImage output);

public Q_SLOTS:
    void setAspectRatio(Qt::AspectRatioMode aspectRatio);
    void setSize(QSize size);
    void setInput(ZelImage image);
    void setInput(QString imageFileName);
    void start();

private:
    std::unique_ptr<ZelPreviewResizerPrivate> const d;
};
