#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "config/placement_rule.h"

namespace orvx::config {
namespace {

TEST(PlacementRule, ThreeCasesAgainstTheWorkArea) {
  struct Case {
    const char* what;
    int32_t stored, end, size, current, expected;
  };
  const Case cases[] = {
      {"nothing stored: left centred", -1, 1280, 410, 7, 435},
      {"nothing stored: top centred", -1, 994, 314, 7, 340},
      {"window just fits at the right edge", 870, 1280, 410, 7, 870},
      {"one pixel too far right", 871, 1280, 410, 7, 435},
      {"a monitor left of the primary one", -50, 1280, 410, 7, 435},
      {"a monitor right of the primary one", 2000, 1280, 410, 7, 7},
      {"exactly at the work area's end", 1280, 1280, 410, 7, 435},
      {"one past the end", 1281, 1280, 410, 7, 7},
      {"at the origin", 0, 1280, 410, 7, 0},
      {"odd sizes truncate", -1, 1279, 411, 7, 639 - 205},
      {"window wider than the work area", 0, 800, 1000, 7, -100},
      {"negative centre truncates toward zero", -1, 3, 10, 7, 1 - 5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(restored_coordinate(c.stored, c.end, c.size, c.current), c.expected) << c.what;
  }
}

TEST(PlacementRule, ExtremeStoredValuesDoNotOverflow) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(restored_coordinate(kMax, 1280, 410, 7), 7);
  EXPECT_EQ(restored_coordinate(kMin, 1280, 410, 7), 435);
  EXPECT_EQ(restored_coordinate(-1, kMax, kMin, 7), kMax / 2 - kMin / 2);
  EXPECT_EQ(restored_coordinate(0, kMin, kMax, 7), 7);
}

}  // namespace
}  // namespace orvx::config
