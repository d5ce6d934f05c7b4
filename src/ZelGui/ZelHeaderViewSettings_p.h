#pragma once

// The active column profile of each header: declared here so that every
// unit working with header views registers it.

#include <ZelCore/RegisterSettings.h>
#include <ZelGui/ZelGuiSettings.h>

ZEL_DECLARE_SETTING(settingHeaderActiveProfile, "elements/activeprofile", QVariant::fromValue(ActiveProfile()), true)
