#pragma once
// The Export / Import section of the settings dialog at work: its two
// buttons export the data folder into a dated backup file in a folder the
// user chooses, and import a backup file into the data folder, all or
// nothing. While one runs, the status strip shows the file at hand and its
// progress, and the cursor is the hourglass; the result comes in a message
// box, after which the strip hides again.
//
// The data folder is the one the dialog was handed; its lang folder is
// never part of a backup.
#include <windows.h>

#include <functional>
#include <string>

#include "lang/translator.h"
#include "platform/prompts.h"
#include "profiles/data_folders.h"
#include "settings_backup/backup_status.h"
#include "ui/flat_button_win.h"
#include "ui/folder_browser_win.h"
#include "ui/label_win.h"
#include "ui/open_file_dialog_win.h"
#include "ui/panel_win.h"
#include "ui/progress_bar_win.h"

namespace orvx::settings {

inline constexpr char kBackupFolderStatusText[] =
    "Wählen Sie das Verzeichniss, in dem Sie das Backup speichern wollen.";
inline constexpr char kBackupFileFilter[] = "ORV Backupfile|*.qbk";
inline constexpr char kBackupDefaultExtension[] = "qbk";
// What set_lab_13 says once a backup has been written or imported.
inline constexpr char kBackupDoneText[] = "OK";

// The section's controls, made and owned by the dialog.
struct BackupTabControls {
  ui::FlatButton& export_button;
  ui::FlatButton& import_button;
  ui::Panel& status_frame_1;
  ui::Label& set_lab_13;
  ui::ProgressBar& pb_progress_1;
};

struct BackupTabHost {
  HWND dialog;  // owns the file dialogs and the message boxes
  const DataFolders& folders;
  Prompts& prompts;
  const lang::Translator& language;
  // An import has replaced files of the data folder: the dialog shows the
  // settings of config.qcf anew.
  std::function<void()> imported;
};

class BackupTab final : private settings_backup::BackupStatus {
 public:
  // Takes over the buttons' clicks.
  BackupTab(BackupTabControls controls, BackupTabHost host);
  BackupTab(const BackupTab&) = delete;
  BackupTab& operator=(const BackupTab&) = delete;

  void on_export_clicked();
  void on_import_clicked();

 private:
  void started() override;
  void file(const std::string& path) override;
  void progress(int32_t position, int32_t total) override;
  void work_ended(bool ok) override;
  void closed() override;

  BackupTabControls controls_;
  BackupTabHost host_;
  ui::FolderBrowser select_file_dialog_save_;
  ui::OpenFileDialog select_file_dialog_open_;
  HCURSOR cursor_before_ = nullptr;
};

}  // namespace orvx::settings
