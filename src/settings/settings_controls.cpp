#include "settings/settings_controls.h"

#include <algorithm>

#include "config/hotkey_rules.h"
#include "config/interval_minutes.h"
#include "platform/ansi_text.h"
#include "profiles/profile_store.h"

namespace orvx::settings {
namespace {

std::optional<size_t> find_entry(const std::vector<std::string>& entries, std::string_view name) {
  for (size_t i = 0; i < entries.size(); ++i) {
    if (text::equal_ignoring_case(entries[i], name)) return i;
  }
  return std::nullopt;
}

}  // namespace

SettingsControls controls_for_show(const config::SettingsRecord& record, std::vector<std::string> profiles,
                                   std::string_view resolution_profile, bool autostart_exists) {
  SettingsControls c;
  c.standard_profile_entries = std::move(profiles);
  c.orv_on_start = autostart_exists;
  c.auto_check_icons = record.auto_check_icons;
  c.minutes = config::interval_to_minutes(record.auto_check_icons_value);
  c.sort_after_res = record.sort_after_res;
  c.active_hotkey = record.active_hotkey;
  const std::string_view wanted =
      record.standard_profile.empty() ? resolution_profile : std::string_view(record.standard_profile);
  c.standard_profile_selection = find_entry(c.standard_profile_entries, wanted);
  if (!c.standard_profile_selection && !record.standard_profile.empty() &&
      is_usable_profile_name(record.standard_profile)) {
    // The chosen standard profile has no file (it was deleted): it stays
    // chosen, and the next save makes the file again.
    c.standard_profile_entries.push_back(record.standard_profile);
    c.standard_profile_selection = c.standard_profile_entries.size() - 1;
  }
  c.hotkey = config::text_to_shortcut(record.hot_key_value.empty() ? config::kDefaultHotkeyText
                                                                   : std::string_view(record.hot_key_value));
  c.live_desktop = record.live_desktop;
  return c;
}

void store_controls(const SettingsControls& controls, config::SettingsRecord& record) {
  record.auto_check_icons = controls.auto_check_icons;
  record.auto_check_icons_value = config::minutes_to_interval(controls.minutes);
  record.sort_after_res = controls.sort_after_res;
  record.active_hotkey = controls.active_hotkey;
  const auto& selection = controls.standard_profile_selection;
  record.standard_profile = selection && *selection < controls.standard_profile_entries.size()
                                ? controls.standard_profile_entries[*selection]
                                : std::string();
  record.hot_key_value = config::shortcut_to_text(config::with_required_modifiers(controls.hotkey));
  record.live_desktop = controls.live_desktop;
}

}  // namespace orvx::settings
