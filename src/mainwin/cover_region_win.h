#pragma once
// Windows that lie in front of what their parent draws, made to give way
// where the parent's drawing must stay in front.
#include <windows.h>

#include <optional>

namespace orvx::mainwin {

// Leaves the part of the child window `child` that lies under `cover` (in
// the parent's client coordinates) out of the child's window region: there
// the parent's own drawing shows and the parent gets the mouse. Without a
// cover, or when the cover misses the child, the child gets its whole area
// back.
void leave_cover_out(HWND child, const std::optional<RECT>& cover);

}  // namespace orvx::mainwin
