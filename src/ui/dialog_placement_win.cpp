#include "ui/dialog_placement_win.h"

namespace orvx::ui {

Rect centred_on_owner_screen(HWND owner, Size size) {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  using MonitorFromWindowFn = HMONITOR(WINAPI*)(HWND, DWORD);
  using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
  HMODULE user32 = GetModuleHandleA("user32.dll");
  auto monitor_from_window =
      reinterpret_cast<MonitorFromWindowFn>(reinterpret_cast<void*>(GetProcAddress(user32, "MonitorFromWindow")));
  auto get_monitor_info =
      reinterpret_cast<GetMonitorInfoFn>(reinterpret_cast<void*>(GetProcAddress(user32, "GetMonitorInfoA")));
  if (owner && monitor_from_window && get_monitor_info) {
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (get_monitor_info(monitor_from_window(owner, MONITOR_DEFAULTTOPRIMARY), &mi)) work = mi.rcWork;
  }
  return Rect{work.left + (work.right - work.left - size.width) / 2,
              work.top + (work.bottom - work.top - size.height) / 2, size.width, size.height};
}

}  // namespace orvx::ui
