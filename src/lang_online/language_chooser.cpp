#include "lang_online/language_chooser.h"

#include "ini/ini_file.h"
#include "config/settings.h"

namespace orvx::lang_online {

bool ChooserOffer::should_offer(bool settled, bool user_language_german) {
  if (offered_ || settled || user_language_german) return false;
  offered_ = true;
  return true;
}

bool write_chooser_answer(const std::string& config_path, ChooserAnswer answer) {
  switch (answer) {
    case ChooserAnswer::kEnglish:
      return ini::write_string(config_path, config::kSettingsSection, kLanguageListKey, "english") &&
             settle_language_question(config_path);
    case ChooserAnswer::kGerman:
      return ini::write_string(config_path, config::kSettingsSection, kLanguageListKey, "") &&
             settle_language_question(config_path);
    case ChooserAnswer::kOther:
      return true;
  }
  return false;
}

bool settle_language_question(const std::string& config_path) {
  return ini::write_integer(config_path, config::kSettingsSection, kLanguageMenuKey, 1);
}

}  // namespace orvx::lang_online
