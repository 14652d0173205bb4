// What the start-up sequence and the show steps ask of the main window.
#include <windows.h>

#include "minidesk/error_list_window_win.h"
#include "mainwin/main_window_win.h"
#include "minidesk/minidesk_view_win.h"
#include "mainwin/system_folders_win.h"
#include "tray/tray_icon_win.h"
#include "mainwin/translucent_window_win.h"
#include "mainwin/version_win.h"
#include "lang/save_resource_win.h"
#include "ui/label_win.h"
#include "ui/panel_win.h"
#include "ui/program_title.h"
#include "ui/resource_names.h"
#include "ui/style.h"

namespace orvx::mainwin {

void MainWindow::create_error_list_window() {
  // Hidden until the Minidesk's alert image is clicked; listed with the
  // windows, so that the language reaches it.
  error_list_window_ = std::make_unique<ErrorListWindow>(hwnd(), minidesk_, &windows_);
}

DataFolders MainWindow::locate_data_folders() { return mainwin::locate_data_folders(start_switch_); }

bool MainWindow::write_english_language_file(const std::string& path) {
  return lang::save_resource_to_file(RT_RCDATA, "ENGLISH", path);
}

void MainWindow::restore_placement(const std::string& data_folder) {
  keep_position(kMainWindowName, data_folder, prompts_);
}

void MainWindow::show_tray_icon() {
  tray_icon_ = std::make_unique<ShellTrayIcon>("TNA", hwnd());
  tray::TrayIcon& icon = tray_icon_->icon();
  icon.set_hint(ui::kProgramTitle);
  icon.on_click = [this](tray::TrayIcon&) { show_main_window(); };
  icon.set_visible(true);
  tray_icon_->set_icon(
      static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), ui::kProgramIcon, IMAGE_ICON, 16, 16, LR_SHARED)));
}

void MainWindow::show_version_line() { version_label_->set_caption(own_version_line()); }

void MainWindow::make_opaque() { translucency_->apply_translucency(0); }

uint16_t MainWindow::user_default_lang_id() { return GetUserDefaultLangID(); }

void MainWindow::show_language_chooser() {
  if (show_chooser_) show_chooser_();
}

void MainWindow::terminate_application() {
  terminating_ = true;
  PostQuitMessage(0);
}

void MainWindow::process_messages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave the end of the program to the message loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace orvx::mainwin
