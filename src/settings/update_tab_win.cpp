#include "settings/update_tab_win.h"

#include <shellapi.h>

#include "autostart/autostart_link.h"
#include "config/config_file.h"
#include "lang/translator.h"
#include "platform/files.h"
#include "net/update_server_setting.h"
#include "ui/flat_button_win.h"
#include "ui/label_win.h"
#include "ui/program_title.h"
#include "ui/progress_bar_win.h"
#include "update/program_check.h"
#include "update/system_steps_win.h"
#include "update/uninstall_flow.h"
#include "update/web_page.h"

namespace orvx::settings {
namespace {

// The uninstall's question is a warning: what follows cannot be undone.
// Everything else goes to the dialog's own prompts.
class WarningQuestion final : public Prompts {
 public:
  WarningQuestion(HWND owner, Prompts& inner) : owner_(owner), inner_(inner) {}

  void show_message(const std::string& text) override { inner_.show_message(text); }
  bool confirm_information(const std::string& text) override { return inner_.confirm_information(text); }
  void show_error(const std::string& text) override { inner_.show_error(text); }
  bool ask_yes_no(const std::string& text) override {
    return MessageBoxA(owner_, text.c_str(), ui::kProgramTitle, MB_YESNO | MB_ICONWARNING | MB_SETFOREGROUND) == IDYES;
  }
  std::optional<std::string> ask_text(const std::string& title, const std::string& prompt,
                                      const std::string& initial) override {
    return inner_.ask_text(title, prompt, initial);
  }

 private:
  HWND owner_;
  Prompts& inner_;
};

}  // namespace

UpdateTab::UpdateTab(UpdateTabArgs args)
    : a_(std::move(args)),
      system_(a_.prompts),
      check_(update::UpdateContext{
          .get_update = update_info_download_,
          .get_download = program_download_,
          .prompts = a_.prompts,
          .message = [this](MessageId id) { return a_.language.message(id); },
          .controls = *this,
          .system = system_,
          .server_base = [this] { return net::configured_update_server(config::config_file_path(a_.data_folder)); },
          .own_version = a_.own_version,
          .program = a_.program_path,
          .temp_folder = files::temp_folder(),
          .machine = update::kRunningMachine,
          .start_mode = a_.start_mode,
          .script_started =
              [this] {
                if (a_.script_started) a_.script_started();
              }}) {
  a_.update_button.set_on_click([this] { check_for_update(); });
  a_.deinstall_button.set_on_click([this] { uninstall(); });
}

UpdateTab::~UpdateTab() {
  a_.update_button.set_on_click({});
  a_.deinstall_button.set_on_click({});
}

bool UpdateTab::busy() const { return check_.state() != update::UpdateState::kIdle; }

void UpdateTab::shown() {
  // A refill while the dialog is open (after an import) leaves a running
  // check as it shows.
  const update::UpdateState state = check_.state();
  if (state != update::UpdateState::kFetchingInformation && state != update::UpdateState::kDownloading) {
    a_.status_label.set_caption("");
    a_.dl_status.set_visible(false);
  }
  set_busy(busy());
}

void UpdateTab::closed() { check_.stop(); }

void UpdateTab::check_for_update() { check_.click(); }

void UpdateTab::uninstall() {
  // The button is disabled while a check runs: an uninstall now would end
  // the program in the middle of it.
  if (busy()) return;
  WarningQuestion prompts(a_.dialog, a_.prompts);
  update::WindowsSystemSteps system(prompts);
  update::ScriptPaths paths;
  paths.program = a_.program_path;
  paths.temp_folder = files::temp_folder();
  paths.data_folder = a_.data_folder;
  const update::UninstallEnd end =
      update::run_uninstall({.prompts = prompts,
                             .message = [this](MessageId id) { return a_.language.message(id); },
                             .system = system,
                             .delete_autostart_link = [this] { a_.autostart.remove(); }},
                            paths);
  if (end == update::UninstallEnd::kStarted && a_.script_started) a_.script_started();
}

void UpdateTab::show_gauge(bool shown) { a_.dl_status.set_visible(shown); }

void UpdateTab::set_gauge(int32_t maximum, int32_t position) {
  gauge_.set(maximum, position);
  a_.dl_status.set_position(gauge_.percent());
}

int32_t UpdateTab::gauge_position() const { return gauge_.position(); }

void UpdateTab::set_busy(bool busy) {
  a_.update_button.set_enabled(!busy);
  a_.deinstall_button.set_enabled(!busy);
}

void UpdateTab::set_status(const std::string& text) { a_.status_label.set_caption(text); }

void UpdateTab::open_page(const std::string& url) {
  // The check offers web pages only; the shell is never handed anything else.
  if (!update::is_web_page_address(url)) return;
  ShellExecuteA(a_.dialog, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace orvx::settings
