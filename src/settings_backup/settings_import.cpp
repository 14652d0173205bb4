#include "settings_backup/settings_import.h"

#include <exception>

#include "platform/error_report.h"
#include "settings_backup/settings_unpack.h"
#include "platform/message_ids.h"

namespace orvx::settings_backup {

ImportResult import_settings(const std::string& backup_file, const std::string& data_folder, BackupStatus& status,
                             Prompts& prompts, const lang::Translator& lang) {
  ImportResult result;
  status.started();
  std::exception_ptr failure;
  try {
    unpack_settings(backup_file, data_folder, status);
    result.reread_settings = true;
  } catch (...) {
    failure = std::current_exception();
    result.error = errors::describe_exception(failure);
  }
  status.work_ended(result.reread_settings);
  prompts.show_message(
      lang.message(result.reread_settings ? message_ids::kImportSucceeded : message_ids::kImportFailed));
  status.closed();
  if (failure) errors::report_exception(failure);
  return result;
}

}  // namespace orvx::settings_backup
