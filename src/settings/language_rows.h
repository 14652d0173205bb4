#pragma once
// The rows of the settings dialog's language list: one per language file of
// the lang folder, named by the file, and the built-in German row.
#include <string>
#include <vector>

namespace orvx::settings {

struct LanguageRow {
  std::string language;  // the file name without ".qlf", or "german"
  std::string author;
  std::string status;
};

std::vector<LanguageRow> language_rows(const std::string& data_folder);

}  // namespace orvx::settings
