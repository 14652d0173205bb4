#pragma once
// What the command flows and the start-up need from the main window
// `MainWindow`. The window implements MainWindowOps; each flow takes the part
// it uses, and the native tests stand in for the window with a recorder.
//
// Everything runs on the user-interface thread, called from inside one of the
// window's handlers (a click, a menu choice, a timer tick, a window message,
// a show) or from the start-up sequence while the window is being created.
// An operation may throw; the flow lets the error pass to the window's
// handler.
//
// How the window calls the flows:
//   while it is created         run_startup_sequence (startup_sequence.h);
//                               StartupOutcome::EndProgram ends the program
//   each time it is shown       run_show_steps (show_steps.h)
//   settings dialog's Save, language chooser   load_settings (load_settings.h)
//   WM_DISPLAYCHANGE            on_display_change (display_change.h)
//   and in profile_commands.h:
//   save_button                 on_save_clicked
//   arrange_button              on_restore_clicked
//   pm_refresh_desktop, kMinideskRefresh ticks while live_desktop is on
//                               on_refresh_desktop_clicked
//   WM_HOTKEY, kSaveHotkeyId    on_save_hotkey (hotkey_registrar_win.h)
//   kAutoSave      on_auto_save_timer
// A handler lets FoldersMissing (profiles/data_folders.h) pass: the window
// procedure ends the program on it, without a report.
#include <cstdint>
#include <optional>
#include <string>

#include "icons/desktop_icon.h"
#include "profiles/data_folders.h"
#include "profiles/profile_menus.h"

namespace orvx::mainwin {

// The Minidesk and the message queue.
class MinideskOps {
 public:
  virtual ~MinideskOps() = default;

  // `update_layout`: measures screen_size and monitor_count anew into the
  // MainContext's screen, then lays the window out for `minidesk_shown`
  // (which also switches kMinideskRefresh with the Minidesk state).
  virtual void update_layout() = 0;
  // Rebuilds the Minidesk from the icons of a map read
  // (icons/minidesk_icons.h); called after each read that reached the
  // desktop.
  virtual void build_minidesk(const DesktopIcons& icons) = 0;
  // Switches `kMinideskRefresh` (500 ms, the live refresh) on or off.
  virtual void set_refresh_timer(bool on) = 0;
  // Lets the application process the window messages that are waiting
  // (paints, timer ticks, a hotkey) and returns when none is left.
  virtual void process_messages() = 0;
};

// What the user chose in the save menu.
struct SaveMenuChoice {
  enum class Item {
    kNone,             // closed without a choice
    kSaveStandard,     // "pm_save_standard"
    kSaveIntoProfile,  // an item under "pm_select_profil"
    kNewProfile,       // "pm_new_profil"
  };
  Item item = Item::kNone;
  // For SaveIntoProfile: the chosen ProfileMenuItem's profile_name.
  std::string profile_name;
};

// What the user chose in the restore menu.
struct RestoreMenuChoice {
  enum class Item {
    kNone,         // closed without a choice
    kProfile,      // a profile item
    kUndoRestore,  // "pm_undo_restore"
  };
  Item item = Item::kNone;
  // For Profile: the chosen ProfileMenuItem's profile_name.
  std::string profile_name;
};

// The two popup menus of the command buttons. Both return once the menu has
// closed and run no action of their own: the flow acts on the choice.
class ProfileMenuOps {
 public:
  virtual ~ProfileMenuOps() = default;

  // Shows `save_menu_` at the screen point (window left + 15, window top +
  // window height): "pm_save_standard", "pm_select_profil" with one submenu
  // item per menus.items (shown only when menus.select_profile_visible) and
  // "pm_new_profil". The items take caption and component name from the
  // ProfileMenuItem; the caption is escaped already.
  virtual SaveMenuChoice show_save_menu(const ProfileMenus& menus) = 0;
  // Shows `restore_menu_` at (window left + 105, window top + window height)
  // with one item per menus.items and, when `undo_offered`, a separator and
  // "pm_undo_restore". While it is open and the Minidesk is shown, the map
  // previews the profile of the item under the selection.
  virtual RestoreMenuChoice show_restore_menu(const ProfileMenus& menus, bool undo_offered) = 0;
};

// What load_settings applies to the window (the hotkey and the language have
// components of their own: SaveHotkey, lang::Translator).
class SettingsOps {
 public:
  virtual ~SettingsOps() = default;

  // `kAutoSave`: running or not, and its interval in
  // milliseconds as stored (also when it is no whole number of minutes).
  virtual void set_auto_save_timer(bool enabled, int32_t interval_ms) = 0;
  // The Minidesk state as loaded: sets `minidesk_shown` to the opposite of
  // `shown` and runs toggle_minidesk, which flips it back, shows the toggle
  // button's picture, writes form_status_button_value and runs update_layout.
  virtual void restore_minidesk_state(bool shown) = 0;
};

// The start-up steps and show steps that only the window can carry out, in
// the order the sequence calls them. Steps with nothing to do on Windows
// (1, 12, 13) are not asked of the window; startup_sequence.cpp says why.
class StartupOps {
 public:
  virtual ~StartupOps() = default;

  // Step 2: the error list window `ErrorListWindow`, owned by the main
  // window, hidden.
  virtual void create_error_list_window() = 0;
  // Step 3: the vendor and data folders of this start (portable mode with
  // "/u"; mainwin/system_folders_win.h locate_data_folders).
  virtual DataFolders locate_data_folders() = 0;
  // Step 5: writes the embedded English language file (resource "ENGLISH")
  // to `path`. False when it could not be written.
  virtual bool write_english_language_file(const std::string& path) = 0;
  // Step 6: a SavedPosition for the main window with data_folder = `data_folder`,
  // restoring the window's position.
  virtual void restore_placement(const std::string& data_folder) = 0;
  // Step 14: the notification-area icon, with the main window's icon.
  virtual void show_tray_icon() = 0;
  // Step 15: `versions_label` shows the version line (own_version_line in
  // mainwin/version_win.h).
  virtual void show_version_line() = 0;
  // Step 16: translucency 0 per cent.
  virtual void make_opaque() = 0;
  // Step 17 ("/auto"): `kHideAfterAutostart` (1 ms) on; its tick hides the
  // window.
  virtual void set_autostart_timer(bool on) = 0;

  // Show step 3: the user's default language id (GetUserDefaultLangID).
  virtual uint16_t user_default_lang_id() = 0;
  // Show step 3: the first-start language chooser `LanguageChooserDialog`, owned by the
  // main window, shown modally; the answer is recorded by
  // settings::follow_chooser_answer.
  virtual void show_language_chooser() = 0;
  // Show step 2 ("/dev"): ends the application once control returns to the
  // message loop.
  virtual void terminate_application() = 0;
};

class MainWindowOps : public MinideskOps, public ProfileMenuOps, public SettingsOps, public StartupOps {};

}  // namespace orvx::mainwin
