#include "standin_shared/standin_client_win.h"

#include <commctrl.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "standin_shared/standin_protocol.h"

namespace standin {

namespace {

constexpr std::chrono::milliseconds kCloseDeadline{15000};
constexpr UINT kCommandTimeoutMs = 60000;

std::string folder_of(std::string path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The stand-in's "Progman" once it is shown, or nullptr.
HWND find_shown_desktop(DWORD process_id) {
  for (HWND w = FindWindowExA(nullptr, nullptr, "Progman", nullptr); w;
       w = FindWindowExA(nullptr, w, "Progman", nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == process_id && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

}  // namespace

std::string standin_exe_path() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return folder_of(folder_of(std::string(path, n))) + "\\tools\\standin_desktop.exe";
}

bool any_progman_window() { return FindWindowA("Progman", nullptr) != nullptr; }

namespace {

// The stand-in's switches for `options`.
std::string switches_of(const StandinOptions& options) {
  std::string switches;
  if (options.auto_arrange) switches += " /autoarrange";
  if (options.snap_to_grid) switches += " /snaptogrid";
  if (options.active_desktop) switches += " /activedesktop";
  return switches.empty() ? switches : switches.substr(1);
}

}  // namespace

// A stand-in that does not come up is killed as process_ goes.
StandinDesktop::StandinDesktop(const StandinOptions& options, const std::string& exe)
    : process_(orvx::harness::ChildProcess::start(exe, {.arguments = switches_of(options)})) {
  const auto deadline = std::chrono::steady_clock::now() + orvx::harness::kDefaultDeadline;
  while (!(window_ = find_shown_desktop(process_.id()))) {
    if (process_.wait(std::chrono::milliseconds(20))) {
      throw std::runtime_error("the stand-in desktop ended while starting");
    }
    if (std::chrono::steady_clock::now() > deadline) throw std::runtime_error("the stand-in desktop did not come up");
  }
}

// One that does not close in time is killed as process_ goes.
StandinDesktop::~StandinDesktop() {
  PostMessageA(window_, WM_CLOSE, 0, 0);
  process_.wait(kCloseDeadline);
}

LRESULT StandinDesktop::command(ULONG_PTR code, const std::string& data) {
  COPYDATASTRUCT copy{code, static_cast<DWORD>(data.size()), const_cast<char*>(data.data())};
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL, kCommandTimeoutMs,
                           &result))
    throw std::runtime_error("the stand-in desktop does not answer");
  return static_cast<LRESULT>(result);
}

HWND StandinDesktop::list_view() { return reinterpret_cast<HWND>(command(kListView)); }

int StandinDesktop::load(const std::vector<StandinItem>& items) {
  return static_cast<int>(command(kLoadItems, format_items(items)));
}

std::vector<StandinItem> StandinDesktop::report() {
  char folder[MAX_PATH], path[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  if (!GetTempFileNameA(folder, "sdr", 0, path)) throw std::runtime_error("no temporary file");
  const bool written = command(kReport, path) == 1;
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  in.close();
  DeleteFileA(path);
  if (!written) throw std::runtime_error("the stand-in desktop wrote no report");
  return parse_items(text.str());
}

bool StandinDesktop::move(int index, int x, int y) {
  return command(kMoveItem, std::to_string(index) + '\t' + std::to_string(x) + '\t' + std::to_string(y)) == 1;
}

void StandinDesktop::set_modes(bool auto_arrange, bool snap_to_grid) {
  command(kSetModes, std::string(auto_arrange ? "1" : "0") + '\t' + (snap_to_grid ? "1" : "0"));
}

StandinModes StandinDesktop::modes() {
  const auto bits = static_cast<DWORD>(command(kGetModes));
  return {(bits & LVS_AUTOARRANGE) != 0, (bits & LVS_EX_SNAPTOGRID) != 0};
}

int StandinDesktop::snap_count() { return static_cast<int>(command(kSnapCount)); }

void StandinDesktop::echo_to(HWND window) { command(kEchoTo, std::to_string(reinterpret_cast<uintptr_t>(window))); }

bool StandinDesktop::fill_address_space(bool on) { return command(kFillAddressSpace, on ? "1" : "0") == 1; }

StandinDesktop::Hung StandinDesktop::hang(DWORD ms) {
  // The stand-in answers just before it stops handling messages.
  if (command(kHang, std::to_string(ms)) != 1) throw std::runtime_error("the stand-in desktop refused to hang");
  return Hung(*this);
}

StandinDesktop::Hung::~Hung() {
  if (!desktop_) return;
  orvx::win::ScopedHandle release(
      OpenEventA(EVENT_MODIFY_STATE, FALSE, release_event_name(desktop_->process_id()).c_str()));
  if (release) SetEvent(release.get());
  // Any command is answered only once the stand-in handles messages again;
  // it waits at most kCommandTimeoutMs.
  DWORD_PTR result = 0;
  SendMessageTimeoutA(desktop_->window(), WM_NULL, 0, 0, SMTO_NORMAL, kCommandTimeoutMs, &result);
}

}  // namespace standin
