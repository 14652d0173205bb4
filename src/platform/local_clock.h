#pragma once
// The current local date and time, for names made from the moment (a backup
// file's name).
#include "platform/files.h"

namespace orvx::files {

// Now, in the user's time zone, to the second.
LocalTime local_now();

}  // namespace orvx::files
