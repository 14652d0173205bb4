#pragma once
// The icons the Minidesk draws: the result of the last map read.
#include <functional>

#include "icons/desktop_access.h"
#include "icons/desktop_icon.h"

namespace orvx::icons {

// The array of the last successful map read (empty before the first).
const TDesktopIconInfoArray& MinideskIcons();

// The map read: reads the desktop, replaces MinideskIcons as a whole and
// then calls BuildMinidesk (the Minidesk redraws from MinideskIcons). When
// the view cannot be reached, neither MinideskIcons nor the map changes and
// BuildMinidesk is not called. True when the view was reached.
bool ReadMinideskIcons(DesktopAccess& desktop, const std::function<void()>& BuildMinidesk);

}  // namespace orvx::icons
