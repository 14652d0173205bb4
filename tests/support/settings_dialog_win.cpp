#include "support/settings_dialog_win.h"

#include <commctrl.h>
#include <shlobj.h>

#include "mainwin/main_window_win.h"
#include "autostart/autostart_link.h"
#include "ini/ini_file.h"
#include "net/update_server.h"
#include "support/input_win.h"
#include "support/throwaway_prefix_win.h"
#include "support/wait_win.h"
#include "support/windows_win.h"
#include "ui/check_box_win.h"
#include "ui/collapsible_section_win.h"
#include "ui/flat_button_win.h"
#include "ui/report_list_win.h"

namespace orvx::test {

::testing::AssertionResult open_settings_dialog(DWORD process_id, HWND main, HWND& dialog) {
  if (!click_caption_button(main, mainwin::kSettingsButton)) {
    return ::testing::AssertionFailure() << "the settings button could not be clicked";
  }
  dialog = wait_process_window(process_id, settings::kSettingsWindowClass, nullptr);
  if (!dialog) return ::testing::AssertionFailure() << "the settings dialog did not come";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult click_section_header(HWND dialog, settings::SettingsSection section) {
  const auto sections = children_of_class(dialog, ui::kSectionClass);
  if (sections.size() != static_cast<size_t>(settings::kSectionCount)) {
    return ::testing::AssertionFailure() << "the dialog has " << sections.size() << " sections";
  }
  send_click(sections[static_cast<size_t>(section)], 20, settings::kSectionHeaderHeight / 2);
  return ::testing::AssertionSuccess();
}

std::string autostart_link_file() {
  if (!in_throwaway_prefix()) return {};
  char path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_STARTUP, nullptr, 0, path))) return {};
  return autostart::autostart_link_path(path, autostart::kAutostartLinkName);
}

void SettingsDialogFixture::SetUp() {
  ASSERT_EQ(FindWindowA(mainwin::kMainWindowClass, nullptr), nullptr) << "another OrvaneX.exe is running";
  use_copy(DataPlace::kPortable);
}

void SettingsDialogFixture::use_copy(DataPlace place) {
  copy_ = std::make_unique<ProgramCopy>(place);
  exe_ = copy_->exe();
  copy_->prepare_resolution_profile();
  if (www_) copy_->set_config(net::kUpdateServerSection, net::kUpdateServerKey, www_->url());
}

void SettingsDialogFixture::serve_updates_from(const std::string& name) {
  server_ = find_http_test_server();
  ASSERT_TRUE(server_) << "the test HTTP server is not running";
  www_ = std::make_unique<WwwFolder>(*server_, name);
  copy_->set_config(net::kUpdateServerSection, net::kUpdateServerKey, www_->url());
}

void SettingsDialogFixture::start(const std::string& argument) {
  app_ = std::make_unique<RunningApp>(exe_, argument);
  main_ = app_->main_window();
  ASSERT_NE(main_, nullptr);
}

void SettingsDialogFixture::open_dialog() {
  ASSERT_TRUE(open_settings_dialog(app_->process_id(), main_, dialog_));
  ASSERT_TRUE(wait_for("the main window to hide", [&] { return !IsWindowVisible(main_); }));
}

void SettingsDialogFixture::open_section(settings::SettingsSection section, const std::function<HWND()>& shown) {
  ASSERT_NO_FATAL_FAILURE(open_dialog());
  ASSERT_NO_FATAL_FAILURE(expand(section));
  ASSERT_TRUE(wait_for("section " + std::to_string(static_cast<int>(section)) + " to open", [&] {
    HWND control = shown();
    return control && IsWindowVisible(control);
  }));
}

void SettingsDialogFixture::expand(settings::SettingsSection section) const {
  ASSERT_TRUE(click_section_header(dialog_, section));
}

::testing::AssertionResult SettingsDialogFixture::dialog_closed() {
  return wait_for("the dialog to close and the main window to show",
                  [&] { return !IsWindowVisible(dialog_) && IsWindowVisible(main_); });
}

void SettingsDialogFixture::close_dialog(const char* caption) {
  send_click(button(caption));
  ASSERT_TRUE(dialog_closed());
}

HWND SettingsDialogFixture::control(const char* class_name, const std::string& text) const {
  return text.empty() ? find_child(dialog_, class_name) : find_child(dialog_, class_name, text);
}

HWND SettingsDialogFixture::button(const char* caption) const { return control(ui::kFlatButtonClass, caption); }

HWND SettingsDialogFixture::check_box(const char* caption) const { return control(ui::kCheckBoxClass, caption); }

HWND SettingsDialogFixture::list_view(size_t index) const {
  const auto lists = children_of_class(dialog_, ui::kReportListClass);
  return index < lists.size() ? find_child(lists[index], WC_LISTVIEWA) : nullptr;
}

void SettingsDialogFixture::answer_box(const std::string& text, int button) {
  HWND box = wait_message_box(app_->process_id());
  ASSERT_NE(box, nullptr) << "no box, waiting for: " << text;
  EXPECT_EQ(message_box_text(box), text);
  press_box_button(box, button);
  ASSERT_TRUE(wait_for("the box to close", [&] { return !IsWindow(box); }));
}

std::string SettingsDialogFixture::setting(const char* key) const {
  return ini::read_string(copy_->config_file(), "Settings", key, "<none>");
}

}  // namespace orvx::test
