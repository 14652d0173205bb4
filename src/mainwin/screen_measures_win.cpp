#include "mainwin/screen_measures_win.h"

#include <windows.h>

#include "ui/window_placement_win.h"

namespace orvx::mainwin {

LayoutMeasures measure_screen() {
  LayoutMeasures measures;
  int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (width <= 0 || height <= 0) {
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
  }
  measures.screen.size = {width, height};
  const int monitors = GetSystemMetrics(SM_CMONITORS);
  measures.screen.monitor_count = monitors > 0 ? monitors : 1;
  const config::WorkArea work_area = ui::primary_work_area();
  measures.work_area_right = work_area.right;
  measures.work_area_bottom = work_area.bottom;
  return measures;
}

}  // namespace orvx::mainwin
