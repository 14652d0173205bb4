#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "config/interval_minutes.h"

namespace orvx::config {
namespace {

TEST(IntervalMinutes, ShownMinutesDropTheRemainderAndStayWithinOneToSixty) {
  struct Case {
    int32_t milliseconds;
    int minutes;
  };
  const Case cases[] = {
      {60000, 1},
      {90000, 1},
      {30000, 1},
      {0, 1},
      {-60000, 1},
      {120000, 2},
      {179999, 2},
      {3600000, 60},
      {3660000, 60},
      {std::numeric_limits<int32_t>::max(), 60},
      {std::numeric_limits<int32_t>::min(), 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(interval_to_minutes(c.milliseconds), c.minutes) << c.milliseconds;
  }
}

TEST(IntervalMinutes, StoredIntervalIsMinutesTimesSixtyThousand) {
  EXPECT_EQ(minutes_to_interval(1), 60000);
  EXPECT_EQ(minutes_to_interval(7), 420000);
  EXPECT_EQ(minutes_to_interval(60), 3600000);
  EXPECT_EQ(minutes_to_interval(0), 60000);
  EXPECT_EQ(minutes_to_interval(1000000), 3600000);
  // A stored 30 seconds shows 1 minute and is saved back as 60000.
  EXPECT_EQ(minutes_to_interval(interval_to_minutes(30000)), 60000);
}

}  // namespace
}  // namespace orvx::config
