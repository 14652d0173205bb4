#include "settings/backup_tab_win.h"

#include "platform/files.h"
#include "platform/local_clock.h"
#include "settings_backup/settings_export.h"
#include "settings_backup/settings_import.h"
#include "ui/progress_percent.h"

namespace orvx::settings {

BackupTab::BackupTab(BackupTabControls controls, BackupTabHost host)
    : controls_(controls),
      host_(std::move(host)),
      select_file_dialog_save_(kBackupFolderStatusText),
      select_file_dialog_open_(
          ui::OpenFileDialogArgs{.filter = kBackupFileFilter, .default_extension = kBackupDefaultExtension}) {
  controls_.export_button.set_on_click([this] { on_export_clicked(); });
  controls_.import_button.set_on_click([this] { on_import_clicked(); });
}

void BackupTab::on_export_clicked() {
  const std::optional<std::string> folder = select_file_dialog_save_.execute(host_.dialog);
  if (!folder) return;
  settings_backup::export_settings(host_.folders.data, *folder, files::local_now(), *this, host_.prompts,
                                   host_.language);
}

void BackupTab::on_import_clicked() {
  const std::optional<std::string> backup = select_file_dialog_open_.execute(host_.dialog);
  if (!backup) return;
  const settings_backup::ImportResult result =
      settings_backup::import_settings(*backup, host_.folders.data, *this, host_.prompts, host_.language);
  if (result.reread_settings && host_.imported) host_.imported();
}

void BackupTab::started() {
  controls_.set_lab_13.set_caption("");
  controls_.pb_progress_1.set_position(0);
  controls_.status_frame_1.set_visible(true);
  UpdateWindow(controls_.status_frame_1.hwnd());
  cursor_before_ = SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

void BackupTab::file(const std::string& path) {
  controls_.set_lab_13.set_caption(files::name_of(path));
  UpdateWindow(controls_.set_lab_13.hwnd());
}

void BackupTab::progress(int32_t position, int32_t total) {
  controls_.pb_progress_1.set_position(ui::progress_percent(total, position));
  UpdateWindow(controls_.pb_progress_1.hwnd());
}

void BackupTab::work_ended(bool ok) {
  SetCursor(cursor_before_ ? cursor_before_ : LoadCursor(nullptr, IDC_ARROW));
  cursor_before_ = nullptr;
  if (!ok) return;
  controls_.pb_progress_1.set_position(0);
  controls_.set_lab_13.set_caption(kBackupDoneText);
  UpdateWindow(controls_.status_frame_1.hwnd());
}

void BackupTab::closed() { controls_.status_frame_1.set_visible(false); }

}  // namespace orvx::settings
