#pragma once
#include <cstdint>

namespace orvx {

// Width and height of the whole virtual screen in pixels.
struct ScreenSize {
  int32_t width = 0;
  int32_t height = 0;
};

// The screen as update_layout measures it: recorded in every profile, and
// the size names the standard profile of the resolution.
struct ScreenMeasures {
  ScreenSize size;
  int32_t monitor_count = 1;
};

}  // namespace orvx
