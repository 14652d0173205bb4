#pragma once
// The Windows desktop: the shell's desktop list view in its own process,
// found through the window chain (desktop_window_win.h) and reached through
// the remote buffer. Each cycle locates the view afresh. Every message to
// the view is sent with a time limit (SendToListView in
// shell_list_view_win.h): a hung shell reads as an unreachable desktop.
#include <windows.h>

#include "icons/desktop_access.h"
#include "icons/remote_buffer_win.h"

namespace orvx::icons {

class ShellDesktopAccess final : public DesktopAccess {
 public:
  // `buffer_size` is what each cycle reserves in the shell's process.
  explicit ShellDesktopAccess(SIZE_T buffer_size = kRemoteBufferSize) : buffer_size_(buffer_size) {}

  ArrangementModes arrangement_modes() override;
  void snap_to_grid() override;

 protected:
  std::unique_ptr<IconView> open_view() override;

 private:
  SIZE_T buffer_size_;
};

}  // namespace orvx::icons
