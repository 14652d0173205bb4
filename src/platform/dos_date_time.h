#pragma once
// MS-DOS date and time values, as FileTimeToDosDateTime and the file time
// stamps of archives and executables carry them.
#include <cstdint>
#include <optional>

#include "platform/files.h"

namespace orvx::files {

// The fields of an MS-DOS date (day bits 0-4, month 5-8, year since 1980
// 9-15) and time (seconds / 2 bits 0-4, minute 5-10, hour 11-15), taken as
// they are: nothing is checked, a zero month stays 0.
LocalTime decode_dos_date_time(uint16_t dos_date, uint16_t dos_time);

// An MS-DOS date and time as Unix seconds, or nullopt when a field is out of
// range (a zero day or month, second 60 or 62, hour 24 and up, ...).
std::optional<int64_t> dos_date_time_to_unix(uint16_t dos_date, uint16_t dos_time);

}  // namespace orvx::files
