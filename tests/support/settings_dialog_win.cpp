#include "support/settings_dialog_win.h"

#include "mainwin/main_window_win.h"
#include "support/input_win.h"
#include "support/orvane_app_win.h"
#include "support/windows_win.h"
#include "ui/collapsible_section_win.h"

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

}  // namespace orvx::test
