// The real OrvaneX.exe under Wine, next to the stand-in desktop: started in
// portable mode from a copy in a temporary folder and used as a user would.
// What it did is read from the files it wrote and from the stand-in's own
// report of its icons.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "minidesk/error_list_window_win.h"
#include "ui/link_label_win.h"
#include "ui/picture_button_win.h"
#include "minidesk/alert_panel_win.h"
#include "ini/ini_file.h"
#include "icons/arrangement_guard.h"
#include "lang/messages.h"
#include "platform/files.h"
#include "profiles/profile_file.h"
#include "standin_shared/standin_client_win.h"
#include "support/desktop_icon_rows.h"
#include "support/orvane_app_win.h"
#include "mainwin/main_window_win.h"
#include "ui/caption_bar_win.h"
#include "ui/error_report_dialog_win.h"
#include "ui/flat_button_win.h"
#include "ui/input_box_win.h"
#include "ui/label_win.h"
#include "mainwin/about_box_win.h"
#include "mainwin/main_layout.h"
#include "mainwin/screen_measures_win.h"
#include "platform/message_ids.h"

namespace orvx::test {
namespace {

using standin::StandinDesktop;
using standin::StandinItem;

const std::vector<StandinItem> kIcons = {
    {"Arbeitsplatz", 20, 20},    {"Papierkorb", 20, 110},
    {"Eigene Dateien", 20, 200}, {"Steuererkl\xE4rung.xls", 120, 20},
    {"Projekte", 120, 110},      {"Weit draussen", 1400, 300},
};

// Icons as sorted rows of caption and position, to compare a profile with
// the desktop whatever the order of either.
std::vector<IconRow> sorted_rows(const DesktopIcons& icons) {
  std::vector<IconRow> sorted = rows(icons);
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}

std::vector<IconRow> sorted_rows(const std::vector<StandinItem>& items) {
  std::vector<IconRow> rows;
  for (const StandinItem& item : items) rows.emplace_back(item.caption, item.x, item.y);
  std::sort(rows.begin(), rows.end());
  return rows;
}

// One stand-in desktop for all tests; each starts from kIcons, both
// arrangement modes off, and a fresh copy of the program.
class MainWindow : public ::testing::Test {
 protected:
  static void TearDownTestSuite() { standin_.reset(); }

  void SetUp() override {
    // A second instance would only bring that one to the front and end.
    ASSERT_EQ(FindWindowA(mainwin::kMainWindowClass, nullptr), nullptr) << "another OrvaneX.exe is running";
    if (!standin_) {
      ASSERT_NO_THROW(standin_ = std::make_unique<StandinDesktop>());
    }
    standin().set_modes(false, false);
    ASSERT_EQ(standin().load(kIcons), static_cast<int>(kIcons.size()));
  }

  static StandinDesktop& standin() { return *standin_; }

  // Starts the copy with `argument` and waits for its main window.
  std::unique_ptr<RunningApp> start(const std::string& argument = "/u") {
    copy_.settle_language_question();
    auto app = std::make_unique<RunningApp>(copy_.exe(), argument);
    return app;
  }

  // The copy saves by timer into `profile` every `interval_ms` (an interval
  // the settings dialog, which takes whole minutes, cannot set).
  void auto_save_into(const std::string& profile, int64_t interval_ms) const {
    copy_.prepare_resolution_profile();
    copy_.set_config("Settings", "auto_check_icons", "1");
    copy_.set_config("Settings", "auto_check_icons_value", std::to_string(interval_ms));
    copy_.set_config("Settings", "std_profil", profile);
  }

  ProgramCopy copy_;

 private:
  static inline std::unique_ptr<StandinDesktop> standin_;
};

TEST_F(MainWindow, FirstStartTellsAndSavesTheStandardProfileOfTheResolution) {
  auto app = start();
  HWND box = wait_message_box(app->process_id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), lang::german_message(message_ids::kStandardProfileCreated));
  EXPECT_FALSE(files::file_exists(copy_.profile_file(resolution_profile_name())));
  press_box_button(box, IDOK);

  ASSERT_NE(app->main_window(), nullptr);
  const std::string profile = copy_.profile_file(resolution_profile_name());
  ASSERT_TRUE(files::file_exists(profile));
  EXPECT_EQ(sorted_rows(read_profile_file(profile)), sorted_rows(standin().report()));
}

TEST_F(MainWindow, SavesIntoANewProfileNamedInThePrompt) {
  copy_.prepare_resolution_profile();
  auto app = start();
  ASSERT_NE(app->main_window(), nullptr);
  app->click(ui::kFlatButtonClass, "Speichern");
  HWND menu = wait_popup_menu(app->process_id());
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(choose_menu_item(app->process_id(), menu, {2}));  // pm_new_profil, below pm_select_profil

  HWND box = wait_process_window(app->process_id(), ui::kInputBoxClass, nullptr);
  ASSERT_NE(box, nullptr);
  HWND edit = find_child(box, "Edit");
  ASSERT_NE(edit, nullptr);
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("B\xFCro & Haus"));
  PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);

  const std::string profile = copy_.profile_file("B\xFCro & Haus");
  const std::vector<IconRow> desktop = sorted_rows(standin().report());
  EXPECT_TRUE(wait_for("sorted_rows(ReadProfileFile(profile)) == desktop",
                       [&] { return sorted_rows(read_profile_file(profile)) == desktop; }));
}

TEST_F(MainWindow, RestorePutsMovedIconsBack) {
  auto app = start();
  HWND box = wait_message_box(app->process_id());
  ASSERT_NE(box, nullptr);
  press_box_button(box, IDOK);  // the first start saves the standard profile
  ASSERT_NE(app->main_window(), nullptr);
  ASSERT_TRUE(files::file_exists(copy_.profile_file(resolution_profile_name())));
  const std::vector<StandinItem> saved = standin().report();

  ASSERT_TRUE(standin().move(0, 600, 400));
  ASSERT_TRUE(standin().move(4, 700, 520));
  ASSERT_NE(standin().report(), saved);
  app->click(ui::kFlatButtonClass, "Anordnen");
  HWND menu = wait_popup_menu(app->process_id());
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(choose_menu_item(app->process_id(), menu, {0}));  // the one profile there is
  EXPECT_TRUE(wait_for("standin().report() == saved", [&] { return standin().report() == saved; }));
}

TEST_F(MainWindow, HotkeySavesIntoTheChosenStandardProfile) {
  copy_.prepare_resolution_profile();
  copy_.set_config("Settings", "std_profil", "Mein Profil");
  copy_.set_config("Settings", "active_hotkey", "1");
  copy_.set_config("Settings", "HotKey_value", "Strg+Alt+D");
  auto app = start();
  ASSERT_NE(app->main_window(), nullptr);
  // The program holds the combination now.
  EXPECT_FALSE(RegisterHotKey(nullptr, 0x5000, MOD_CONTROL | MOD_ALT, 'D'));

  INPUT keys[6] = {};
  const WORD sequence[6] = {VK_CONTROL, VK_MENU, 'D', 'D', VK_MENU, VK_CONTROL};
  for (int i = 0; i < 6; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = sequence[i];
    keys[i].ki.dwFlags = i >= 3 ? KEYEVENTF_KEYUP : 0;
  }
  ASSERT_EQ(SendInput(6, keys, sizeof(INPUT)), 6u);
  const std::string profile = copy_.profile_file("Mein Profil");
  const std::vector<IconRow> desktop = sorted_rows(standin().report());
  EXPECT_TRUE(wait_for("sorted_rows(ReadProfileFile(profile)) == desktop",
                       [&] { return sorted_rows(read_profile_file(profile)) == desktop; }));

  app.reset();  // Exit gives the combination back
  EXPECT_TRUE(RegisterHotKey(nullptr, 0x5000, MOD_CONTROL | MOD_ALT, 'D'));
  UnregisterHotKey(nullptr, 0x5000);
}

TEST_F(MainWindow, AutoArrangeGivesTheWarningAndNoRestoreMenu) {
  copy_.prepare_resolution_profile();
  standin().set_modes(true, false);
  auto app = start();
  // Once at the start, where it only warns.
  HWND box = wait_message_box(app->process_id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), icons::arrangement_warning_text());
  press_box_button(box, IDOK);
  HWND main = app->main_window();
  ASSERT_NE(main, nullptr);

  app->click(ui::kFlatButtonClass, "Anordnen");
  box = wait_message_box(app->process_id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), icons::arrangement_warning_text());
  press_box_button(box, IDOK);
  ASSERT_TRUE(wait_for("!IsWindow(box)", [&] { return !IsWindow(box); }));
  ASSERT_TRUE(round_trip(main));
  EXPECT_EQ(find_process_window(app->process_id(), "#32768", nullptr, true), nullptr);

  // With the mode off, the same button opens the menu.
  standin().set_modes(false, false);
  app->click(ui::kFlatButtonClass, "Anordnen");
  HWND menu = wait_popup_menu(app->process_id());
  ASSERT_NE(menu, nullptr);
  PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_TRUE(wait_for("!IsWindowVisible(menu)", [&] { return !IsWindowVisible(menu); }));
}

TEST_F(MainWindow, RefusesAltF4AndForeignClosesWhileExitEndsAndKeepsThePosition) {
  copy_.prepare_resolution_profile();
  auto app = start();
  HWND main = app->main_window();
  ASSERT_NE(main, nullptr);
  PostMessageA(main, WM_SYSKEYDOWN, VK_F4, 0x20000001);  // with Alt down
  PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(round_trip(main));
  ASSERT_TRUE(round_trip(main));
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_TRUE(app->running());
  // A logoff or shutdown asks, and is never held up.
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &answer));
  EXPECT_EQ(answer, 1u);

  SetWindowPos(main, nullptr, 123, 234, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(round_trip(main));
  app->click(ui::kFlatButtonClass, "Beenden");
  ASSERT_TRUE(app->wait_exit());
  EXPECT_EQ(app->exit_code(), 0u);
  EXPECT_FALSE(IsWindow(main));
  const std::string config = copy_.config_file();
  EXPECT_EQ(ini::read_string(config, "orvx_form", "Left", ""), "123");
  EXPECT_EQ(ini::read_string(config, "orvx_form", "Top", ""), "234");
  // The about box keeps its place too, where it was centred at the start.
  EXPECT_NE(ini::read_string(config, "about", "Left", ""), "");
  EXPECT_NE(ini::read_string(config, "about", "Top", ""), "");
}

// A user who lost the window (hidden in the notification area, or collapsed
// to its bar behind others) gets it back by starting the program again.
TEST_F(MainWindow, SecondStartBringsTheFirstToTheFrontAndEnds) {
  for (const bool collapsed : {false, true}) {
    SCOPED_TRACE(collapsed ? "collapsed" : "hidden");
    ProgramCopy first_copy;
    first_copy.prepare_resolution_profile();
    RunningApp first(first_copy.exe(), "/u");
    HWND main = first.main_window();
    ASSERT_NE(main, nullptr);
    if (collapsed) {
      HWND toggle = find_visible_child(main, ui::kPictureButtonClass);
      ASSERT_NE(toggle, nullptr);
      post_click(toggle);
      ASSERT_TRUE(wait_for("GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST",
                           [&] { return (GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));
      ASSERT_TRUE(round_trip(main));
      // Another window in front of it, holding the focus.
      ShowWindow(standin().window(), SW_SHOW);
      SetForegroundWindow(standin().window());
      ASSERT_TRUE(wait_for("GetForegroundWindow() != main", [&] { return GetForegroundWindow() != main; }));
    } else {
      ASSERT_TRUE(minimize_to_tray(main));
    }

    ProgramCopy second;
    RunningApp again(second.exe(), "/u");
    ASSERT_TRUE(again.wait_exit());
    EXPECT_EQ(again.exit_code(), 0u);
    EXPECT_TRUE(wait_for("IsWindowVisible(main) != FALSE", [&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(wait_for("GetForegroundWindow() == main", [&] { return GetForegroundWindow() == main; }));
    EXPECT_FALSE(files::folder_exists(second.folder() + "Quillfen"));
    EXPECT_EQ(FindWindowExA(nullptr, main, mainwin::kMainWindowClass, nullptr), nullptr);
    EXPECT_EQ(FindWindowExA(nullptr, nullptr, mainwin::kMainWindowClass, nullptr), main);
  }
}

// The system clock in milliseconds, as file times give it.
int64_t file_time_ms(const FILETIME& time) {
  return static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 10000);
}

int64_t now_ms() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return file_time_ms(now);
}

// Each show reads the settings anew; the auto-save countdown must run on
// through them. Shown a sixth and a third of the way through a countdown
// (the second show lands near half way, as showing takes a moment), the
// window would put off a countdown that restarts at every show to a whole
// interval after the last show, about half an interval out of step with the
// saves before;
// one that runs on saves in step, a whole number of intervals after the save
// before. The verdict rests on the times the program wrote the profile (its
// own record of its ticks), and holds when a busy machine delays a save or
// lets a tick pass without one.
TEST_F(MainWindow, AutoSaveCountdownRunsOnThroughRepeatedShows) {
  constexpr int64_t kIntervalMs = 12000;
  auto_save_into("Zeitplan", kIntervalMs);
  auto app = start();
  HWND main = app->main_window();
  ASSERT_NE(main, nullptr);
  HWND tray = wait_tray_icon(app->process_id());
  ASSERT_NE(tray, nullptr);
  const std::string profile = copy_.profile_file("Zeitplan");

  // Waits for the next save and takes the file away: the moment it was
  // written, or nullopt.
  auto next_save = [&]() -> std::optional<int64_t> {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!wait_for(
            "a save by the timer",
            [&] { return GetFileAttributesExA(profile.c_str(), GetFileExInfoStandard, &data) != FALSE; },
            static_cast<int>(3 * kIntervalMs))) {
      return std::nullopt;
    }
    if (!wait_for("the saved profile to be taken away", [&] { return DeleteFileA(profile.c_str()) != FALSE; })) {
      return std::nullopt;
    }
    return file_time_ms(data.ftLastWriteTime);
  };

  const std::optional<int64_t> first = next_save();
  ASSERT_TRUE(first);
  for (const int64_t part : {kIntervalMs / 6, kIntervalMs / 3}) {
    // The user opens the window from the notification area twice early in
    // the countdown.
    ASSERT_TRUE(wait_for(
        "the countdown to reach the next show", [&] { return now_ms() >= *first + part; },
        static_cast<int>(kIntervalMs)));
    ASSERT_TRUE(minimize_to_tray(main));
    click_tray_icon(tray);
    ASSERT_TRUE(wait_for("the window to show again", [&] { return IsWindowVisible(main) != FALSE; }));
  }
  const std::optional<int64_t> second = next_save();
  ASSERT_TRUE(second);
  const int64_t apart = *second - *first;
  const int64_t out_of_step = std::min(apart % kIntervalMs, kIntervalMs - apart % kIntervalMs);
  EXPECT_GE(apart, kIntervalMs * 3 / 4) << "the save came " << apart << " ms after the one before";
  EXPECT_LT(out_of_step, kIntervalMs / 4)
      << "the save came " << apart << " ms after the one before, " << out_of_step
      << " ms out of step with an interval of " << kIntervalMs << " ms: the shows restarted the countdown";
}

// A profile saved at another screen, as when a game has changed the
// resolution: the auto-save timer leaves it byte for byte as it was, while
// it saves into the same profile as soon as that records this screen.
TEST_F(MainWindow, AutoSaveLeavesAProfileOfAnotherScreenAsItWas) {
  constexpr int kIntervalMs = 1000;
  auto_save_into("Zeitplan", kIntervalMs);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  auto profile_at = [](int w, int h) {
    return "[Arbeitsplatz]\r\nx=300\r\ny=300\r\n[ORV_Infos]\r\nIcons=1\r\nRes=" + std::to_string(w) + "x" +
           std::to_string(h) + "\r\nCount=1\r\n";
  };
  const std::string other_screen = profile_at(width == 800 ? 640 : 800, width == 800 ? 480 : 600);
  const std::string profile = copy_.profile_file("Zeitplan");
  ASSERT_TRUE(files::write_file(profile, other_screen));
  auto app = start();
  ASSERT_NE(app->main_window(), nullptr);

  // Several intervals go by: the ticks find the profile of another screen.
  const DWORD begin = GetTickCount();
  wait_for(
      "five intervals to pass", [&] { return GetTickCount() - begin >= 5 * kIntervalMs; }, 10 * kIntervalMs);
  EXPECT_EQ(files::read_file(profile), other_screen);

  // The same profile saved at this screen: the next tick writes the desktop.
  const std::string this_screen = profile_at(width, height);
  ASSERT_TRUE(files::write_file(profile, this_screen));
  EXPECT_TRUE(wait_for("the timer to save into the profile of this screen",
                       [&] { return files::read_file(profile).value_or(this_screen) != this_screen; }));
  EXPECT_EQ(sorted_rows(read_profile_file(profile)), sorted_rows(standin().report()));
}

// The start's step that saves the standard profile meets a shell whose
// process has no room for the buffer: the failure is reported once the start
// has ended, and the notification-area icon is there all the same.
TEST_F(MainWindow, FailedStandardProfileSaveAtStartKeepsTheTrayIcon) {
  if (!standin().fill_address_space(true)) GTEST_SKIP() << "only a 32-bit stand-in can fill its address space";
  struct Refill {
    ~Refill() { standin().fill_address_space(false); }
  } refill;
  auto app = start();
  HWND box = wait_message_box(app->process_id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box),
            "Es wurde f\xFCr diese Aufl\xF6sung noch kein Standard-Profil gespeichert, dies wird nun erledigt!");
  press_box_button(box, IDOK);  // the save follows, and fails
  EXPECT_NE(wait_tray_icon(app->process_id()), nullptr);
  HWND report = wait_process_window(app->process_id(), ui::kErrorReportClass, nullptr);
  ASSERT_NE(report, nullptr);
  EXPECT_FALSE(files::file_exists(copy_.profile_file(resolution_profile_name())));
  standin().fill_address_space(false);
  PostMessageA(report, WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_NE(app->main_window(), nullptr);
}

// The update message comes once the window is up.
TEST_F(MainWindow, UpdateMessageFollowsTheFirstShowOfTheWindow) {
  ProgramCopy updated(DataPlace::kAppData);  // "/" + version is no portable start
  updated.prepare_resolution_profile();
  RunningApp app(updated.exe(), std::string("/") + ORVX_VERSION_STRING);
  HWND box = wait_message_box(app.process_id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), "Update wurde erfolgreich ausgef\xFChrt!");
  HWND main = FindWindowA(mainwin::kMainWindowClass, nullptr);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(IsWindowVisible(main));
  press_box_button(box, IDOK);
  EXPECT_NE(app.main_window(), nullptr);
}

TEST_F(MainWindow, AboutBoxHidesTheMainWindowUntilItCloses) {
  copy_.prepare_resolution_profile();
  auto app = start();
  HWND main = app->main_window();
  ASSERT_NE(main, nullptr);
  HWND bar = find_child(main, ui::kCaptionBarClass);
  const POINT about_button = caption_button_point(bar, mainwin::kAboutButton);
  post_click(bar, about_button.x, about_button.y);
  HWND about = wait_process_window(app->process_id(), mainwin::kAboutWindowClass, nullptr);
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_NE(find_child(about, ui::kLinkLabelClass, "<link>Homepage</link>"), nullptr);
  EXPECT_NE(find_child(about, ui::kFlatButtonClass, "Schliessen"), nullptr);

  PostMessageA(about, WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_TRUE(wait_for("IsWindowVisible(main) && !IsWindowVisible(about)",
                       [&] { return IsWindowVisible(main) && !IsWindowVisible(about); }));
}

TEST_F(MainWindow, MinideskMenuAlignsTheDesktopToTheGrid) {
  copy_.prepare_resolution_profile();
  auto app = start();
  HWND main = app->main_window();
  ASSERT_NE(main, nullptr);
  const int snaps = standin().snap_count();
  // desktop_frame holds the version line.
  HWND label = find_child(main, ui::kLabelClass);
  ASSERT_NE(label, nullptr);
  PostMessageA(GetParent(label), WM_RBUTTONUP, 0, MAKELPARAM(50, 50));
  HWND menu = wait_popup_menu(app->process_id());
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(choose_menu_item(app->process_id(), menu, {1}));  // pm_snaptogrid, below pm_refresh_desktop
  EXPECT_TRUE(wait_for("standin().snap_count() == snaps + 1", [&] { return standin().snap_count() == snaps + 1; }));
  EXPECT_EQ(standin().modes().snap_to_grid, false);
}

TEST_F(MainWindow, DisplayChangeRestoresTheStandardProfileWhenAsked) {
  copy_.set_config("Settings", "sort_after_res", "1");
  auto app = start();
  HWND box = wait_message_box(app->process_id());
  ASSERT_NE(box, nullptr);
  press_box_button(box, IDOK);
  HWND main = app->main_window();
  ASSERT_NE(main, nullptr);
  const std::vector<StandinItem> saved = standin().report();
  ASSERT_TRUE(standin().move(1, 640, 480));
  PostMessageA(main, WM_DISPLAYCHANGE, 24, MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
  EXPECT_TRUE(wait_for("standin().report() == saved", [&] { return standin().report() == saved; }));
}

TEST_F(MainWindow, LanguageFileChosenInTheSettingsSwitchesTheTexts) {
  copy_.prepare_resolution_profile();
  copy_.set_config("Settings", "lang_list", "English");
  auto app = start();
  HWND main = app->main_window();
  ASSERT_NE(main, nullptr);
  const std::vector<std::string> buttons = child_texts(main, ui::kFlatButtonClass);
  EXPECT_EQ(buttons, (std::vector<std::string>{"Save", "Restore", "Exit"}));
  // The Minidesk's explanation and the error list window follow.
  EXPECT_NE(find_child(main, ui::kLabelClass,
                       "Some icons lie outside the boundaries of the desktop. By selecting an item on the list and "
                       "then clicking on the Orvane X Minidesk you can reposition the icon."),
            nullptr);
  HWND list = find_process_window(app->process_id(), minidesk::kErrorListWindowClass, nullptr, false);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(child_texts(list, ui::kFlatButtonClass), (std::vector<std::string>{"Close"}));
}

TEST_F(MainWindow, DevWritesTheLanguageTemplateAndEnds) {
  // "/dev" is no portable start: the data folder is the user's.
  ProgramCopy dev(DataPlace::kAppData);
  dev.prepare_resolution_profile();
  const std::string template_file = "C:\\lang.ini";
  DeleteFileA(template_file.c_str());
  RunningApp app(dev.exe(), "/dev");
  ASSERT_TRUE(app.wait_exit());
  EXPECT_EQ(app.exit_code(), 0u);
  EXPECT_EQ(ini::read_section_names(template_file),
            (std::vector<std::string>{"orvx_form", "about", "settings_form", "error_icon_list"}));
  struct Case {
    const char* section;
    const char* key;
    const char* value;
  };
  const Case cases[] = {
      {"orvx_form", "save_button.Caption", "Speichern"},
      {"orvx_form", "save_button.Hint", "Aktuelle Position speichern..."},
      {"orvx_form", "form_status_button.Hint", "Orvane-Minidesk einblenden/ausblenden"},
      {"orvx_form", "pm_select_profil.Caption", "Profil w\xE4hlen"},
      {"orvx_form", "pa_blog.Caption", "Quillfen Blog"},
      {"about", "link_3.Caption", "<link>F\xFCr eine Spende klicken Sie bitte hier...</link>"},
      {"about", "close_button.Caption", "Schliessen"},
      {"settings_form", "close_button_1.Caption", "Speichern"},
      {"settings_form", "orv_on_start.Hint", "Orvane wird beim Windows-Start geladen und in die System Tray minimiert"},
      {"settings_form", "tab_5.Caption", "Update / Deinstallieren"},
      {"orvx_form", "alert_label.Caption", minidesk::kAlertText},
      {"error_icon_list", "abort_button.Caption", "Schließen"},
      {"error_icon_list", "abort_button.Hint", "Fenster schließen"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ini::read_string(template_file, c.section, c.key, "(missing)"), c.value) << c.key;
  }
  DeleteFileA(template_file.c_str());
}

// The main window as the system sees it: size, band, shape, alpha.
struct WindowLook {
  int width = 0;
  int height = 0;
  bool topmost = false;
  bool shaped = false;
};

WindowLook look_of(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  win::ScopedGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  return {r.right - r.left, r.bottom - r.top, (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
          GetWindowRgn(window, region.get()) != ERROR};
}

TEST_F(MainWindow, ToggleCollapsesToATopMostBarAndBack) {
  copy_.prepare_resolution_profile();
  auto app = start();
  HWND main = app->main_window();
  ASSERT_NE(main, nullptr);
  const mainwin::MainLayout layout = mainwin::main_layout(mainwin::measure_screen(), true);
  const WindowLook expanded = look_of(main);
  EXPECT_EQ(expanded.width, layout.client.width);
  EXPECT_EQ(expanded.height, layout.client.height);
  EXPECT_FALSE(expanded.topmost);
  EXPECT_TRUE(expanded.shaped);
  EXPECT_EQ(ini::read_string(copy_.config_file(), "Settings", "form_status_button_value", ""), "1");

  // The Minidesk's hidden explanation panel has a picture too.
  HWND toggle = find_visible_child(main, ui::kPictureButtonClass);
  ASSERT_NE(toggle, nullptr);
  post_click(toggle);
  ASSERT_TRUE(wait_for("the window collapsed to its bar",
                       [&] { return look_of(main).height == mainwin::kCollapsedSize.height; }));
  ASSERT_TRUE(round_trip(main));  // the click's handler has ended
  const WindowLook collapsed = look_of(main);
  EXPECT_EQ(collapsed.width, mainwin::kCollapsedSize.width);
  EXPECT_TRUE(collapsed.topmost);
  EXPECT_TRUE(collapsed.shaped);
  EXPECT_EQ(ini::read_string(copy_.config_file(), "Settings", "form_status_button_value", ""), "0");

  post_click(toggle);
  ASSERT_TRUE(
      wait_for("look_of(main).height == expanded.height", [&] { return look_of(main).height == expanded.height; }));
  ASSERT_TRUE(round_trip(main));
  EXPECT_FALSE(look_of(main).topmost);
  EXPECT_EQ(ini::read_string(copy_.config_file(), "Settings", "form_status_button_value", ""), "1");
}

TEST_F(MainWindow, InactiveWindowIsDrawnTranslucent) {
  copy_.prepare_resolution_profile();
  auto app = start();
  HWND main = app->main_window();
  ASSERT_NE(main, nullptr);
  auto alpha = [&] {
    BYTE value = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(main, nullptr, &value, &flags) && (flags & LWA_ALPHA) ? int{value} : -1;
  };
  // The start makes it opaque; losing the focus, 25 per cent translucent.
  EXPECT_TRUE(wait_for("alpha() == 255", [&] { return alpha() == 255; }));
  PostMessageA(main, WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_TRUE(wait_for("alpha() == 191", [&] { return alpha() == 191; }));
  PostMessageA(main, WM_ACTIVATE, WA_CLICKACTIVE, 0);
  EXPECT_TRUE(wait_for("alpha() == 255", [&] { return alpha() == 255; }));
}

TEST_F(MainWindow, AutostartHidesTheWindowAfterTheStart) {
  // "/auto" is no portable start: the data folder is the user's.
  ProgramCopy autostart(DataPlace::kAppData);
  autostart.prepare_resolution_profile();
  // The language question, settled by any value but 0, is written back as
  // 1 right before the window is shown: the sign that the show has come.
  autostart.set_config("Settings", "lang_menu", "7");
  RunningApp app(autostart.exe(), "/auto");
  HWND main = app.main_window(false);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(wait_for("ini::read_string(autostart.config_file(), \"Settings\", \"lang_menu\", \"\") == \"1\"",
                       [&] { return ini::read_string(autostart.config_file(), "Settings", "lang_menu", "") == "1"; }));
  ASSERT_TRUE(round_trip(main));
  EXPECT_TRUE(wait_for("!IsWindowVisible(main)", [&] { return !IsWindowVisible(main); }));
  EXPECT_TRUE(app.running());
}

}  // namespace
}  // namespace orvx::test
