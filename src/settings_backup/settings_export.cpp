#include "settings_backup/settings_export.h"

#include <exception>

#include "backup/container_error.h"
#include "backup/backup_container.h"
#include "platform/error_report.h"
#include "platform/replacing_temp.h"
#include "settings_backup/backup_file_name.h"
#include "platform/message_ids.h"

namespace orvx::settings_backup {

namespace {

// Packs into `temp` and moves it over `path`; `temp` is gone afterwards
// whether or not this succeeds.
void pack_into(const std::string& data_folder, const std::string& temp, const std::string& path, BackupStatus& status) {
  BackupContainer zip;
  zip.compression_level = -1;
  zip.excluded = [](const std::string& name) { return files::is_replacing_temp_name(name); };
  zip.on_compressing_file = [&](BackupContainer&, const std::string& file) { status.file(file); };
  zip.on_progress = [&](BackupContainer&, int32_t position, int32_t total) { status.progress(position, total); };
  try {
    zip.pack_folder(data_folder, false, temp);
    if (!files::replace_file(temp, path)) {
      throw backup::ContainerError("cannot put the backup in place as " + path + ": " + files::describe_last_error());
    }
  } catch (...) {
    if (files::file_exists(temp)) files::delete_file(temp);
    throw;
  }
}

}  // namespace

ExportResult export_settings(const std::string& data_folder, const std::string& target_folder,
                             const files::LocalTime& now, BackupStatus& status, Prompts& prompts,
                             const lang::Translator& lang) {
  ExportResult result;
  const std::string folder = files::with_separator(target_folder);
  result.path = folder + backup_file_name(now);
  // Named as a leftover of an interrupted write: should the program die
  // half-way, the next export does not pack it.
  const std::string temp = files::replacing_temp_name(folder, backup_file_name(now));

  status.started();
  std::exception_ptr failure;
  try {
    pack_into(data_folder, temp, result.path, status);
  } catch (...) {
    failure = std::current_exception();
    result.error = errors::describe_exception(failure);
  }
  status.work_ended(true);
  // A file of that name from an earlier export in the same second may still
  // be there after a failure; only this export's success counts.
  result.created = !failure && files::file_exists(result.path);
  prompts.show_message(lang.message(result.created ? message_ids::kBackupCreated : message_ids::kBackupFailed));
  status.closed();
  if (failure) errors::report_exception(failure);
  return result;
}

}  // namespace orvx::settings_backup
