#pragma once
// The user's settings: section Settings of config.qcf, held at run time in
// one SettingsRecord.
#include <cstdint>
#include <string>

#include "config/shortcut_text.h"

namespace orvx::config {

inline constexpr char kSettingsSection[] = "Settings";

// Each field bears the name of its key; the initial values are the defaults
// of missing keys.
struct SettingsRecord {
  bool auto_check_icons = false;                  // the auto-save timer runs
  int32_t auto_check_icons_value = 60000;         // its interval, milliseconds
  bool sort_after_res = false;                    // restore after a resolution change
  std::string standard_profile;                   // the standard profile; empty for none
  bool active_hotkey = false;                     // the save hotkey is registered
  std::string hot_key_value{kDefaultHotkeyText};  // shortcut text
  std::string lang_list;                          // language name; empty for German
  bool form_status_button_value = true;           // the Minidesk is shown
  bool live_desktop = true;                       // live Minidesk refresh

  friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;
};

// Reads the record from section Settings of the file; every missing key, or
// value that is no number where one is needed, gives the default. A missing,
// unreadable or absurdly large file gives all defaults.
SettingsRecord read_settings(const std::string& config_path);

// Writes the record into section Settings, the keys in the order the
// settings dialog saves them: auto_check_icons, auto_check_icons_value,
// sort_after_res, standard_profile, active_hotkey, HotKey_value, live_desktop, and
// lang_list only when `with_language` (a language was chosen). Other keys and
// sections stay as they are. One write: the file takes all of the keys or,
// when it cannot be written, none (false).
bool write_settings(const std::string& config_path, const SettingsRecord& settings, bool with_language);

}  // namespace orvx::config
