#pragma once
// The Update / Uninstall section of the settings dialog at work.
//
// "Check for update" starts the update check (update/update_check.h) over
// the section's two download components (`get_update`, `get_download`),
// which run while the dialog stays usable; the gauge `dl_status` shows the
// transfer and the red `status_label` the outcome of a check without
// update. Closing the dialog stops a running check. "Start Uninstall..."
// asks, removes the autostart shortcut and writes the uninstall script;
// both buttons are disabled while a check runs. Once either has started its
// script, `script_started` runs: the program must end at once, for the
// script waits for the program file.
#include <windows.h>

#include <functional>
#include <string>

#include "net/http_download.h"
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
class Translator;
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
  const lang::Translator& language;
  autostart::AutostartLink& autostart;
  std::string program_path;      // the running program file
  std::string own_version;       // get_version_string
  update::StartMode start_mode;  // how the program was started, kept by an update
  std::string data_folder;       // ends with a separator; holds config.qcf
  std::function<void()> script_started;
};

class UpdateTab final : private update::UpdateControls {
 public:
  // Connects the two buttons.
  explicit UpdateTab(UpdateTabArgs args);
  UpdateTab(const UpdateTab&) = delete;
  UpdateTab& operator=(const UpdateTab&) = delete;
  ~UpdateTab() override;

  // The dialog is shown (or refilled): the status line empty and the gauge
  // hidden unless a check runs; the buttons enabled only while no check
  // runs or is still ending.
  void shown();
  // The dialog closes: a running check stops.
  void closed();

 private:
  void check_for_update();
  void uninstall();
  bool busy() const;

  // UpdateControls
  void show_gauge(bool shown) override;
  void set_gauge(int32_t maximum, int32_t position) override;
  int32_t gauge_position() const override;
  void set_busy(bool busy) override;
  void set_status(const std::string& text) override;
  void open_page(const std::string& url) override;

  UpdateTabArgs a_;
  update::WindowsSystemSteps system_;
  net::HttpDownload update_info_download_;
  net::HttpDownload program_download_;
  UpdateGauge gauge_;
  // Its handlers are the components' events; it goes before them.
  update::UpdateCheck check_;
};

}  // namespace orvx::settings
