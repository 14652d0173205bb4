#pragma once
// The first-start language chooser: when it is offered and what each answer
// writes into section Settings of config.qcf. Every answer settles the
// question, so the chooser never comes back once answered.
#include <string>

namespace orvx::lang_online {

inline constexpr char kLanguageMenuKey[] = "lang_menu";  // 1: the question is settled
inline constexpr char kLanguageListKey[] = "lang_list";  // the language in use; empty: German

enum class ChooserAnswer {
  kEnglish,  // "Save" with "English"
  kGerman,   // "Save" with "Deutsch"
  kOther,    // "Other Language": the settings dialog decides
};

// Offered at most once per run, and only while the question is not settled
// and the user's language is not German.
class ChooserOffer {
 public:
  bool should_offer(bool settled, bool user_language_german);

 private:
  bool offered_ = false;
};

// Writes what the answer settles: English writes lang_list "english" and
// lang_menu 1; German writes an empty lang_list and lang_menu 1; Other writes
// nothing (the settings dialog's Save does, see settle_language_question).
// False when a write failed.
bool write_chooser_answer(const std::string& config_path, ChooserAnswer answer);

// A language saved from the settings dialog settles the question as well.
bool settle_language_question(const std::string& config_path);

}  // namespace orvx::lang_online
