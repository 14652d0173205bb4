#pragma once
// Calendar arithmetic: Unix seconds, calendar fields (files::LocalTime) and
// the date-time value (days since 1899-12-30, the fraction being the time of
// day). No time zones anywhere: a value is shown as recorded. MS-DOS date
// and time values: dos_date_time.h.
#include <cstdint>
#include <optional>

#include "platform/files.h"

namespace orvx {

// Seconds since 1970-01-01 00:00:00 of a calendar time taken as it is.
// nullopt for a field out of range (month 1-12, day within the month, hour
// 0-23, minute and second 0-59).
std::optional<int64_t> calendar_to_unix(const files::LocalTime& t);

// seconds / 86400 + 25569: days since 1899-12-30.
double unix_to_datetime(int64_t seconds);

// The calendar fields of a date-time value, to the millisecond (values from
// 1899-12-30 on).
files::LocalTime calendar_from_datetime(double datetime);

}  // namespace orvx
