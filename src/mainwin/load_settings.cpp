#include "mainwin/load_settings.h"

#include "config/config_file.h"
#include "lang/lang_folder.h"

namespace orvx::mainwin {

LoadedSettings load_settings_data(const std::string& data_folder) {
  LoadedSettings loaded;
  loaded.record = config::read_settings(config::config_file_path(data_folder));
  loaded.hotkey = config::text_to_shortcut(loaded.record.hot_key_value);
  if (!loaded.record.lang_list.empty()) {
    loaded.language_file = lang::find_language_file(lang::lang_folder_path(data_folder), loaded.record.lang_list);
    if (loaded.language_file.empty()) loaded.record.lang_list.clear();
  }
  return loaded;
}

void load_settings(const MainContext& context, SettingsOps& window) {
  const LoadedSettings loaded = load_settings_data(context.folders.data);
  config::SettingsRecord& settings = context.settings;
  settings = loaded.record;
  window.set_auto_save_timer(settings.auto_check_icons, settings.auto_check_icons_value);
  context.save_hotkey.configure(settings.active_hotkey, loaded.hotkey);
  if (!loaded.language_file.empty()) context.translator.load_language(loaded.language_file);
  window.restore_minidesk_state(settings.form_status_button_value);
}

}  // namespace orvx::mainwin
