#pragma once
// The icon operations: each one is one complete access cycle on the desktop
// it is given. When the desktop cannot be reached (no view, the shell's
// process cannot be opened, another cycle is in progress, or the view stops
// answering during the cycle) they do nothing and report nothing; a read
// that the view stopped answering yields nothing, and a restore stops at
// that point. The one error that escapes is the platform's, when the
// buffer in the shell's process cannot be reserved (a SystemError).
#include <optional>
#include <string>

#include "icons/desktop_access.h"
#include "icons/desktop_icon.h"
#include "icons/icon_position.h"

namespace orvx::icons {

// The most items a read believes a desktop view holds. A desktop shows its
// icons on a grid no finer than an icon, 32 pixels: a 2560 x 1600 screen
// holds 80 x 50 = 4,000 of them, eight such screens 32,000. 65,536 lies
// above anything a desktop can show and bounds a read to 65,536 items;
// a view that reports more (or a negative count) is not a desktop we can
// read, and counts as unreachable.
inline constexpr int kMostDesktopItems = 65536;

// Every item of the desktop in item order; nullopt when the view was not
// reached or reports an item count outside 0 to kMostDesktopItems, an empty
// array for a desktop without icons.
std::optional<DesktopIcons> read_desktop_icons(DesktopAccess& desktop);

// Moves every item found by an entry's caption to that entry's position, in
// array order. Entries naming no item are skipped, items no entry names keep
// their places. Only the first item of a repeated caption can be found, so
// a list naming it twice leaves it at the later entry's position.
void restore_desktop_icons(DesktopAccess& desktop, const DesktopIcons& icons);

// Moves the first item with this caption to `to`.
void move_desktop_icon(DesktopAccess& desktop, const std::string& caption, IconPoint to);

}  // namespace orvx::icons
