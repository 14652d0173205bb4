// The real OrvaneX.exe under Wine, next to the stand-in desktop: started in
// portable mode from a copy in a temporary folder and used as a user would.
// What it did is read from the files it wrote and from the stand-in's own
// report of its icons.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "config/ini_file.h"
#include "platform/files.h"
#include "profiles/profile_file.h"
#include "standin_shared/standin_client_win.h"
#include "support/orvane_app_win.h"

namespace orvx::test {
namespace {

using standin::StandinDesktop;
using standin::StandinItem;

const std::vector<StandinItem> kIcons = {
    {"Arbeitsplatz", 20, 20},       {"Papierkorb", 20, 110},   {"Eigene Dateien", 20, 200},
    {"Steuererkl\xE4rung.xls", 120, 20}, {"Projekte", 120, 110}, {"Weit draussen", 1400, 300},
};

TDesktopIconInfoArray as_icons(const std::vector<StandinItem>& items) {
  TDesktopIconInfoArray icons;
  for (const StandinItem& item : items) icons.push_back({item.caption, item.x, item.y});
  return icons;
}

// The icons sorted by caption, to compare a profile with the desktop.
TDesktopIconInfoArray sorted(TDesktopIconInfoArray icons) {
  std::sort(icons.begin(), icons.end(), [](const auto& a, const auto& b) { return a.Caption < b.Caption; });
  return icons;
}

// One stand-in desktop for all tests; each starts from kIcons, both
// arrangement modes off, and a fresh copy of the program.
class MainWindow : public ::testing::Test {
 protected:
  static void TearDownTestSuite() { standin_.reset(); }

  void SetUp() override {
    if (!standin_) {
      ASSERT_NO_THROW(standin_ = std::make_unique<StandinDesktop>());
    }
    standin().set_modes(false, false);
    ASSERT_EQ(standin().load(kIcons), static_cast<int>(kIcons.size()));
  }

  static StandinDesktop& standin() { return *standin_; }

  // Starts the copy with `argument` and waits for its main window.
  std::unique_ptr<RunningApp> start(const std::string& argument = "/u") {
    auto app = std::make_unique<RunningApp>(copy.exe(), argument);
    return app;
  }

  ProgramCopy copy;

 private:
  static inline std::unique_ptr<StandinDesktop> standin_;
};

TEST_F(MainWindow, FirstStartTellsAndSavesTheStandardProfileOfTheResolution) {
  auto app = start();
  HWND box = wait_message_box(app->process_id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box),
            "Es wurde f\xFCr diese Aufl\xF6sung noch kein Standard-Profil gespeichert, dies wird nun erledigt!");
  EXPECT_FALSE(files::file_exists(copy.profile_file(resolution_profile_name())));
  press_box_button(box, IDOK);

  ASSERT_NE(app->main_window(), nullptr);
  const std::string profile = copy.profile_file(resolution_profile_name());
  ASSERT_TRUE(files::file_exists(profile));
  EXPECT_EQ(sorted(ReadProfileFile(profile)), sorted(as_icons(standin().report())));
}

TEST_F(MainWindow, SavesIntoANewProfileNamedInThePrompt) {
  copy.prepare_resolution_profile();
  auto app = start();
  ASSERT_NE(app->main_window(), nullptr);
  app->click("OrvxFlatButton", "Speichern");
  HWND menu = wait_popup_menu(app->process_id());
  ASSERT_NE(menu, nullptr);
  choose_menu_item(menu, {2});  // pm_new_profil, below pm_select_profil

  HWND box = wait_process_window(app->process_id(), "OrvxInputBox", nullptr);
  ASSERT_NE(box, nullptr);
  HWND edit = find_child(box, "Edit");
  ASSERT_NE(edit, nullptr);
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("B\xFCro & Haus"));
  PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);

  const std::string profile = copy.profile_file("B\xFCro & Haus");
  ASSERT_TRUE(wait_until([&] { return files::file_exists(profile); }));
  EXPECT_EQ(sorted(ReadProfileFile(profile)), sorted(as_icons(standin().report())));
}

TEST_F(MainWindow, AutostartHidesTheWindowAfterTheStart) {
  // "/auto" is no portable start: the data folder is the user's.
  ProgramCopy autostart(DataPlace::app_data);
  autostart.prepare_resolution_profile();
  // The language question, settled by any value but 0, is written back as
  // 1 right before the window is shown: the sign that the show has come.
  autostart.set_config("Settings", "lang_menu", "7");
  RunningApp app(autostart.exe(), "/auto");
  HWND main = app.main_window(false);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(wait_until([&] { return ini::read_string(autostart.config_file(), "Settings", "lang_menu", "") == "1"; }));
  ASSERT_TRUE(round_trip(main));
  EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(main); }));
  EXPECT_TRUE(app.running());
}

}  // namespace
}  // namespace orvx::test
