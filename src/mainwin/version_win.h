#pragma once
// The version and the build time of a program file, as the version line and
// the update check use them.
#include <string>

namespace orvx::mainwin {

// The four-part file version from the version resource of `program_file`,
// such as "1.2.3.4"; empty when the file has no readable version resource.
std::string get_version_string(const std::string& program_file);

// The same for the running program file.
std::string get_version_string();

// A date-time value (days since 1899-12-30) in the user's short date format
// and long time format, separated by a space. Empty when the value is out of
// the system's range.
std::string format_local_datetime(double datetime);

// The version line of the running program: "Version: ", the version string,
// " - " and the program file's build time, taken as recorded.
std::string own_version_line();

}  // namespace orvx::mainwin
