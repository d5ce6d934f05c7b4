#pragma once

//! \file
//! The library's embedded resources (translations and icons) form the Qt
//! resource collection "ZelGui". It is registered while the library loads and
//! unregistered when it unloads; these calls do the same by hand and both
//! return 1.
//!
//! \verbatim
//!   :/ZelGui/res/lang/zelgui_96.qm    Russian translation
//!   :/ZelGui/res/lang/zelgui_31.qm    English (the source texts; empty)
//!   :/ZelGui/res/icons/<name>.png     window_close, element_remove,
//!                                     folder_40, intermediate_slider, cancel,
//!                                     messagebox_info, element_add
//! \endverbatim
//!
//! The library installs no translator: the host loads the file of its
//! language into a QTranslator.

#include <ZelGui/zelgui_export.h>

//! Registers the resource collection "ZelGui"; returns 1.
ZELGUI_EXPORT int qInitResources_ZelGui();
//! Unregisters the resource collection "ZelGui"; returns 1.
ZELGUI_EXPORT int qCleanupResources_ZelGui();
