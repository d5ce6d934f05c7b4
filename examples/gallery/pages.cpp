#include "pages.h"

#include "ResourcesPage.h"
#include "SettingsPage.h"
// Sliders
#include "SlidersPage.h"
// Range editors
#include "RangeEditorsPage.h"
// Zoom
#include "ZoomPage.h"
// Messages
#include "MessagesPage.h"
// Forms and dialogs
#include "FormsPage.h"
// Views and plots
#include "ViewsPage.h"

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
    &create<SlidersPage>,
    // Range editors
    &create<RangeEditorsPage>,
    // Zoom
    &create<ZoomPage>,
    // Messages
    &create<MessagesPage>,
    // Forms and dialogs
    &create<FormsPage>,
    // Views and plots
    &create<ViewsPage>,
};

} // namespace

QList<GalleryPage *> createGalleryPages(QWidget *parent)
{
    QList<GalleryPage *> pages;
    for (PageFactory factory : pageFactories)
        pages.append(factory(parent));
    return pages;
}
