#pragma once
// `on_display_change`: the main window's handling of WM_DISPLAYCHANGE, after
// the screen resolution or the monitors have changed. In this order:
//  1. the Minidesk refresh: update_layout measures the new screen, the map
//     read redraws the map;
//  2. kMinideskRefresh off;
//  3. the waiting window messages run;
//  4. with "sort_after_res" on, the standard profile of the new resolution
//     is restored, when it exists;
//  5. when the new resolution has no standard profile yet, the user is told
//     (MSDLG_19) and, on OK, the desktop is saved as that profile;
//  6. the waiting window messages run;
//  7. kMinideskRefresh on.
// The live refresh is held off from step 2 to step 7, and switched on again
// also when a step in between fails.
#include "mainwin/main_context.h"
#include "mainwin/window_ops.h"

namespace orvx::mainwin {

void on_display_change(const MainContext& context, MinideskOps& window);

}  // namespace orvx::mainwin
