#pragma once
// The lang folder: the subfolder "lang" of the data folder, holding the
// language files "<name>.qlf".
#include <string>
#include <string_view>

#include "platform/prompts.h"

namespace orvx::lang {

inline constexpr std::string_view kLanguageFileExtension = ".qlf";
inline constexpr char kLangFolderFailedMessage[] = "Lang Folder could not be create";

std::string lang_folder_path(const std::string& data_folder);

// The path of the lang folder's file for the language `name`, the file name
// compared without regard to case ("english" finds "English.qlf"); empty when
// there is none. Only files directly in the lang folder are found: a name
// with a path in it finds nothing.
std::string find_language_file(const std::string& lang_folder, std::string_view name);

// True when the lang folder exists or was created; otherwise tells the user
// and returns false.
bool ensure_lang_folder(const std::string& data_folder, Prompts& prompts);

}  // namespace orvx::lang
