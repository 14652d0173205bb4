#include "support/input_win.h"

#include <cstdint>
#include <string>

#include "support/wait_win.h"
#include "ui/caption_layout.h"
#include "ui/style.h"
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

POINT caption_button_point(HWND bar, size_t index) {
  RECT r{};
  GetClientRect(bar, &r);
  // The buttons are right-aligned: the first index + 1 of them lie where a
  // bar of only those would put them.
  const ui::CaptionLayout layout =
      ui::layout_caption_bar(r.right, r.bottom, static_cast<int>(index) + 1, ui::style::kCaptionButtonWidth, true);
  const ui::Rect& button = layout.buttons.at(index);
  return {button.left + button.width / 2, button.top + button.height / 2};
}

void post_key(HWND window, WPARAM key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

namespace {

// A screen coordinate in the units of an absolute mouse move (0 to 65535 over
// the primary screen), rounded up so that the conversion back, which drops
// the remainder, lands on the same pixel.
LONG absolute_unit(int pixel, int screen_extent) {
  return static_cast<LONG>((int64_t{pixel} * 65536 + screen_extent - 1) / screen_extent);
}

void send_mouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.dx = dx;
  input.mi.dy = dy;
  SendInput(1, &input, sizeof input);
}

}  // namespace

bool mouse_to(POINT at) {
  send_mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, absolute_unit(at.x, GetSystemMetrics(SM_CXSCREEN)),
             absolute_unit(at.y, GetSystemMetrics(SM_CYSCREEN)));
  const auto there = wait_for("the cursor at " + std::to_string(at.x) + "," + std::to_string(at.y), [&] {
    POINT now{};
    return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
  });
  if (!there) ADD_FAILURE() << there.message();
  return there;
}

void left_button(bool down) { send_mouse(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP); }

void left_click() {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
}

HWND capture_of(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  return thread && GetGUIThreadInfo(thread, &info) ? info.hwndCapture : nullptr;
}

bool post_menu_keys(HWND window, const std::vector<WPARAM>& keys) {
  int levels = open_menu_levels(GetCurrentProcessId());
  for (WPARAM key : keys) {
    PostMessageA(window, WM_KEYDOWN, key, 0);
    if (key != VK_RIGHT) continue;
    ++levels;
    const auto opened = wait_for("submenu level " + std::to_string(levels) + " to open",
                                 [&] { return open_menu_levels(GetCurrentProcessId()) >= levels; });
    if (!opened) {
      ADD_FAILURE() << opened.message();
      return false;
    }
  }
  return true;
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
