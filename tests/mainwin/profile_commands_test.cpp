// The save and restore commands of the main window, against the in-memory
// desktop, scripted prompts and a recorder standing in for the window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwin/profile_commands.h"
#include "icons/minidesk_icons.h"
#include "profiles/profile_file.h"
#include "profiles/profile_store.h"
#include "support/flow_world.h"
#include "support/desktop_icon_rows.h"

namespace orvx::mainwin {
namespace {

using test::FlowWorld;
using Item = icons::MemoryDesktop::Item;
using Log = std::vector<std::string>;
using Choice = SaveMenuChoice::Item;

const std::vector<orvx::test::IconRow> kDesktopIcons = {{"Papierkorb", 20, 10}, {"Arbeitsplatz", 20, 90}};
const Log kRefresh = {"update_layout", "desktop", "BuildMinidesk"};

Log joined(Log a, const Log& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(SaveCommand, CarriesOutTheChoiceThenRefreshesOnlyWithoutLiveRefresh) {
  struct Case {
    Choice choice;
    std::string profile_name;
    Log between;  // after the menu, before the refresh
  };
  const Case cases[] = {
      {Choice::kNone, "", {}},
      {Choice::kSaveStandard, "", {"message MSDLG_0"}},
      {Choice::kSaveIntoProfile, "Work", {"desktop"}},
      {Choice::kNewProfile, "", {"ask MSDLG_21_a"}},
  };
  for (bool live : {true, false}) {
    for (const Case& c : cases) {
      FlowWorld w;
      w.settings.live_desktop = live;
      w.window.save_choice = {c.choice, c.profile_name};
      on_save_clicked(w.context(), w.window);
      EXPECT_EQ(w.log.entries, joined(joined({"save_menu"}, c.between), live ? Log{} : kRefresh))
          << "live " << live << ", choice " << static_cast<int>(c.choice);
    }
  }
}

TEST(SaveCommand, ProfileItemSavesIntoTheFileOfItsRealName) {
  FlowWorld w;
  for (const char* name : {"a&b", "ab"}) ASSERT_TRUE(files::write_file(w.profile_file(name), ""));
  w.window.save_choice = {Choice::kSaveIntoProfile, "a&b"};
  on_save_clicked(w.context(), w.window);

  ASSERT_EQ(w.window.menus_shown.size(), 1u);
  EXPECT_TRUE(w.window.menus_shown[0].select_profile_visible);
  EXPECT_EQ(w.window.menus_shown[0].items.size(), 2u);
  EXPECT_EQ(orvx::test::rows(read_profile_file(w.profile_file("a&b"))), kDesktopIcons);
  EXPECT_TRUE(read_profile_file(w.profile_file("ab")).empty()) << "ab.qpf stays untouched";
}

TEST(SaveCommand, TheMenuIsBuiltFromTheFilesAtEachOpening) {
  FlowWorld w;
  on_save_clicked(w.context(), w.window);
  ASSERT_TRUE(files::write_file(w.profile_file("New"), ""));
  on_save_clicked(w.context(), w.window);
  ASSERT_EQ(w.window.menus_shown.size(), 2u);
  EXPECT_FALSE(w.window.menus_shown[0].select_profile_visible);
  EXPECT_TRUE(w.window.menus_shown[1].select_profile_visible);
  ASSERT_EQ(w.window.menus_shown[1].items.size(), 1u);
  EXPECT_EQ(w.window.menus_shown[1].items[0].profile_name, "New");
}

TEST(RestoreCommand, ArrangementModesRefuseTheMenuAndTheRefreshStillFollows) {
  struct Case {
    icons::ArrangementModes modes;
    bool live;
    Log log;
  };
  const Log refused = {"message MSDLG_11"};
  const Case cases[] = {
      {{true, false}, true, refused},
      {{false, true}, true, refused},
      {{true, true}, true, refused},  // one message, not two
      {{true, false}, false, joined(refused, kRefresh)},
      {{false, true}, false, joined(refused, kRefresh)},
      {{false, false}, true, {"restore_menu"}},
      {{false, false}, false, joined({"restore_menu"}, kRefresh)},
  };
  for (const Case& c : cases) {
    FlowWorld w;
    w.desktop.set_arrangement_modes(c.modes);
    w.settings.live_desktop = c.live;
    on_restore_clicked(w.context(), w.window);
    EXPECT_EQ(w.log.entries, c.log) << c.modes.auto_arrange << c.modes.snap_to_grid << c.live;
  }
}

TEST(RestoreCommand, ProfileItemRestoresFromTheFileOfItsRealName) {
  FlowWorld w;
  ASSERT_TRUE(write_profile_file({{"Papierkorb", 300, 400}}, w.profile_file("a&b"), {1920, 1080}, 1));
  ASSERT_TRUE(write_profile_file({{"Papierkorb", 1, 1}}, w.profile_file("ab"), {1920, 1080}, 1));
  w.window.restore_choice = {RestoreMenuChoice::Item::kProfile, "a&b"};
  on_restore_clicked(w.context(), w.window);
  EXPECT_EQ(w.desktop.items()[0], (Item{"Papierkorb", {300, 400}}));
  ASSERT_EQ(w.window.menus_shown.size(), 1u);
  EXPECT_EQ(w.window.menus_shown[0].items.size(), 2u);
}

TEST(RestoreCommand, TheUndoItemIsOfferedAfterARestoreAndTakesItBack) {
  FlowWorld w;
  ASSERT_TRUE(write_profile_file({{"Papierkorb", 300, 400}}, w.profile_file("A"), {1920, 1080}, 1));
  const std::vector<Item> before = w.desktop.items();

  w.window.restore_choice = {RestoreMenuChoice::Item::kProfile, "A"};
  on_restore_clicked(w.context(), w.window);
  ASSERT_EQ(w.desktop.items()[0], (Item{"Papierkorb", {300, 400}}));

  w.window.restore_choice = {RestoreMenuChoice::Item::kUndoRestore, ""};
  on_restore_clicked(w.context(), w.window);
  EXPECT_EQ(w.desktop.items(), before);

  w.window.restore_choice = {};
  on_restore_clicked(w.context(), w.window);
  std::vector<std::string> menus;
  for (const std::string& entry : w.log.entries) {
    if (entry.starts_with("restore_menu")) menus.push_back(entry);
  }
  EXPECT_EQ(menus, (std::vector<std::string>{"restore_menu", "restore_menu with undo", "restore_menu"}));
}

TEST(RefreshCommand, UpdatesTheLayoutThenReadsTheMap) {
  FlowWorld w;
  w.window.display = {{1280, 1024}, 2};
  on_refresh_desktop_clicked(w.window, w.desktop);
  EXPECT_EQ(w.log.entries, kRefresh);
  EXPECT_EQ(orvx::test::rows(w.window.minidesk_icons), kDesktopIcons);
  EXPECT_EQ(w.screen.size.width, 1280);
  EXPECT_EQ(w.screen.monitor_count, 2);

  // An unreachable desktop leaves the map as it was.
  w.desktop.set_reachable(false);
  on_refresh_desktop_clicked(w.window, w.desktop);
  EXPECT_EQ(w.log.entries, joined(kRefresh, {"update_layout"}));
  EXPECT_EQ(orvx::test::rows(w.window.minidesk_icons), kDesktopIcons);
}

TEST(StandardProfileTriggers, MenuHotkeyAndTimerSaveIntoTheChosenProfileOrSayNoneIsChosen) {
  using Trigger = void (*)(const MainContext&);
  for (Trigger trigger : {&on_save_standard_clicked, &on_save_hotkey, &on_auto_save_timer}) {
    FlowWorld w;
    trigger(w.context());
    trigger(w.context());
    EXPECT_EQ(w.log.entries, (Log{"message MSDLG_0", "message MSDLG_0"})) << "every press, every tick";

    w.settings.standard_profile = "Standard";
    trigger(w.context());
    EXPECT_EQ(orvx::test::rows(read_profile_file(w.profile_file("Standard"))), kDesktopIcons);
    EXPECT_FALSE(w.log.contains("update_layout")) << "no refresh";
  }
}

}  // namespace
}  // namespace orvx::mainwin
