// The fields of MS-DOS date and time values.
#include <array>

#include <gtest/gtest.h>

#include "platform/dos_date_time.h"

namespace orvx::files {
namespace {

TEST(DosDateTime, DecodesEveryFieldAsRecorded) {
  struct Case {
    uint16_t date;
    uint16_t time;
    LocalTime fields;
  };
  const Case cases[] = {
      {0x0021, 0x0000, {1980, 1, 1, 0, 0, 0}},
      {0x3A4D, 0xBBEF, {2009, 2, 13, 23, 31, 30}},  // every field wide enough to tell its neighbours apart
      {0xFF9F, 0xBF7D, {2107, 12, 31, 23, 59, 58}},
      {0x0000, 0xFFFF, {1980, 0, 0, 31, 63, 62}},  // out of range, yet taken as it is
  };
  for (const Case& c : cases) {
    const LocalTime t = decode_dos_date_time(c.date, c.time);
    EXPECT_EQ(
        (std::array{t.year, t.month, t.day, t.hour, t.minute, t.second}),
        (std::array{c.fields.year, c.fields.month, c.fields.day, c.fields.hour, c.fields.minute, c.fields.second}))
        << std::hex << c.date << " " << c.time;
  }
}

}  // namespace
}  // namespace orvx::files
