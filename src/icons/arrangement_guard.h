#pragma once
// Restored positions only stick when the desktop does not arrange its icons
// by itself. This guard warns when auto-arrange or align-to-grid is on, and
// offers the one-time snap of the "Align to Grid" menu command.
#include <string>

#include "icons/desktop_access.h"
#include "platform/prompts.h"

namespace orvx::icons {

// The built-in German text of the arrangement warning (message MSDLG_11).
std::string arrangement_warning_text();

// True when neither mode is on, or when there is no desktop view. Otherwise
// shows `warning` once in a plain message box, waits until it is closed and
// returns false. It checks once; the next restore checks again.
bool check_desktop_arrangement(DesktopAccess& desktop, Prompts& prompts,
                               const std::string& warning = arrangement_warning_text());

// What the Minidesk's "Align to Grid" menu item does: every icon moves to
// its nearest grid position once. No mode is switched on and nothing is
// reported.
void snap_desktop_icons_to_grid(DesktopAccess& desktop);

}  // namespace orvx::icons
