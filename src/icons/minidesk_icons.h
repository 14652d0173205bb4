#pragma once
// The map read: the desktop read that the Minidesk draws.
#include <functional>

#include "icons/desktop_access.h"
#include "icons/desktop_icon.h"

namespace orvx::icons {

// Receives the icons of a read that reached the desktop.
using BuildMinideskFrom = std::function<void(const DesktopIcons& icons)>;

// Reads the desktop and hands the whole array to BuildMinidesk, which keeps
// what it needs. When the view cannot be reached, BuildMinidesk is not
// called and the map stays as it was. True when the view was reached.
bool read_minidesk_icons(DesktopAccess& desktop, const BuildMinideskFrom& build_minidesk);

}  // namespace orvx::icons
