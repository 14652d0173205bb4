// The settings dialog's logic without its windows: what a showing puts into
// the controls, what Save makes of them in the record and in config.qcf,
// and what deleting a profile leaves of the standard profile.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "autostart/autostart_link.h"
#include "config/config_file.h"
#include "config/settings.h"
#include "platform/files.h"
#include "settings/profile_deletion.h"
#include "settings/settings_controls.h"
#include "settings/settings_save.h"
#include "support/paths.h"
#include "support/scripted_prompts.h"
#include "platform/message_ids.h"

namespace orvx::settings {
namespace {

constexpr char kResolutionProfile[] = "ORV - 1024x768";

config::Shortcut key(uint8_t vk, bool shift, bool ctrl, bool alt) {
  return config::Shortcut{.key = vk, .shift = shift, .ctrl = ctrl, .alt = alt};
}

// ---- showing --------------------------------------------------------------

struct StandardProfileCase {
  const char* name;
  std::string stored;
  std::vector<std::string> profiles;  // in the data folder
  std::vector<std::string> entries;   // in the choice
  std::optional<size_t> selected;
};

class StandardProfileChoice : public ::testing::TestWithParam<StandardProfileCase> {};

TEST_P(StandardProfileChoice, SelectsTheStoredProfileOrTheResolutionsOne) {
  config::SettingsRecord record;
  record.standard_profile = GetParam().stored;
  const SettingsControls shown = controls_for_show(record, GetParam().profiles, kResolutionProfile, false);
  EXPECT_EQ(shown.standard_profile_entries, GetParam().entries);
  EXPECT_EQ(shown.standard_profile_selection, GetParam().selected);
}

// A stored name without its file (the chosen standard profile was deleted)
// stays chosen, so that Save keeps it and the next save makes the file anew.
INSTANTIATE_TEST_SUITE_P(
    Cases, StandardProfileChoice,
    ::testing::Values(
        StandardProfileCase{
            "StoredNameInOtherCase", "work", {"Home", "Work", "ORV - 1024x768"}, {"Home", "Work", "ORV - 1024x768"}, 1},
        StandardProfileCase{
            "NoneStoredTakesTheResolutions", "", {"Home", "orv - 1024X768"}, {"Home", "orv - 1024X768"}, 1},
        StandardProfileCase{"NoneStoredAndNoResolutionProfile", "", {"Home", "Work"}, {"Home", "Work"}, std::nullopt},
        StandardProfileCase{
            "StoredNameWithoutItsFile", "Gone", {"Home", "ORV - 1024x768"}, {"Home", "ORV - 1024x768", "Gone"}, 2},
        StandardProfileCase{"NoProfilesAtAll", "Home", {}, {"Home"}, 0},
        StandardProfileCase{"StoredNameNoFileCanHave", "a:b", {"Home"}, {"Home"}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsShowing, FillsEveryControlFromTheRecord) {
  config::SettingsRecord record;
  record.auto_check_icons = true;
  record.auto_check_icons_value = 30000;
  record.sort_after_res = true;
  record.active_hotkey = true;
  record.hot_key_value = "Strg+Umsch+F5";
  record.live_desktop = false;
  const SettingsControls shown = controls_for_show(record, {}, kResolutionProfile, true);
  EXPECT_TRUE(shown.orv_on_start);
  EXPECT_TRUE(shown.auto_check_icons);
  EXPECT_EQ(shown.minutes, 1);  // 30 seconds show as the least the field holds
  EXPECT_TRUE(shown.sort_after_res);
  EXPECT_TRUE(shown.active_hotkey);
  EXPECT_EQ(shown.hotkey, key(0x74, true, true, false));
  EXPECT_FALSE(shown.live_desktop);
}

TEST(SettingsShowing, AnEmptyHotkeyShowsCtrlAltD) {
  config::SettingsRecord record;
  record.hot_key_value = "";
  EXPECT_EQ(controls_for_show(record, {}, kResolutionProfile, false).hotkey, key('D', false, true, true));
}

// ---- Save into the record -------------------------------------------------

struct HotkeyCase {
  const char* name;
  config::Shortcut typed;
  std::string stored;
};

class HotkeySave : public ::testing::TestWithParam<HotkeyCase> {};

TEST_P(HotkeySave, StoresACombinationThatCannotTakeAPlainKey) {
  SettingsControls controls;
  controls.hotkey = GetParam().typed;
  config::SettingsRecord record;
  store_controls(controls, record);
  EXPECT_EQ(record.hot_key_value, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Cases, HotkeySave,
                         ::testing::Values(HotkeyCase{"NoModifier", key('K', false, false, false), "Strg+Alt+K"},
                                           HotkeyCase{"ShiftAlone", key('K', true, false, false), "Strg+Alt+K"},
                                           HotkeyCase{"ShiftAndCtrlStay", key('K', true, true, false), "Umsch+Strg+K"},
                                           HotkeyCase{"AltAloneStays", key(0x70, false, false, true), "Alt+F1"},
                                           HotkeyCase{"NoKeyIsEmpty", key(0, false, true, true), ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsStore, MinutesBecomeMillisecondsAndNoSelectionAnEmptyProfile) {
  config::SettingsRecord record;
  SettingsControls controls = controls_for_show(record, {"Home"}, kResolutionProfile, false);
  ASSERT_FALSE(controls.standard_profile_selection);
  controls.minutes = 1;
  store_controls(controls, record);
  EXPECT_EQ(record.auto_check_icons_value, 60000);
  EXPECT_EQ(record.standard_profile, "");
}

TEST(SettingsStore, AStoredIntervalOf30SecondsIsSavedAsOneMinute) {
  config::SettingsRecord record;
  record.auto_check_icons_value = 30000;
  store_controls(controls_for_show(record, {}, kResolutionProfile, false), record);
  EXPECT_EQ(record.auto_check_icons_value, 60000);
}

TEST(SettingsStore, ThePreselectedResolutionProfileIsSavedByName) {
  config::SettingsRecord record;
  store_controls(controls_for_show(record, {"Home", kResolutionProfile}, kResolutionProfile, false), record);
  EXPECT_EQ(record.standard_profile, kResolutionProfile);
}

// ---- deleting a profile ---------------------------------------------------

// The chosen standard profile deleted, and the dialog shown and saved again:
// the name stays in the record, never an empty one that would make every
// tick of the auto-save timer complain.
TEST(SettingsStore, ADeletedStandardProfileStaysChosenThroughTheNextShowing) {
  config::SettingsRecord record;
  record.standard_profile = "Work";
  store_controls(controls_for_show(record, {"Home"}, kResolutionProfile, false), record);
  EXPECT_EQ(record.standard_profile, "Work");
}

TEST(ProfileDeletion, DeletesTheFileAndIgnoresOneAlreadyGone) {
  test::TempFolder data;
  ASSERT_TRUE(files::write_file(data / "Work.qpf", "[Infos]\r\n"));
  EXPECT_TRUE(delete_profile(data.path(), "Work"));
  EXPECT_FALSE(files::file_exists(data / "Work.qpf"));
  EXPECT_TRUE(delete_profile(data.path(), "Work"));
}

// What stays must not look deleted: the dialog keeps the row and says so.
TEST(ProfileDeletion, AnEntryThatStaysIsNoSuccess) {
  test::TempFolder data;
  ASSERT_TRUE(files::create_folders(data / "Stuck.qpf/inside"));
  EXPECT_FALSE(delete_profile(data.path(), "Stuck"));
  EXPECT_TRUE(files::folder_exists(data / "Stuck.qpf"));
}

// ---- Save with its file ---------------------------------------------------

class RecordingAutostart : public autostart::AutostartLink {
 public:
  bool exists() const override { return present; }
  void create(const std::string& target) override {
    calls.push_back("create " + target);
    present = true;
  }
  void remove() override {
    calls.push_back("remove");
    present = false;
  }
  bool present = false;
  std::vector<std::string> calls;
};

class SettingsSave : public ::testing::Test {
 protected:
  SettingsSaveHost host() {
    return SettingsSaveHost{.record = record_,
                            .data_folder = data_.path(),
                            .prompts = prompts_,
                            .message =
                                [](MessageId id) {
                                  // The message that names a file carries it after a colon.
                                  return "text of " + std::string(id.text()) +
                                         (id == message_ids::kSettingsNotSaved ? ": %s" : "");
                                },
                            .load_language = [this](const std::string& path) { loaded_.push_back(path); },
                            .autostart = autostart_,
                            .program_path = "C:\\Tools\\OrvaneX.exe"};
  }
  bool save(const SettingsControls& controls, const std::optional<std::string>& language_row) {
    SettingsSaveHost h = host();
    return save_settings(controls, language_row, h);
  }
  std::string config_text() const {
    return files::read_file(config::config_file_path(data_.path())).value_or("<missing>");
  }

  test::TempFolder data_;
  config::SettingsRecord record_;
  test::ScriptedPrompts prompts_;
  RecordingAutostart autostart_;
  std::vector<std::string> loaded_;
};

TEST_F(SettingsSave, WritesTheKeysInTheirOrderAndKeepsTheLanguageWithoutARow) {
  ASSERT_TRUE(files::write_file(config::config_file_path(data_.path()), "[Settings]\r\nlang_list=English\r\n"));
  SettingsControls controls;
  controls.auto_check_icons = true;
  controls.minutes = 5;
  controls.sort_after_res = true;
  controls.standard_profile_entries = {"Home"};
  controls.standard_profile_selection = 0;
  controls.active_hotkey = true;
  controls.hotkey = key('S', true, false, false);
  controls.live_desktop = false;
  ASSERT_TRUE(save(controls, std::nullopt));
  EXPECT_EQ(config_text(),
            "[Settings]\r\nlang_list=English\r\nauto_check_icons=1\r\nauto_check_icons_value=300000\r\n"
            "sort_after_res=1\r\nstd_profil=Home\r\nactive_hotkey=1\r\nHotKey_value=Strg+Alt+S\r\n"
            "live_desktop=0\r\n");
  EXPECT_TRUE(loaded_.empty());
  EXPECT_TRUE(prompts_.shown.empty());
}

TEST_F(SettingsSave, TheGermanRowAsksForARestartAndEmptiesTheLanguage) {
  record_.lang_list = "English";
  ASSERT_TRUE(save(SettingsControls{}, std::string(kGermanLanguageRow)));
  ASSERT_EQ(prompts_.shown.size(), 1u);
  EXPECT_EQ(prompts_.shown[0].text, "text of MSDLG_2");
  EXPECT_TRUE(loaded_.empty());
  EXPECT_EQ(record_.lang_list, "");
  EXPECT_NE(config_text().find("\r\nlang_list=\r\n"), std::string::npos);
}

TEST_F(SettingsSave, AnotherRowLoadsItsFileAtOnceWithoutAMessage) {
  ASSERT_TRUE(save(SettingsControls{}, std::string("English")));
  EXPECT_TRUE(prompts_.shown.empty());
  ASSERT_EQ(loaded_.size(), 1u);
  EXPECT_EQ(loaded_[0], files::with_separator(data_ / "lang") + "English.qlf");
  EXPECT_EQ(record_.lang_list, "English");
  EXPECT_NE(config_text().find("lang_list=English"), std::string::npos);
}

TEST_F(SettingsSave, TheBoxMakesOrRemovesTheAutostartShortcut) {
  SettingsControls controls;
  controls.orv_on_start = true;
  ASSERT_TRUE(save(controls, std::nullopt));
  controls.orv_on_start = false;
  ASSERT_TRUE(save(controls, std::nullopt));
  EXPECT_EQ(autostart_.calls, (std::vector<std::string>{"create C:\\Tools\\OrvaneX.exe", "remove"}));
}

TEST_F(SettingsSave, AnUnwritableFileIsReported) {
  SettingsSaveHost h = host();
  h.data_folder = (data_ / "missing") + files::kSeparator;
  EXPECT_FALSE(save_settings(SettingsControls{}, std::nullopt, h));
}

// A config.qcf that takes nothing leaves everything as it was: the record
// (which the next showing would otherwise fill the dialog from), the
// windows' language and the autostart shortcut. The user learns which file
// it is, and no other message comes.
TEST_F(SettingsSave, AFileThatCannotBeWrittenChangesNothingElse) {
  record_.lang_list = "English";
  record_.standard_profile = "Home";
  const config::SettingsRecord before = record_;
  SettingsControls controls;
  controls.orv_on_start = true;
  controls.auto_check_icons = true;
  controls.minutes = 9;
  controls.live_desktop = false;
  const std::string missing = (data_ / "missing") + files::kSeparator;
  for (const std::string row : {std::string("polski"), std::string(kGermanLanguageRow)}) {
    SCOPED_TRACE(row);
    prompts_.shown.clear();
    SettingsSaveHost h = host();
    h.data_folder = missing;
    EXPECT_FALSE(save_settings(controls, row, h));
    EXPECT_EQ(record_, before);
    EXPECT_TRUE(loaded_.empty());
    EXPECT_TRUE(autostart_.calls.empty());
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].text, "text of MSDLG_2_a: " + config::config_file_path(missing));
  }
}

// ---- the autostart shortcut's place ----------------------------------------

struct LinkPathCase {
  const char* name;
  std::string folder;
  std::string path;
};

class AutostartLinkPath : public ::testing::TestWithParam<LinkPathCase> {};

TEST_P(AutostartLinkPath, IsFormedOnlyInARealFolder) {
  EXPECT_EQ(autostart::autostart_link_path(GetParam().folder, "OrvaneX"), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AutostartLinkPath,
    ::testing::Values(
        LinkPathCase{"StartupFolder", "C:\\Dokumente und Einstellungen\\Jo\\Startmen\xFC\\Programme\\Autostart",
                     "C:\\Dokumente und Einstellungen\\Jo\\Startmen\xFC\\Programme\\Autostart\\OrvaneX.lnk"},
        LinkPathCase{"TrailingBackslash", "D:\\Start\\", "D:\\Start\\OrvaneX.lnk"},
        LinkPathCase{"NetworkShare", "\\\\server\\home\\Start", "\\\\server\\home\\Start\\OrvaneX.lnk"},
        LinkPathCase{"Unknown", "", ""}, LinkPathCase{"DriveRoot", "C:\\", ""}, LinkPathCase{"BareDrive", "C:", ""},
        LinkPathCase{"Relative", "Start", ""}, LinkPathCase{"RootOfTheCurrentDrive", "\\", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvx::settings
