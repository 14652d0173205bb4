#include "settings/settings_save.h"

#include "config/config_file.h"
#include "lang/lang_folder.h"
#include "platform/files.h"

namespace orvx::settings {

bool save_settings(const SettingsControls& controls, const std::optional<std::string>& language_row,
                   SettingsSaveHost& host) {
  store_controls(controls, host.record);

  if (language_row) {
    if (*language_row == kGermanLanguageRow) {
      // The German texts are built in: the windows keep their texts until
      // the next start.
      host.prompts.show_message(host.message("MSDLG_2"));
      host.record.lang_list.clear();
    } else {
      const std::string folder = files::with_separator(lang::lang_folder_path(host.data_folder));
      host.load_language(folder + *language_row + std::string(lang::kLanguageFileExtension));
      host.record.lang_list = *language_row;
    }
  }

  if (controls.orv_on_start) {
    host.autostart.create(host.program_path);
  } else {
    host.autostart.remove();
  }

  return config::write_settings(config::config_file_path(host.data_folder), host.record, language_row.has_value());
}

}  // namespace orvx::settings
