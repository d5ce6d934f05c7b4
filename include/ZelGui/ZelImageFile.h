#pragma once

//! \file
//! The entry of an image-file list.

#include <ZelDip/ZelImage.h>

#include <QMetaType>
#include <QPixmap>
#include <QSize>
#include <QString>

//! One entry of ZelImageFileItemModel: an image file with its preview, tool
//! tip and a reduced copy of the image for later processing. Entries are
//! created one by one and held by pointer; once handed to the model the
//! model owns them.
struct ZelImageFile
{
    //! The preview: the image scaled into 350 x 350 pixels.
    QPixmap pixmap;
    //! What the list shows as the entry's picture; its size gives the row's
    //! size hint.
    QPixmap iconPixmap;
    //! The path as it was given to the model.
    QString path;
    //! File name, path, file size and resolution.
    QString toolTip;
    //! Free for the host; the library neither sets nor reads it.
    QSize size;
    //! True once the entry was built from a loaded image.
    bool loaded = false;
    //! The image reduced to fit 800 x 800 pixels.
    ZelImage scaledFull;
};

Q_DECLARE_METATYPE(ZelImageFile *)
