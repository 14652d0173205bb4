// The save and restore operations against the in-memory desktop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profiles/data_folders.h"
#include "config/ini_file.h"
#include "platform/files.h"
#include "profiles/profile_file.h"
#include "profiles/save_restore.h"
#include "support/flow_world.h"
#include "support/desktop_icon_rows.h"

namespace orvx {
namespace {

using app::test::FlowWorld;
using Item = icons::MemoryDesktop::Item;

const std::vector<orvx::test::IconRow> kDesktopIcons = {{"Papierkorb", 20, 10}, {"Arbeitsplatz", 20, 90}};

class SaveRestore : public ::testing::Test {
 protected:
  ProfileSession session() { return world.context().profiles(); }
  std::vector<std::string> log() const { return world.log.entries; }

  FlowWorld world;
};

TEST_F(SaveRestore, SaveWritesTheDesktopWithTheScreenOfTheMoment) {
  world.screen = {{2560, 1024}, 2};
  ASSERT_TRUE(SaveProfile(session(), world.profile_file("Work")));
  EXPECT_EQ(orvx::test::Rows(ReadProfileFile(world.profile_file("Work"))), kDesktopIcons);
  const std::string file = world.profile_file("Work");
  EXPECT_EQ(ini::read_string(file, "ORV_Infos", "Icons", ""), "2");
  EXPECT_EQ(ini::read_string(file, "ORV_Infos", "Res", ""), "2560x1024");
  EXPECT_EQ(ini::read_string(file, "ORV_Infos", "Count", ""), "2");
}

TEST_F(SaveRestore, SaveWithoutADesktopLeavesAnExistingProfileAsItWas) {
  const std::string file = world.profile_file("Work");
  ASSERT_TRUE(files::write_file(file, "[old]\r\nx=1\r\n"));
  world.desktop.set_reachable(false);
  EXPECT_FALSE(SaveProfile(session(), file));
  EXPECT_EQ(files::read_file(file), "[old]\r\nx=1\r\n");
  EXPECT_TRUE(world.prompts.shown.empty()) << "desktop access fails silently";
}

TEST_F(SaveRestore, SaveMakesMissingDataFoldersFirst) {
  ASSERT_TRUE(files::remove_folder(world.folders.data));
  ASSERT_TRUE(files::remove_folder(world.folders.vendor));
  ASSERT_TRUE(SaveProfile(session(), world.profile_file("Work")));
  EXPECT_EQ(orvx::test::Rows(ReadProfileFile(world.profile_file("Work"))), kDesktopIcons);
}

TEST_F(SaveRestore, DataFoldersThatCannotBeMadeEndTheProgramAfterTheFolderMessage) {
  // A file where the vendor folder belongs: no folder can be made there.
  ASSERT_TRUE(files::remove_folder(world.folders.data));
  ASSERT_TRUE(files::remove_folder(world.folders.vendor));
  const std::string vendor = world.folders.vendor.substr(0, world.folders.vendor.size() - 1);
  ASSERT_TRUE(files::write_file(vendor, "in the way"));

  EXPECT_THROW(SaveProfile(session(), world.profile_file("Work")), FoldersMissing);
  EXPECT_EQ(log(), (std::vector<std::string>{"message " + std::string(kFolderNotCreatedMessage)}));
  EXPECT_FALSE(files::file_exists(world.profile_file("Work")));
}

TEST_F(SaveRestore, RestoreMovesTheIconsTheProfileNamesAndLeavesTheOthers) {
  world.desktop.set_items({{"Papierkorb", {500, 500}}, {"Arbeitsplatz", {600, 600}}, {"Neu", {7, 7}}});
  const std::string file = world.profile_file("Work");
  ASSERT_TRUE(WriteProfileFile({{"arbeitsplatz", 30, 40}, {"Fehlt", 1, 1}}, file, {1920, 1080}, 1));

  RestoreProfile(session(), file);
  EXPECT_EQ(world.desktop.items(), (std::vector<Item>{{"Papierkorb", {500, 500}},
                                                      {"Arbeitsplatz", {30, 40}},
                                                      {"Neu", {7, 7}}}));
}

TEST_F(SaveRestore, RestoreResolutionProfileOnlyWhenTheResolutionHasOne) {
  ASSERT_TRUE(WriteProfileFile({{"Papierkorb", 300, 300}}, world.profile_file("ORV - 1280x1024"),
                               {1280, 1024}, 1));
  RestoreResolutionProfile(session());  // the screen is 1920 x 1080: no profile
  EXPECT_EQ(world.desktop.items()[0].position, (icons::IconPoint{20, 10}));

  world.screen.size = {1280, 1024};
  RestoreResolutionProfile(session());
  EXPECT_EQ(world.desktop.items()[0].position, (icons::IconPoint{300, 300}));
}

TEST_F(SaveRestore, FirstStartCreatesTheResolutionProfileWithExactlyTheDesktopsIcons) {
  world.prompts.confirmations = {true};
  EnsureResolutionProfile(session());
  EXPECT_EQ(log(), (std::vector<std::string>{"information MSDLG_19", "desktop"}));
  EXPECT_EQ(orvx::test::Rows(ReadProfileFile(world.profile_file("ORV - 1920x1080"))), kDesktopIcons);
  EXPECT_EQ(ListProfiles(world.folders.data), (std::vector<std::string>{"ORV - 1920x1080"}));

  // Once it exists, nothing is asked and nothing overwritten.
  world.desktop.set_items({{"Papierkorb", {1, 1}}});
  EnsureResolutionProfile(session());
  EXPECT_EQ(world.prompts.shown.size(), 1u);
  EXPECT_EQ(orvx::test::Rows(ReadProfileFile(world.profile_file("ORV - 1920x1080"))), kDesktopIcons);
}

TEST_F(SaveRestore, ResolutionMessageDismissedWithoutOkCreatesNothingAndComesAgain) {
  world.prompts.confirmations = {false, false};
  EnsureResolutionProfile(session());
  EnsureResolutionProfile(session());
  EXPECT_EQ(log(), (std::vector<std::string>{"information MSDLG_19", "information MSDLG_19"}));
  EXPECT_TRUE(ListProfiles(world.folders.data).empty());
}

TEST_F(SaveRestore, ChosenStandardProfile) {
  struct Case {
    std::string std_profil;
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
    SaveChosenStandardProfile(w.context().profiles(), c.std_profil);
    EXPECT_EQ(ListProfiles(w.folders.data), c.profiles) << c.std_profil;
    EXPECT_EQ(w.log.entries, c.log) << c.std_profil;
  }
}

TEST_F(SaveRestore, ChosenStandardProfileWhoseFileWasDeletedIsCreatedAgain) {
  SaveChosenStandardProfile(session(), "Work");
  ASSERT_TRUE(files::delete_file(world.profile_file("Work")));
  SaveChosenStandardProfile(session(), "Work");
  EXPECT_EQ(orvx::test::Rows(ReadProfileFile(world.profile_file("Work"))), kDesktopIcons);
}

TEST_F(SaveRestore, MessagesComeInTheLoadedLanguage) {
  world.lang_system.load_language(test::source_dir() + "/resources/English.qlf");
  SaveChosenStandardProfile(session(), "");
  world.prompts.confirmations = {false};
  EnsureResolutionProfile(session());
  EXPECT_EQ(log(), (std::vector<std::string>{
                       "message Select A Standard Profile",
                       "information There was no saved standard profile for this resolution, but now there is!"}));
}

}  // namespace
}  // namespace orvx
