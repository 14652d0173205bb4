#pragma once
// Locating the shell's desktop list view: "Progman" > "SHELLDLL_DefView" >
// "SysListView32". With the active desktop the view host sits deeper,
// inside the HTML layer, and is searched among the descendants.
#include <windows.h>

namespace orvx::icons {

// The desktop list view, or nullptr.
HWND find_desktop_list_view();

// True when the shell's desktop view hosts an HTML layer: "Progman" has a
// "SHELLDLL_DefView" child and that has an "HTML_Internet Explorer" child.
bool is_active_desktop_on();

}  // namespace orvx::icons
