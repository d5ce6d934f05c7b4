#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

// One page of the gallery: a widget family shown at work. The main window
// lists pages by title and icon and puts the title and description above
// the page.
class GalleryPage : public QWidget
{
    Q_OBJECT
public:
    explicit GalleryPage(QWidget *parent = nullptr);

    virtual QString title() const = 0;
    virtual QIcon icon() const = 0;
    // One or two sentences on what the page shows.
    virtual QString description() const;

    // The title as a file-name friendly word ("Settings registry" gives
    // "settings-registry"); screenshots are named after it.
    QString slug() const;
};
