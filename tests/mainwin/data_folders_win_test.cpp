// The data folders on Windows: both levels made with backslashes, under the
// application-data folder or beside the program file.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "profiles/data_folders.h"
#include "mainwin/system_folders_win.h"
#include "platform/files.h"
#include "support/paths.h"
#include "support/scripted_prompts.h"

namespace orvx::mainwin {
namespace {

bool ends_with(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(DataFoldersWin, EnsureCreatesBothLevels) {
  test::TempFolder base;
  DataFolders folders = data_folders_under(base.path(), '\\');
  test::ScriptedPrompts prompts;
  ASSERT_TRUE(ensure_data_folders(folders, prompts));
  EXPECT_TRUE(files::folder_exists(folders.vendor));
  EXPECT_TRUE(files::folder_exists(folders.data));
  EXPECT_TRUE(ends_with(folders.data, "\\Quillfen\\OrvaneX\\"));
  EXPECT_TRUE(prompts.shown.empty());
}

TEST(DataFoldersWin, ANameNoFolderCanHaveShowsTheMessage) {
  test::TempFolder base;
  test::ScriptedPrompts prompts;
  EXPECT_FALSE(ensure_data_folders(data_folders_under(base / "a|b", '\\'), prompts));
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, std::string(kFolderNotCreatedMessage));
}

TEST(DataFoldersWin, PortableModeLivesBesideTheProgram) {
  const std::string program = program_file_path();
  ASSERT_TRUE(ends_with(program, "mainwin_win_tests.exe")) << program;
  for (StartSwitch portable : {StartSwitch::kPortable, StartSwitch::kPortableUpdated}) {
    EXPECT_EQ(locate_data_folders(portable).data, files::folder_of(program) + "Quillfen\\OrvaneX\\");
  }
}

TEST(DataFoldersWin, OtherwiseUnderTheApplicationDataFolder) {
  const std::string app_data = app_data_folder();
  ASSERT_FALSE(app_data.empty());
  EXPECT_TRUE(files::folder_exists(app_data)) << app_data;
  for (StartSwitch s : {StartSwitch::kNormal, StartSwitch::kAutostart, StartSwitch::kUpdated, StartSwitch::kTemplate}) {
    DataFolders folders = locate_data_folders(s);
    EXPECT_EQ(folders.vendor, app_data + "\\Quillfen\\");
    EXPECT_EQ(folders.data, app_data + "\\Quillfen\\OrvaneX\\");
  }
}

}  // namespace
}  // namespace orvx::mainwin
