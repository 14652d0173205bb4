#pragma once
// The update button's flow over the dialog's two download components:
// fetch the update information, offer a newer version, fetch the new
// program file, write the update script and start it.
//
// Nothing here waits. Click() starts the first fetch and returns; each
// component's events move the check on, one state at a time:
//
//   idle --Click--> fetching the information --newer--> downloading --> the script runs
//                          |                                |
//                          +-- no update, or a failure -----+--> idle
//
// Stop() (the dialog closes) cancels the running fetch; the check then
// waits for the component to end (stopping), installs nothing, removes what
// was fetched and says nothing. While a check runs, the update and uninstall
// buttons are disabled.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "net/fetch_rules.h"
#include "net/http_download.h"
#include "platform/prompts.h"
#include "update/scripts.h"
#include "update/system_steps.h"
#include "platform/message_ids.h"

namespace orvx::update {

// The controls of the update tab the flow drives.
class UpdateControls {
 public:
  virtual ~UpdateControls() = default;
  virtual void show_gauge(bool shown) = 0;  // dl_status
  virtual void set_gauge(int32_t maximum, int32_t position) = 0;
  virtual int32_t gauge_position() const = 0;
  // update_button and deinstall_button: disabled while a check runs.
  virtual void set_busy(bool busy) = 0;
  virtual void set_status(const std::string& text) = 0;  // status_label
  virtual void open_page(const std::string& url) = 0;    // the shell's "open"
};

enum class UpdateState {
  kIdle,
  kFetchingInformation,
  kDownloading,
  kStopping,  // stopped; the component's outcome has yet to arrive
  kStarted,   // the update script runs: the program ends
};

struct UpdateContext {
  net::HttpDownload& get_update;
  net::HttpDownload& get_download;  // BinaryData true
  Prompts& prompts;
  std::function<std::string(MessageId id)> message;  // get_message by id
  UpdateControls& controls;
  SystemSteps& system;
  // The update server's base address (net::UpdateServerBase), asked at
  // every click, so that a changed configuration counts from the next check.
  std::function<std::string()> server_base;
  std::string own_version;                    // get_version_string
  std::string program;                        // the running program file
  std::string temp_folder;                    // ends with a separator
  uint16_t machine = 0;                       // kRunningMachine
  StartMode start_mode = StartMode::kNormal;  // kept by the new program
  // The update script runs: the program must end at once, for the script
  // waits for the program file.
  std::function<void()> script_started;
};

class UpdateCheck {
 public:
  // Sets the components' fixed settings and events; both must outlive the
  // check.
  explicit UpdateCheck(UpdateContext context);
  UpdateCheck(const UpdateCheck&) = delete;
  UpdateCheck& operator=(const UpdateCheck&) = delete;
  // Cancels a running fetch and takes the events back.
  ~UpdateCheck();

  // Starts a check; false (and nothing happens) unless the check is idle.
  bool click();
  // The dialog closes: a running fetch is cancelled and its outcome
  // ignored when it comes.
  void stop();

  UpdateState state() const { return state_; }

 private:
  void information_arrived();
  void information_failed(net::FetchFailure failure);
  void program_arrived();
  void program_failed(net::FetchFailure failure);
  // Tells what a failed fetch of `file` means, unless it was cancelled.
  void report_failure(net::FetchFailure failure, const std::string& file);
  // Back to idle: the gauge hidden, the buttons enabled.
  void finish();
  // After a stop: what was fetched goes, and the check is idle again.
  void stopped();

  std::string information_file() const;
  std::string download_file() const;

  UpdateContext c_;
  std::string offered_version_;
  UpdateState state_ = UpdateState::kIdle;
};

}  // namespace orvx::update
