#pragma once
// The import of the settings: a backup file unpacked into the data folder,
// replacing files of the same name, then the result message.
#include <string>

#include "lang/translator.h"
#include "platform/prompts.h"
#include "settings_backup/backup_status.h"

namespace orvx::settings_backup {

struct ImportResult {
  // The data folder now holds the backup's files; MSDLG_4c was shown. The
  // caller re-reads the settings from config.qcf and shows them, so that
  // what it shows and later saves is the imported configuration. False:
  // MSDLG_4d was shown, the data folder is as it was, and `error` says why.
  bool reread_settings = false;
  std::string error;
};

// Unpacks `backup_file` into `data_folder` all or nothing (settings_unpack.h),
// shows MSDLG_4c or MSDLG_4d and hands a failure to the general error
// handling after the message.
ImportResult import_settings(const std::string& backup_file, const std::string& data_folder, BackupStatus& status,
                             Prompts& prompts, const lang::Translator& lang);

}  // namespace orvx::settings_backup
