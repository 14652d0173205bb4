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

// Every item of the desktop in item order; nullopt when the view was not
// reached, an empty array for a desktop without icons.
std::optional<TDesktopIconInfoArray> ReadDesktopIcons(DesktopAccess& desktop);

// Moves every item found by an entry's caption to that entry's position, in
// array order. Entries naming no item are skipped, items no entry names keep
// their places. Only the first item of a repeated caption can be found, so
// a list naming it twice leaves it at the later entry's position.
void RestoreDesktopIcons(DesktopAccess& desktop, const TDesktopIconInfoArray& icons);

// Moves the first item with this caption to `to`.
void MoveDesktopIcon(DesktopAccess& desktop, const std::string& caption, IconPoint to);

}  // namespace orvx::icons
