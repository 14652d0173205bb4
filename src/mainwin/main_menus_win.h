#pragma once
// The main window's three popup menus:
//   desktop_menu_  the Minidesk's context menu: refresh, align to grid, display
//               settings, (hidden) desktop infos, the maker's blog;
//   save_menu_     save into the standard profile, into a chosen profile, or
//               into a new one named in the prompt;
//   restore_menu_  one item per profile, then, while a restore can be taken
//               back, a separator and "pm_undo_restore".
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

#include "mainwin/window_ops.h"
#include "lang/named_components.h"
#include "ui/geometry.h"
#include "ui/popup_menu_win.h"

namespace orvx::mainwin {

// How the restore menu opens this time.
struct RestoreMenuOptions {
  bool undo_offered = false;
  // MSDLG_22 in the current language: the undo item's caption, unless a
  // language file gave the item one of its own.
  std::string undo_caption;
  // Told the profile of the item under the selection while the menu is
  // open: its profile_name, or nullptr for none (and once more after the
  // menu closed).
  std::function<void(const std::string* profile_name)> on_preview;
};

struct DesktopMenuActions {
  std::function<void()> on_refresh_desktop_clicked;
  std::function<void()> on_snap_to_grid_clicked;
  std::function<void()> on_display_settings_clicked;
  std::function<void()> on_blog_clicked;
};

class MainMenus {
 public:
  explicit MainMenus(DesktopMenuActions actions);
  MainMenus(const MainMenus&) = delete;
  MainMenus& operator=(const MainMenus&) = delete;

  // The fixed items of the three menus, in menu order.
  std::vector<NamedComponent*> components() const;

  // Shows desktop_menu_ at a screen point and runs the chosen item.
  void show_desktop_menu(HWND owner, ui::Point screen);
  SaveMenuChoice show_save_menu(HWND owner, ui::Point screen, const ProfileMenus& menus);
  RestoreMenuChoice show_restore_menu(HWND owner, ui::Point screen, const ProfileMenus& menus,
                                      const RestoreMenuOptions& options);
  // The owner's WM_MENUSELECT, for the restore menu's preview.
  void menu_select(WPARAM wp, LPARAM lp) { restore_menu_.menu_select(wp, lp); }

  // The menus as they would be shown now, for the tests.
  const ui::PopupMenu& desktop_menu() const { return desktop_menu_; }
  const ui::PopupMenu& save_menu() const { return save_menu_; }
  const ui::PopupMenu& restore_menu() const { return restore_menu_; }

  // Fills save_menu_'s submenu and restore_menu_ as the next opening shows them.
  void fill_profile_items(const ProfileMenus& menus);

 private:
  ui::PopupMenu desktop_menu_;
  ui::PopupMenu save_menu_;
  ui::PopupMenu restore_menu_;
  ui::MenuItem* choose_profile_item_ = nullptr;
  // The restore menu's fixed items, after its profile items.
  ui::MenuItem* undo_separator_ = nullptr;
  ui::MenuItem* undo_restore_item_ = nullptr;
  size_t restore_profile_count_ = 0;
  std::vector<std::string> restore_profiles_;  // profile_name of each profile item
  SaveMenuChoice save_choice_;
  RestoreMenuChoice restore_choice_;
};

}  // namespace orvx::mainwin
