#include "support/input_win.h"

#include <string>

#include "support/wait_win.h"
#include "support/windows_win.h"

namespace orvx::test {

void send_click(HWND window, int x, int y) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void post_click(HWND window, int x, int y) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void post_key(HWND window, WPARAM key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

bool choose_menu_item(DWORD process_id, HWND menu, const std::vector<int>& path) {
  for (size_t level = 0; level < path.size(); ++level) {
    // The first Down selects the first item of a menu opened by the mouse;
    // a submenu opened with Right starts at its first item.
    const int downs = level == 0 ? path[level] + 1 : path[level];
    for (int i = 0; i < downs; ++i) post_key(menu, VK_DOWN);
    if (level + 1 == path.size()) {
      post_key(menu, VK_RETURN);
      break;
    }
    post_key(menu, VK_RIGHT);
    const int levels = static_cast<int>(level) + 2;
    const auto opened = wait_for("submenu level " + std::to_string(levels) + " to open",
                                 [&] { return open_menu_levels(process_id) >= levels; });
    if (!opened) {
      ADD_FAILURE() << opened.message();
      return false;
    }
  }
  return true;
}

}  // namespace orvx::test
