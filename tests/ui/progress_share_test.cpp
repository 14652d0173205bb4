// A progress bar's per cent as the backup drives it: bytes done of the
// current file as a share of its size.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "ui/progress_percent.h"

namespace orvx::ui {
namespace {

struct GaugeCase {
  int32_t position;
  int32_t total;
  int percent;
};

TEST(ProgressPercent, IsTheShareOfTheCurrentFile) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const GaugeCase cases[] = {
      {0, 1000, 0},      {1024, 1000, 100},  // the last chunk may pass a stale size
      {500, 1000, 50},   {999, 1000, 99},   {0, 0, 0},
      {5, 0, 0},                                                   // an empty file
      {-1, 10, 0},       {10, -1, 0},       {kMax - 1, kMax, 99},  // no overflow near 2 GiB
      {kMax, kMax, 100},
  };
  for (const GaugeCase& c : cases) {
    EXPECT_EQ(progress_percent(c.total, c.position), c.percent) << c.position << " of " << c.total;
  }
}

}  // namespace
}  // namespace orvx::ui
