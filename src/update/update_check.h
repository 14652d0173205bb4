#pragma once
// The update button's flow over the dialog's two waiting download
// components: fetch the update information, offer a newer version, fetch
// the new program file, write the update script and start it. The caller
// ends the program when Click returns kStarted.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "net/http_get.h"
#include "platform/prompts.h"
#include "update/scripts.h"
#include "update/system_steps.h"

namespace orvx::update {

// The controls of the update tab the flow drives.
class UpdateControls {
 public:
  virtual ~UpdateControls() = default;
  virtual void show_gauge(bool shown) = 0;       // dl_status
  virtual void set_gauge(int32_t maximum, int32_t position) = 0;
  virtual int32_t gauge_position() const = 0;
  virtual void enable_button(bool enabled) = 0;  // update_button
  virtual void set_status(const std::string& text) = 0;  // status_label
  virtual void open_page(const std::string& url) = 0;    // the shell's "open"
};

enum class UpdateEnd {
  kNoUpdate,    // none offered, or the check failed: the program goes on
  kNotStarted,  // an update was fetched but not installed
  kStarted,     // the script runs: end the program at once
};

struct UpdateContext {
  net::THTTPGet& get_update;    // WaitThread true
  net::THTTPGet& get_download;  // WaitThread true, BinaryData true
  Prompts& prompts;
  std::function<std::string(std::string_view id)> message;  // get_message by id
  UpdateControls& controls;
  SystemSteps& system;
  std::string server_base;  // net::UpdateServerBase
  std::string own_version;  // get_version_string
  std::string program;      // the running program file
  std::string temp_folder;  // ends with a separator
  uint16_t machine = 0;     // kRunningMachine
  StartMode start_mode = StartMode::kNormal;  // kept by the new program
};

class UpdateCheck {
 public:
  // Sets the components' fixed settings and events.
  explicit UpdateCheck(UpdateContext context);
  UpdateCheck(const UpdateCheck&) = delete;
  UpdateCheck& operator=(const UpdateCheck&) = delete;

  UpdateEnd Click();

 private:
  void InformationArrived();
  void ProgramArrived();

  UpdateContext c_;
  std::string offered_version_;
  UpdateEnd end_ = UpdateEnd::kNoUpdate;
};

}  // namespace orvx::update
