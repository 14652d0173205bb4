#pragma once
// A language name from the catalogue is untrusted: it becomes both a part of
// the download address and the file name lang folder + name + ".qlf". Only a
// name that can be a plain file directly in the lang folder is fetched.
#include <cstddef>
#include <string>
#include <string_view>

namespace orvx::lang_online {

enum class NameProblem {
  kNone,
  kEmpty,
  kForbiddenCharacter,  // \ / : * ? " < > | or a control character
  kDotName,             // "." or ".."
  kDeviceName,          // CON, PRN, AUX, NUL, COM1..COM9, LPT1..LPT9, CLOCK$
  kTooLong,             // the file's path would not fit a Windows path
};

// The longest file path the program hands to the system (MAX_PATH less its
// terminating NUL).
inline constexpr size_t kMaxPathLength = 259;

// Checks `name` as it would be saved in `lang_folder` (a path ending with a
// separator). Blanks inside or around the name are allowed.
NameProblem check_language_name(std::string_view name, std::string_view lang_folder);

// What the user is told when a chosen name is refused (English, like the
// other texts of the download).
std::string name_problem_message(std::string_view name, NameProblem problem);

}  // namespace orvx::lang_online
