// What the start-up sequence and the show steps ask of the main window.
#include <windows.h>

#include "minidesk/error_icon_list_win.h"
#include "mainwin/main_window_win.h"
#include "minidesk/minidesk_view_win.h"
#include "mainwin/system_folders_win.h"
#include "tray/taskbar_icon_win.h"
#include "mainwin/translucent_window_win.h"
#include "mainwin/version_win.h"
#include "ui/window_placement_win.h"
#include "lang/save_resource_win.h"
#include "ui/label_win.h"
#include "ui/panel_win.h"
#include "ui/program_title.h"
#include "ui/resource_names.h"
#include "ui/style.h"

namespace orvx::mainwin {

void Torvx_form::create_error_list_window() {
  // Hidden until the Minidesk's alert image is clicked; listed with the
  // windows, so that the language reaches it.
  error_icon_list_ = std::make_unique<Terror_icon_list>(hwnd(), minidesk_, &windows_);
}

DataFolders Torvx_form::locate_data_folders() { return mainwin::locate_data_folders(start_switch_); }

bool Torvx_form::write_english_language_file(const std::string& path) {
  return lang::save_resource_to_file(RT_RCDATA, "ENGLISH", path);
}

void Torvx_form::restore_placement(const std::string& data_folder) {
  placement_ = std::make_unique<ui::WindowPlacement>(hwnd(), kMainWindowName, data_folder, prompts_);
}

void Torvx_form::show_tray_icon() {
  TNA_ = std::make_unique<ShellTaskbarIcon>("TNA", hwnd());
  tray::TantTaskbarIcon& icon = TNA_->icon();
  icon.SetHint(ui::kProgramTitle);
  icon.OnClick = [this](tray::TantTaskbarIcon&) { command([this] { show_main_window(); })(); };
  icon.SetVisible(true);
  TNA_->SetIcon(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), ui::kProgramIcon, IMAGE_ICON, 16, 16, LR_SHARED)));
}

void Torvx_form::show_version_line() { versions_label_->set_caption(own_version_line()); }

void Torvx_form::make_opaque() { Trans_Wnd_->ApplyTranslucency(0); }

uint16_t Torvx_form::user_default_lang_id() { return GetUserDefaultLangID(); }

void Torvx_form::show_language_chooser() {
  if (show_chooser_) show_chooser_();
}

void Torvx_form::terminate_application() {
  terminating_ = true;
  PostQuitMessage(0);
}

void Torvx_form::process_messages() {
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
