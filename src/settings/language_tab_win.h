#pragma once
// The settings dialog's Language section at work: the list of installed
// languages, the catalogue fetched from the update server and a language
// downloaded from it. The dialog owns the controls; this object owns the
// download component `get_file` and the section's state
// (lang_online::LanguageSection), forwards the controls' events and the
// component's to it and shows its view() in the controls after each.
//
// `get_file` does not wait: a fetch runs while the dialog stays usable, and
// its outcome arrives through the UI thread's messages - also after the
// dialog has closed; the next showing starts from the section's state then.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"
#include "lang_online/language_download.h"
#include "lang_online/language_section.h"
#include "net/http_download.h"
#include "platform/prompts.h"
#include "platform/message_ids.h"

namespace orvx::ui {
class ChoiceList;
class FlatButton;
class Label;
class ProgressBar;
class ReportList;
}  // namespace orvx::ui

namespace orvx::settings {

struct LanguageTabControls {
  ui::ReportList& lang_list;
  ui::FlatButton& find_language_button;
  ui::Label& set_lab_6;
  ui::ChoiceList& new_lang_files;
  ui::ProgressBar& pb_progress;
};

struct LanguageTabHost {
  Prompts& prompts;
  // A message of the current language by its id.
  std::function<std::string(MessageId id)> message;
  std::string data_folder;  // ends with a separator
  // The record whose lang_list names the language in use.
  const config::SettingsRecord& record;
};

class LanguageTab {
 public:
  LanguageTab(LanguageTabControls controls, LanguageTabHost host);
  LanguageTab(const LanguageTab&) = delete;
  LanguageTab& operator=(const LanguageTab&) = delete;
  ~LanguageTab();

  // The dialog is shown: the list refilled without a selection, the find
  // button as the run allows.
  void shown();
  // The dialog closes: the download controls hidden, the bar at 0.
  void closed();
  // The section was expanded: the list gets the focus and the row of the
  // language in use is selected (none while German, the built-in one, is in
  // use).
  void expanded();

 private:
  // Asks every prompt of the section with the controls showing its state
  // first, so that a box never stands in front of a stale section.
  class ShowingPrompts final : public Prompts {
   public:
    ShowingPrompts(Prompts& prompts, std::function<void()> show) : prompts_(prompts), show_(std::move(show)) {}
    void show_message(const std::string& text) override;
    bool confirm_information(const std::string& text) override;
    void show_error(const std::string& text) override;
    bool ask_yes_no(const std::string& text) override;
    std::optional<std::string> ask_text(const std::string& title, const std::string& prompt,
                                        const std::string& initial) override;

   private:
    Prompts& prompts_;
    std::function<void()> show_;
  };

  void connect_events();
  void entry_chosen();
  void show_view();
  // `keep_selection`: the row selected stays selected when it is still
  // listed (a refill after a download); otherwise none is.
  void show_rows(const std::vector<lang_online::LanguageRow>& rows, bool keep_selection);

  LanguageTabControls controls_;
  std::string data_folder_;
  const config::SettingsRecord& record_;
  ShowingPrompts prompts_;
  net::HttpDownload language_download_;
  lang_online::HttpGetLanguageFetcher fetcher_{language_download_};
  lang_online::LanguageSection section_;
  // What the controls show now, so that a progress event neither refills
  // the lists nor loses their selection.
  std::vector<lang_online::LanguageRow> shown_rows_;
  std::vector<std::string> shown_entries_;
};

}  // namespace orvx::settings
