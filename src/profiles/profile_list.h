#pragma once
// The rows of the settings dialog's profile list: one per profile file, with
// its last change and the figures of its information section.
#include <string>
#include <vector>

#include "platform/date_time_format.h"
#include "platform/files.h"

namespace orvx {

struct ProfileRow {
  std::string Name;        // the file name without extension
  std::string LastChange;  // date and time of the last change
  std::string Icons;       // the texts of "Icons", "Res" and "Count", or "n/a"
  std::string Resolution;
  std::string Monitors;
};

// The date, then a blank and the time unless the time is exactly midnight.
std::string LastChangeText(const files::LocalTime& time, const DateTimeFormatter& format);

// One row per profile file of the data folder, in the order the folder lists
// them (the list view sorts them by name).
std::vector<ProfileRow> ProfileListRows(const std::string& data_folder,
                                         const DateTimeFormatter& format);

}  // namespace orvx
