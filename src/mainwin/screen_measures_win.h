#pragma once
// The screen as update_layout measures it.
#include "mainwin/main_layout.h"

namespace orvx::mainwin {

// The virtual screen (all monitors), the monitor count and the primary work
// area. Windows NT 4.0 knows neither virtual screen nor monitor count; its
// one screen stands in.
LayoutMeasures measure_screen();

}  // namespace orvx::mainwin
