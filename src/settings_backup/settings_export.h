#pragma once
// The export of the settings: every file lying directly in the data folder
// (config.qcf, the profiles, any other file) into one backup file named after
// the moment of the export, then the result message.
#include <string>

#include "lang/translator.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "settings_backup/backup_status.h"

namespace orvx::settings_backup {

struct ExportResult {
  // The backup file is complete at `path`; MSDLG_4a was shown. Otherwise
  // MSDLG_4b was shown and `error` says why.
  bool created = false;
  std::string path;
  std::string error;
};

// Packs `data_folder` (not its subfolders, at zlib's default level) into
// `target_folder` + backup_file_name(now), shows MSDLG_4a or MSDLG_4b and
// hands a failure to the general error handling after the message.
//
// The backup is written beside its final name and put in place only when
// complete: a failed export leaves no file behind, and a file of the same
// name (an export in the same second) is replaced only by a complete backup.
// Leftovers of interrupted writes (files::is_replacing_temp_name) are not
// packed.
ExportResult export_settings(const std::string& data_folder, const std::string& target_folder,
                             const files::LocalTime& now, BackupStatus& status, Prompts& prompts,
                             const lang::Translator& lang);

}  // namespace orvx::settings_backup
