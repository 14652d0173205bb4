#include "platform/dos_date_time.h"

#include "platform/calendar.h"

namespace orvx::files {

LocalTime decode_dos_date_time(uint16_t dos_date, uint16_t dos_time) {
  LocalTime t;
  t.year = 1980 + (dos_date >> 9);
  t.month = (dos_date >> 5) & 0x0F;
  t.day = dos_date & 0x1F;
  t.hour = dos_time >> 11;
  t.minute = (dos_time >> 5) & 0x3F;
  t.second = (dos_time & 0x1F) * 2;
  return t;
}

std::optional<int64_t> dos_date_time_to_unix(uint16_t dos_date, uint16_t dos_time) {
  return calendar_to_unix(decode_dos_date_time(dos_date, dos_time));
}

}  // namespace orvx::files
