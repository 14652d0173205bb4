#pragma once
// The rows of the settings dialog's profile list: one per profile file, with
// its last change and the figures of its information section.
#include <string>
#include <vector>

#include "platform/date_time_format.h"
#include "platform/files.h"

namespace orvx {

struct ProfileRow {
  std::string name;         // the file name without extension
  std::string last_change;  // date and time of the last change
  std::string icons;        // the texts of "Icons", "Res" and "Count", or "n/a"
  std::string resolution;
  std::string monitors;
};

// The date, then a blank and the time unless the time is exactly midnight.
std::string last_change_text(const files::LocalTime& time, const DateTimeFormatter& format);

// One row per profile file of the data folder, in the order the folder lists
// them (the list view sorts them by name).
std::vector<ProfileRow> profile_list_rows(const std::string& data_folder, const DateTimeFormatter& format);

}  // namespace orvx
