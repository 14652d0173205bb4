#include "support/orvane_app_win.h"

#include <shellapi.h>
#include <shlobj.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>

#include "mainwin/main_window_win.h"
#include "ini/ini_file.h"
#include "platform/files.h"
#include "platform/hidden_window_win.h"
#include "tray/taskbar_platform.h"
#include "support/throwaway_prefix_win.h"
#include "ui/caption_bar_win.h"
#include "ui/flat_button_win.h"
#include "ui/program_title.h"

namespace orvx::test {

bool click_caption_button(HWND window, size_t index) {
  HWND bar = find_child(window, ui::kCaptionBarClass);
  if (!bar) return false;
  const POINT button = caption_button_point(bar, index);
  post_click(bar, button.x, button.y);
  return true;
}

HWND wait_tray_icon(DWORD process_id) {
  HWND tray = nullptr;
  // The program has more hidden windows (those of its download
  // components): the icon's is the one the shell knows.
  const bool known = wait_for("the tray icon to be known to the shell", [&] {
    for (HWND hidden : find_process_windows(process_id, win::kHiddenWindowClass, nullptr, false)) {
      NOTIFYICONDATAA data{};
      data.cbSize = NOTIFYICONDATAA_V1_SIZE;
      data.hWnd = hidden;
      data.uFlags = NIF_TIP;
      lstrcpynA(data.szTip, ui::kProgramTitle, sizeof(data.szTip));
      if (Shell_NotifyIconA(NIM_MODIFY, &data)) {
        tray = hidden;
        return true;
      }
    }
    return false;
  });
  return known ? tray : nullptr;
}

void click_tray_icon(HWND tray) {
  PostMessageA(tray, tray::kTrayCallbackMessage, 0, tray::kMouseLeftDown);
  PostMessageA(tray, tray::kTrayCallbackMessage, 0, tray::kMouseLeftUp);
}

bool minimize_to_tray(HWND main) {
  if (!click_caption_button(main, mainwin::kMinimizeButton)) return false;
  return static_cast<bool>(wait_for("the main window to hide", [&] { return !IsWindowVisible(main); }));
}

void press_box_button(HWND box, int button_id) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(button_id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, button_id)));
}

ProgramCopy::ProgramCopy(DataPlace place) : exe_(temp_ / "OrvaneX.exe"), place_(place) {
  if (!CopyFileA((binary_dir() + "\\OrvaneX.exe").c_str(), exe_.c_str(), FALSE)) {
    throw std::runtime_error("cannot copy OrvaneX.exe into " + temp_.path());
  }
  if (place == DataPlace::kPortable) {
    vendor_folder_ = temp_ / "Quillfen\\";
  } else {
    const auto guarded = in_throwaway_prefix();
    if (!guarded) throw std::runtime_error(guarded.message());
    char app_data[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, app_data))) {
      throw std::runtime_error("no application-data folder");
    }
    vendor_folder_ = files::with_separator(app_data) + "Quillfen\\";
    std::error_code ignored;
    std::filesystem::remove_all(vendor_folder_, ignored);
  }
  data_folder_ = vendor_folder_ + "OrvaneX\\";
}

ProgramCopy::~ProgramCopy() {
  if (place_ == DataPlace::kAppData) {
    std::error_code ignored;
    std::filesystem::remove_all(vendor_folder_, ignored);
  }
}

std::string ProgramCopy::config_file() const { return data_folder() + "config.qcf"; }

std::string ProgramCopy::profile_file(const std::string& name) const { return data_folder() + name + ".qpf"; }

void ProgramCopy::set_config(const std::string& section, const std::string& key, const std::string& value) const {
  files::create_folders(data_folder());
  ini::write_string(config_file(), section, key, value);
}

void ProgramCopy::prepare_resolution_profile() const {
  files::create_folders(data_folder());
  files::write_file(profile_file(resolution_profile_name()), "[Info]\r\nCount=0\r\n");
  settle_language_question();
}

void ProgramCopy::settle_language_question() const { set_config("Settings", "lang_menu", "1"); }

std::string resolution_profile_name() {
  return "ORV - " + std::to_string(GetSystemMetrics(SM_CXVIRTUALSCREEN)) + "x" +
         std::to_string(GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

RunningApp::RunningApp(const std::string& exe, const std::string& argument)
    : process_(harness::ChildProcess::start(exe, {.arguments = argument, .folder = files::folder_of(exe)})) {
  // The program reads its input only once it waits for it.
  WaitForInputIdle(process_.handle(), 5000);
}

RunningApp::RunningApp(DWORD process_id) : process_(harness::ChildProcess::attach(process_id)) {}

RunningApp::~RunningApp() {
  if (!running()) return;
  if (HWND main = find_process_window(process_id(), mainwin::kMainWindowClass, ui::kProgramTitle, false)) {
    // Boxes left open by a failed test would hold the Exit up.
    while (HWND box = find_process_window(process_id(), "#32770", nullptr, true)) {
      PostMessageA(box, WM_CLOSE, 0, 0);
      if (!wait_for(
              "a box left open to close", [&] { return !IsWindow(box); }, 5000))
        break;
    }
    for (HWND button : children_of_class(main, ui::kFlatButtonClass)) {
      const std::string text = window_text(button);
      if (text == "Beenden" || text == "Exit") {
        post_click(button);
        break;
      }
    }
  }
  // One that does not end in time is killed as process_ goes.
  wait_exit(10000);
}

HWND RunningApp::main_window(bool visible, int timeout_ms) {
  return wait_process_window(process_id(), mainwin::kMainWindowClass, ui::kProgramTitle, visible, timeout_ms);
}

void RunningApp::click(const char* class_name, const std::string& text) {
  HWND main = main_window(false);
  HWND control = main ? find_child(main, class_name, text) : nullptr;
  if (!control) throw std::runtime_error("no " + std::string(class_name) + " \"" + text + "\" on the main window");
  post_click(control);
}

bool RunningApp::wait_exit(int timeout_ms) { return process_.wait(std::chrono::milliseconds(timeout_ms)); }

bool RunningApp::running() const { return process_.running(); }

std::optional<DWORD> RunningApp::exit_code() const { return process_.exit_code(); }

}  // namespace orvx::test
