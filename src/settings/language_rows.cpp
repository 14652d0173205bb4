#include "settings/language_rows.h"

#include "lang/lang_folder.h"
#include "platform/files.h"
#include "profiles/profile_store.h"
#include "settings/settings_save.h"

namespace orvx::settings {

std::vector<LanguageRow> language_rows(const std::string& data_folder) {
  std::vector<LanguageRow> rows;
  const std::string extension = std::string(lang::kLanguageFileExtension).substr(1);
  for (const std::string& file : ListFiles(lang::lang_folder_path(data_folder), extension)) {
    rows.push_back({file.substr(0, file.size() - extension.size() - 1), "", ""});
  }
  rows.push_back({kGermanLanguageRow, "Quillfen", "Up to date"});
  return rows;
}

}  // namespace orvx::settings
