#pragma once
// Where profiles live and how they are named: every file "<name>.qpf"
// directly in the data folder is the profile <name>.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "profiles/screen_size.h"

namespace orvx {

inline constexpr std::string_view kProfileExtension = "qpf";

// The data folder, the name without blanks and control characters at either
// end, and ".qpf". No other character is changed.
std::string profile_file_name(const std::string& data_folder, std::string_view profile_name);

// Why a name entered by the user cannot become a profile file.
enum class ProfileNameProblem {
  kNone,
  kEmpty,               // nothing left after trimming
  kForbiddenCharacter,  // one of \ / : * ? " < > | or a control character
  kDeviceName,          // CON, PRN, AUX, NUL, COM1-9, LPT1-9, with any extension
  kTooLong,             // "<name>.qpf" longer than a file name may be
  kQuotedAtEnd,         // begins or ends with ' (the configuration would lose it)
};
ProfileNameProblem find_profile_name_problem(std::string_view profile_name);

// Whether a name entered by the user can become a profile file: no problem
// above.
bool is_usable_profile_name(std::string_view profile_name);

// The standard profile of a screen size: "ORV - 1280x1024".
std::string resolution_profile_name(ScreenSize screen_size);

// Profile names in the order the folder lists them (not sorted). Folders and
// names that only match "*.qpf" through their short form are left out.
std::vector<std::string> list_profiles(const std::string& data_folder);

// File names with their extension, of the files "*.<extension>" in a folder,
// in the order the folder lists them. Folders are left out.
std::vector<std::string> list_files(const std::string& folder, std::string_view extension);

// The zero date-time: 30 December 1899, 00:00:00.
inline constexpr files::LocalTime kZeroDate{1899, 12, 30, 0, 0, 0};

// Last change of a file in local time, or the zero date when it cannot be read.
files::LocalTime file_change_time(const std::string& file_name);

// The sum of the sizes of the entries directly in a folder, in bytes.
uint64_t data_folder_size(const std::string& folder);

}  // namespace orvx
