#pragma once
// Input as the mouse and the keyboard would give it, sent or posted to a
// window's own thread. Posted input acts after the call returns: wait for the
// state it leads to (the capture taken, a menu shown) before the next input.
#include <windows.h>

#include <vector>

namespace orvx::test {

// A left click at a client point: press and release. send_click returns
// once the window has handled both; post_click returns at once.
void send_click(HWND window, int x = 5, int y = 5);
void post_click(HWND window, int x = 5, int y = 5);

// A key pressed and released, posted to the window with the focus.
void post_key(HWND window, WPARAM key);

// Chooses in the popup menu that a process shows now: `path` holds, per menu
// level, the position of the item among the shown items (0 is the first).
// Each submenu is waited for before keys go into it; the item of the last
// level is chosen with Return. False when a submenu did not open in time.
bool choose_menu_item(DWORD process_id, HWND menu, const std::vector<int>& path);

}  // namespace orvx::test
