#include "lang_online/language_list.h"

#include <algorithm>
#include <optional>

#include "ini/bounded_ini.h"
#include "ini/ini_syntax.h"
#include "platform/compare_versions.h"
#include "platform/files.h"

namespace orvx::lang_online {
namespace {

constexpr char kInfos[] = "INFOS";
constexpr char kMissing[] = "n/a";

LanguageRow row_of(const std::string& path) {
  const ini::IniText file = ini::load_small_ini(path);
  LanguageRow row;
  row.lang = file.value(kInfos, "lang").value_or(kMissing);
  row.publisher = file.value(kInfos, "publisher").value_or(kMissing);
  const std::string version = file.value(kInfos, "orv_v").value_or("0");
  row.status = compare_versions(version, kCurrentLanguageVersion) == kVersionOlder ? kStatusOutdated : kStatusUpToDate;
  return row;
}

bool caption_before(const LanguageRow& a, const LanguageRow& b) {
  return std::lexicographical_compare(a.lang.begin(), a.lang.end(), b.lang.begin(), b.lang.end(), [](char x, char y) {
    return static_cast<unsigned char>(ini::syntax::fold(x)) < static_cast<unsigned char>(ini::syntax::fold(y));
  });
}

}  // namespace

std::vector<LanguageRow> fill_language_list(const std::string& lang_folder) {
  std::vector<LanguageRow> rows;
  for (const files::FolderEntry& entry : files::list_folder(lang_folder, "*.qlf")) {
    if (entry.attributes & files::kDirectory) continue;
    rows.push_back(row_of(files::with_separator(lang_folder) + entry.name));
  }
  rows.push_back({kBuiltInLanguage, kBuiltInPublisher, kStatusUpToDate});
  std::stable_sort(rows.begin(), rows.end(), caption_before);
  return rows;
}

}  // namespace orvx::lang_online
