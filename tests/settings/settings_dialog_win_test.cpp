// The settings dialog of the real OrvaneX.exe under Wine: opened from the
// main window's caption bar, changed as a user would change it, and judged
// by config.qcf, the profile files, the autostart shortcut and the main
// window's behaviour afterwards.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/message_ids.h"
#include "platform/ansi_text.h"
#include "mainwin/main_window_win.h"
#include "ini/ini_file.h"
#include "harness/child_process_win.h"
#include "lang/messages.h"
#include "platform/files.h"
#include "platform/scoped_win.h"
#include "settings/profile_deletion.h"
#include "settings/settings_dialog_texts.h"
#include "settings/settings_save.h"
#include "settings/settings_dialog_win.h"
#include "support/input_win.h"
#include "support/orvane_app_win.h"
#include "support/settings_dialog_win.h"
#include "support/throwaway_prefix_win.h"
#include "support/windows_win.h"
#include "ui/check_box_win.h"
#include "ui/choice_list_win.h"
#include "ui/collapsible_section_win.h"
#include "ui/flat_button_win.h"
#include "ui/hotkey_field_win.h"
#include "ui/number_field_win.h"
#include "ui/report_list_win.h"

namespace orvx::test {
namespace {

using settings::SettingsSection;
namespace texts = settings::texts;

// The host's path of a file of the prefix, for programs of the host.
std::string host_path(const std::string& path) {
  using UnixFileName = char*(CDECL*)(const WCHAR*);
  auto to_unix = reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!to_unix) return path;
  std::wstring wide(path.size() + 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  char* unix_path = to_unix(wide.c_str());
  if (!unix_path) return path;
  std::string result = unix_path;
  HeapFree(GetProcessHeap(), 0, unix_path);
  return result;
}

// What lnkinfo (a program of the host, started through Wine) says of a
// shortcut.
std::string lnkinfo(const std::string& link) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string output = std::string(temp) + "orvx-lnkinfo.txt";
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  win::ScopedHandle out = win::adopt_handle(
      CreateFileA(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr));
  if (!out) return "<no output file>";
  std::optional<harness::ChildProcess> started;
  try {
    started.emplace(harness::ChildProcess::start_command("Z:\\usr\\bin\\lnkinfo \"" + host_path(link) + "\"",
                                                         {.output = out.get()}));
  } catch (const std::exception&) {
    return "<lnkinfo did not start>";
  }
  out.reset();
  // A program of the host is not a process Wine can wait for: its output
  // tells when it is done, with the shortcut's fields or with its error.
  std::string text;
  wait_for("lnkinfo to report", [&] {
    text = files::read_file(output).value_or("");
    return text.find("/auto") != std::string::npos || text.find("unable") != std::string::npos;
  });
  return text;
}

class SettingsDialog : public SettingsDialogFixture {
 protected:
  void click(HWND window) const { send_click(window); }
  void click_button(const char* caption) const { send_click(button(caption)); }

  int row_count(HWND list) const { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }
  // Selects the first row as the keyboard would. Home alone does nothing
  // while the focus rectangle already sits on the first row, so End first.
  void select_first_row(HWND list) const {
    post_key(list, VK_END);
    post_key(list, VK_HOME);
  }
  bool has_selection(HWND list) const {
    return SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 0;
  }
};

TEST_F(SettingsDialog, OpensFromTheCaptionBarAndCancelChangesNothing) {
  copy_->set_config("Settings", "auto_check_icons", "0");
  const std::string before = files::read_file(copy_->config_file()).value_or("");
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_dialog());
  EXPECT_EQ(window_text(dialog_), texts::kTitle);
  HWND box = check_box(texts::kAutoSave);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(IsWindowVisible(box));  // the Settings section is expanded
  click(box);
  click(check_box(texts::kRestoreAfterResolutionChange));
  click_button(texts::kCancel);
  ASSERT_TRUE(dialog_closed());
  // Only the window positions were written; the settings are as they were.
  EXPECT_EQ(setting("auto_check_icons"), "0");
  EXPECT_EQ(setting("sort_after_res"), "<none>");
  EXPECT_NE(before, "");
}

TEST_F(SettingsDialog, SaveWritesEveryControlInOrderAndTheProgramAppliesIt) {
  files::write_file(copy_->profile_file("Work"), "[Info]\r\nCount=0\r\n");
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_dialog());
  click(check_box(texts::kAutoSave));  // on: the minute field comes alive
  HWND minutes = find_child(control(ui::kNumberFieldClass), "Edit");
  ASSERT_NE(minutes, nullptr);
  EXPECT_TRUE(IsWindowEnabled(minutes));
  SendMessageA(minutes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("7"));
  click(check_box(texts::kRestoreAfterResolutionChange));
  click(check_box(texts::kShowMinidesk));  // off
  HWND combo = find_child(control(ui::kChoiceListClass), "ComboBox");
  ASSERT_NE(combo, nullptr);
  const LRESULT work =
      SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Work"));
  ASSERT_NE(work, CB_ERR);
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(work), 0);
  click(check_box(texts::kActivateHotkey));
  HWND hotkey = find_child(control(ui::kHotkeyFieldClass), HOTKEY_CLASSA);
  ASSERT_NE(hotkey, nullptr);
  ASSERT_TRUE(IsWindowEnabled(hotkey));
  SendMessageA(hotkey, HKM_SETHOTKEY, MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
  click_button(texts::kSave);
  ASSERT_TRUE(dialog_closed());

  const std::string config = files::read_file(copy_->config_file()).value_or("");
  const size_t settings_at = config.find("[Settings]\r\n");
  ASSERT_NE(settings_at, std::string::npos) << config;
  const std::string written =
      "auto_check_icons=1\r\nauto_check_icons_value=420000\r\nsort_after_res=1\r\nstd_profil=Work\r\n"
      "active_hotkey=1\r\nHotKey_value=Strg+Alt+K\r\nlive_desktop=0\r\n";
  EXPECT_NE(config.find(written, settings_at), std::string::npos) << config;
  EXPECT_EQ(config.find("lang_list"), std::string::npos) << config;
  // The new hotkey is the program's now.
  EXPECT_FALSE(RegisterHotKey(nullptr, 0x5000, MOD_CONTROL | MOD_ALT, 'K'));
}

TEST_F(SettingsDialog, ShowsAStoredIntervalOf30SecondsAsOneMinuteAndSavesOneMinute) {
  copy_->set_config("Settings", "auto_check_icons_value", "30000");
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_dialog());
  HWND minutes = find_child(control(ui::kNumberFieldClass), "Edit");
  ASSERT_NE(minutes, nullptr);
  EXPECT_EQ(window_text(minutes), "1");
  EXPECT_FALSE(IsWindowEnabled(minutes));
  click_button(texts::kSave);
  ASSERT_TRUE(dialog_closed());
  EXPECT_EQ(setting("auto_check_icons_value"), "60000");
  EXPECT_EQ(setting("std_profil"), resolution_profile_name());  // preselected by the resolution
}

TEST_F(SettingsDialog, TheCaptionBarButtonSaves) {
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_dialog());
  click(check_box(texts::kRestoreAfterResolutionChange));
  ASSERT_TRUE(click_caption_button(dialog_, 0));
  ASSERT_TRUE(dialog_closed());
  EXPECT_EQ(setting("sort_after_res"), "1");
}

TEST_F(SettingsDialog, DeletesProfilesByButtonAndByTheDeleteKey) {
  files::write_file(copy_->profile_file("Alpha"), "[Info]\r\nCount=0\r\n");
  files::write_file(copy_->profile_file("Beta"), "[Info]\r\nCount=0\r\n");
  copy_->set_config("Settings", "std_profil", "Alpha");
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_dialog());
  ASSERT_NO_FATAL_FAILURE(expand(SettingsSection::kProfiles));
  HWND list = list_view(0);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(wait_for("the profile list to show", [&] { return IsWindowVisible(list) != FALSE; }));
  ASSERT_EQ(row_count(list), 3);  // Alpha, Beta and the resolution's profile, by name

  select_first_row(list);
  ASSERT_TRUE(wait_for("a row to be selected", [&] { return has_selection(list); }));
  click_button(texts::kDeleteProfile);
  EXPECT_TRUE(wait_for("Alpha.qpf to go", [&] { return !files::file_exists(copy_->profile_file("Alpha")); }));
  EXPECT_EQ(row_count(list), 2);

  select_first_row(list);
  ASSERT_TRUE(wait_for("a row to be selected", [&] { return has_selection(list); }));
  post_key(list, VK_DELETE);
  EXPECT_TRUE(wait_for("Beta.qpf to go", [&] { return !files::file_exists(copy_->profile_file("Beta")); }));
  EXPECT_EQ(row_count(list), 1);

  // The deleted standard profile stays chosen: Save keeps its name, so that
  // the next save makes the file again and no tick of the timer finds none.
  click_button(texts::kSave);
  ASSERT_TRUE(dialog_closed());
  EXPECT_EQ(setting("std_profil"), "Alpha");
  // Shown again, the choice still holds it, selected, without its file.
  ASSERT_NO_FATAL_FAILURE(open_dialog());
  HWND combo = find_child(control(ui::kChoiceListClass), "ComboBox");
  ASSERT_NE(combo, nullptr);
  ASSERT_NE(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(window_text(combo), "Alpha");
  click_button(texts::kSave);
  ASSERT_TRUE(dialog_closed());
  EXPECT_EQ(setting("std_profil"), "Alpha");
}

// A profile whose file stays where it is keeps its row, and the user is
// told which file it is: one read-only, one held open by another program.
TEST_F(SettingsDialog, AProfileThatCannotBeDeletedSaysSoAndKeepsItsRow) {
  const std::string alpha = copy_->profile_file("Alpha");
  files::write_file(alpha, "[Info]\r\nCount=0\r\n");
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_dialog());
  ASSERT_NO_FATAL_FAILURE(expand(SettingsSection::kProfiles));
  HWND list = list_view(0);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(wait_for("the profile list to show", [&] { return IsWindowVisible(list) != FALSE; }));
  ASSERT_EQ(row_count(list), 2);  // Alpha and the resolution's profile, by name
  const std::string message = text::with_detail(lang::german_message(message_ids::kProfileNotDeleted), alpha);

  ASSERT_TRUE(SetFileAttributesA(alpha.c_str(), FILE_ATTRIBUTE_READONLY));
  select_first_row(list);
  ASSERT_TRUE(wait_for("a row to be selected", [&] { return has_selection(list); }));
  post_click(control(ui::kFlatButtonClass, texts::kDeleteProfile));
  ASSERT_NO_FATAL_FAILURE(answer_box(message));
  EXPECT_EQ(row_count(list), 2);
  EXPECT_TRUE(files::file_exists(alpha));
  ASSERT_TRUE(SetFileAttributesA(alpha.c_str(), FILE_ATTRIBUTE_NORMAL));

  {
    // Open without leave to delete, as an editor may hold it.
    win::ScopedHandle held = win::adopt_handle(CreateFileA(alpha.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    post_key(list, VK_DELETE);
    ASSERT_NO_FATAL_FAILURE(answer_box(message));
    EXPECT_EQ(row_count(list), 2);
    EXPECT_TRUE(files::file_exists(alpha));
  }

  // Let go, it goes.
  post_key(list, VK_DELETE);
  EXPECT_TRUE(wait_for("Alpha.qpf to go", [&] { return !files::file_exists(alpha); }));
  EXPECT_EQ(row_count(list), 1);
}

// Save with a config.qcf that takes nothing: the user is told which file it
// is, and the dialog stays open with the edits, none of them applied - no
// language switched, no shortcut made, the file as it was. Once the file
// can be written again, the same Save goes through.
TEST_F(SettingsDialog, SaveIntoAConfigFileThatCannotBeWrittenKeepsTheDialogOpenAndChangesNothing) {
  const std::string link = autostart_link_file();
  ASSERT_FALSE(link.empty()) << "no Startup folder in the throw-away prefix";
  files::create_folders(files::folder_of(link));
  files::delete_file(link);
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_dialog());
  click(check_box(texts::kRestoreAfterResolutionChange));
  click(check_box(texts::kStartWithWindows));
  ASSERT_NO_FATAL_FAILURE(expand(SettingsSection::kLanguage));
  HWND languages = list_view(1);
  ASSERT_NE(languages, nullptr);
  ASSERT_TRUE(wait_for("the language list to show", [&] { return IsWindowVisible(languages) != FALSE; }));
  select_first_row(languages);  // "English"
  ASSERT_TRUE(wait_for("a row to be selected", [&] { return has_selection(languages); }));

  const std::string config = copy_->config_file();
  const std::optional<std::string> before = files::read_file(config);
  ASSERT_TRUE(before);
  ASSERT_TRUE(SetFileAttributesA(config.c_str(), FILE_ATTRIBUTE_READONLY));
  post_click(control(ui::kFlatButtonClass, texts::kSave));
  ASSERT_NO_FATAL_FAILURE(answer_box(text::with_detail(lang::german_message(message_ids::kSettingsNotSaved), config)));
  ASSERT_TRUE(round_trip(dialog_));
  EXPECT_TRUE(IsWindowVisible(dialog_));
  EXPECT_FALSE(IsWindowVisible(main_));
  EXPECT_EQ(files::read_file(config), before);
  EXPECT_FALSE(files::file_exists(link));
  EXPECT_EQ(window_text(dialog_), texts::kTitle);  // still German
  EXPECT_NE(find_child(main_, ui::kFlatButtonClass, texts::kSave), nullptr);
  // The edits are still there.
  EXPECT_EQ(SendMessageA(check_box(texts::kRestoreAfterResolutionChange), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(check_box(texts::kStartWithWindows), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(has_selection(languages));

  ASSERT_TRUE(SetFileAttributesA(config.c_str(), FILE_ATTRIBUTE_NORMAL));
  click_button(texts::kSave);
  ASSERT_TRUE(dialog_closed());
  EXPECT_EQ(setting("sort_after_res"), "1");
  EXPECT_EQ(setting("lang_list"), "English");
  EXPECT_EQ(window_text(dialog_), "Settings");
  EXPECT_TRUE(wait_for("the shortcut to be written", [&] { return files::file_exists(link); }));
  files::delete_file(link);
}

TEST_F(SettingsDialog, ALanguageRowSwitchesEveryWindowAtOnce) {
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_dialog());
  ASSERT_NO_FATAL_FAILURE(expand(SettingsSection::kLanguage));
  HWND list = list_view(1);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(wait_for("the language list to show", [&] { return IsWindowVisible(list) != FALSE; }));
  select_first_row(list);  // "English" sorts before "german"
  ASSERT_TRUE(wait_for("a row to be selected", [&] { return has_selection(list); }));
  click_button(texts::kSave);
  ASSERT_TRUE(dialog_closed());
  EXPECT_EQ(setting("lang_list"), "English");
  EXPECT_EQ(window_text(dialog_), "Settings");
  EXPECT_NE(find_child(main_, ui::kFlatButtonClass, "Save"), nullptr);
  EXPECT_NE(find_child(dialog_, ui::kFlatButtonClass, "Save"), nullptr);
  EXPECT_NE(find_child(dialog_, ui::kFlatButtonClass, "Cancel"), nullptr);
}

TEST_F(SettingsDialog, TheAutostartBoxMakesKeepsAndRemovesTheShortcut) {
  const std::string link = autostart_link_file();
  ASSERT_FALSE(link.empty()) << "no Startup folder in the throw-away prefix";
  files::create_folders(files::folder_of(link));
  files::delete_file(link);
  ASSERT_NO_FATAL_FAILURE(start());

  ASSERT_NO_FATAL_FAILURE(open_dialog());
  EXPECT_EQ(SendMessageA(check_box(texts::kStartWithWindows), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  click(check_box(texts::kStartWithWindows));
  click_button(texts::kSave);
  ASSERT_TRUE(dialog_closed());
  // A shell link starts with a header of 76 bytes.
  ASSERT_TRUE(wait_for("the shortcut to be written", [&] { return files::file_size(link).value_or(0) >= 76; }));
  const std::string info = lnkinfo(link);
  EXPECT_NE(info.find("Autostart Orvane X"), std::string::npos) << info;
  EXPECT_NE(info.find("/auto"), std::string::npos) << info;
  EXPECT_NE(info.find("OrvaneX.exe"), std::string::npos) << info;

  // A shortcut edited by hand stays as it is through another Save.
  ASSERT_TRUE(files::write_file(link, "hand-made"));
  ASSERT_NO_FATAL_FAILURE(open_dialog());
  click_button(texts::kSave);
  ASSERT_TRUE(dialog_closed());
  EXPECT_EQ(files::read_file(link), std::optional<std::string>("hand-made"));
  EXPECT_EQ(SendMessageA(check_box(texts::kStartWithWindows), BM_GETCHECK, 0, 0), BST_CHECKED);

  // Unticked and saved, it goes.
  ASSERT_NO_FATAL_FAILURE(open_dialog());
  click(check_box(texts::kStartWithWindows));
  click_button(texts::kSave);
  ASSERT_TRUE(dialog_closed());
  EXPECT_FALSE(files::file_exists(link));
}

TEST_F(SettingsDialog, AHandPlacedShortcutShowsTheBoxTicked) {
  const std::string link = autostart_link_file();
  ASSERT_FALSE(link.empty());
  files::create_folders(files::folder_of(link));
  ASSERT_TRUE(files::write_file(link, "placed by hand"));
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_dialog());
  EXPECT_EQ(SendMessageA(check_box(texts::kStartWithWindows), BM_GETCHECK, 0, 0), BST_CHECKED);
  // Saved with the box as shown, the shortcut stays as it is.
  click_button(texts::kSave);
  ASSERT_TRUE(dialog_closed());
  EXPECT_TRUE(files::file_exists(link));
  files::delete_file(link);
}

}  // namespace
}  // namespace orvx::test
