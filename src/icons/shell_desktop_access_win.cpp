#include "icons/shell_desktop_access_win.h"

#include <commctrl.h>

#include "icons/desktop_window_win.h"
#include "icons/remote_list_view.h"
#include "icons/shell_list_view_win.h"

namespace orvx::icons {

std::unique_ptr<IconView> ShellDesktopAccess::open_view() {
  HWND list_view = find_desktop_list_view();
  if (!list_view) return nullptr;
  DWORD process_id = 0;
  GetWindowThreadProcessId(list_view, &process_id);
  if (process_id == 0) return nullptr;
  auto channel = std::make_unique<ShellListViewChannel>(list_view, process_id, buffer_size_);
  if (!channel->reserved()) return nullptr;
  return std::make_unique<RemoteListView>(std::move(channel), layout::kBuildLayout);
}

ArrangementModes ShellDesktopAccess::arrangement_modes() {
  HWND list_view = find_desktop_list_view();
  if (!list_view) return {};
  const auto style = static_cast<DWORD>(GetWindowLongA(list_view, GWL_STYLE));
  // A view that does not answer counts as no view.
  const std::optional<LRESULT> extended = send_to_list_view(list_view, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  if (!extended) return {};
  return {(style & LVS_AUTOARRANGE) != 0, (static_cast<DWORD>(*extended) & LVS_EX_SNAPTOGRID) != 0};
}

void ShellDesktopAccess::snap_to_grid() {
  if (HWND list_view = find_desktop_list_view()) send_to_list_view(list_view, LVM_ARRANGE, LVA_SNAPTOGRID, 0);
}

}  // namespace orvx::icons
