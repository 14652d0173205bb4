#pragma once
// The work area (the screen without the task bar) of the monitor that shows
// a point or a window, and where a small dialog opens in it. Multi-monitor
// functions are looked up at run time (Windows NT 4.0 lacks them); without
// them the primary work area counts.
#include <windows.h>

#include "ui/geometry.h"

namespace orvx::ui {

Rect work_area_at(Point screen_point);
// The work area of the monitor showing `window`; the primary one for none.
Rect work_area_of(HWND window);
// A dialog of `size` centred on the work area of its owner's monitor.
Rect centred_on_owner_screen(HWND owner, Size size);

}  // namespace orvx::ui
