#pragma once
// Deleting a profile from the settings dialog: its file goes without a
// question. A file that is already gone is no error: the row goes all the
// same, and nothing is reported. A file that stays (read-only, or held open
// by another program) keeps its row, and the user is told which file it is.
#include <string>
#include <string_view>

namespace orvx::settings {

// True when the profile's file is gone afterwards.
bool delete_profile(const std::string& data_folder, std::string_view profile);

}  // namespace orvx::settings
