#include "pages.h"

#include "ResourcesPage.h"
#include "SettingsPage.h"
// Sliders
// Range editors
// Zoom
// Messages

namespace {

using PageFactory = GalleryPage *(*)(QWidget *parent);

template<class Page>
GalleryPage *create(QWidget *parent)
{
    return new Page(parent);
}

// The pages, in the order the gallery lists them. A new widget family adds
// its page here.
const PageFactory pageFactories[] = {
    &create<SettingsPage>,
    &create<ResourcesPage>,
    // Sliders
    // Range editors
    // Zoom
    // Messages
};

} // namespace

QList<GalleryPage *> createGalleryPages(QWidget *parent)
{
    QList<GalleryPage *> pages;
    for (PageFactory factory : pageFactories)
        pages.append(factory(parent));
    return pages;
}
