#pragma once
// Calendar arithmetic for the build time: MS-DOS date and time values, Unix
// seconds and the date-time value (days since 1899-12-30, the fraction being
// the time of day). No time zones anywhere: a value is shown as recorded.
#include <cstdint>
#include <optional>

namespace orvx::app {

struct CalendarTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  int day_of_week = 0;  // 0 Sunday to 6 Saturday; not read by calendar_to_unix

  bool operator==(const CalendarTime&) const = default;
};

// Seconds since 1970-01-01 00:00:00 of a calendar time taken as it is.
// nullopt for a field out of range (month 1-12, day within the month, hour
// 0-23, minute and second 0-59).
std::optional<int64_t> calendar_to_unix(const CalendarTime& t);

// An MS-DOS date (day bits 0-4, month 5-8, year since 1980 9-15) and time
// (seconds / 2 bits 0-4, minute 5-10, hour 11-15) as Unix seconds, or
// nullopt when a field is out of range (a zero day or month, second 60 or
// 62, hour 24 and up, ...).
std::optional<int64_t> dos_date_time_to_unix(uint16_t dos_date, uint16_t dos_time);

// seconds / 86400 + 25569: days since 1899-12-30.
double unix_to_datetime(int64_t seconds);

// The calendar fields of a date-time value, to the millisecond (values from
// 1899-12-30 on).
CalendarTime calendar_from_datetime(double datetime);

}  // namespace orvx::app
