#include "language_chooser/language_chooser_flow.h"

#include "config/config_file.h"
#include "lang/lang_folder.h"
#include "platform/files.h"

namespace orvx::language_chooser {

using lang_online::ChooserAnswer;

void follow_chooser_answer(std::optional<ChooserAnswer> answer, const ChooserFlowHost& host) {
  if (!answer) return;
  const std::string config = config::config_file_path(host.data_folder);
  switch (*answer) {
    case ChooserAnswer::kEnglish:
      lang_online::write_chooser_answer(config, ChooserAnswer::kEnglish);
      host.load_language(files::with_separator(lang::lang_folder_path(host.data_folder)) + "english" +
                         std::string(lang::kLanguageFileExtension));
      host.load_settings();
      break;
    case ChooserAnswer::kGerman:
      // German is built in: nothing to load, the texts are German already.
      lang_online::write_chooser_answer(config, ChooserAnswer::kGerman);
      break;
    case ChooserAnswer::kOther:
      if (host.settings_on_language()) lang_online::settle_language_question(config);
      break;
  }
}

}  // namespace orvx::language_chooser
