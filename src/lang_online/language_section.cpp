#include "lang_online/language_section.h"

#include <utility>

#include "lang/lang_folder.h"
#include "lang/messages.h"
#include "lang_online/catalogue.h"
#include "lang_online/language_file_check.h"
#include "lang_online/language_name.h"
#include "net/update_server.h"
#include "platform/files.h"
#include "platform/ansi_text.h"
#include "platform/message_ids.h"

namespace orvx::lang_online {

std::string download_question(std::string_view name) {
  return "Language \"" + std::string(name) + "\" download?\rNo data will transfer! Further?";
}

LanguageSection::LanguageSection(SectionContext context) : context_(std::move(context)) {}

bool LanguageSection::fetching() const {
  return view_.state == SectionState::kFetchingCatalogue || view_.state == SectionState::kDownloading;
}

void LanguageSection::shown() {
  if (fetching()) {
    // The transfer goes on, and so does what the section shows of it.
    view_.find_enabled = false;
    if (view_.state == SectionState::kDownloading) {
      view_.download_controls_visible = true;
      view_.progress_visible = true;
    }
  } else {
    view_.state = SectionState::kIdle;
    view_.find_enabled = !catalogue_received_;
  }
  refill();
}

void LanguageSection::closed() {
  view_.download_controls_visible = false;
  view_.progress_visible = false;
  view_.progress_position = 0;
}

void LanguageSection::find_clicked() {
  if (!view_.find_enabled || fetching()) return;
  if (!context_.prompts.ask_yes_no(context_.message(message_ids::kAskInternetAccess))) return;
  if (!context_.fetcher.fetch_string(net::update_server_url(context_.server_base(), "/lang.dat"))) return;
  view_.entries.clear();
  view_.progress_position = 0;
  view_.find_enabled = false;
  view_.state = SectionState::kFetchingCatalogue;
}

void LanguageSection::string_done(const std::string& body) {
  std::vector<std::string> entries = split_catalogue(body);
  if (entries.empty()) return;  // nothing shown; the find button stays disabled
  catalogue_received_ = true;
  view_.state = SectionState::kCatalogueShown;
  view_.download_controls_visible = true;
  view_.progress_visible = true;
  view_.progress_position = 0;
  view_.entries = std::move(entries);
}

void LanguageSection::entry_chosen(size_t index) {
  if (index >= view_.entries.size()) return;
  if (fetching()) return;  // one fetch at a time
  const std::string name = view_.entries[index];
  const std::string lang_folder = files::with_separator(lang::lang_folder_path(context_.data_folder));
  const NameProblem problem = check_language_name(name, lang_folder);
  if (problem != NameProblem::kNone) {
    context_.prompts.show_message(name_problem_message(name, problem));
    return;
  }
  if (!context_.prompts.ask_yes_no(download_question(name))) return;
  view_.progress_position = 0;
  if (!lang::ensure_lang_folder(context_.data_folder, context_.prompts)) return;
  const std::string file = lang_folder + name + std::string(lang::kLanguageFileExtension);
  if (!context_.fetcher.fetch_file(
          net::update_server_url(context_.server_base(), "/files/lang/" + name + ".qlf"), file,
          [name](const std::string& received) { return language_file_is_for(received, name); })) {
    return;
  }
  view_.state = SectionState::kDownloading;
  download_name_ = name;
  download_file_ = file;
}

void LanguageSection::progress(int32_t total_size, int32_t readed) {
  view_.progress_max = total_size;
  view_.progress_position = readed;
}

void LanguageSection::file_done() {
  download_name_.clear();
  download_file_.clear();
  view_.state = SectionState::kCatalogueShown;
  view_.progress_position = 0;
  refill();
}

void LanguageSection::error(net::FetchFailure failure) {
  // The download component has removed its partial file; a language file
  // installed earlier under the same name stays as it was.
  const std::string message = error_message(failure);
  view_.state = SectionState::kAfterError;
  view_.progress_position = 0;
  view_.find_enabled = true;
  catalogue_received_ = false;
  download_name_.clear();
  download_file_.clear();
  // A fetch cancelled on the way out (the dialog's end) is no news.
  if (failure != net::FetchFailure::kCancelled) context_.prompts.show_message(message);
}

std::string LanguageSection::error_message(net::FetchFailure failure) const {
  const bool downloading = view_.state == SectionState::kDownloading;
  if (downloading && failure == net::FetchFailure::kRefused) {
    return text::with_detail(context_.message(message_ids::kNotTheLanguage), download_name_);
  }
  if (downloading && failure == net::FetchFailure::kLocalFile) {
    return text::with_detail(context_.message(message_ids::kFileNotWritten), download_file_);
  }
  return kFetchErrorMessage;
}

void LanguageSection::refill() { view_.rows = fill_language_list(lang::lang_folder_path(context_.data_folder)); }

}  // namespace orvx::lang_online
