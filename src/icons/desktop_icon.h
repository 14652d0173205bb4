#pragma once
// The desktop icon record under the name the profile code uses: one type for
// the icon access and the profile files, so that icons read from the desktop
// go into a profile, and icons read from a profile go back to the desktop,
// without a copy.
#include "icons/desktop_icon_info.h"

namespace orvx {

using icons::TDesktopIconInfo;
using icons::TDesktopIconInfoArray;

}  // namespace orvx
