#include "settings/language_tab_win.h"

#include <windows.h>

#include "config/config_file.h"
#include "platform/ansi_text.h"
#include "net/update_server_setting.h"
#include "ui/choice_list_win.h"
#include "ui/flat_button_win.h"
#include "ui/label_win.h"
#include "ui/progress_bar_win.h"
#include "ui/progress_percent.h"
#include "ui/report_list_win.h"

namespace orvx::settings {

void LanguageTab::ShowingPrompts::show_message(const std::string& text) {
  show_();
  prompts_.show_message(text);
}

bool LanguageTab::ShowingPrompts::confirm_information(const std::string& text) {
  show_();
  return prompts_.confirm_information(text);
}

void LanguageTab::ShowingPrompts::show_error(const std::string& text) {
  show_();
  prompts_.show_error(text);
}

bool LanguageTab::ShowingPrompts::ask_yes_no(const std::string& text) {
  show_();
  return prompts_.ask_yes_no(text);
}

std::optional<std::string> LanguageTab::ShowingPrompts::ask_text(const std::string& title, const std::string& prompt,
                                                                 const std::string& initial) {
  show_();
  return prompts_.ask_text(title, prompt, initial);
}

LanguageTab::LanguageTab(LanguageTabControls controls, LanguageTabHost host)
    : controls_(controls),
      data_folder_(host.data_folder),
      record_(host.record),
      prompts_(host.prompts, [this] { show_view(); }),
      section_(lang_online::SectionContext{
          .fetcher = fetcher_,
          .prompts = prompts_,
          .message = std::move(host.message),
          .server_base =
              [folder = host.data_folder] { return net::configured_update_server(config::config_file_path(folder)); },
          .data_folder = host.data_folder}) {
  connect_events();
  controls_.find_language_button.set_on_click([this] {
    section_.find_clicked();
    show_view();
  });
  controls_.new_lang_files.set_on_change([this] { entry_chosen(); });
}

LanguageTab::~LanguageTab() {
  // The component cancels a running fetch and delivers no more events; the
  // handlers must not outlive the section they reach.
  language_download_.cancel_fetch();
}

void LanguageTab::connect_events() {
  lang_online::connect_language_section(language_download_, section_);
  // After each event the controls show the section's new state.
  language_download_.on_progress = [this, inner = language_download_.on_progress](net::HttpDownload& sender,
                                                                                  int32_t total, int32_t readed) {
    inner(sender, total, readed);
    show_view();
  };
  language_download_.on_text_done = [this, inner = language_download_.on_text_done](net::HttpDownload& sender,
                                                                                    const std::string& body) {
    inner(sender, body);
    show_view();
  };
  language_download_.on_file_done = [this, inner = language_download_.on_file_done](
                                        net::HttpDownload& sender, const std::string& file, int32_t size) {
    inner(sender, file, size);
    show_view();
  };
  language_download_.on_error = [this, inner = language_download_.on_error](net::HttpDownload& sender) {
    inner(sender);
    show_view();
  };
}

void LanguageTab::shown() {
  section_.shown();
  show_rows(section_.view().rows, false);
  show_view();
}

void LanguageTab::closed() {
  section_.closed();
  show_view();
}

void LanguageTab::expanded() {
  ui::ReportList& list = controls_.lang_list;
  SetFocus(list.control());
  std::optional<size_t> row;
  if (!record_.lang_list.empty()) {
    for (size_t i = 0; i < list.row_count(); ++i) {
      if (text::equal_ignoring_case(list.cell(i, 0), record_.lang_list)) {
        row = i;
        break;
      }
    }
  }
  list.select_row(row);
}

void LanguageTab::entry_chosen() {
  const std::optional<size_t> entry = controls_.new_lang_files.selected();
  if (!entry) return;
  section_.entry_chosen(*entry);
  show_view();
}

void LanguageTab::show_view() {
  const lang_online::SectionView& view = section_.view();
  controls_.find_language_button.set_enabled(view.find_enabled);
  if (view.entries != shown_entries_) {
    controls_.new_lang_files.set_entries(view.entries);
    shown_entries_ = view.entries;
  }
  controls_.set_lab_6.set_enabled(view.download_controls_visible);
  controls_.set_lab_6.set_visible(view.download_controls_visible);
  controls_.new_lang_files.set_enabled(view.download_controls_visible);
  controls_.new_lang_files.set_visible(view.download_controls_visible);
  controls_.pb_progress.set_visible(view.progress_visible);
  controls_.pb_progress.set_position(ui::progress_percent(view.progress_max, view.progress_position));
  if (view.rows != shown_rows_) show_rows(view.rows, true);
}

void LanguageTab::show_rows(const std::vector<lang_online::LanguageRow>& rows, bool keep_selection) {
  ui::ReportList& list = controls_.lang_list;
  std::optional<std::string> selected;
  if (const auto row = list.selected_row(); row && keep_selection) selected = list.cell(*row, 0);
  std::vector<std::vector<std::string>> cells;
  for (const lang_online::LanguageRow& row : rows) cells.push_back({row.lang, row.publisher, row.status});
  list.set_rows(cells);
  shown_rows_ = rows;
  if (!selected) return;
  for (size_t i = 0; i < list.row_count(); ++i) {
    if (list.cell(i, 0) == *selected) {
      list.select_row(i);
      return;
    }
  }
}

}  // namespace orvx::settings
