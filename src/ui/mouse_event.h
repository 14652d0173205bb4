#pragma once
// Mouse buttons and the shift state handed to mouse events: which modifier
// keys and mouse buttons were down when the event happened.
#include <cstdint>

namespace orvx {

enum class MouseButton { kLeft, kRight, kMiddle };

struct ShiftState {
  bool shift = false;
  bool alt = false;
  bool ctrl = false;
  bool left = false;
  bool right = false;
  bool middle = false;

  friend bool operator==(const ShiftState&, const ShiftState&) = default;
};

// The state as GetKeyState reports it: a key is down when the high bit of
// its 16-bit state is set (the low bit is the toggle state).
constexpr bool key_state_is_down(int16_t state) { return (static_cast<uint16_t>(state) & 0x8000u) != 0; }

}  // namespace orvx
