#pragma once
// The named components of the main window (main_window_win.h): each control by what the code
// calls it, with the name language files give it (section `orvx_form`),
// byte for byte. `translated`: the shipped English file translates it.
#include "lang/component_name.h"

namespace orvx::mainwin::components {

inline constexpr char kSection[] = "orvx_form";

inline constexpr lang::ComponentName kCaptionBar{"caption_bar_", "caption_form", false};
inline constexpr lang::ComponentName kMinideskBackground{"minidesk_background_", "bg_frame", false};
inline constexpr lang::ComponentName kMinideskView{"minidesk_view_", "desktop_frame", false};
inline constexpr lang::ComponentName kVersionLabel{"version_label_", "versions_label", false};
inline constexpr lang::ComponentName kAlertFrame{"the Minidesk alert panel's frame", "alert_frame", false};
inline constexpr lang::ComponentName kAlertImage{"the Minidesk alert panel's image", "alert_img", false};
inline constexpr lang::ComponentName kAlertLabel{"the Minidesk alert panel's text", "alert_label", true};
inline constexpr lang::ComponentName kButtonStrip{"button_strip_", "bottom_leiste", false};
inline constexpr lang::ComponentName kSaveButton{"save_button_", "save_button", true};
inline constexpr lang::ComponentName kRestoreButton{"arrange_button_", "arrange_button", true};
inline constexpr lang::ComponentName kExitButton{"close_button_", "close_button", true};
inline constexpr lang::ComponentName kMinideskToggleButton{"minidesk_toggle_button_", "form_status_button", true};
inline constexpr lang::ComponentName kRefreshDesktopItem{"the desktop menu's Refresh", "pm_refresh_desktop", true};
inline constexpr lang::ComponentName kSnapToGridItem{"the desktop menu's Align to Grid", "pm_snaptogrid", true};
inline constexpr lang::ComponentName kDisplaySettingsItem{"the desktop menu's display settings", "pm_monitor_settings",
                                                          true};
inline constexpr lang::ComponentName kDesktopInfosItem{"the desktop menu's hidden Desktop Infos", "pm_desktop_infos",
                                                       true};
inline constexpr lang::ComponentName kBlogItem{"the desktop menu's blog", "pa_blog", false};
inline constexpr lang::ComponentName kSaveStandardItem{"the save menu's standard profile", "pm_save_standard", true};
inline constexpr lang::ComponentName kChooseProfileItem{"choose_profile_item_", "pm_select_profil", true};
inline constexpr lang::ComponentName kSaveNewProfileItem{"the save menu's new profile", "pm_new_profil", true};
inline constexpr lang::ComponentName kUndoRestoreItem{"undo_restore_item_", "pm_undo_restore", false};

inline constexpr lang::ComponentName kAll[] = {
    kCaptionBar,         kMinideskBackground, kMinideskView,        kVersionLabel,
    kAlertFrame,         kAlertImage,         kAlertLabel,          kButtonStrip,
    kSaveButton,         kRestoreButton,      kExitButton,          kMinideskToggleButton,
    kRefreshDesktopItem, kSnapToGridItem,     kDisplaySettingsItem, kDesktopInfosItem,
    kBlogItem,           kSaveStandardItem,   kChooseProfileItem,   kSaveNewProfileItem,
    kUndoRestoreItem,
};

}  // namespace orvx::mainwin::components
