#pragma once
// Unpacks a settings backup into the data folder, all or nothing.
//
// Every record is read, checked and inflated into a file beside its target
// before the first file of the folder is replaced; only then are the files
// replaced, each by one atomic move. Should a replacement fail, the ones
// before it are undone. So a failure at any point leaves the folder's files
// as they were, and no temporary file behind. Files the backup does not
// hold stay.
//
// A settings backup holds the files lying directly in the data folder: a
// record with a folder part ("lang\x.qlf", "sub\config.qcf") refuses the
// whole backup, and so does any name that is not a plain file name (a
// device such as "CON", a path, ".."), a name of a leftover of an
// interrupted write, a name of a subfolder that exists, and a read-only
// file that would be replaced. A later record of the same name wins.
#include <string>

#include "settings_backup/backup_status.h"

namespace orvx::settings_backup {

// Throws backup::ContainerError for a damaged, cut-off or refused backup and
// for files that cannot be written; the folder is then unchanged.
void unpack_settings(const std::string& backup_file, const std::string& data_folder, BackupStatus& status);

}  // namespace orvx::settings_backup
