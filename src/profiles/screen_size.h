#pragma once
#include <cstdint>

namespace orvx {

// Width and height of the whole virtual screen in pixels.
struct ScreenSize {
  int32_t width = 0;
  int32_t height = 0;
};

}  // namespace orvx
