#include "settings_backup/backup_file_name.h"

#include <cstdio>

namespace orvx::settings_backup {

std::string backup_file_name(const files::LocalTime& now) {
  char name[48];
  std::snprintf(name, sizeof name, "%02d_%02d_%04d#%02d_%02d_%02d", now.day, now.month, now.year, now.hour, now.minute,
                now.second);
  return name + std::string(kBackupExtension);
}

}  // namespace orvx::settings_backup
