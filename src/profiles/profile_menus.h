#pragma once
// The profile items of the save menu's "pm_select_profil" submenu and of the
// restore menu "PM_RESTORE", built afresh from the profile files before
// either menu opens. The window turns them into menu items; a chosen item
// acts on its profile_name, never on a name read back from its caption.
#include <string>
#include <vector>

namespace orvx {

struct ProfileMenuItem {
  // The profile the item saves into or restores from, exactly as listed.
  std::string profile_name;
  // The menu text: the name with every "&" doubled, so that a Win32 menu
  // shows it as it is instead of taking it for an accelerator mark. Hand it
  // to the menu unchanged; escaping it again would show "&&".
  std::string caption;
  // "M_" followed by the item's position from 0.
  std::string component_name;

  friend bool operator==(const ProfileMenuItem&, const ProfileMenuItem&) = default;
};

struct ProfileMenus {
  // "pm_select_profil" is shown only when there is at least one profile.
  bool select_profile_visible = false;
  // The same items, in the same order, for both menus: in the order the
  // data folder lists the profiles.
  std::vector<ProfileMenuItem> items;
};

// "&" doubled: the text a Win32 menu item shows literally.
std::string escape_menu_text(const std::string& text);

ProfileMenus build_profile_menus(const std::string& data_folder);

}  // namespace orvx
