#include "icons/desktop_window_win.h"

namespace orvx::icons {

namespace {

HWND FindDesktopViewHost() {
  HWND progman = FindWindowA("Progman", nullptr);
  if (!progman) return nullptr;
  return FindWindowExA(progman, nullptr, "SHELLDLL_DefView", nullptr);
}

// Each enumerated window becomes the host; the walk stops at the first
// "SHELLDLL_DefView" (exact, case-sensitive class name). Without one, the
// host ends as the last window enumerated.
BOOL CALLBACK TakeViewHost(HWND window, LPARAM host) {
  *reinterpret_cast<HWND*>(host) = window;
  char class_name[256];
  if (GetClassNameA(window, class_name, 255) == 0) class_name[0] = '\0';
  return lstrcmpA(class_name, "SHELLDLL_DefView") != 0;
}

}  // namespace

bool IsActiveDesktopOn() {
  HWND host = FindDesktopViewHost();
  return host && FindWindowExA(host, nullptr, "HTML_Internet Explorer", nullptr);
}

HWND FindDesktopListView() {
  HWND host = FindDesktopViewHost();
  if (!host) return nullptr;
  if (IsActiveDesktopOn()) EnumChildWindows(host, TakeViewHost, reinterpret_cast<LPARAM>(&host));
  return FindWindowExA(host, nullptr, "SysListView32", nullptr);
}

}  // namespace orvx::icons
