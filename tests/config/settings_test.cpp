#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "mainwin/load_settings.h"
#include "config/config_file.h"
#include "config/settings.h"
#include "platform/files.h"
#include "support/paths.h"

namespace orvx::config {
namespace {

using namespace std::string_literals;

class SettingsFile : public ::testing::Test {
 protected:
  std::string config() const { return config_file_path(data_.path()); }
  void write_config(const std::string& text) const { ASSERT_TRUE(files::write_file(config(), text)); }
  std::string config_bytes() const { return files::read_file(config()).value_or("<missing>"); }
  void add_language_file(const std::string& name) const {
    const std::string lang = data_ / "lang";
    files::create_folder(lang);
    ASSERT_TRUE(files::write_file(files::with_separator(lang) + name, "[INFOS]\r\nlang=x\r\n"));
  }

  test::TempFolder data_;
};

TEST_F(SettingsFile, AFirstStartReadsEveryDefault) {
  const SettingsRecord s = read_settings(config());
  EXPECT_FALSE(s.auto_check_icons);
  EXPECT_EQ(s.auto_check_icons_value, 60000);
  EXPECT_FALSE(s.sort_after_res);
  EXPECT_EQ(s.standard_profile, "");
  EXPECT_FALSE(s.active_hotkey);
  EXPECT_EQ(s.hot_key_value, "Strg+Alt+D");
  EXPECT_EQ(s.lang_list, "");
  EXPECT_TRUE(s.form_status_button_value);
  EXPECT_TRUE(s.live_desktop);

  const mainwin::LoadedSettings loaded = mainwin::load_settings_data(data_.path());
  EXPECT_EQ(loaded.record, SettingsRecord{});
  EXPECT_EQ(loaded.hotkey, (Shortcut{'D', false, true, true}));
  EXPECT_EQ(loaded.language_file, "");
}

TEST_F(SettingsFile, ReadsEveryKeyOfSectionSettings) {
  write_config(
      "[orvx_form]\r\nLeft=5\r\n"
      "[SETTINGS]\r\n"
      "auto_check_icons=1\r\nauto_check_icons_value=90000\r\nsort_after_res=1\r\n"
      "std_profil=ORV - 1280x1024\r\nactive_hotkey=1\r\nHotKey_value=Umsch+F5\r\n"
      "lang_list=English\r\nlive_desktop=0\r\nform_status_button_value=0\r\nlang_menu=1\r\n");
  const SettingsRecord s = read_settings(config());
  SettingsRecord expected;
  expected.auto_check_icons = true;
  expected.auto_check_icons_value = 90000;
  expected.sort_after_res = true;
  expected.standard_profile = "ORV - 1280x1024";
  expected.active_hotkey = true;
  expected.hot_key_value = "Umsch+F5";
  expected.lang_list = "English";
  expected.live_desktop = false;
  expected.form_status_button_value = false;
  EXPECT_EQ(s, expected);
}

TEST_F(SettingsFile, ValuesThatDoNotParseReadAsTheirDefaults) {
  struct Case {
    const char* line;
    bool auto_check_icons;
    int32_t interval;
    bool live_desktop;
  };
  const Case cases[] = {
      {"auto_check_icons=yes", false, 60000, true},
      {"auto_check_icons=5", true, 60000, true},
      {"auto_check_icons=-1", true, 60000, true},
      {"auto_check_icons= 0 ", false, 60000, true},
      {"auto_check_icons_value=abc", false, 60000, true},
      {"auto_check_icons_value=30000ms", false, 30000, true},
      {"auto_check_icons_value=0x10", false, 0, true},
      {"auto_check_icons_value=99999999999", false, 60000, true},
      {"auto_check_icons_value=", false, 60000, true},
      {"live_desktop=off", false, 60000, true},
      {"live_desktop=0", false, 60000, false},
  };
  for (const auto& c : cases) {
    write_config("[Settings]\r\n"s + c.line + "\r\n");
    const SettingsRecord s = read_settings(config());
    EXPECT_EQ(s.auto_check_icons, c.auto_check_icons) << c.line;
    EXPECT_EQ(s.auto_check_icons_value, c.interval) << c.line;
    EXPECT_EQ(s.live_desktop, c.live_desktop) << c.line;
  }
}

TEST_F(SettingsFile, DamagedFilesReadAsDefaults) {
  const std::string cases[] = {
      "\xFF\xFE\0S\0e\0t\0"s,
      "[Sett",
      "[Settings]\r\nauto_check_icons_value",
      "[Settings]\r\n" + std::string(1 << 20, 'x'),
      std::string(1 << 20, '\0'),
      "\xEF\xBB\xBF\xEF\xBB\xBF[Settings]\r\nlive_desktop=0\r\n",
  };
  for (const auto& bytes : cases) {
    write_config(bytes);
    EXPECT_EQ(read_settings(config()), SettingsRecord{}) << bytes.substr(0, 40);
  }
}

TEST_F(SettingsFile, AFileFarTooBigForAConfigurationReadsAsDefaults) {
  write_config("[Settings]\r\nlive_desktop=0\r\n");
  ASSERT_EQ(read_settings(config()).live_desktop, false);
  // Grown to 1 GiB (sparse, so the test stays cheap): it is not read at all.
  std::filesystem::resize_file(config(), std::uintmax_t{1} << 30);
  EXPECT_EQ(read_settings(config()), SettingsRecord{});
}

TEST_F(SettingsFile, WritesTheKeysInTheOrderOfTheSettingsDialog) {
  SettingsRecord s;
  s.auto_check_icons = true;
  s.auto_check_icons_value = 120000;
  s.standard_profile = "Arbeit";
  s.hot_key_value = "Strg+Alt+Entf";
  s.lang_list = "English";
  s.form_status_button_value = false;  // not the dialog's: never written here
  ASSERT_TRUE(write_settings(config(), s, /*with_language=*/false));
  EXPECT_EQ(config_bytes(),
            "[Settings]\r\n"
            "auto_check_icons=1\r\n"
            "auto_check_icons_value=120000\r\n"
            "sort_after_res=0\r\n"
            "std_profil=Arbeit\r\n"
            "active_hotkey=0\r\n"
            "HotKey_value=Strg+Alt+Entf\r\n"
            "live_desktop=1\r\n");

  ASSERT_TRUE(write_settings(config(), s, /*with_language=*/true));
  EXPECT_TRUE(config_bytes().ends_with("live_desktop=1\r\nlang_list=English\r\n"));
}

TEST_F(SettingsFile, WritingKeepsEverythingElseInTheFile) {
  write_config(
      "[orvx_form]\r\nLeft=10\r\nTop=20\r\n"
      "[Settings]\r\nlang_menu=1\r\nlang_list=Fran\xE7"
      "ais\r\nform_status_button_value=0\r\nstd_profil=alt\r\n"
      "[about]\r\nLeft=1\r\n");
  SettingsRecord s;
  s.standard_profile = "neu";
  ASSERT_TRUE(write_settings(config(), s, /*with_language=*/false));
  const std::string bytes = config_bytes();
  EXPECT_TRUE(
      bytes.starts_with("[orvx_form]\r\nLeft=10\r\nTop=20\r\n[Settings]\r\nlang_menu=1\r\n"
                        "lang_list=Fran\xE7"
                        "ais\r\nform_status_button_value=0\r\nstd_profil=neu\r\n"))
      << bytes;
  EXPECT_TRUE(bytes.ends_with("[about]\r\nLeft=1\r\n")) << bytes;

  // What was written reads back; what was not stays as it was.
  SettingsRecord read = read_settings(config());
  EXPECT_EQ(read.lang_list,
            "Fran\xE7"
            "ais");
  EXPECT_FALSE(read.form_status_button_value);
  read.lang_list.clear();
  read.form_status_button_value = true;
  EXPECT_EQ(read, s);
}

TEST_F(SettingsFile, AWriteIntoAnUnwritablePlaceFails) {
  SettingsRecord s;
  EXPECT_FALSE(write_settings(data_ / "no such folder/config.qcf", s, true));
}

TEST_F(SettingsFile, LoadingResolvesHotkeyAndLanguageFile) {
  add_language_file("English.qlf");
  struct Case {
    const char* lang_list;
    const char* hotkey;
    const char* kept_lang_list;
    bool has_language_file;
    Shortcut shortcut;
  };
  const Case cases[] = {
      {"english", "STRG+ALT+D", "english", true, {'D', false, true, true}},
      {"ENGLISH", "alt+strg+d", "ENGLISH", true, {'D', false, true, true}},
      {"English", "Strg+7", "English", true, {'7', false, true, false}},
      {"French", "Strg+Alt+D", "", false, {'D', false, true, true}},
      {"Eng", "", "", false, {}},
      {"English.qlf", "nonsense", "", false, {}},
      {"../lang/English", "Strg+Alt+D", "", false, {'D', false, true, true}},
  };
  for (const auto& c : cases) {
    write_config("[Settings]\r\nlang_list="s + c.lang_list + "\r\nHotKey_value=" + c.hotkey + "\r\n");
    const mainwin::LoadedSettings loaded = mainwin::load_settings_data(data_.path());
    EXPECT_EQ(loaded.record.lang_list, c.kept_lang_list) << c.lang_list;
    EXPECT_EQ(loaded.record.hot_key_value, c.hotkey);
    EXPECT_EQ(loaded.hotkey, c.shortcut) << c.hotkey;
    if (c.has_language_file) {
      EXPECT_EQ(loaded.language_file, files::with_separator(data_ / "lang") + "English.qlf");
    } else {
      EXPECT_EQ(loaded.language_file, "") << c.lang_list;
    }
    // Loading never writes: the file keeps its value until the next save.
    EXPECT_EQ(read_settings(config()).lang_list, c.lang_list);
  }
}

}  // namespace
}  // namespace orvx::config
