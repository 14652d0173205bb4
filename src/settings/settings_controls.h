#pragma once
// What the Settings section of the settings dialog shows, as plain values:
// filled from the settings record each time the dialog is shown, and
// written back into the record on Save. The dialog's windows only mirror
// these values.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"
#include "config/shortcut_text.h"

namespace orvx::settings {

struct SettingsControls {
  bool orv_on_start = false;  // the autostart shortcut exists
  bool auto_check_icons = false;
  int minutes = 1;  // the minute field, 1 to 60
  bool sort_after_res = false;
  std::vector<std::string> standard_profile_entries;
  std::optional<size_t> standard_profile_selection;
  bool active_hotkey = false;
  config::Shortcut hotkey;
  bool live_desktop = true;

  friend bool operator==(const SettingsControls&, const SettingsControls&) = default;
};

// The values for a showing of the dialog. `profiles`: the profile names in
// the order the folder lists them. The standard profile selected is the
// entry equal to the record's, without regard to case; with none stored,
// the one named after the current screen size (`resolution_profile`). A
// stored name without its file (a deleted profile) is added at the end and
// selected, so that Save keeps it and the next save makes the file again;
// a stored name no file can have is not. No equal entry: nothing is
// selected.
SettingsControls controls_for_show(const config::SettingsRecord& record, std::vector<std::string> profiles,
                                   std::string_view resolution_profile, bool autostart_exists);

// Save: the controls into the record (everything but the language).
void store_controls(const SettingsControls& controls, config::SettingsRecord& record);

}  // namespace orvx::settings
