#pragma once

#include <ZelCore/zelcore_export.h>

#include <QString>

namespace ZelCore {

// Translates a colour name (or another short term shared by the family's
// applications) in the translation context "ZelCore", so that a translator
// installed by the host application supplies it.
ZELCORE_EXPORT QString translateString(const QString &text);

// An HTML link to url showing url as written: <a href="URL">URL</a>. An
// address without a scheme gets "https://" in the link target. Both parts
// are HTML-escaped; surrounding whitespace is dropped; an empty url gives an
// empty string.
ZELCORE_EXPORT QString toHTMLReference(const QString &url);

// QCoreApplication::organizationDomain(), or "example.org" when the
// application did not set one (never an empty string, so it can be used to
// build identifiers).
ZELCORE_EXPORT QString organizationDomain();

extern ZELCORE_EXPORT const char iconZoomIn[];
extern ZELCORE_EXPORT const char iconZoomOut[];
extern ZELCORE_EXPORT const char iconFolderOpen_40[];

} // namespace ZelCore
