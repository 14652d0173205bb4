// load_settings: the record from config.qcf and what it applies to the
// window, the hotkey and the language.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwin/load_settings.h"
#include "config/config_file.h"
#include "lang/lang_folder.h"
#include "platform/files.h"
#include "support/flow_world.h"
#include "platform/message_ids.h"

namespace orvx::mainwin {
namespace {

using Log = std::vector<std::string>;
using test::FlowWorld;

class LoadSettings : public ::testing::Test {
 protected:
  void write_config(const std::string& settings_lines) {
    ASSERT_TRUE(files::write_file(config::config_file_path(w_.folders.data), "[Settings]\r\n" + settings_lines));
  }
  void write_language(const std::string& file_name, const std::string& misc_lines) {
    const std::string folder = lang::lang_folder_path(w_.folders.data);
    ASSERT_TRUE(files::create_folders(folder));
    ASSERT_TRUE(files::write_file(files::with_separator(folder) + file_name, "[misc]\r\n" + misc_lines));
  }
  void load() { load_settings(w_.context(), w_.window); }

  FlowWorld w_;
};

TEST_F(LoadSettings, FirstStartWithoutAFileAppliesTheDefaults) {
  w_.settings.standard_profile = "left over";
  load();
  EXPECT_EQ(w_.settings, config::SettingsRecord{});
  EXPECT_EQ(w_.log.entries, (Log{"auto_save_timer off 60000", "minidesk shown"}));
  EXPECT_FALSE(w_.hotkey.enabled());
  EXPECT_EQ(w_.hotkey.shortcut(), config::text_to_shortcut("Strg+Alt+D"));
  EXPECT_TRUE(w_.translator.language_path().empty());
}

TEST_F(LoadSettings, AppliesTimerHotkeyAndMinideskInThatOrder) {
  write_config(
      "auto_check_icons=1\r\nauto_check_icons_value=30000\r\nsort_after_res=1\r\nstd_profil=Work\r\n"
      "live_desktop=0\r\nactive_hotkey=1\r\nHotKey_value=STRG+alt+d\r\nform_status_button_value=0\r\n");
  load();
  EXPECT_EQ(w_.log.entries, (Log{"auto_save_timer on 30000", "register Strg+Alt+D", "minidesk hidden"}))
      << "the hotkey is activated with its combination: no failure, nothing left unregistered";
  EXPECT_TRUE(w_.hotkey.registered());
  EXPECT_TRUE(w_.settings.sort_after_res);
  EXPECT_EQ(w_.settings.standard_profile, "Work");
  EXPECT_FALSE(w_.settings.live_desktop);
}

TEST_F(LoadSettings, EachShowLoadsAgainAndOnlyAChangedHotkeyIsRegisteredAnew) {
  write_config("active_hotkey=1\r\n");
  load();
  load();
  write_config("active_hotkey=1\r\nHotKey_value=Umsch+F9\r\n");
  load();
  write_config("active_hotkey=0\r\nHotKey_value=Umsch+F9\r\n");
  load();
  Log hotkey_calls;
  for (const auto& e : w_.log.entries) {
    if (e.starts_with("register") || e == "unregister" || e.starts_with("message")) hotkey_calls.push_back(e);
  }
  EXPECT_EQ(hotkey_calls, (Log{"register Strg+Alt+D", "unregister", "register Umsch+F9", "unregister"}));
}

TEST_F(LoadSettings, AnActivationWithANewCombinationIsNoFailureWhenTheOldOneIsTaken) {
  // The settings dialog switched the hotkey on and chose Alt+X; another
  // program holds the default combination.
  w_.registrar.taken = {"Strg+Alt+D"};
  load();
  write_config("active_hotkey=1\r\nHotKey_value=Alt+X\r\n");
  load();
  EXPECT_EQ(w_.log.entries, (Log{"auto_save_timer off 60000", "minidesk shown", "auto_save_timer off 60000",
                                 "register Alt+X", "minidesk shown"}));
}

TEST_F(LoadSettings, AHotkeyThatCannotBeRegisteredIsReportedAndTriedAtTheNextLoad) {
  write_config("active_hotkey=1\r\nHotKey_value=Alt+X\r\n");
  w_.registrar.taken = {"Alt+X"};
  load();
  w_.registrar.taken.clear();
  load();
  EXPECT_EQ(w_.log.entries, (Log{"auto_save_timer off 60000", "register Alt+X", "message MSDLG_1", "minidesk shown",
                                 "auto_save_timer off 60000", "register Alt+X", "minidesk shown"}));
  EXPECT_TRUE(w_.hotkey.registered());
}

TEST_F(LoadSettings, LoadsTheLanguageFileWhenTheLangFolderHasOne) {
  write_language("English.qlf", "MSDLG_0=Select A Standard Profile\r\n");
  write_config("lang_list=english\r\n");
  load();
  EXPECT_EQ(w_.settings.lang_list, "english");
  EXPECT_EQ(w_.translator.message(message_ids::kChooseStandardProfileFirst), "Select A Standard Profile");
}

TEST_F(LoadSettings, AMissingLanguageFileEmptiesTheFieldButNotTheFile) {
  write_config("lang_list=Klingon\r\n");
  load();
  EXPECT_EQ(w_.settings.lang_list, "");
  EXPECT_TRUE(w_.translator.language_path().empty());
  EXPECT_EQ(ini::read_string(config::config_file_path(w_.folders.data), "Settings", "lang_list", ""), "Klingon");
}

}  // namespace
}  // namespace orvx::mainwin
