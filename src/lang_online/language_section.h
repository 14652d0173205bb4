#pragma once
// The Language section of the settings dialog without its windows: what the
// find button, the catalogue list and the progress bar show, and what is
// fetched, asked and installed on each event. The dialog forwards its events
// (and those of its download component get_file) here and shows view().
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "lang_online/language_list.h"
#include "net/fetch_rules.h"
#include "net/http_download_thread.h"
#include "platform/prompts.h"
#include "platform/message_ids.h"

namespace orvx::lang_online {

// The download component as the section uses it: get_file, not waiting, so
// the outcome arrives later through the section's event methods. A start
// returns false when the component is still busy and started nothing.
class LanguageFetcher {
 public:
  virtual ~LanguageFetcher() = default;
  virtual bool fetch_string(const std::string& url) = 0;
  // `check` decides whether the complete download may replace `file_name`.
  virtual bool fetch_file(const std::string& url, const std::string& file_name, net::FileCheck check) = 0;
};

enum class SectionState { kIdle, kFetchingCatalogue, kCatalogueShown, kDownloading, kAfterError };

struct SectionView {
  SectionState state = SectionState::kIdle;
  bool find_enabled = true;
  bool download_controls_visible = false;  // set_lab_6 and new_lang_files
  bool progress_visible = false;           // pbProgress
  int32_t progress_max = 0;
  int32_t progress_position = 0;
  std::vector<std::string> entries;  // new_lang_files, as the server sent them
  std::vector<LanguageRow> rows;     // lang_list
};

// A fetch that failed on the way: no server, an error page, a transfer cut
// off or stalled.
inline constexpr char kFetchErrorMessage[] = "Information could not be called up. Internet connection ok?";
inline constexpr char kCatalogueAgent[] = "ORVX_LANG";
inline constexpr char kCatalogueReferer[] = "ORVX";

// The question before a language download, e.g. Language "english" download?
std::string download_question(std::string_view name);

struct SectionContext {
  LanguageFetcher& fetcher;
  Prompts& prompts;
  // The current language's text of a message id (get_message with its
  // built-in German default).
  std::function<std::string(MessageId id)> message;
  // The update server's base address (net::UpdateServerBase), asked at
  // every fetch, so that a changed configuration counts from the next one.
  std::function<std::string()> server_base;
  std::string data_folder;  // ends with a separator
};

class LanguageSection {
 public:
  explicit LanguageSection(SectionContext context);

  // The dialog is shown (again), or its controls are refilled: the rows
  // anew. Idle again unless a fetch still runs, which keeps its state (and
  // the find button and the catalogue disabled) until its outcome arrives.
  // The find button stays disabled for the rest of the run once a catalogue
  // arrived.
  void shown();
  // The dialog closes: the download controls are hidden, the bar at 0.
  void closed();
  void find_clicked();
  void entry_chosen(size_t index);

  // Events of the download component.
  void progress(int32_t total_size, int32_t readed);
  void string_done(const std::string& body);
  void file_done();
  // `failure`: why the fetch failed (HttpDownload::LastFailure).
  void error(net::FetchFailure failure);

  const SectionView& view() const { return view_; }
  // True from a start until its outcome arrives.
  bool fetching() const;

 private:
  void refill();
  std::string error_message(net::FetchFailure failure) const;

  SectionContext context_;
  SectionView view_;
  bool catalogue_received_ = false;  // for the rest of the run
  // The language being downloaded and its file, for the messages.
  std::string download_name_;
  std::string download_file_;
};

}  // namespace orvx::lang_online
