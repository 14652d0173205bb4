#include "lang/lang_folder.h"

#include "platform/ansi_text.h"
#include "platform/files.h"

namespace orvx::lang {

std::string lang_folder_path(const std::string& data_folder) { return files::with_separator(data_folder) + "lang"; }

std::string find_language_file(const std::string& lang_folder, std::string_view name) {
  const std::string wanted = std::string(name) + std::string(kLanguageFileExtension);
  for (const auto& entry : files::list_folder(lang_folder, "*")) {
    if (entry.attributes & files::kDirectory) continue;
    if (text::equal_ignoring_case(entry.name, wanted)) return files::with_separator(lang_folder) + entry.name;
  }
  return {};
}

bool ensure_lang_folder(const std::string& data_folder, Prompts& prompts) {
  const std::string folder = lang_folder_path(data_folder);
  if (files::folder_exists(folder) || files::create_folder(folder)) return true;
  prompts.show_message(kLangFolderFailedMessage);
  return false;
}

}  // namespace orvx::lang
