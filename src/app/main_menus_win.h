#pragma once
// The main window's three popup menus:
//   PM_DESKTOP  the Minidesk's context menu: refresh, align to grid, display
//               settings, (hidden) desktop infos, the maker's blog;
//   PM_SAVE     save into the standard profile, into a chosen profile, or
//               into a new one named in the prompt;
//   PM_RESTORE  one item per profile.
// Their fixed items are named components of the main window, so that a
// language file reaches their captions. The profile items are made afresh
// at each opening from ProfileMenus; each carries its profile's real name,
// and its caption shows the name as it is ("a&b" shows its "&", a profile
// named "-" is no separator).
//
// The save and restore menus run no action of their own: they return what
// was chosen once they have closed, and the command flows act on it.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/window_ops.h"
#include "lang/named_components.h"
#include "ui/geometry.h"
#include "ui/popup_menu_win.h"

namespace orvx::app {

struct DesktopMenuActions {
  std::function<void()> pm_refresh_desktopClick;
  std::function<void()> pm_snaptogridClick;
  std::function<void()> pm_monitor_settingsClick;
  std::function<void()> pa_blogClick;
};

class MainMenus {
 public:
  explicit MainMenus(DesktopMenuActions actions);
  MainMenus(const MainMenus&) = delete;
  MainMenus& operator=(const MainMenus&) = delete;

  // The fixed items of the three menus, in menu order.
  std::vector<NamedComponent*> components() const;

  // Shows PM_DESKTOP at a screen point and runs the chosen item.
  void show_desktop_menu(HWND owner, ui::Point screen);
  SaveMenuChoice show_save_menu(HWND owner, ui::Point screen, const ProfileMenus& menus);
  std::optional<std::string> show_restore_menu(HWND owner, ui::Point screen, const ProfileMenus& menus);

  // The menus as they would be shown now, for the tests.
  const ui::PopupMenu& desktop_menu() const { return PM_DESKTOP; }
  const ui::PopupMenu& save_menu() const { return PM_SAVE; }
  const ui::PopupMenu& restore_menu() const { return PM_RESTORE; }

  // Fills PM_SAVE's submenu and PM_RESTORE as the next opening shows them.
  void fill_profile_items(const ProfileMenus& menus);

 private:
  ui::PopupMenu PM_DESKTOP;
  ui::PopupMenu PM_SAVE;
  ui::PopupMenu PM_RESTORE;
  ui::MenuItem* pm_select_profil_ = nullptr;
  SaveMenuChoice save_choice_;
  std::optional<std::string> restore_choice_;
};

}  // namespace orvx::app
