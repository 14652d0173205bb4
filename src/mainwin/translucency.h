#pragma once
// How a window is made translucent through its layered-window attributes:
// the alpha for a percentage and what a call has to do.
#include <algorithm>
#include <cstdint>

namespace orvx::mainwin {

// 255 (opaque) at 0 per cent, 191 at 25, 0 at 100. Percentages outside
// 0..100 count as the nearer end.
constexpr uint8_t alpha_for_translucency(int percent) {
  const int clamped = std::clamp(percent, 0, 100);
  return static_cast<uint8_t>((100 - clamped) * 255 / 100);
}

enum class TranslucencyStep {
  kNothing,         // no layered windows on this system, or no window
  kRemoveLayering,  // clear WS_EX_LAYERED: the window is plainly opaque
  kSetAlpha,        // set WS_EX_LAYERED and the alpha
};

struct TranslucencyPlan {
  TranslucencyStep step = TranslucencyStep::kNothing;
  uint8_t alpha = 255;

  friend bool operator==(const TranslucencyPlan&, const TranslucencyPlan&) = default;
};

// `layering_available`: the system has SetLayeredWindowAttributes.
// `auto_opaque`: a window at 0 per cent drops the layered style instead of
// staying layered with alpha 255.
TranslucencyPlan plan_translucency(bool layering_available, bool window_exists, bool auto_opaque, int percent);

}  // namespace orvx::mainwin
