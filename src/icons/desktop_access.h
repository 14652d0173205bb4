#pragma once
// The desktop as the icon operations reach it. Every operation takes a
// DesktopAccess and runs one access cycle on it; nothing reaches the desktop
// through a hidden global. Windows uses ShellDesktopAccess
// (shell_desktop_access_win.h), everything native uses MemoryDesktop
// (memory_desktop.h).
//
// An access cycle is the time one operation holds the icon view: on Windows
// the buffer in the shell's process is reserved when it opens and released
// when it ends. Cycles on one desktop never nest: while a cycle is open (for
// example when a message handler runs during a message of the cycle and
// starts another operation), open_cycle() yields no cycle, and the nested
// operation behaves as if the desktop could not be reached; it would
// otherwise move icons under a read or restore in progress. The desktop
// object carries this state itself, and the program has exactly one (the
// main window's), handed to every operation as an argument, so the rule
// holds for the whole program without a global. Everything runs on the
// user-interface thread.
//
// The arrangement modes and the one-time snap need no buffer and no cycle.
//
// Use (operations in icon_operations.h, minidesk_icons.h and
// arrangement_guard.h):
//   ShellDesktopAccess desktop;                          // on Windows
//   MemoryDesktop desktop({{"Papierkorb", {20, 110}}});  // anywhere
//   std::optional<DesktopIcons> icons = ReadDesktopIcons(desktop);
//   if (icons) WriteProfile(..., *icons);
//   RestoreDesktopIcons(desktop, icons_from_profile);
// A new operation opens its own cycle:
//   IconCycle cycle = desktop.open_cycle();
//   if (!cycle) return;             // unreachable, or inside another cycle
//   int n = cycle.view().item_count();
#include <memory>

#include "icons/icon_view.h"

namespace orvx::icons {

struct ArrangementModes {
  bool auto_arrange = false;  // items are kept packed in order
  bool snap_to_grid = false;  // items snap to the nearest grid cell

  friend bool operator==(const ArrangementModes&, const ArrangementModes&) = default;
};

// One open access cycle; the cycle ends when this object goes. Empty when
// the desktop could not be reached or another cycle was in progress.
class IconCycle {
 public:
  IconCycle() = default;
  IconCycle(IconCycle&&) noexcept = default;
  // No assignment: it would let the next cycle begin before the old view
  // and its buffer were gone.
  IconCycle& operator=(IconCycle&&) = delete;

  explicit operator bool() const { return view_ != nullptr; }
  IconView& view() const { return *view_; }

 private:
  friend class DesktopAccess;
  struct Release {
    void operator()(bool* in_progress) const noexcept { *in_progress = false; }
  };
  using Token = std::unique_ptr<bool, Release>;

  IconCycle(Token token, std::unique_ptr<IconView> view) : token_(std::move(token)), view_(std::move(view)) {}

  // Declared first, released last: the view (and its buffer) goes before
  // the next cycle may begin.
  Token token_;
  std::unique_ptr<IconView> view_;
};

class DesktopAccess {
 public:
  virtual ~DesktopAccess() = default;

  DesktopAccess() = default;
  // Not copied: a copy would not know of the original's open cycle.
  DesktopAccess(const DesktopAccess&) = delete;
  DesktopAccess& operator=(const DesktopAccess&) = delete;

  // Opens a cycle, or yields an empty one (see above). Errors of the
  // platform while opening (the buffer that cannot be reserved) propagate;
  // the cycle is then over.
  IconCycle open_cycle();
  // True while a cycle is open on this desktop.
  bool cycle_in_progress() const { return cycle_in_progress_; }

  // The view's arrangement modes; both off when there is no view.
  virtual ArrangementModes arrangement_modes() = 0;
  // Moves every item to its nearest grid position once. The modes stay as
  // they are. Nothing happens when there is no view.
  virtual void snap_to_grid() = 0;

 protected:
  // Locates the view and makes it ready for one cycle; nullptr when it
  // cannot be reached.
  virtual std::unique_ptr<IconView> open_view() = 0;

 private:
  bool cycle_in_progress_ = false;
};

}  // namespace orvx::icons
