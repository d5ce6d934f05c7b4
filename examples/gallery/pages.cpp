#include "pages.h"

#include "ResourcesPage.h"
#include "SettingsPage.h"
// Sliders
#include "SlidersPage.h"
// Range editors
#include "RangeEditorsPage.h"
// Zoom
#include "ZoomPage.h"
// Colour
#include "ColourPage.h"
// Colour pickers
#include "ColourPickersPage.h"
// Messages
#include "MessagesPage.h"
// Tables
#include "TablesPage.h"
// Element tables, property trees and value combo boxes
#include "ValuesPage.h"
// Docks
#include "DocksPage.h"
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
    // Colour
    &create<ColourPage>,
    // Colour pickers
    &create<ColourPickersPage>,
    // Messages
    &create<MessagesPage>,
    // Tables
    &create<TablesPage>,
    // Element tables, property trees and value combo boxes
    &create<ValuesPage>,
    // Docks
    &create<DocksPage>,
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
