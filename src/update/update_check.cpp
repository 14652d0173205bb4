#include "update/update_check.h"

#include <utility>

#include "lang/messages.h"
#include "net/update_server.h"
#include "platform/files.h"
#include "update/program_check.h"
#include "update/script_files.h"
#include "update/update_info.h"
#include "update/version_check.h"

namespace orvx::update {

UpdateCheck::UpdateCheck(UpdateContext context) : c_(std::move(context)) {
  c_.get_update.Agent = "ORV6_update_info";
  c_.get_update.WaitThread = true;
  c_.get_update.OnProgress = [this](net::THTTPGet&, int32_t, int32_t) {
    c_.controls.enable_button(true);
  };
  c_.get_update.OnError = [this](net::THTTPGet&) {
    c_.prompts.show_message(c_.message("MSDLG_14"));
    c_.controls.show_gauge(false);
    c_.controls.enable_button(true);
  };
  c_.get_update.OnDoneFile = [this](net::THTTPGet&, const std::string&, int32_t) {
    InformationArrived();
  };

  c_.get_download.Agent = "ORV6_download_get";
  c_.get_download.WaitThread = true;
  c_.get_download.BinaryData = true;
  c_.get_download.OnProgress = [this](net::THTTPGet&, int32_t total, int32_t readed) {
    if (c_.controls.gauge_position() == 0) c_.controls.show_gauge(true);
    c_.controls.set_gauge(total, readed);
  };
  c_.get_download.OnError = [this](net::THTTPGet&) {
    c_.prompts.show_message(c_.message("MSDLG_14"));
  };
  c_.get_download.OnDoneFile = [this](net::THTTPGet&, const std::string&, int32_t) {
    ProgramArrived();
  };
}

UpdateEnd UpdateCheck::Click() {
  end_ = UpdateEnd::kNoUpdate;
  c_.controls.show_gauge(true);
  c_.controls.enable_button(false);
  c_.get_update.URL = net::UpdateServerUrl(c_.server_base, "/update.inf");
  c_.get_update.FileName = c_.temp_folder + kUpdateInfoName;
  c_.get_update.FetchFile();
  c_.controls.set_gauge(0, 0);
  return end_;
}

void UpdateCheck::InformationArrived() {
  const UpdateInfo info = read_update_info(c_.temp_folder + kUpdateInfoName, c_.server_base);
  if (update_offered(c_.own_version, info.version)) {
    offered_version_ = info.version;
    if (c_.prompts.ask_yes_no(c_.message("MSDLG_8"))) c_.controls.open_page(info.up_infos);
    const std::string download = c_.temp_folder + kDownloadName;
    c_.get_download.URL = info.dl_url;
    c_.get_download.FileName = download;
    // Only a program for this build replaces an earlier download; anything
    // else ends in OnError and leaves nothing behind.
    const uint16_t machine = c_.machine;
    c_.get_download.CheckFile = [machine](const std::string& received) {
      return file_is_program_for(received, machine);
    };
    files::delete_file(download);
    end_ = UpdateEnd::kNotStarted;
    c_.get_download.FetchFile();
  } else {
    c_.controls.set_status(c_.message("MSDLG_13"));
  }
  c_.controls.enable_button(true);
}

void UpdateCheck::ProgramArrived() {
  c_.controls.set_gauge(0, 0);
  ScriptPaths paths;
  paths.program = c_.program;
  paths.temp_folder = c_.temp_folder;
  const std::string temp_name = c_.system.temp_name(c_.temp_folder, "ORV");
  const ScriptWriting writing{c_.system.console_code_page()};
  const ScriptOutcome outcome =
      temp_name.empty()
          ? ScriptOutcome::kWriteFailed
          : write_update_script(paths, temp_name, offered_version_, c_.start_mode, c_.machine, writing);
  if (outcome == ScriptOutcome::kFolderNotWritable) {
    c_.prompts.show_message(c_.message(kFolderNotWritableMessageId));
    return;
  }
  if (outcome == ScriptOutcome::kNoConsoleForm) {
    c_.prompts.show_message(lang::with_detail(c_.message(kUpdatePathUnreadableMessageId),
                                              path_without_console_form(paths, writing.code_page)));
    return;
  }
  if (outcome != ScriptOutcome::kWritten) {
    c_.prompts.show_message(c_.message("MSDLG_14"));
    return;
  }
  c_.prompts.show_message(c_.message("MSDLG_15"));
  c_.system.clear_attributes(c_.program);
  if (!c_.system.enter_folder(c_.temp_folder)) {
    files::delete_file(paths.script);
    return;
  }
  if (!c_.system.start_hidden(paths.script)) {
    files::delete_file(paths.script);
    return;
  }
  end_ = UpdateEnd::kStarted;
}

}  // namespace orvx::update
