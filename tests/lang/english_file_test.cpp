// The shipped English language file: its bytes, its sections and every text.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "lang/messages.h"
#include "platform/files.h"
#include "support/paths.h"

namespace orvx::lang {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;
struct Section {
  std::string name;
  Entries entries;
};

std::string english_file_bytes() {
  auto bytes = files::read_file(test::source_dir() + "/resources/English.qlf");
  EXPECT_TRUE(bytes.has_value());
  return bytes.value_or("");
}

// A strict reader for this one file: "[name]" lines, "key=value" lines and
// blank lines between sections, nothing else.
std::vector<Section> sections_of(const std::string& bytes) {
  std::vector<Section> sections;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find("\r\n", pos);
    if (end == std::string::npos) {
      ADD_FAILURE() << "last line has no CR LF";
      break;
    }
    std::string line = bytes.substr(pos, end - pos);
    pos = end + 2;
    if (line.empty()) continue;
    if (line.front() == '[' && line.back() == ']') {
      sections.push_back({line.substr(1, line.size() - 2), {}});
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string::npos || sections.empty()) {
      ADD_FAILURE() << "stray line: " << line;
      continue;
    }
    sections.back().entries.emplace_back(line.substr(0, eq), line.substr(eq + 1));
  }
  return sections;
}

TEST(EnglishFile, IsPlainWindows1252TextWithCrLfLineEnds) {
  const std::string bytes = english_file_bytes();
  ASSERT_FALSE(bytes.empty());
  EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF") << "no byte-order mark";
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c == '\r') {
      EXPECT_EQ(bytes[i + 1], '\n') << "bare CR at " << i;
    } else if (c == '\n') {
      EXPECT_EQ(bytes[i - 1], '\r') << "bare LF at " << i;
    } else {
      EXPECT_GE(c, 0x20) << "control byte at " << i;
    }
  }
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST(EnglishFile, HoldsTheWindowTextsInTheStatedSections) {
  const std::vector<Section> expected = {
      {"INFOS", {{"lang", "English"}, {"orv_v", "1.02"}, {"publisher", "Quillfen"}}},
      {"orvx_form",
       {{"save_button.Caption", "Save"},
        {"save_button.Hint", "Save Current Position..."},
        {"arrange_button.Caption", "Restore"},
        {"arrange_button.Hint", "Restore Icon Positions..."},
        {"close_button.Caption", "Exit"},
        {"form_status_button.Hint", "Show/Hide Orvane X Minidesk"},
        {"pm_refresh_desktop.Caption", "Refresh"},
        {"pm_snaptogrid.Caption", "Align to Grid"},
        {"pm_monitor_settings.Caption", "Properties of Display"},
        {"pm_desktop_infos.Caption", "Desktop Infos"},
        {"pm_save_standard.Caption", "Save Standard Profile..."},
        {"pm_select_profil.Caption", "Select Profile"},
        {"pm_new_profil.Caption", "Re-save..."},
        {"alert_label.Caption",
         "Some icons lie outside the boundaries of the desktop. By selecting an item on the list and then clicking "
         "on the Orvane X Minidesk you can reposition the icon."}}},
      {"about",
       {{"link_1.Caption", "Home Page"},
        {"link_2.Caption", "e-mail"},
        {"link_3.Caption", "Please click here for a donation..."},
        {"link_4.Caption", "Blog / Support"},
        {"close_button.Caption", "Close"}}},
      {"settings_form",
       {{"caption", "Settings"},
        {"tab_1.Caption", "Settings"},
        {"orv_on_start.Caption", "Start Orvane X (minimized) with Windows"},
        {"orv_on_start.Hint", "Orvane X will be loaded with Windows and minimized to the Systray."},
        {"auto_check_icons.Caption", "Saving frequency of icon positions (in min)"},
        {"sort_after_res.Caption", "Restore icons after a resolution change."},
        {"set_lab_5.Caption", "Select Standard Profile"},
        {"std_profil.Hint", "Select the profile to be loaded."},
        {"live_desktop.Caption", "Enable Orvane X's Minidesk"},
        {"active_hotkey.Caption", "Enable hotkey for saving in the standard profile"},
        {"active_hotkey.Hint", "You can save your icon positions anytime by means of a hotkey"},
        {"lbl_lab_11.Caption", "Profile details: Memory requirements and profile path"},
        {"tab_2.Caption", "Profiles"},
        {"set_lab_8.Caption", "Saved profiles:"},
        {"del_button.Caption", "Delete profile"},
        {"del_button.Hint", "Delete profile"},
        {"tab_3.Caption", "Export / Import"},
        {"set_lab_1.Caption", "Export / Import:"},
        {"set_lab_2.Caption",
         "Orvane X settings can be exported. Your desktop configuration can then be reinstated from "
         "the backup, e.g. after a system reinstallation."},
        {"export_button.Caption", "Export Settings"},
        {"import_button.Caption", "Import Settings"},
        {"tab_4.Caption", "Language"},
        {"tab_5.Caption", "Update / Uninstall"},
        {"set_lab_14.Caption", "Update:"},
        {"set_lab_15.Caption",
         "Click on the button \"Check for update\" to ensure that you have the latest version of "
         "Orvane X."},
        {"update_button.Caption", "Check for update"},
        {"set_lab_3.Caption", "Uninstall:"},
        {"set_lab_4.Caption",
         "You don't need Orvane X any longer? What a pity! By clicking this button all settings and "
         "files will be completely deleted, including Orvane X itself."},
        {"deinstall_button.Caption", "Start Uninstall..."},
        {"abort_button.Caption", "Cancel"},
        {"close_button_1.Caption", "Save"}}},
      {"error_icon_list", {{"abort_button.Caption", "Close"}, {"abort_button.Hint", "Close Window"}}},
  };
  const std::vector<Section> actual = sections_of(english_file_bytes());
  ASSERT_EQ(actual.size(), expected.size() + 1) << "the windows' sections and misc";
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i].name, expected[i].name);
    EXPECT_EQ(actual[i].entries, expected[i].entries) << expected[i].name;
  }
  EXPECT_EQ(actual.back().name, "misc");
}

TEST(EnglishFile, TranslatesEveryBuiltInMessage) {
  const Entries english = {
      {"MSDLG_0", "Select A Standard Profile"},
      {"MSDLG_1", "The hotkey could not be applied (another program probably uses the same hotkey)"},
      {"MSDLG_2", "Orvane X must be restarted to activate this language!"},
      {"MSDLG_2_a",
       "The settings were not saved: the file %s cannot be written (read-only, or opened by another program?). "
       "Nothing has been changed."},
      {"MSDLG_4a", "The backup was successfully created!"},
      {"MSDLG_4b", "The backup could not be created!"},
      {"MSDLG_4c", "The import was successful!"},
      {"MSDLG_4d", "The import failed!"},
      {"MSDLG_6",
       "Data will be called up from the internet *|* No confidential information will be "
       "transferred. Do you want to continue?"},
      {"MSDLG_6_a", "The server sent something that is not the language \"%s\". Nothing was saved."},
      {"MSDLG_7", "The update was successful!"},
      {"MSDLG_8", "Do you want to see additional information about the update?"},
      {"MSDLG_9", "Orvane X has been uninstalled!"},
      {"MSDLG_10", "An error occurred during the Orvane X uninstall *|* The program cannot be removed."},
      {"MSDLG_10_a",
       "Orvane X cannot be uninstalled: the path %s holds a character that the Windows command prompt cannot "
       "read. Nothing has been removed."},
      {"MSDLG_11",
       "Orvane X has found settings that do not allow it to function properly. Either \"Auto "
       "Arrange\" or \"Align to Grid\" is (or both are) enabled. You have to disable these options "
       "before proceeding. *|* To achieve this, click your right mouse button anywhere on the "
       "desktop and select \"Arrange Icons By..\" and in the following menu untick \"Auto Arrange\" "
       "and \"Align to Grid\". *|* *|* *|* After changing these settings, click OK to continue."},
      {"MSDLG_12", "Are you sure that you want to uninstall Orvane X?"},
      {"MSDLG_13", "No newer Orvane X version available!"},
      {"MSDLG_13_a",
       "The server did not send valid update information (no version number). Whether there is a newer version "
       "could not be checked."},
      {"MSDLG_14", "Oops! Unable to get the data. Please check your internet connection!"},
      {"MSDLG_14_a", "The server did not send a program for this system. The update was not installed."},
      {"MSDLG_14_b", "The file %s could not be written (read-only, or opened by another program?)."},
      {"MSDLG_15", "Download successful, *|* Updating now!"},
      {"MSDLG_15_a", "The update cannot be installed: the program's folder cannot be written to."},
      {"MSDLG_15_b",
       "The update cannot be installed: the path %s holds a character that the Windows command prompt cannot "
       "read."},
      {"MSDLG_16", "%s icons outside desktop boundaries"},
      {"MSDLG_19", "There was no saved standard profile for this resolution, but now there is!"},
      {"MSDLG_20", "The standard profile for this resolution could not be saved. You will be asked again next time."},
      {"MSDLG_21_a", "Profile Name"},
      {"MSDLG_21_b", "Enter a profile name..."},
      {"MSDLG_21_c", "Please enter a profile name."},
      {"MSDLG_21_d", "A profile name cannot contain any of the characters \\ / : * ? \" < > |"},
      {"MSDLG_21_e",
       "Windows reserves this name for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9). "
       "Please choose another name."},
      {"MSDLG_21_f", "The profile name is too long."},
      {"MSDLG_21_g", "A profile name cannot begin or end with a quotation mark (\" or ')."},
      {"MSDLG_21_h", "The profile could not be deleted: the file %s is read-only or opened by another program."},
      {"MSDLG_22", "Undo last restore"},
      {"List_1", "Profile name"},
      {"List_2", "last change"},
      {"List_3", "Icons"},
      {"List_4", "Resolution"},
      {"List_5", "Monitor"},
      {"MSDLG_ERR_1", "An unknown error has occurred."},
      {"MSDLG_ERR_2", "OK"},
      {"MSDLG_ERR_3", "The window class %s could not be registered."},
      {"MSDLG_ERR_4", "The window %s could not be created."},
      {"MSDLG_ERR_5", "A hidden window could not be created."},
      {"MSDLG_ERR_6", "The menu could not be created."},
      {"MSDLG_ERR_7", "The input field could not be created."},
      {"MSDLG_ERR_8", "The number field could not be created."},
      {"MSDLG_ERR_9", "The list of icons could not be created."},
      {"MSDLG_ERR_10", "The English language file could not be written: %s"},
  };
  const std::vector<Section> sections = sections_of(english_file_bytes());
  ASSERT_FALSE(sections.empty());
  ASSERT_EQ(sections.back().name, "misc");
  EXPECT_EQ(sections.back().entries, english);

  // The program's built-in messages are exactly the ones the file translates.
  std::vector<std::string> built_in_ids;
  for (const auto& m : built_in_messages()) built_in_ids.emplace_back(m.id.text());
  std::vector<std::string> file_ids;
  for (const auto& [id, text] : sections.back().entries) file_ids.push_back(id);
  EXPECT_EQ(file_ids, built_in_ids);
}

}  // namespace
}  // namespace orvx::lang
