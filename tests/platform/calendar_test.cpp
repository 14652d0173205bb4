// MS-DOS date and time values, Unix seconds and date-time values.
#include <cstdint>
#include <optional>

#include <gtest/gtest.h>

#include "platform/calendar.h"
#include "platform/dos_date_time.h"

namespace orvx {
namespace {

constexpr uint16_t dos_date(int year, int month, int day) { return uint16_t((year - 1980) << 9 | month << 5 | day); }
constexpr uint16_t dos_time(int hour, int minute, int second) {
  return uint16_t(hour << 11 | minute << 5 | second / 2);
}

struct DosCase {
  uint16_t date;
  uint16_t time;
  std::optional<int64_t> seconds;
};

class DosDateTimeTest : public testing::TestWithParam<DosCase> {};

TEST_P(DosDateTimeTest, ConvertsAsRecorded) {
  EXPECT_EQ(files::dos_date_time_to_unix(GetParam().date, GetParam().time), GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Table, DosDateTimeTest,
                         testing::Values(DosCase{dos_date(1980, 1, 1), dos_time(0, 0, 0), 315532800},
                                         DosCase{dos_date(2009, 2, 13), dos_time(23, 31, 30), 1234567890},
                                         DosCase{dos_date(2000, 2, 29), dos_time(12, 0, 58), 951825658},
                                         DosCase{dos_date(2107, 12, 31), dos_time(23, 59, 58), 4354819198},
                                         // Out of range fields fail instead of rolling over.
                                         DosCase{0, 0, std::nullopt},                      // day and month 0
                                         DosCase{dos_date(2001, 0, 1), 0, std::nullopt},   // month 0
                                         DosCase{dos_date(2001, 13, 1), 0, std::nullopt},  // month 13
                                         DosCase{dos_date(2001, 2, 29), 0, std::nullopt},  // no leap year
                                         DosCase{dos_date(2100, 2, 29), 0, std::nullopt},  // no leap year
                                         DosCase{dos_date(2001, 4, 31), 0, std::nullopt},  // April has 30 days
                                         DosCase{dos_date(2001, 1, 1), dos_time(24, 0, 0), std::nullopt},
                                         DosCase{dos_date(2001, 1, 1), dos_time(0, 60, 0), std::nullopt},
                                         DosCase{dos_date(2001, 1, 1), uint16_t(30), std::nullopt},    // second 60
                                         DosCase{dos_date(2001, 1, 1), uint16_t(31), std::nullopt}));  // second 62

TEST(UnixToDatetime, CountsDaysSince18991230) {
  EXPECT_DOUBLE_EQ(unix_to_datetime(0), 25569.0);
  EXPECT_DOUBLE_EQ(unix_to_datetime(86400), 25570.0);
  EXPECT_DOUBLE_EQ(unix_to_datetime(43200), 25569.5);
  EXPECT_DOUBLE_EQ(unix_to_datetime(-2209161600), 0.0);  // 1899-12-30 itself
  EXPECT_DOUBLE_EQ(unix_to_datetime(1234567890), 39857.0 + 84690.0 / 86400);
}

TEST(CalendarFromDatetime, RecoversEverySecondItWasGiven) {
  struct Case {
    int64_t seconds;
    files::LocalTime expected;
  };
  const Case cases[] = {
      {0, {1970, 1, 1, 0, 0, 0, 0, 4}},
      {1234567890, {2009, 2, 13, 23, 31, 30, 0, 5}},
      {951825658, {2000, 2, 29, 12, 0, 58, 0, 2}},
      {4354819199, {2107, 12, 31, 23, 59, 59, 0, 6}},
      {-2209161600, {1899, 12, 30, 0, 0, 0, 0, 6}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(calendar_from_datetime(unix_to_datetime(c.seconds)), c.expected) << c.seconds;
    EXPECT_EQ(calendar_to_unix(c.expected), c.seconds);
  }
  // A whole day of seconds survives the trip through the fraction.
  for (int64_t s = 1234512000; s < 1234512000 + 86400; ++s) {
    files::LocalTime t = calendar_from_datetime(unix_to_datetime(s));
    ASSERT_EQ(calendar_to_unix(t), s);
    ASSERT_EQ(t.millisecond, 0);
  }
}

}  // namespace
}  // namespace orvx
