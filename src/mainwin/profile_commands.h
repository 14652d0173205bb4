#pragma once
// The main window's save and restore commands and the handlers of the menu
// items, the hotkey and the auto-save timer. The window calls these from its
// handlers; the operations themselves are in profiles/save_restore.h.
//
// After its menu has closed, each of the two buttons refreshes the Minidesk
// once when the live refresh is off (while it is on, kMinideskRefresh shows every
// change). The menu items, the hotkey and the timer do not refresh.
#include <string>

#include "mainwin/main_context.h"
#include "mainwin/window_ops.h"

namespace orvx::mainwin {

// `on_refresh_desktop_clicked`: update_layout, then the map read, which rebuilds
// the Minidesk when it reaches the desktop.
void on_refresh_desktop_clicked(MinideskOps& window, icons::DesktopAccess& desktop);

// `on_save_clicked`: builds the profile menus, shows the save menu, carries
// out the choice, then the refresh.
void on_save_clicked(const MainContext& context, MainWindowOps& window);

// `on_restore_clicked`: the arrangement check (MSDLG_11 when auto-arrange or
// align-to-grid is on, and then no menu), the restore menu (with the undo
// item while a restore can be taken back) and the chosen restore or undo,
// then the refresh - also after a failed check.
void on_restore_clicked(const MainContext& context, MainWindowOps& window);

// `on_save_standard_clicked`, `on_save_hotkey`, `on_auto_save_timer`:
// save into the chosen standard profile (MSDLG_0 when none is chosen). The
// timer's save is automatic: it leaves a profile of another screen alone.
void on_save_standard_clicked(const MainContext& context);
void on_save_hotkey(const MainContext& context);
void on_auto_save_timer(const MainContext& context);

// A profile item under "pm_select_profil", and one of "PM_RESTORE": the item's
// profile_name, as BuildProfileMenus gave it.
void on_save_profile_item_clicked(const MainContext& context, const std::string& profile_name);
void on_restore_profile_item_clicked(const MainContext& context, const std::string& profile_name);

// "pm_undo_restore": puts back the arrangement the latest restore replaced.
void on_undo_restore_clicked(const MainContext& context);

// `on_snap_to_grid_clicked`: snaps the icons to the grid; it can be taken back
// like a restore.
void on_snap_to_grid_clicked(const MainContext& context);

}  // namespace orvx::mainwin
