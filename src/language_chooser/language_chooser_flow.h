#pragma once
// What follows an answer of the first-start language chooser: the answer
// recorded in config.qcf, English loaded at once, or the settings dialog
// opened on its Language section, where a language saved also settles the
// question.
#include <functional>
#include <optional>
#include <string>

#include "lang_online/language_chooser.h"

namespace orvx::language_chooser {

struct ChooserFlowHost {
  std::string data_folder;  // ends with a separator
  // Loads a language file, so that every open window switches at once.
  std::function<void(const std::string& path)> load_language;
  // The main window's load_settings.
  std::function<void()> load_settings;
  // Shows the settings dialog modally with the Language section expanded;
  // true when it was closed by a Save that stored a language row.
  std::function<bool()> settings_on_language;
};

// `answer`: nullopt when the chooser was closed without one (Esc); then
// nothing is written and the question stays open for the next run.
void follow_chooser_answer(std::optional<lang_online::ChooserAnswer> answer, const ChooserFlowHost& host);

}  // namespace orvx::language_chooser
