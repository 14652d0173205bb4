#pragma once
// Showing and hiding the Minidesk (`toggle_minidesk`), which expands or
// collapses the main window. The state is kept in the configuration file
// as `form_status_button_value` in section `Settings`, written at each
// toggle.
#include <functional>
#include <string>

namespace orvx::minidesk {

inline constexpr char kSettingsSection[] = "Settings";
inline constexpr char kMinideskShownKey[] = "form_status_button_value";

struct MinideskToggleView {
  // Puts the named picture on `form_status_button`: "B_OPEN" offers to
  // show the hidden Minidesk, "B_CLOSE" to hide the shown one
  // (ui/resource_names.h).
  std::function<void(const char* picture)> set_toggle_picture;
  // update_layout: the window expands or collapses to `minidesk_shown`.
  std::function<void()> update_layout;
};

// Flips `minidesk_shown`, shows the matching picture, writes the new state
// to the configuration file and lays the window out anew. A file without
// the key counts as a hidden Minidesk, so the first toggle shows it. A
// write that fails goes unreported; the window toggles all the same.
void toggle_minidesk(const std::string& config_path, bool& minidesk_shown, const MinideskToggleView& view);

// The state at start, as load_settings read it (`form_status_button_value`,
// shown when missing): set by toggling from its opposite, so that picture,
// file and layout agree with it.
void restore_minidesk_state(bool stored_shown, const std::string& config_path, bool& minidesk_shown,
                            const MinideskToggleView& view);

}  // namespace orvx::minidesk
