#pragma once
// MS-DOS date and time values, as FileTimeToDosDateTime and the file time
// stamps of archives and executables carry them.
#include <cstdint>

#include "platform/files.h"

namespace orvx::files {

// The fields of an MS-DOS date (day bits 0-4, month 5-8, year since 1980
// 9-15) and time (seconds / 2 bits 0-4, minute 5-10, hour 11-15), taken as
// they are: nothing is checked, a zero month stays 0.
LocalTime decode_dos_date_time(uint16_t dos_date, uint16_t dos_time);

}  // namespace orvx::files
