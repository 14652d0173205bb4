#pragma once
// A point on the screen, in pixels.
#include <cstdint>

namespace orvx {

struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;

  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

}  // namespace orvx
