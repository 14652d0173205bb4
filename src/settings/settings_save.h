#pragma once
// The settings dialog's Save: the controls into the settings record and
// config.qcf, the language chosen, the autostart entry made or removed.
// Applying the new record to the main window is the caller's next step.
//
// All or nothing: config.qcf is written first, in one piece, and when it
// cannot be written (read-only, held by another program) the user is told
// which file it is, and the record, the language of the windows and the
// autostart entry stay as they were, so that the dialog can stay open with
// the edits for another try.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "autostart/autostart_link.h"
#include "config/settings.h"
#include "lang_online/language_list.h"
#include "platform/prompts.h"
#include "settings/settings_controls.h"
#include "platform/message_ids.h"

namespace orvx::settings {

// The caption of the built-in German row of the language list.
inline constexpr const char* kGermanLanguageRow = lang_online::kBuiltInLanguage;

struct SettingsSaveHost {
  config::SettingsRecord& record;
  std::string data_folder;
  Prompts& prompts;
  // A message of the current language by its id.
  std::function<std::string(MessageId id)> message;
  // Loads a language file at once, so that every open window switches.
  std::function<void(const std::string& path)> load_language;
  autostart::AutostartLink& autostart;
  std::string program_path;  // the target of a new autostart shortcut
};

// `language_row`: the caption of the selected row of the language list, or
// nullopt when no row is selected (the stored language stays as it is).
// False when config.qcf could not be written; nothing was changed then.
bool save_settings(const SettingsControls& controls, const std::optional<std::string>& language_row,
                   SettingsSaveHost& host);

}  // namespace orvx::settings
