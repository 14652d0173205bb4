#pragma once
// The name of a settings backup: the moment of the export, local time, as
// "DD_MM_YYYY#hh_nn_ss.qbk" (two digits each, the year four, hours 0 to 23).
#include <string>

#include "platform/files.h"

namespace orvx::settings_backup {

inline constexpr char kBackupExtension[] = ".qbk";

std::string backup_file_name(const files::LocalTime& now);

}  // namespace orvx::settings_backup
