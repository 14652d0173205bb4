#include "app/load_settings.h"

namespace orvx::app {

void load_settings(const MainContext& context, SettingsOps& window) {
  const config::LoadedSettings loaded = config::load_settings_data(context.folders.data);
  config::TSettingsRec& settings = context.settings;
  settings = loaded.record;
  window.set_auto_save_timer(settings.auto_check_icons, settings.auto_check_icons_value);
  context.hotKey1.configure(settings.active_hotkey, loaded.hotkey);
  if (!loaded.language_file.empty()) context.lang_system.load_language(loaded.language_file);
  window.restore_minidesk_state(settings.form_status_button_value);
}

}  // namespace orvx::app
