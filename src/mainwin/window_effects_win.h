#pragma once
// The main window's effects: the rounded shape and the top-most band.
// (Translucency: translucent_window_win.h.)
#include <windows.h>

namespace orvx::mainwin {

// Gives the window a shape with rounded corners for its current size and
// redraws it. The system owns the region from then on and deletes the
// previous one. False when the shape could not be set.
bool apply_rounded_shape(HWND window);

// Puts the window into the top-most band or takes it out, without moving,
// sizing or activating it.
bool set_topmost(HWND window, bool topmost);

}  // namespace orvx::mainwin
