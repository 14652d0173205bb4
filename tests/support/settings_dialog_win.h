#pragma once
// The settings dialog of a running OrvaneX.exe, as the Windows tests reach
// it: opened from the main window's caption bar, and a section expanded by
// a click on its header.
#include <windows.h>

#include <gtest/gtest.h>

#include "settings/settings_dialog_win.h"

namespace orvx::test {

// Clicks the settings button of `main` (of the process `process_id`) and
// waits for the dialog, which is put into `dialog`.
::testing::AssertionResult open_settings_dialog(DWORD process_id, HWND main, HWND& dialog);

// Clicks the header of `section`; the caller waits for what it shows.
::testing::AssertionResult click_section_header(HWND dialog, settings::SettingsSection section);

}  // namespace orvx::test
