#include "profiles/profile_list.h"

#include "ini/bounded_ini.h"
#include "ini/ini_file.h"
#include "profiles/profile_file.h"
#include "profiles/profile_store.h"

namespace orvx {

std::string last_change_text(const files::LocalTime& time, const DateTimeFormatter& format) {
  std::string text = format.short_date(time);
  if (time.hour != 0 || time.minute != 0 || time.second != 0) {
    text += ' ';
    text += format.long_time(time);
  }
  return text;
}

std::vector<ProfileRow> profile_list_rows(const std::string& data_folder, const DateTimeFormatter& format) {
  std::vector<ProfileRow> rows;
  std::string folder = files::with_separator(data_folder);
  for (const std::string& file : list_files(folder, kProfileExtension)) {
    std::string path = folder + file;
    ini::IniText text = ini::load_small_ini(path);
    auto info = [&](std::string_view key) { return text.value(kProfileInfoSection, key).value_or("n/a"); };
    ProfileRow row;
    row.name = file.substr(0, file.size() - kProfileExtension.size() - 1);
    row.last_change = last_change_text(file_change_time(path), format);
    row.icons = info("Icons");
    row.resolution = info("Res");
    row.monitors = info("Count");
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace orvx
