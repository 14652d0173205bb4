#include "app/single_instance_win.h"

namespace orvx::app {
namespace {

bool belongs_to_this_process(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

// Class names match without regard to letter case, as window classes do.
HWND find_foreign_top_level_window(const char* class_name, const char* title) {
  HWND after = nullptr;
  while (HWND found = FindWindowExA(nullptr, after, class_name, title)) {
    if (!belongs_to_this_process(found)) return found;
    after = found;
  }
  return nullptr;
}

}  // namespace

InstanceMutex InstanceMutex::claim(const char* name) {
  // The error code must be read right after the call, before anything else
  // can overwrite it.
  HANDLE raw = CreateMutexA(nullptr, TRUE, name);
  const DWORD error = GetLastError();
  const bool only = raw != nullptr && error != ERROR_ALREADY_EXISTS;
  return InstanceMutex(win::adopt_handle(raw), only);
}

HWND find_running_instance_window() {
  for (const MainWindowIdentity& identity : kMainWindowIdentities) {
    if (HWND window = find_foreign_top_level_window(identity.class_name, identity.title)) {
      return window;
    }
  }
  return nullptr;
}

bool bring_running_instance_to_front() {
  HWND window = find_running_instance_window();
  if (!window) return false;
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  return true;
}

}  // namespace orvx::app
