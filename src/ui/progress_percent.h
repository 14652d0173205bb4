#pragma once
// A download's progress as the 0..100 of a progress bar.
#include <algorithm>
#include <cstdint>

namespace orvx::ui {

// `done` of `total` bytes in whole per cent, rounded down and kept within
// 0..100. Unknown total (0 or less): 0.
constexpr int progress_percent(int64_t total, int64_t done) {
  if (total <= 0 || done <= 0) return 0;
  return static_cast<int>(std::min<int64_t>(done * 100 / total, 100));
}

}  // namespace orvx::ui
