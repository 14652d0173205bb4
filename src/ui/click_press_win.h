#pragma once
// The press and release that make a click on a control: the press takes the
// mouse, a release inside the control's client area ends it as a click, and
// a press whose capture is taken away is dropped.
#include <windows.h>

namespace orvx::ui {

class ClickPress {
 public:
  void press(HWND window) {
    pressed_ = true;
    SetCapture(window);
  }

  // True when this release, at `lp` (client coordinates of WM_LBUTTONUP),
  // ends a press inside the window. The mouse is given back either way.
  bool release(HWND window, LPARAM lp) {
    POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    RECT r{};
    GetClientRect(window, &r);
    const bool clicked = pressed_ && PtInRect(&r, p);
    pressed_ = false;
    if (GetCapture() == window) ReleaseCapture();
    return clicked;
  }

  // WM_CAPTURECHANGED.
  void drop() { pressed_ = false; }

  // Between a press and its release or drop.
  bool pressed() const { return pressed_; }

 private:
  bool pressed_ = false;
};

}  // namespace orvx::ui
