// Files written before the code was reshaped - a configuration, a profile, a
// language file and a settings backup, in tests/compat/data - are read the
// same way now. The files are never regenerated: the profile and the backup
// were written by the program's own profile writer and settings export of
// that time (the backup packs the three files of data-folder/), the
// configuration and the language file have the form the program and
// translators write.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "config/settings.h"
#include "lang/translator.h"
#include "lang/named_components.h"
#include "lang_online/language_list.h"
#include "platform/date_time_format.h"
#include "platform/files.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "profiles/stored_screen.h"
#include "settings_backup/settings_import.h"
#include "support/desktop_icon_rows.h"
#include "support/paths.h"
#include "support/recording_reporter.h"
#include "support/scripted_prompts.h"
#include "platform/message_ids.h"

namespace orvx {
namespace {

std::string compat_file(const std::string& name) { return test::source_dir() + "/tests/compat/data/" + name; }

TEST(FilesFromBefore, Configuration) {
  const config::SettingsRecord s = config::read_settings(compat_file("data-folder/config.qcf"));
  EXPECT_TRUE(s.auto_check_icons);
  EXPECT_EQ(s.auto_check_icons_value, 300000);
  EXPECT_TRUE(s.sort_after_res);
  EXPECT_EQ(s.standard_profile, "Arbeit");
  EXPECT_TRUE(s.active_hotkey);
  EXPECT_EQ(s.hot_key_value, "Umsch+Strg+F5");
  EXPECT_FALSE(s.live_desktop);
  EXPECT_EQ(s.lang_list, "english");
  EXPECT_FALSE(s.form_status_button_value);
}

TEST(FilesFromBefore, Profile) {
  const std::string file = compat_file("data-folder/Arbeit.qpf");
  EXPECT_EQ(test::rows(read_profile_file(file)), (std::vector<test::IconRow>{{"Arbeitsplatz", 20, 20},
                                                                             {"Papierkorb", 20, 110},
                                                                             {"Steuererkl\xE4rung 2006.xls", 120, 20},
                                                                             {"Links drau\xDF"
                                                                              "en",
                                                                              -1200, 300},
                                                                             {"Oben verloren", 400, -64},
                                                                             {"Notizen", 300, 400}}));
  const StoredScreen stored = read_stored_screen(file);
  ASSERT_TRUE(stored.size);
  EXPECT_EQ(stored.size->width, 3840);
  EXPECT_EQ(stored.size->height, 1080);
  EXPECT_EQ(stored.monitor_count, 2);
  FixedDateTimeFormatter format;
  const std::vector<ProfileRow> rows = profile_list_rows(compat_file("data-folder"), format);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name, "Arbeit");
  EXPECT_EQ(rows[0].icons, "7");
  EXPECT_EQ(rows[0].resolution, "3840x1080");
  EXPECT_EQ(rows[0].monitors, "2");
}

TEST(FilesFromBefore, LanguageFile) {
  ModelWindow main("orvx_form");
  main.add("save_button").declare("Caption", "Speichern").declare("Hint", "");
  WindowRegistry windows;
  windows.add(&main);
  lang::Translator lang(windows);
  lang.load_language(compat_file("dansk.qlf"));
  EXPECT_EQ(main.component("save_button")->string_property("Caption"), "Gem");
  EXPECT_EQ(main.component("save_button")->string_property("Hint"), "Gem ikonernes\r\nplacering");
  EXPECT_EQ(lang.message(message_ids::kChooseStandardProfileFirst), "Ingen standardprofil valgt!");
  EXPECT_EQ(lang.message(message_ids::kDownloadedUpdating), "Hentet \r\n Opdaterer nu!");

  test::TempFolder folder;
  ASSERT_TRUE(files::write_file(folder / "dansk.qlf", files::read_file(compat_file("dansk.qlf")).value_or("")));
  const std::vector<lang_online::LanguageRow> rows = lang_online::fill_language_list(folder.path());
  EXPECT_EQ(rows, (std::vector<lang_online::LanguageRow>{{"dansk", "Jens", "Up to date"},
                                                         {"german", "Quillfen", "Up to date"}}));
}

TEST(FilesFromBefore, SettingsBackup) {
  test::TempFolder data;
  test::ScriptedPrompts prompts;
  test::RecordingReporter reporter;
  WindowRegistry windows;
  lang::Translator lang(windows);
  struct NoStatus : settings_backup::BackupStatus {
    void started() override {}
    void file(const std::string&) override {}
    void progress(int32_t, int32_t) override {}
    void work_ended(bool) override {}
    void closed() override {}
  } status;
  const settings_backup::ImportResult result =
      settings_backup::import_settings(compat_file("settings.qbk"), data.path(), status, prompts, lang);
  ASSERT_TRUE(result.reread_settings) << result.error;
  for (const char* name : {"config.qcf", "Arbeit.qpf", "notizen.txt"}) {
    SCOPED_TRACE(name);
    const std::optional<std::string> original = files::read_file(compat_file(std::string("data-folder/") + name));
    ASSERT_TRUE(original);
    EXPECT_EQ(files::read_file(data / name), original);
  }
}

}  // namespace
}  // namespace orvx
