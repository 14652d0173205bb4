#pragma once
// Icon positions and the 32-bit message form in which the desktop view
// takes them: x in the low 16 bits, y in the high 16 bits (the Windows
// MAKELONG of the two coordinates). The view reads each half as a signed
// 16-bit number, so -32768..32767 arrive unchanged and everything else
// arrives wrapped (x = 40000 lands at -25536).
#include <cstdint>

namespace orvx::icons {

struct IconPoint {
  int32_t x = 0;
  int32_t y = 0;

  friend bool operator==(const IconPoint&, const IconPoint&) = default;
};

constexpr uint32_t pack_icon_position(IconPoint p) {
  return (static_cast<uint32_t>(p.x) & 0xFFFFu) | ((static_cast<uint32_t>(p.y) & 0xFFFFu) << 16);
}

constexpr IconPoint unpack_icon_position(uint32_t packed) {
  return {static_cast<int16_t>(packed & 0xFFFFu), static_cast<int16_t>(packed >> 16)};
}

}  // namespace orvx::icons
