#include "minidesk/minidesk_toggle.h"

#include "ini/ini_file.h"
#include "ui/resource_names.h"

namespace orvx::minidesk {

void toggle_minidesk(const std::string& config_path, bool& minidesk_shown, const MinideskToggleView& view) {
  if (!ini::IniText::load(config_path).value(kSettingsSection, kMinideskShownKey)) minidesk_shown = false;
  minidesk_shown = !minidesk_shown;
  if (view.set_toggle_picture)
    view.set_toggle_picture(minidesk_shown ? ui::kHideMinideskPicture : ui::kShowMinideskPicture);
  ini::write_bool(config_path, kSettingsSection, kMinideskShownKey, minidesk_shown);
  if (view.update_layout) view.update_layout();
}

void restore_minidesk_state(bool stored_shown, const std::string& config_path, bool& minidesk_shown,
                            const MinideskToggleView& view) {
  minidesk_shown = !stored_shown;
  toggle_minidesk(config_path, minidesk_shown, view);
}

}  // namespace orvx::minidesk
