#include "ui/work_area_win.h"

namespace orvx::ui {

namespace {

using MonitorFromPointFn = HMONITOR(WINAPI*)(POINT, DWORD);
using MonitorFromWindowFn = HMONITOR(WINAPI*)(HWND, DWORD);
using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);

template <class Fn>
Fn user32_function(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

Rect to_geometry(const RECT& r) { return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}; }

Rect primary_work_area() {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return to_geometry(work);
}

Rect work_area_of_monitor(HMONITOR monitor) {
  static auto get_monitor_info = user32_function<GetMonitorInfoFn>("GetMonitorInfoA");
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (!monitor || !get_monitor_info || !get_monitor_info(monitor, &mi)) return primary_work_area();
  return to_geometry(mi.rcWork);
}

}  // namespace

Rect work_area_at(Point p) {
  static auto monitor_from_point = user32_function<MonitorFromPointFn>("MonitorFromPoint");
  if (!monitor_from_point) return primary_work_area();
  return work_area_of_monitor(monitor_from_point(POINT{p.x, p.y}, MONITOR_DEFAULTTONEAREST));
}

Rect work_area_of(HWND window) {
  static auto monitor_from_window = user32_function<MonitorFromWindowFn>("MonitorFromWindow");
  if (!window || !monitor_from_window) return primary_work_area();
  return work_area_of_monitor(monitor_from_window(window, MONITOR_DEFAULTTOPRIMARY));
}

Rect centred_on_owner_screen(HWND owner, Size size) {
  Rect work = work_area_of(owner);
  return Rect{work.left + (work.width - size.width) / 2, work.top + (work.height - size.height) / 2, size.width,
              size.height};
}

}  // namespace orvx::ui
