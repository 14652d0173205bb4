#include "mainwin/cover_region_win.h"

#include "platform/scoped_win.h"

namespace orvx::mainwin {

void leave_cover_out(HWND child, const std::optional<RECT>& cover) {
  RECT bounds{};
  GetWindowRect(child, &bounds);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&bounds), 2);
  RECT overlap{};
  if (!cover || !IntersectRect(&overlap, &bounds, &*cover)) {
    SetWindowRgn(child, nullptr, TRUE);
    return;
  }
  win::ScopedGdi<HRGN> whole(CreateRectRgn(0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top));
  win::ScopedGdi<HRGN> covered(CreateRectRgn(overlap.left - bounds.left, overlap.top - bounds.top,
                                             overlap.right - bounds.left, overlap.bottom - bounds.top));
  if (!whole || !covered || CombineRgn(whole.get(), whole.get(), covered.get(), RGN_DIFF) == ERROR) return;
  // The window owns its region from here on.
  if (SetWindowRgn(child, whole.get(), TRUE)) whole.release();
}

}  // namespace orvx::mainwin
