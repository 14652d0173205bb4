#include "update/update_check.h"

#include <utility>

#include "platform/ansi_text.h"
#include "net/update_server.h"
#include "platform/files.h"
#include "update/program_check.h"
#include "update/script_files.h"
#include "update/update_info.h"
#include "update/version_check.h"
#include "update/web_page.h"
#include "platform/message_ids.h"

namespace orvx::update {

UpdateCheck::UpdateCheck(UpdateContext context) : c_(std::move(context)) {
  c_.get_update.agent = "ORV6_update_info";
  c_.get_update.on_progress = [this](net::HttpDownload&, int32_t total, int32_t readed) {
    if (state_ == UpdateState::kFetchingInformation) c_.controls.set_gauge(total, readed);
  };
  c_.get_update.on_error = [this](net::HttpDownload& sender) { information_failed(sender.last_failure()); };
  c_.get_update.on_file_done = [this](net::HttpDownload&, const std::string&, int32_t) { information_arrived(); };

  c_.get_download.agent = "ORV6_download_get";
  c_.get_download.binary_data = true;
  c_.get_download.on_progress = [this](net::HttpDownload&, int32_t total, int32_t readed) {
    if (state_ != UpdateState::kDownloading) return;
    if (c_.controls.gauge_position() == 0) c_.controls.show_gauge(true);
    c_.controls.set_gauge(total, readed);
  };
  c_.get_download.on_error = [this](net::HttpDownload& sender) { program_failed(sender.last_failure()); };
  c_.get_download.on_file_done = [this](net::HttpDownload&, const std::string&, int32_t) { program_arrived(); };
}

UpdateCheck::~UpdateCheck() {
  for (net::HttpDownload* component : {&c_.get_update, &c_.get_download}) {
    component->cancel_fetch();
    component->on_progress = nullptr;
    component->on_file_done = nullptr;
    component->on_error = nullptr;
  }
}

std::string UpdateCheck::information_file() const { return c_.temp_folder + kUpdateInfoName; }

std::string UpdateCheck::download_file() const { return c_.temp_folder + kDownloadName; }

bool UpdateCheck::click() {
  if (state_ != UpdateState::kIdle || c_.get_update.fetching() || c_.get_download.fetching()) return false;
  c_.controls.set_status("");
  c_.controls.set_gauge(0, 0);
  c_.controls.show_gauge(true);
  c_.controls.set_busy(true);
  state_ = UpdateState::kFetchingInformation;
  c_.get_update.url = net::update_server_url(c_.server_base(), "/update.inf");
  c_.get_update.file_name = information_file();
  c_.get_update.fetch_file();
  return true;
}

void UpdateCheck::stop() {
  if (state_ == UpdateState::kFetchingInformation) {
    state_ = UpdateState::kStopping;
    c_.get_update.cancel_fetch();
  } else if (state_ == UpdateState::kDownloading) {
    state_ = UpdateState::kStopping;
    c_.get_download.cancel_fetch();
  }
}

void UpdateCheck::information_arrived() {
  if (state_ == UpdateState::kStopping) return stopped();
  if (state_ != UpdateState::kFetchingInformation) return;
  const UpdateInfo info = read_update_info(information_file(), c_.server_base());
  // Whatever the server sent with a success status (an error page, a
  // proxy's notice): without a plain version nothing was checked.
  if (!info.version_given || !is_plain_version(info.version)) {
    c_.prompts.show_message(c_.message(message_ids::kNoUpdateInformation));
    return finish();
  }
  if (!update_offered(c_.own_version, info.version)) {
    c_.controls.set_status(c_.message(message_ids::kNoNewerVersion));
    return finish();
  }
  offered_version_ = info.version;
  // Only a web page is offered; any other address is not even mentioned.
  if (is_web_page_address(info.up_infos) && c_.prompts.ask_yes_no(c_.message(message_ids::kAskUpdateInformation))) {
    c_.controls.open_page(info.up_infos);
  }
  if (state_ != UpdateState::kFetchingInformation) return stopped();
  const std::string download = download_file();
  c_.get_download.url = info.dl_url;
  c_.get_download.file_name = download;
  // Only a program for this build replaces an earlier download; anything
  // else ends in OnError and leaves nothing behind.
  const uint16_t machine = c_.machine;
  c_.get_download.check_file = [machine](const std::string& received) {
    return file_is_program_for(received, machine);
  };
  files::delete_file(download);
  state_ = UpdateState::kDownloading;
  c_.controls.set_gauge(0, 0);
  c_.get_download.fetch_file();
}

void UpdateCheck::information_failed(net::FetchFailure failure) {
  if (state_ == UpdateState::kStopping) return stopped();
  if (state_ != UpdateState::kFetchingInformation) return;
  report_failure(failure, information_file());
  finish();
}

void UpdateCheck::program_failed(net::FetchFailure failure) {
  if (state_ == UpdateState::kStopping) return stopped();
  if (state_ != UpdateState::kDownloading) return;
  if (failure == net::FetchFailure::kRefused) {
    c_.prompts.show_message(c_.message(message_ids::kNotAProgram));
  } else {
    report_failure(failure, download_file());
  }
  finish();
}

void UpdateCheck::report_failure(net::FetchFailure failure, const std::string& file) {
  if (failure == net::FetchFailure::kCancelled) return;
  if (failure == net::FetchFailure::kLocalFile) {
    c_.prompts.show_message(text::with_detail(c_.message(message_ids::kFileNotWritten), file));
    return;
  }
  c_.prompts.show_message(c_.message(message_ids::kConnectionFailed));
}

void UpdateCheck::program_arrived() {
  if (state_ == UpdateState::kStopping) return stopped();
  if (state_ != UpdateState::kDownloading) return;
  c_.controls.set_gauge(0, 0);
  ScriptPaths paths;
  paths.program = c_.program;
  paths.temp_folder = c_.temp_folder;
  const std::string temp_name = c_.system.temp_name(c_.temp_folder, "ORV");
  const ScriptWriting writing{c_.system.console_code_page()};
  const ScriptOutcome outcome =
      temp_name.empty() ? ScriptOutcome::kWriteFailed
                        : write_update_script(paths, temp_name, offered_version_, c_.start_mode, c_.machine, writing);
  if (outcome == ScriptOutcome::kFolderNotWritable) {
    c_.prompts.show_message(c_.message(message_ids::kFolderNotWritable));
    return finish();
  }
  if (outcome == ScriptOutcome::kNoConsoleForm) {
    c_.prompts.show_message(text::with_detail(c_.message(message_ids::kUpdatePathUnreadable),
                                              path_without_console_form(paths, writing.code_page)));
    return;
  }
  if (outcome != ScriptOutcome::kWritten) {
    c_.prompts.show_message(c_.message(message_ids::kConnectionFailed));
    return finish();
  }
  c_.prompts.show_message(c_.message(message_ids::kDownloadedUpdating));
  c_.system.clear_attributes(c_.program);
  if (!c_.system.enter_folder(c_.temp_folder)) {
    files::delete_file(paths.script);
    return finish();
  }
  if (!c_.system.start_hidden(paths.script)) {
    files::delete_file(paths.script);
    return finish();
  }
  state_ = UpdateState::kStarted;
  if (c_.script_started) c_.script_started();
}

void UpdateCheck::finish() {
  state_ = UpdateState::kIdle;
  c_.controls.show_gauge(false);
  c_.controls.set_gauge(0, 0);
  c_.controls.set_busy(false);
}

void UpdateCheck::stopped() {
  // A program that arrived after the stop is never installed.
  files::delete_file(download_file());
  finish();
}

}  // namespace orvx::update
