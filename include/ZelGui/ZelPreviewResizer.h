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
    //! Creates a resizer without input and size, in Qt::KeepAspectRatio mode; \a parent owns it.
    explicit ZelPreviewResizer(QObject *parent = nullptr);
    //! Destroys the resizer and the input it keeps.
    ~ZelPreviewResizer() override;

Q_SIGNALS:
    //! start() found no image to resize or an empty size.
    void error();
    //! start() resized the input; \a output is the result.
    void finished(ZelImage output);

public Q_SLOTS:
    //! Sets how the aspect ratio is treated; Qt::KeepAspectRatio by default.
    void setAspectRatio(Qt::AspectRatioMode aspectRatio);
    //! Sets the size to resize to.
    void setSize(QSize size);
    //! Takes \a image as the input, replacing any file name.
    void setInput(ZelImage image);
    //! Takes the file \a imageFileName as the input, loaded at start(); replaces any image.
    void setInput(QString imageFileName);
    //! Resizes now and emits finished() or error().
    void start();

private:
    std::unique_ptr<ZelPreviewResizerPrivate> const d;
};
