#include "settings/settings_save.h"

#include "config/config_file.h"
#include "lang/lang_folder.h"
#include "lang/messages.h"
#include "platform/files.h"
#include "platform/ansi_text.h"
#include "platform/message_ids.h"

namespace orvx::settings {

bool save_settings(const SettingsControls& controls, const std::optional<std::string>& language_row,
                   SettingsSaveHost& host) {
  config::SettingsRecord updated = host.record;
  store_controls(controls, updated);
  const bool german = language_row && *language_row == kGermanLanguageRow;
  if (language_row) updated.lang_list = german ? std::string() : *language_row;

  // The file first: when it takes nothing, nothing else changes either.
  const std::string config_path = config::config_file_path(host.data_folder);
  if (!config::write_settings(config_path, updated, language_row.has_value())) {
    host.prompts.show_message(text::with_detail(host.message(message_ids::kSettingsNotSaved), config_path));
    return false;
  }
  host.record = updated;

  if (german) {
    // The German texts are built in: the windows keep their texts until
    // the next start.
    host.prompts.show_message(host.message(message_ids::kRestartForLanguage));
  } else if (language_row) {
    const std::string folder = files::with_separator(lang::lang_folder_path(host.data_folder));
    host.load_language(folder + *language_row + std::string(lang::kLanguageFileExtension));
  }

  if (controls.orv_on_start) {
    host.autostart.create(host.program_path);
  } else {
    host.autostart.remove();
  }
  return true;
}

}  // namespace orvx::settings
