// The save and restore operations against the in-memory desktop.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "profiles/data_folders.h"
#include "ini/ini_file.h"
#include "platform/files.h"
#include "profiles/profile_file.h"
#include "profiles/save_restore.h"
#include "profiles/stored_screen.h"
#include "support/flow_world.h"
#include "support/desktop_icon_rows.h"

namespace orvx {
namespace {

using mainwin::test::FlowWorld;
using Item = icons::MemoryDesktop::Item;

const std::vector<orvx::test::IconRow> kDesktopIcons = {{"Papierkorb", 20, 10}, {"Arbeitsplatz", 20, 90}};

class SaveRestore : public ::testing::Test {
 protected:
  ProfileSession session() { return world_.context().profiles(); }
  std::vector<std::string> log() const { return world_.log.entries; }

  FlowWorld world_;
};

TEST_F(SaveRestore, SaveWritesTheDesktopWithTheScreenOfTheMoment) {
  world_.screen = {{2560, 1024}, 2};
  ASSERT_TRUE(save_profile(session(), world_.profile_file("Work")));
  EXPECT_EQ(orvx::test::rows(read_profile_file(world_.profile_file("Work"))), kDesktopIcons);
  const std::string file = world_.profile_file("Work");
  EXPECT_EQ(ini::read_string(file, "ORV_Infos", "Icons", ""), "2");
  EXPECT_EQ(ini::read_string(file, "ORV_Infos", "Res", ""), "2560x1024");
  EXPECT_EQ(ini::read_string(file, "ORV_Infos", "Count", ""), "2");
}

// No desktop, and a desktop that answers with no items (the shell rebuilding
// its view): nothing is written, an existing profile stays as it was and
// none is made.
TEST_F(SaveRestore, SaveThatReadsNoIconsWritesNothing) {
  struct Case {
    const char* what;
    bool reachable;
    std::vector<Item> items;
    bool file_there;
  };
  const Case cases[] = {
      {"unreachable", false, {{"Papierkorb", {1, 1}}}, true},
      {"unreachable", false, {{"Papierkorb", {1, 1}}}, false},
      {"empty read", true, {}, true},
      {"empty read", true, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.what) + (c.file_there ? ", file there" : ", no file"));
    FlowWorld w;
    const std::string file = w.profile_file("Work");
    if (c.file_there) {
      ASSERT_TRUE(files::write_file(file, "[old]\r\nx=1\r\n"));
    }
    w.desktop.set_reachable(c.reachable);
    w.desktop.set_items(c.items);
    EXPECT_FALSE(save_profile(w.context().profiles(), file));
    if (c.file_there) {
      EXPECT_EQ(files::read_file(file), "[old]\r\nx=1\r\n");
    } else {
      EXPECT_FALSE(files::file_exists(file));
    }
    EXPECT_TRUE(w.prompts.shown.empty()) << "a save says nothing of its own";
  }
}

TEST_F(SaveRestore, SaveMakesMissingDataFoldersFirst) {
  ASSERT_TRUE(files::remove_folder(world_.folders.data));
  ASSERT_TRUE(files::remove_folder(world_.folders.vendor));
  ASSERT_TRUE(save_profile(session(), world_.profile_file("Work")));
  EXPECT_EQ(orvx::test::rows(read_profile_file(world_.profile_file("Work"))), kDesktopIcons);
}

TEST_F(SaveRestore, DataFoldersThatCannotBeMadeEndTheProgramAfterTheFolderMessage) {
  // A file where the vendor folder belongs: no folder can be made there.
  ASSERT_TRUE(files::remove_folder(world_.folders.data));
  ASSERT_TRUE(files::remove_folder(world_.folders.vendor));
  const std::string vendor = world_.folders.vendor.substr(0, world_.folders.vendor.size() - 1);
  ASSERT_TRUE(files::write_file(vendor, "in the way"));

  EXPECT_THROW(save_profile(session(), world_.profile_file("Work")), FoldersMissing);
  EXPECT_EQ(log(), (std::vector<std::string>{"message " + std::string(kFolderNotCreatedMessage)}));
  EXPECT_FALSE(files::file_exists(world_.profile_file("Work")));
}

TEST_F(SaveRestore, RestoreMovesTheIconsTheProfileNamesAndLeavesTheOthers) {
  world_.desktop.set_items({{"Papierkorb", {500, 500}}, {"Arbeitsplatz", {600, 600}}, {"Neu", {7, 7}}});
  const std::string file = world_.profile_file("Work");
  ASSERT_TRUE(write_profile_file({{"arbeitsplatz", 30, 40}, {"Fehlt", 1, 1}}, file, {1920, 1080}, 1));

  restore_profile(session(), file);
  EXPECT_EQ(world_.desktop.items(),
            (std::vector<Item>{{"Papierkorb", {500, 500}}, {"Arbeitsplatz", {30, 40}}, {"Neu", {7, 7}}}));
}

TEST_F(SaveRestore, RestoreResolutionProfileOnlyWhenTheResolutionHasOne) {
  ASSERT_TRUE(write_profile_file({{"Papierkorb", 300, 300}}, world_.profile_file("ORV - 1280x1024"), {1280, 1024}, 1));
  restore_resolution_profile(session());  // the screen is 1920 x 1080: no profile
  EXPECT_EQ(world_.desktop.items()[0].position, (icons::IconPoint{20, 10}));

  world_.screen.size = {1280, 1024};
  restore_resolution_profile(session());
  EXPECT_EQ(world_.desktop.items()[0].position, (icons::IconPoint{300, 300}));
}

TEST_F(SaveRestore, FirstStartCreatesTheResolutionProfileWithExactlyTheDesktopsIcons) {
  world_.prompts.confirmations = {true};
  ensure_resolution_profile(session());
  EXPECT_EQ(log(), (std::vector<std::string>{"information MSDLG_19", "desktop"}));
  EXPECT_EQ(orvx::test::rows(read_profile_file(world_.profile_file("ORV - 1920x1080"))), kDesktopIcons);
  EXPECT_EQ(list_profiles(world_.folders.data), (std::vector<std::string>{"ORV - 1920x1080"}));

  // Once it exists, nothing is asked and nothing overwritten.
  world_.desktop.set_items({{"Papierkorb", {1, 1}}});
  ensure_resolution_profile(session());
  EXPECT_EQ(world_.prompts.shown.size(), 1u);
  EXPECT_EQ(orvx::test::rows(read_profile_file(world_.profile_file("ORV - 1920x1080"))), kDesktopIcons);
}

TEST_F(SaveRestore, ResolutionMessageDismissedWithoutOkCreatesNothingAndComesAgain) {
  world_.prompts.confirmations = {false, false};
  ensure_resolution_profile(session());
  ensure_resolution_profile(session());
  EXPECT_EQ(log(), (std::vector<std::string>{"information MSDLG_19", "information MSDLG_19"}));
  EXPECT_TRUE(list_profiles(world_.folders.data).empty());
}

// The box has promised the profile: a save that wrote nothing says so, and
// the next occasion asks again.
TEST_F(SaveRestore, ResolutionProfileThatCouldNotBeSavedIsReportedAndAskedForAgain) {
  struct Case {
    const char* what;
    bool reachable;
    std::vector<Item> items;
    bool write_blocked;
  };
  const Case cases[] = {
      {"unreachable desktop", false, {{"Papierkorb", {1, 1}}}, false},
      {"empty read", true, {}, false},
      {"write failed", true, {{"Papierkorb", {1, 1}}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FlowWorld w;
    w.desktop.set_reachable(c.reachable);
    w.desktop.set_items(c.items);
    // A folder where the file belongs: the file cannot be written.
    const std::string file = w.profile_file("ORV - 1920x1080");
    if (c.write_blocked) {
      ASSERT_TRUE(files::create_folder(file));
    }
    w.prompts.confirmations = {true, false};
    ensure_resolution_profile(w.context().profiles());
    EXPECT_TRUE(list_profiles(w.folders.data).empty());
    ensure_resolution_profile(w.context().profiles());
    std::vector<std::string> expected = {"information MSDLG_19"};
    if (c.reachable) expected.push_back("desktop");
    expected.insert(expected.end(), {"message MSDLG_20", "information MSDLG_19"});
    EXPECT_EQ(w.log.entries, expected);
  }
}

TEST_F(SaveRestore, ChosenStandardProfile) {
  struct Case {
    std::string standard_profile;
    std::vector<std::string> profiles;  // afterwards
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {"", {}, {"message MSDLG_0"}},
      {" \t ", {}, {"message MSDLG_0"}},
      // A hand-edited name no file can have counts as none chosen: "a:b"
      // would write into a stream of the file "a".
      {"a:b", {}, {"message MSDLG_0"}},
      {"CON", {}, {"message MSDLG_0"}},
      {" Work ", {"Work"}, {"desktop"}},
      {"ORV - 1920x1080", {"ORV - 1920x1080"}, {"desktop"}},
  };
  for (const Case& c : cases) {
    FlowWorld w;
    save_chosen_standard_profile(w.context().profiles(), c.standard_profile);
    EXPECT_EQ(list_profiles(w.folders.data), c.profiles) << c.standard_profile;
    EXPECT_EQ(w.log.entries, c.log) << c.standard_profile;
  }
}

// Timer ticks and hotkey presses run inside an open box's message loop.
class PromptsWithMessageLoop : public mainwin::test::LoggingPrompts {
 public:
  using LoggingPrompts::LoggingPrompts;
  std::function<void()> while_message_open;

  void show_message(const std::string& text) override {
    LoggingPrompts::show_message(text);
    if (while_message_open) while_message_open();
  }
};

TEST_F(SaveRestore, NoStandardProfileBoxesDoNotPileUp) {
  PromptsWithMessageLoop prompts(world_.log);
  const ProfileSession in_box{world_.desktop, prompts,       world_.translator,
                              world_.folders, world_.screen, world_.restore_undo};
  int ticks = 0;
  prompts.while_message_open = [&] {
    for (; ticks < 3; ++ticks) save_chosen_standard_profile(in_box, "");
  };
  save_chosen_standard_profile(in_box, "");
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(log(), (std::vector<std::string>{"message MSDLG_0"}));

  // Once it is closed, the next tick shows it again.
  prompts.while_message_open = nullptr;
  save_chosen_standard_profile(in_box, "");
  EXPECT_EQ(log(), (std::vector<std::string>{"message MSDLG_0", "message MSDLG_0"}));
}

TEST_F(SaveRestore, ChosenStandardProfileWhoseFileWasDeletedIsCreatedAgain) {
  save_chosen_standard_profile(session(), "Work");
  ASSERT_TRUE(files::delete_file(world_.profile_file("Work")));
  save_chosen_standard_profile(session(), "Work");
  EXPECT_EQ(orvx::test::rows(read_profile_file(world_.profile_file("Work"))), kDesktopIcons);
}

// The auto-save timer writes only into a profile saved at the screen of the
// moment: a tick while a game has the screen at 800x600 leaves the 1920x1080
// profile byte for byte as it was. Saves by hand always write.
TEST_F(SaveRestore, AutomaticSaveWritesOnlyIntoAProfileOfTheScreenOfTheMoment) {
  struct Case {
    const char* what;
    const char* stored_info;  // the information section of the profile there
    ScreenMeasures screen;
    bool written;
  };
  const Case cases[] = {
      {"the same screen", "Icons=1\r\nRes=1920x1080\r\nCount=1\r\n", {{1920, 1080}, 1}, true},
      {"a game at 800x600", "Icons=1\r\nRes=1920x1080\r\nCount=1\r\n", {{800, 600}, 1}, false},
      {"a monitor unplugged", "Icons=1\r\nRes=3840x1080\r\nCount=2\r\n", {{1920, 1080}, 1}, false},
      {"one wide monitor for two of the same size",
       "Icons=1\r\nRes=3840x1080\r\nCount=2\r\n",
       {{3840, 1080}, 1},
       false},
      {"no monitor count recorded", "Icons=1\r\nRes=1920x1080\r\n", {{1920, 1080}, 2}, true},
      {"no screen recorded", "Icons=1\r\n", {{800, 600}, 1}, true},
      {"a screen that is no size", "Res=big\r\n", {{800, 600}, 1}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FlowWorld w;
    w.screen = c.screen;
    ASSERT_TRUE(files::create_folders(w.folders.data));
    const std::string before = "[Arbeitsplatz]\r\nx=1\r\ny=2\r\n[ORV_Infos]\r\n" + std::string(c.stored_info);
    ASSERT_TRUE(files::write_file(w.profile_file("Work"), before));
    save_chosen_standard_profile(w.context().profiles(), "Work", SaveTrigger::kAutomatic);
    if (c.written) {
      EXPECT_EQ(orvx::test::rows(read_profile_file(w.profile_file("Work"))), kDesktopIcons);
    } else {
      EXPECT_EQ(files::read_file(w.profile_file("Work")), before);
      EXPECT_TRUE(w.log.entries.empty());  // silently
    }
    // By hand, the same profile is written whatever screen it was saved at.
    save_chosen_standard_profile(w.context().profiles(), "Work", SaveTrigger::kByHand);
    EXPECT_EQ(orvx::test::rows(read_profile_file(w.profile_file("Work"))), kDesktopIcons);
  }
  // A standard profile that does not exist yet is made by the timer too.
  FlowWorld w;
  save_chosen_standard_profile(w.context().profiles(), "Neu", SaveTrigger::kAutomatic);
  EXPECT_EQ(orvx::test::rows(read_profile_file(w.profile_file("Neu"))), kDesktopIcons);
}

TEST(StoredScreen, ScreenSizeText) {
  EXPECT_EQ(parse_screen_size_text("1920x1080").value_or(ScreenSize{}).width, 1920);
  EXPECT_EQ(parse_screen_size_text("1920x1080").value_or(ScreenSize{}).height, 1080);
  for (const char* bad :
       {"", "x", "1920", "1920x", "x1080", "1920X1080", "-1x5", "0x0", "19 20x1080", "1920x1080x", "99999999999x1"}) {
    EXPECT_FALSE(parse_screen_size_text(bad)) << bad;
  }
}

TEST_F(SaveRestore, MessagesComeInTheLoadedLanguage) {
  world_.translator.load_language(test::source_dir() + "/resources/English.qlf");
  save_chosen_standard_profile(session(), "");
  world_.prompts.confirmations = {true};
  world_.desktop.set_reachable(false);
  ensure_resolution_profile(session());
  EXPECT_EQ(log(), (std::vector<std::string>{
                       "message Select A Standard Profile",
                       "information There was no saved standard profile for this resolution, but now there is!",
                       "message The standard profile for this resolution could not be saved. You will be asked "
                       "again next time."}));
}

}  // namespace
}  // namespace orvx
