#pragma once
// The rows of the settings dialog's list of installed languages.
#include <string>
#include <vector>

namespace orvx::lang_online {

struct LanguageRow {
  std::string lang;       // caption: INFOS lang, "n/a" when missing
  std::string publisher;  // INFOS publisher, "n/a" when missing
  std::string status;     // "outdated" or "Up to date"

  friend bool operator==(const LanguageRow&, const LanguageRow&) = default;
};

// The language files in this version's form or newer are up to date.
inline constexpr char kCurrentLanguageVersion[] = "1.02";
inline constexpr char kStatusOutdated[] = "outdated";
inline constexpr char kStatusUpToDate[] = "Up to date";
inline constexpr char kBuiltInLanguage[] = "german";
inline constexpr char kBuiltInPublisher[] = "Quillfen";

// One row per ".qlf" file of `lang_folder`, then the built-in German row,
// sorted by caption without regard to case (rows of equal captions keep
// their order). Status: "outdated" when INFOS orv_v (default "0") is older
// than kCurrentLanguageVersion by CompareVersions.
std::vector<LanguageRow> fill_language_list(const std::string& lang_folder);

}  // namespace orvx::lang_online
