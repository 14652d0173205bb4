#pragma once
// The settings dialog of a running OrvaneX.exe, as the Windows tests reach
// it: opened from the main window's caption bar, a section expanded by a
// click on its header, its controls found by class and caption.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "settings/settings_dialog_win.h"
#include "support/http_test_server.h"
#include "support/orvane_app_win.h"

namespace orvx::test {

// Clicks the settings button of `main` (of the process `process_id`) and
// waits for the dialog, which is put into `dialog`.
::testing::AssertionResult open_settings_dialog(DWORD process_id, HWND main, HWND& dialog);

// Clicks the header of `section`; the caller waits for what it shows.
::testing::AssertionResult click_section_header(HWND dialog, settings::SettingsSection section);

// The autostart shortcut in the user's Startup folder of the prefix; empty
// outside the throw-away prefix, where no test may touch it.
std::string autostart_link_file();

// What every test of the dialog does: a program copy that starts without
// questions, its start, the dialog opened and closed, its controls, its
// message boxes and what it saved. A test that needs another start takes
// another copy (use_copy), an update server (serve_updates_from), another
// program file (exe) or other arguments (start).
class SettingsDialogFixture : public ::testing::Test {
 protected:
  // Fails when another OrvaneX.exe runs; makes a portable copy.
  void SetUp() override;

  // A fresh copy in `place` instead of the one SetUp made, with the
  // standard profile of the screen and the first-start question settled,
  // and the update server, if any, in its settings.
  void use_copy(DataPlace place);
  // A folder `name` of the test HTTP server as the copy's update server
  // (`server`, `www`). Fails when the server is not running.
  void serve_updates_from(const std::string& name);

  // Starts `exe` with `argument` and waits for the main window.
  void start(const std::string& argument = "/u");
  // Clicks the caption bar's settings button; the dialog comes, the main
  // window goes.
  void open_dialog();
  // Opens the dialog and expands `section`, which is open once the control
  // that `shown` finds is visible.
  void open_section(settings::SettingsSection section, const std::function<HWND()>& shown);
  // Expands a section of the open dialog with a click on its header.
  void expand(settings::SettingsSection section) const;
  // The dialog gone and the main window back.
  ::testing::AssertionResult dialog_closed();
  // Clicks the dialog's button `caption` and waits until it has closed.
  void close_dialog(const char* caption);

  HWND control(const char* class_name, const std::string& text = {}) const;
  HWND button(const char* caption) const;
  HWND check_box(const char* caption) const;
  // The standard list view inside the `index`th report list of the dialog
  // (0 the profiles, 1 the languages).
  HWND list_view(size_t index) const;

  // Waits for the program's message box, checks its text, presses `button`
  // and waits for the box to go.
  void answer_box(const std::string& text, int button = IDOK);
  // A key of the section "Settings" in config.qcf; "<none>" when missing.
  std::string setting(const char* key) const;

  std::unique_ptr<ProgramCopy> copy_;
  std::string exe_;  // the program file start() starts: the copy's
  std::optional<HttpTestServer> server_;
  std::unique_ptr<WwwFolder> www_;  // the update server
  std::unique_ptr<RunningApp> app_;
  HWND main_ = nullptr;
  HWND dialog_ = nullptr;
};

}  // namespace orvx::test
