#pragma once
// Input as the mouse and the keyboard would give it: sent or posted to a
// window's own thread, or given to the system as a user's mouse would.
// Input acts after the call returns: wait for the state it leads to (the
// capture taken, a menu shown) before the next input.
#include <windows.h>

#include <vector>

namespace orvx::test {

// A left click at a client point: press and release. send_click returns
// once the window has handled both; post_click returns at once.
void send_click(HWND window, int x = 5, int y = 5);
void post_click(HWND window, int x = 5, int y = 5);

// The middle of a caption bar's button in the bar's client coordinates, as
// the bar lays its buttons out: `index` 0 is the rightmost button.
POINT caption_button_point(HWND bar, size_t index);

// A key pressed and released, posted to the window with the focus.
void post_key(HWND window, WPARAM key);

// The system's mouse (SendInput). mouse_to moves the cursor to a screen
// point and waits until it is there; false when it did not get there in
// time. left_button presses or releases the left button where the cursor
// is; left_click does both at once, as one click.
bool mouse_to(POINT at);
void left_button(bool down);
void left_click();

// The window that holds the mouse capture on the thread of `window` (of any
// process), or nullptr.
HWND capture_of(HWND window);

// Posts `keys` to `window` for a popup menu of this process: after each Right
// the submenu it opens is waited for before the next key. False when one did
// not open in time.
bool post_menu_keys(HWND window, const std::vector<WPARAM>& keys);

// Chooses in the popup menu that a process shows now: `path` holds, per menu
// level, the position of the item among the shown items (0 is the first).
// Each submenu is waited for before keys go into it; the item of the last
// level is chosen with Return. False when a submenu did not open in time.
bool choose_menu_item(DWORD process_id, HWND menu, const std::vector<int>& path);

}  // namespace orvx::test
