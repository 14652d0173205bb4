// The backup's gauge: bytes done of the current file as a share of its size.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "settings/backup_gauge.h"

namespace orvx::settings {
namespace {

struct GaugeCase {
  int32_t position;
  int32_t total;
  int percent;
};

TEST(BackupGauge, IsTheShareOfTheCurrentFile) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const GaugeCase cases[] = {
      {0, 1000, 0},     {1024, 1000, 100},  // the last chunk may pass a stale size
      {500, 1000, 50},  {999, 1000, 99},
      {0, 0, 0},        {5, 0, 0},          // an empty file
      {-1, 10, 0},      {10, -1, 0},
      {kMax - 1, kMax, 99},  // no overflow near 2 GiB
      {kMax, kMax, 100},
  };
  for (const GaugeCase& c : cases) {
    EXPECT_EQ(gauge_percent(c.position, c.total), c.percent) << c.position << " of " << c.total;
  }
}

}  // namespace
}  // namespace orvx::settings
