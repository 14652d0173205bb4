#include "mainwin/window_effects_win.h"

#include "mainwin/window_effects.h"
#include "platform/scoped_win.h"

namespace orvx::mainwin {

static_assert(kBandChangeFlags == (SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE));
static_assert(kDropShadowClassStyle == CS_DROPSHADOW);

bool apply_rounded_shape(HWND window) {
  RECT bounds{};
  if (!GetWindowRect(window, &bounds)) return false;
  win::ScopedGdi<HRGN> region(CreateRoundRectRgn(0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                                                 kWindowCornerDiameter, kWindowCornerDiameter));
  if (!region) return false;
  if (!SetWindowRgn(window, region.get(), TRUE)) return false;  // still ours: deleted here
  region.release();                                             // the window's now
  return true;
}

bool set_topmost(HWND window, bool topmost) {
  return SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kBandChangeFlags) != FALSE;
}

}  // namespace orvx::mainwin
