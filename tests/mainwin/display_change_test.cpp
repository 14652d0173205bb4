// The display-change handling: its order, the restore with and without
// "sort_after_res", and the standard profile of each resolution.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwin/display_change.h"
#include "mainwin/profile_commands.h"
#include "profiles/profile_file.h"
#include "profiles/profile_store.h"
#include "support/flow_world.h"
#include "support/desktop_icon_rows.h"

namespace orvx::mainwin {
namespace {

using test::FlowWorld;
using Item = icons::MemoryDesktop::Item;
using Log = std::vector<std::string>;

TEST(DisplayChange, RunsItsStepsInOrderAndRestoresOnlyWithSortAfterRes) {
  struct Case {
    bool sort_after_res;
    Log log;
  };
  const Case cases[] = {
      {true,
       {"update_layout", "desktop", "BuildMinidesk", "refresh_timer off", "process_messages", "desktop",
        "process_messages", "refresh_timer on"}},
      {false,
       {"update_layout", "desktop", "BuildMinidesk", "refresh_timer off", "process_messages", "process_messages",
        "refresh_timer on"}},
  };
  for (const Case& c : cases) {
    FlowWorld w;
    w.settings.sort_after_res = c.sort_after_res;
    w.window.display = {{1280, 1024}, 1};
    ASSERT_TRUE(write_profile_file({{"Papierkorb", 400, 300}}, w.profile_file("ORV - 1280x1024"), {1280, 1024}, 1));

    on_display_change(w.context(), w.window);
    EXPECT_EQ(w.log.entries, c.log) << "sort_after_res " << c.sort_after_res;
    const icons::IconPoint expected = c.sort_after_res ? icons::IconPoint{400, 300} : icons::IconPoint{20, 10};
    EXPECT_EQ(w.desktop.items()[0].position, expected) << "sort_after_res " << c.sort_after_res;
  }
}

TEST(DisplayChange, ANewResolutionIsToldAndSavedBetweenTheMessagePumps) {
  FlowWorld w;
  w.window.display = {{1280, 1024}, 2};
  w.prompts.confirmations = {true};
  on_display_change(w.context(), w.window);
  EXPECT_EQ(w.log.entries, (Log{"update_layout", "desktop", "BuildMinidesk", "refresh_timer off", "process_messages",
                                "information MSDLG_19", "desktop", "process_messages", "refresh_timer on"}));
  EXPECT_EQ(list_profiles(w.folders.data), (Log{"ORV - 1280x1024"}));
  EXPECT_EQ(orvx::test::rows(read_profile_file(w.profile_file("ORV - 1280x1024"))),
            (std::vector<orvx::test::IconRow>{{"Papierkorb", 20, 10}, {"Arbeitsplatz", 20, 90}}));
}

TEST(DisplayChange, SwitchingAwayAndBackRestoresEachResolutionsIconsAndAsksOnlyOnce) {
  FlowWorld w;
  w.settings.sort_after_res = true;
  w.prompts.confirmations = {true, true};
  auto switch_to = [&w](ScreenSize size, std::vector<Item> arranged_by_the_shell) {
    w.window.display = {size, 1};
    w.desktop.set_items(std::move(arranged_by_the_shell));
    on_display_change(w.context(), w.window);
  };

  // A first change at 1920 x 1080 saves that resolution's profile.
  on_display_change(w.context(), w.window);
  ASSERT_EQ(list_profiles(w.folders.data), (Log{"ORV - 1920x1080"}));

  switch_to({1280, 1024}, {{"Papierkorb", {5, 5}}, {"Arbeitsplatz", {5, 80}}});
  w.desktop.set_items({{"Papierkorb", {600, 5}}, {"Arbeitsplatz", {600, 80}}});  // the user arranges
  switch_to({1920, 1080}, {{"Papierkorb", {0, 0}}, {"Arbeitsplatz", {0, 75}}});
  EXPECT_EQ(w.desktop.items(), (std::vector<Item>{{"Papierkorb", {20, 10}}, {"Arbeitsplatz", {20, 90}}}));

  switch_to({1280, 1024}, {{"Papierkorb", {0, 0}}, {"Arbeitsplatz", {0, 75}}});
  EXPECT_EQ(w.desktop.items(), (std::vector<Item>{{"Papierkorb", {5, 5}}, {"Arbeitsplatz", {5, 80}}}))
      << "saved at the first switch, not overwritten later";

  int told = 0;
  for (const auto& e : w.log.entries) told += e == "information MSDLG_19";
  EXPECT_EQ(told, 2) << "once per new resolution";
}

TEST(DisplayChange, AHotkeyWaitingInTheQueueRunsWhileTheRefreshIsHeldOff) {
  FlowWorld w;
  w.settings.standard_profile = "Standard";
  w.window.waiting_message = [&w] { on_save_hotkey(w.context()); };
  on_display_change(w.context(), w.window);
  EXPECT_EQ(w.log.entries, (Log{"update_layout", "desktop", "BuildMinidesk", "refresh_timer off", "process_messages",
                                "desktop", "information MSDLG_19", "desktop", "process_messages", "refresh_timer on"}));
  EXPECT_TRUE(files::file_exists(w.profile_file("Standard")));
}

TEST(DisplayChange, AFailingStepStillSwitchesTheRefreshOnAgain) {
  FlowWorld w;
  w.window.failing = {"process_messages"};
  EXPECT_THROW(on_display_change(w.context(), w.window), std::runtime_error);
  EXPECT_EQ(w.log.entries, (Log{"update_layout", "desktop", "BuildMinidesk", "refresh_timer off", "process_messages",
                                "refresh_timer on"}));
}

}  // namespace
}  // namespace orvx::mainwin
