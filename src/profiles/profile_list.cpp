#include "profiles/profile_list.h"

#include "ini/bounded_ini.h"
#include "ini/ini_file.h"
#include "profiles/profile_file.h"
#include "profiles/profile_store.h"

namespace orvx {

std::string LastChangeText(const files::LocalTime& time, const DateTimeFormatter& format) {
  std::string text = format.short_date(time);
  if (time.hour != 0 || time.minute != 0 || time.second != 0) {
    text += ' ';
    text += format.long_time(time);
  }
  return text;
}

std::vector<ProfileRow> ProfileListRows(const std::string& data_folder,
                                         const DateTimeFormatter& format) {
  std::vector<ProfileRow> rows;
  std::string folder = files::with_separator(data_folder);
  for (const std::string& file : ListFiles(folder, kProfileExtension)) {
    std::string path = folder + file;
    ini::IniText text = ini::load_small_ini(path);
    auto info = [&](std::string_view key) {
      return text.value(kProfileInfoSection, key).value_or("n/a");
    };
    ProfileRow row;
    row.Name = file.substr(0, file.size() - kProfileExtension.size() - 1);
    row.LastChange = LastChangeText(FileChangeTime(path), format);
    row.Icons = info("Icons");
    row.Resolution = info("Res");
    row.Monitors = info("Count");
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace orvx
