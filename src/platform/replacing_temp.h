#pragma once
// The names of the temporary files of the replacing writes (files.h), for the
// two platform sides that create them.
#include <string>
#include <string_view>

namespace orvx::files {

// folder + kReplacingTempPrefix + unique + kReplacingTempSuffix.
std::string replacing_temp_name(const std::string& folder, std::string_view unique);

}  // namespace orvx::files
