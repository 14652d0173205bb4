#pragma once
// Deleting a profile from the settings dialog: its file goes without a
// question. A file that is already gone is no error: the row goes all the
// same, and nothing is reported.
#include <string>
#include <string_view>

namespace orvx::settings {

void delete_profile(const std::string& data_folder, std::string_view profile);

}  // namespace orvx::settings
