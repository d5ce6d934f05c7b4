#pragma once

#include <QList>

class GalleryPage;
class QWidget;

// Creates the gallery's pages in the order they are listed.
QList<GalleryPage *> createGalleryPages(QWidget *parent = nullptr);
