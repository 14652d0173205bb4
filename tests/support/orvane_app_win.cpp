#include "support/orvane_app_win.h"

#include <shlobj.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>

#include "config/ini_file.h"
#include "platform/files.h"

namespace orvx::test {
namespace {

using Clock = std::chrono::steady_clock;

struct WindowSearch {
  DWORD process_id;
  const char* class_name;
  const char* title;
  bool visible_only;
  HWND found = nullptr;
};

BOOL CALLBACK match_top_level(HWND window, LPARAM lp) {
  auto* search = reinterpret_cast<WindowSearch*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process_id) return TRUE;
  if (search->visible_only && !IsWindowVisible(window)) return TRUE;
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, search->class_name) != 0) return TRUE;
  if (search->title && window_text(window) != search->title) return TRUE;
  search->found = window;
  return FALSE;
}

struct ChildSearch {
  const char* class_name;
  std::vector<HWND> found;
};

BOOL CALLBACK collect_children(HWND window, LPARAM lp) {
  auto* search = reinterpret_cast<ChildSearch*>(lp);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, search->class_name) == 0) search->found.push_back(window);
  return TRUE;
}

std::vector<HWND> children_of_class(HWND parent, const char* class_name) {
  ChildSearch search{class_name};
  EnumChildWindows(parent, &collect_children, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void post_key(HWND window, WPARAM key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

}  // namespace

bool wait_until(const std::function<bool()>& done, int timeout_ms) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    if (done()) return true;
    if (Clock::now() >= deadline) return false;
    // The test's own thread keeps answering what is sent to it (the events
    // of a WinEvent hook) while it waits.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
}

HWND find_process_window(DWORD process_id, const char* class_name, const char* title, bool visible_only) {
  WindowSearch search{process_id, class_name, title, visible_only};
  EnumWindows(&match_top_level, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND wait_process_window(DWORD process_id, const char* class_name, const char* title, bool visible_only,
                         int timeout_ms) {
  HWND found = nullptr;
  wait_until([&] { return (found = find_process_window(process_id, class_name, title, visible_only)) != nullptr; },
             timeout_ms);
  return found;
}

std::string window_text(HWND window) {
  char text[2048] = {};
  // WM_GETTEXT, answered by the window's own thread: GetWindowText would
  // only give the cached title of another process's window.
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, nullptr);
  return text;
}

HWND find_child(HWND parent, const char* class_name, const std::string& text) {
  for (HWND child : children_of_class(parent, class_name)) {
    if (window_text(child) == text) return child;
  }
  return nullptr;
}

HWND find_child(HWND parent, const char* class_name) {
  const std::vector<HWND> found = children_of_class(parent, class_name);
  return found.empty() ? nullptr : found.front();
}

HWND find_visible_child(HWND parent, const char* class_name) {
  for (HWND child : children_of_class(parent, class_name)) {
    if (IsWindowVisible(child)) return child;
  }
  return nullptr;
}

std::vector<std::string> child_texts(HWND parent, const char* class_name) {
  std::vector<std::string> texts;
  for (HWND child : children_of_class(parent, class_name)) texts.push_back(window_text(child));
  return texts;
}

void post_click(HWND control, int x, int y) {
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

bool minimize_to_tray(HWND main) {
  HWND bar = find_child(main, "OrvxCaptionBar");
  if (!bar) return false;
  RECT r{};
  GetClientRect(bar, &r);
  post_click(bar, r.right - 24 - 12, 10);
  return wait_until([&] { return !IsWindowVisible(main); });
}

bool round_trip(HWND window, int timeout_ms) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeout_ms), &result) != 0;
}

HWND wait_message_box(DWORD process_id, int timeout_ms) {
  return wait_process_window(process_id, "#32770", nullptr, true, timeout_ms);
}

std::string message_box_text(HWND box) {
  // The text of a message box is its static control 0xFFFF.
  return window_text(GetDlgItem(box, 0xFFFF));
}

void press_box_button(HWND box, int button_id) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(button_id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button_id)));
}

HWND wait_popup_menu(DWORD process_id, int timeout_ms) {
  return wait_process_window(process_id, "#32768", nullptr, true, timeout_ms);
}

void choose_menu_item(HWND menu, const std::vector<int>& path) {
  for (size_t level = 0; level < path.size(); ++level) {
    // The first Down selects the first item of a menu opened by the mouse;
    // a submenu opened with Right starts at its first item.
    const int downs = level == 0 ? path[level] + 1 : path[level];
    for (int i = 0; i < downs; ++i) post_key(menu, VK_DOWN);
    post_key(menu, level + 1 < path.size() ? VK_RIGHT : VK_RETURN);
  }
}

ProgramCopy::ProgramCopy(DataPlace place) : exe_(temp_ / "OrvaneX.exe"), place_(place) {
  if (!CopyFileA((binary_dir() + "\\OrvaneX.exe").c_str(), exe_.c_str(), FALSE)) {
    throw std::runtime_error("cannot copy OrvaneX.exe into " + temp_.path());
  }
  if (place == DataPlace::portable) {
    vendor_folder_ = temp_ / "Quillfen\\";
  } else {
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
  if (place_ == DataPlace::app_data) {
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
}

std::string resolution_profile_name() {
  return "ORV - " + std::to_string(GetSystemMetrics(SM_CXVIRTUALSCREEN)) + "x" +
         std::to_string(GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

RunningApp::RunningApp(const std::string& exe, const std::string& argument) {
  std::string command_line = "\"" + exe + "\"";
  if (!argument.empty()) command_line += " " + argument;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const std::string folder = files::folder_of(exe);
  if (!CreateProcessA(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &info)) {
    throw std::runtime_error("cannot start " + exe);
  }
  CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  process_id_ = info.dwProcessId;
  // The program reads its input only once it waits for it.
  WaitForInputIdle(process_.get(), 5000);
}

RunningApp::~RunningApp() {
  if (!running()) return;
  if (HWND main = find_process_window(process_id_, "Torvx_Form", "Orvane X", false)) {
    // Boxes left open by a failed test would hold the Exit up.
    while (HWND box = find_process_window(process_id_, "#32770", nullptr, true)) {
      PostMessageA(box, WM_CLOSE, 0, 0);
      if (!wait_until([&] { return !IsWindow(box); }, 5000)) break;
    }
    for (HWND button : children_of_class(main, "OrvxFlatButton")) {
      const std::string text = window_text(button);
      if (text == "Beenden" || text == "Exit") {
        post_click(button);
        break;
      }
    }
  }
  if (!wait_exit(10000)) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 10000);
  }
}

HWND RunningApp::main_window(bool visible, int timeout_ms) {
  return wait_process_window(process_id_, "Torvx_Form", "Orvane X", visible, timeout_ms);
}

void RunningApp::click(const char* class_name, const std::string& text) {
  HWND main = main_window(false);
  HWND control = main ? find_child(main, class_name, text) : nullptr;
  if (!control) throw std::runtime_error("no " + std::string(class_name) + " \"" + text + "\" on the main window");
  post_click(control);
}

bool RunningApp::wait_exit(int timeout_ms) {
  return WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout_ms)) == WAIT_OBJECT_0;
}

bool RunningApp::running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

std::optional<DWORD> RunningApp::exit_code() const {
  DWORD code = 0;
  if (running() || !GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
  return code;
}

}  // namespace orvx::test
