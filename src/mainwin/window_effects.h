#pragma once
// The main window's shape, band and shadow, as numbers: the Windows side is
// window_effects_win.h.
#include <cstdint>

#include "platform/system_check.h"

namespace orvx::mainwin {

// The corners of the window's rounded shape: ellipses of this width and
// height (CreateRoundRectRgn's last two arguments).
inline constexpr int32_t kWindowCornerDiameter = 20;

// SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE: the top-most band changes, and
// nothing else.
inline constexpr uint32_t kBandChangeFlags = 0x13;

inline constexpr uint32_t kDropShadowClassStyle = 0x20000;  // CS_DROPSHADOW

// The main window's class style: `usual`, plus the drop shadow on
// Windows XP (5.1).
constexpr uint32_t main_window_class_style(uint32_t usual, const SystemVersion& system) {
  const bool windows_xp = system.major == 5 && system.minor == 1;
  return windows_xp ? usual | kDropShadowClassStyle : usual;
}

}  // namespace orvx::mainwin
