// The vendor and data folders: where they are, and making sure they exist.
#include <string>

#include <gtest/gtest.h>

#include "mainwin/base_folder.h"
#include "profiles/data_folders.h"
#include "platform/files.h"
#include "support/paths.h"
#include "support/scripted_prompts.h"

namespace orvx::mainwin {
namespace {

struct FolderCase {
  const char* base;
  char separator;
  const char* vendor;
  const char* data;
};

class DataFoldersUnderTest : public testing::TestWithParam<FolderCase> {};

TEST_P(DataFoldersUnderTest, AddsOneSeparatorToTheBase) {
  const FolderCase& c = GetParam();
  DataFolders folders = data_folders_under(c.base, c.separator);
  EXPECT_EQ(folders.vendor, c.vendor);
  EXPECT_EQ(folders.data, c.data);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DataFoldersUnderTest,
    testing::Values(FolderCase{"C:\\Documents and Settings\\Eva\\Anwendungsdaten", '\\',
                               "C:\\Documents and Settings\\Eva\\Anwendungsdaten\\Quillfen\\",
                               "C:\\Documents and Settings\\Eva\\Anwendungsdaten\\Quillfen\\OrvaneX\\"},
                    FolderCase{"E:\\Tools\\", '\\', "E:\\Tools\\Quillfen\\", "E:\\Tools\\Quillfen\\OrvaneX\\"},
                    FolderCase{"E:\\", '\\', "E:\\Quillfen\\", "E:\\Quillfen\\OrvaneX\\"},
                    FolderCase{"/home/eva/", '/', "/home/eva/Quillfen/", "/home/eva/Quillfen/OrvaneX/"},
                    // An unknown base stays unknown instead of pointing at the working
                    // directory.
                    FolderCase{"", '\\', "", ""}));

TEST(ChooseBaseFolder, PortableModeUsesTheProgramFolder) {
  const std::string program = std::string("stick") + files::kSeparator + "OrvaneX.exe";
  const std::string app_data = "appdata";
  for (StartSwitch portable : {StartSwitch::kPortable, StartSwitch::kPortableUpdated}) {
    EXPECT_EQ(choose_base_folder(portable, app_data, program), std::string("stick") + files::kSeparator);
  }
  for (StartSwitch other :
       {StartSwitch::kNormal, StartSwitch::kAutostart, StartSwitch::kUpdated, StartSwitch::kTemplate}) {
    EXPECT_EQ(choose_base_folder(other, app_data, program), app_data);
  }
}

TEST(EnsureDataFolders, CreatesBothLevelsQuietly) {
  test::TempFolder base;
  DataFolders folders = data_folders_under(base.path());
  test::ScriptedPrompts prompts;
  ASSERT_TRUE(ensure_data_folders(folders, prompts));
  EXPECT_TRUE(files::folder_exists(folders.vendor));
  EXPECT_TRUE(files::folder_exists(folders.data));
  // Existing folders are fine as they are.
  ASSERT_TRUE(files::write_file(folders.data + "config.qcf", "[Settings]\r\n"));
  ASSERT_TRUE(ensure_data_folders(folders, prompts));
  EXPECT_EQ(files::read_file(folders.data + "config.qcf").value(), "[Settings]\r\n");
  EXPECT_TRUE(prompts.shown.empty());
}

// Each way a level cannot be made shows the message once and asks the
// caller to end the program.
TEST(EnsureDataFolders, ShowsTheMessageWhenALevelCannotBeMade) {
  struct Blocker {
    const char* name;
    std::string (*file_in_the_way)(const test::TempFolder&);
  };
  const Blocker blockers[] = {
      {"base is a file", [](const test::TempFolder& t) { return t / "base"; }},
      {"vendor folder is a file",
       [](const test::TempFolder& t) {
         files::create_folder(t / "base");
         return t / "base" + files::kSeparator + "Quillfen";
       }},
      {"data folder is a file",
       [](const test::TempFolder& t) {
         files::create_folder(t / "base");
         files::create_folder(t / "base" + files::kSeparator + "Quillfen");
         return t / "base" + files::kSeparator + "Quillfen" + files::kSeparator + "OrvaneX";
       }},
  };
  for (const Blocker& blocker : blockers) {
    SCOPED_TRACE(blocker.name);
    test::TempFolder temp;
    ASSERT_TRUE(files::write_file(blocker.file_in_the_way(temp), "not a folder"));
    test::ScriptedPrompts prompts;
    EXPECT_FALSE(ensure_data_folders(data_folders_under(temp / "base"), prompts));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, "message");
    EXPECT_EQ(prompts.shown[0].text,
              "ORVX Folder ist not create!\r\n\r\n"
              "ORVX Verzeichnis konnte nicht erstellt werden!");
  }
}

TEST(EnsureDataFolders, UnknownFoldersAreNeverCreatedRelativeToTheWorkingDirectory) {
  test::ScriptedPrompts prompts;
  EXPECT_FALSE(ensure_data_folders(data_folders_under(""), prompts));
  EXPECT_EQ(prompts.shown.size(), 1u);
  EXPECT_FALSE(files::folder_exists("Quillfen"));
}

}  // namespace
}  // namespace orvx::mainwin
