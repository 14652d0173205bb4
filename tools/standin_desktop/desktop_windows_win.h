#pragma once
// The stand-in's window chain, as the shell builds its desktop:
//   "Progman" (full screen, the desktop colour)
//     "SHELLDLL_DefView"
//       "SysListView32" in icon view
// and with the active desktop:
//   "Progman"
//     "SHELLDLL_DefView"
//       "HTML_Internet Explorer"
//         "SHELLDLL_DefView"
//           "SysListView32"
// "Progman" takes the commands of standin_protocol.h.
#include <windows.h>

#include "desktop_state_win.h"
#include "options.h"

namespace standin {

// Builds the chain, hidden. False when a window cannot be made.
bool create_desktop_windows(HINSTANCE instance, const Options& options, DesktopState& state);

}  // namespace standin
