#include "icons/desktop_window_win.h"

namespace orvx::icons {

namespace {

HWND find_desktop_view_host() {
  HWND progman = FindWindowA("Progman", nullptr);
  if (!progman) return nullptr;
  return FindWindowExA(progman, nullptr, "SHELLDLL_DefView", nullptr);
}

// Each enumerated window becomes the host; the walk stops at the first
// "SHELLDLL_DefView" (exact, case-sensitive class name). Without one, the
// host ends as the last window enumerated.
BOOL CALLBACK take_view_host(HWND window, LPARAM host) {
  *reinterpret_cast<HWND*>(host) = window;
  char class_name[256];
  if (GetClassNameA(window, class_name, 255) == 0) class_name[0] = '\0';
  return lstrcmpA(class_name, "SHELLDLL_DefView") != 0;
}

}  // namespace

bool is_active_desktop_on() {
  HWND host = find_desktop_view_host();
  return host && FindWindowExA(host, nullptr, "HTML_Internet Explorer", nullptr);
}

HWND find_desktop_list_view() {
  HWND host = find_desktop_view_host();
  if (!host) return nullptr;
  if (is_active_desktop_on()) EnumChildWindows(host, take_view_host, reinterpret_cast<LPARAM>(&host));
  return FindWindowExA(host, nullptr, "SysListView32", nullptr);
}

}  // namespace orvx::icons
