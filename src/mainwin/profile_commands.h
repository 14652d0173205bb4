#pragma once
// The main window's save and restore commands and the handlers of the menu
// items, the hotkey and the auto-save timer. The window calls these from its
// handlers; the operations themselves are in profiles/save_restore.h.
//
// After its menu has closed, each of the two buttons refreshes the Minidesk
// once when the live refresh is off (while it is on, refresh_timer shows every
// change). The menu items, the hotkey and the timer do not refresh.
#include <string>

#include "mainwin/main_context.h"
#include "mainwin/window_ops.h"

namespace orvx::mainwin {

// `pm_refresh_desktopClick`: update_layout, then the map read, which rebuilds
// the Minidesk when it reaches the desktop.
void pm_refresh_desktopClick(MinideskOps& window, icons::DesktopAccess& desktop);

// `save_buttonClick`: builds the profile menus, shows the save menu, carries
// out the choice, then the refresh.
void save_buttonClick(const MainContext& context, MainWindowOps& window);

// `arrange_buttonClick`: the arrangement check (MSDLG_11 when auto-arrange or
// align-to-grid is on, and then no menu), the restore menu (with the undo
// item while a restore can be taken back) and the chosen restore or undo,
// then the refresh - also after a failed check.
void arrange_buttonClick(const MainContext& context, MainWindowOps& window);

// `pm_save_standardClick`, `hotKey1HotKey`, `auto_check_icons_timerTimer`:
// save into the chosen standard profile (MSDLG_0 when none is chosen). The
// timer's save is automatic: it leaves a profile of another screen alone.
void pm_save_standardClick(const MainContext& context);
void hotKey1HotKey(const MainContext& context);
void auto_check_icons_timerTimer(const MainContext& context);

// A profile item under "pm_select_profil", and one of "PM_RESTORE": the item's
// profile_name, as BuildProfileMenus gave it.
void SaveProfileItemClick(const MainContext& context, const std::string& profile_name);
void RestoreProfileItemClick(const MainContext& context, const std::string& profile_name);

// "pm_undo_restore": puts back the arrangement the latest restore replaced.
void pm_undo_restoreClick(const MainContext& context);

// `pm_snaptogridClick`: snaps the icons to the grid; it can be taken back
// like a restore.
void pm_snaptogridClick(const MainContext& context);

}  // namespace orvx::mainwin
