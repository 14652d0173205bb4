#pragma once
// Where a small dialog opens: centred on the work area of the screen that
// shows its owner (the primary screen without an owner).
#include <windows.h>

#include "ui/geometry.h"

namespace orvx::ui {

Rect centred_on_owner_screen(HWND owner, Size size);

}  // namespace orvx::ui
