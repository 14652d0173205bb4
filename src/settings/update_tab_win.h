#pragma once
// The Update / Uninstall section of the settings dialog at work.
//
// "Check for update" runs the update check over the section's two waiting
// download components (`get_update`, `get_download`), showing the transfer
// in the gauge `dl_status` and the outcome of a check without update in the
// red `status_label`. "Start Uninstall..." asks, removes the autostart
// shortcut and writes the uninstall script. Once either has started its
// script, `script_started` runs: the program must end at once, for the
// script waits for the program file.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "net/http_get.h"
#include "platform/prompts.h"
#include "settings/update_gauge.h"
#include "update/system_steps_win.h"
#include "update/update_check.h"

namespace orvx::ui {
class FlatButton;
class Label;
class ProgressBar;
}  // namespace orvx::ui

namespace orvx::lang {
class Tlang_system;
}

namespace orvx::autostart {
class AutostartLink;
}

namespace orvx::settings {

struct UpdateTabArgs {
  HWND dialog;  // owns the boxes and opens the information page
  ui::FlatButton& update_button;
  ui::ProgressBar& dl_status;
  ui::Label& status_label;
  ui::FlatButton& deinstall_button;
  Prompts& prompts;  // boxes owned by the dialog
  const lang::Tlang_system& language;
  autostart::AutostartLink& autostart;
  std::string program_path;  // the running program file
  std::string own_version;   // get_version_string
  update::StartMode start_mode;  // how the program was started, kept by an update
  std::string data_folder;   // ends with a separator; holds config.qcf
  std::function<void()> script_started;
};

class UpdateTab final : private update::UpdateControls {
 public:
  // Connects the two buttons.
  explicit UpdateTab(UpdateTabArgs args);
  UpdateTab(const UpdateTab&) = delete;
  UpdateTab& operator=(const UpdateTab&) = delete;
  ~UpdateTab() override;

 private:
  void check_for_update();
  void uninstall();
  bool fetching() const;

  // UpdateControls
  void show_gauge(bool shown) override;
  void set_gauge(int32_t maximum, int32_t position) override;
  int32_t gauge_position() const override;
  void enable_button(bool enabled) override;
  void set_status(const std::string& text) override;
  void open_page(const std::string& url) override;

  UpdateTabArgs a_;
  update::WindowsSystemSteps system_;
  net::THTTPGet get_update_;
  net::THTTPGet get_download_;
  // The check of the last click; its handlers are the components' events.
  std::optional<update::UpdateCheck> check_;
  UpdateGauge gauge_;
};

}  // namespace orvx::settings
