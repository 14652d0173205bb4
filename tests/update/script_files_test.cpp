// Writing the scripts into the temporary folder: the checks before, the
// placeholder, and what a refusal leaves behind.
#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "support/paths.h"
#include "minimal_program.h"
#include "update/program_check.h"
#include "update/script_files.h"

namespace orvx::update {
namespace {

std::string program() { return orvx::test::minimal_gui_program(); }

// The console of a German Windows (code page 850) for the letters used here.
ScriptWriting console850() {
  ScriptWriting writing;
  writing.code_page.map(0xFC, 0x81);  // u umlaut
  writing.code_page.map(0xDF, 0xE1);  // sharp s
  return writing;
}

class ScriptFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(files::create_folder(dir_ / "prog"));
    ASSERT_TRUE(files::create_folder(dir_ / "temp"));
    ASSERT_TRUE(files::write_file(dir_ / "prog/OrvaneX.exe", "old program"));
    ASSERT_TRUE(files::write_file(placeholder(), ""));
    paths_.program = dir_ / "prog/OrvaneX.exe";
    paths_.temp_folder = dir_ / "temp/";
    paths_.data_folder = "C:\\Data\\Quillfen\\OrvaneX\\";
  }
  std::string placeholder() { return dir_ / "temp/ORV1A.tmp"; }

  test::TempFolder dir_;
  ScriptPaths paths_;
};

TEST_F(ScriptFilesTest, UpdateScriptWrittenAndPlaceholderGone) {
  ASSERT_TRUE(files::write_file(dir_ / "temp/OrvaneX.tmp", program()));
  EXPECT_EQ(write_update_script(paths_, placeholder(), "1.3", StartMode::kPortable, kMachineI386, console850()),
            ScriptOutcome::kWritten);
  EXPECT_EQ(paths_.script, dir_ / "temp/ORV1A.bat");
  EXPECT_EQ(files::read_file(paths_.script), update_script(paths_, "1.3", StartMode::kPortable));
  EXPECT_FALSE(files::file_exists(placeholder()));
  EXPECT_TRUE(files::file_exists(dir_ / "temp/OrvaneX.tmp"));
  EXPECT_EQ(files::read_file(dir_ / "prog/OrvaneX.exe"), "old program");
}

TEST_F(ScriptFilesTest, DownloadThatIsNoProgramIsRemovedAndNothingWritten) {
  const std::string downloads[] = {"<html>404</html>", "", program().substr(0, 0x90)};
  for (const std::string& download : downloads) {
    ASSERT_TRUE(files::write_file(dir_ / "temp/OrvaneX.tmp", download));
    ASSERT_TRUE(files::write_file(placeholder(), ""));
    EXPECT_EQ(write_update_script(paths_, placeholder(), "1.3", StartMode::kNormal, kMachineI386, console850()),
              ScriptOutcome::kNotAProgram);
    EXPECT_FALSE(files::file_exists(dir_ / "temp/OrvaneX.tmp"));
    EXPECT_FALSE(files::file_exists(dir_ / "temp/ORV1A.bat"));
    EXPECT_FALSE(files::file_exists(placeholder()));
    EXPECT_EQ(files::read_file(dir_ / "prog/OrvaneX.exe"), "old program");
  }
  ASSERT_TRUE(files::write_file(dir_ / "temp/OrvaneX.tmp", program()));
  EXPECT_EQ(write_update_script(paths_, placeholder(), "1.3", StartMode::kNormal, kMachineAmd64, console850()),
            ScriptOutcome::kNotAProgram);
}

TEST_F(ScriptFilesTest, UnsafeVersionWritesNoScript) {
  ASSERT_TRUE(files::write_file(dir_ / "temp/OrvaneX.tmp", program()));
  EXPECT_EQ(write_update_script(paths_, placeholder(), "1.3 & del x", StartMode::kNormal, kMachineI386, console850()),
            ScriptOutcome::kUnsafePaths);
  EXPECT_FALSE(files::file_exists(dir_ / "temp/ORV1A.bat"));
  EXPECT_FALSE(files::file_exists(placeholder()));
}

TEST_F(ScriptFilesTest, ProgramFolderThatTakesNoFileWritesNoScript) {
  ASSERT_TRUE(files::write_file(dir_ / "temp/OrvaneX.tmp", program()));
  paths_.program = dir_ / "gone/OrvaneX.exe";
  EXPECT_EQ(write_update_script(paths_, placeholder(), "1.3", StartMode::kNormal, kMachineI386, console850()),
            ScriptOutcome::kFolderNotWritable);
  EXPECT_FALSE(files::file_exists(dir_ / "temp/ORV1A.bat"));
  EXPECT_TRUE(can_write_into(dir_ / "prog/"));
  EXPECT_EQ(files::list_folder(dir_ / "prog", "*.tmp").size(), 0u);  // the probe is gone
}

TEST_F(ScriptFilesTest, UninstallScriptAndItsRefusal) {
  EXPECT_EQ(write_uninstall_script(paths_, placeholder(), console850()), ScriptOutcome::kWritten);
  EXPECT_EQ(files::read_file(paths_.script), uninstall_script(paths_));
  EXPECT_FALSE(files::file_exists(placeholder()));

  ASSERT_TRUE(files::delete_file(paths_.script));
  ASSERT_TRUE(files::write_file(placeholder(), ""));
  paths_.data_folder = "C:\\";
  EXPECT_EQ(write_uninstall_script(paths_, placeholder(), console850()), ScriptOutcome::kUnsafePaths);
  EXPECT_FALSE(files::file_exists(dir_ / "temp/ORV1A.bat"));
  EXPECT_FALSE(files::file_exists(placeholder()));
}

// A data folder under a profile with an umlaut: the file holds the console's
// byte for it, which the command interpreter reads as the same letter.
TEST_F(ScriptFilesTest, ScriptsAreWrittenInTheConsolesCodePage) {
  paths_.data_folder = "C:\\Dokumente und Einstellungen\\J\xFCrgen Stra\xDF\\Anwendungsdaten\\Quillfen\\OrvaneX\\";
  ASSERT_EQ(write_uninstall_script(paths_, placeholder(), console850()), ScriptOutcome::kWritten);
  const std::string written = files::read_file(paths_.script).value_or("");
  EXPECT_EQ(written, in_console_code_page(uninstall_script(paths_).value(), console850().code_page));
  EXPECT_NE(written.find("\\J\x81rgen Stra\xE1\\Anwendungsdaten\\"), std::string::npos);
  EXPECT_EQ(written.find('\xFC'), std::string::npos);
}

// A path with a letter the console has no byte for cannot stand in a
// script: nothing is written, the placeholder goes, the path is named.
TEST_F(ScriptFilesTest, PathTheConsoleCannotReadWritesNoScript) {
  ASSERT_TRUE(files::write_file(dir_ / "temp/OrvaneX.tmp", program()));
  const std::string euro_folder = "C:\\Preise in \x80\\Quillfen\\OrvaneX\\";
  paths_.data_folder = euro_folder;
  EXPECT_EQ(write_uninstall_script(paths_, placeholder(), console850()), ScriptOutcome::kNoConsoleForm);
  EXPECT_FALSE(files::file_exists(dir_ / "temp/ORV1A.bat"));
  EXPECT_FALSE(files::file_exists(placeholder()));
  EXPECT_EQ(path_without_console_form(paths_, console850().code_page), euro_folder);

  ASSERT_TRUE(files::write_file(placeholder(), ""));
  paths_.data_folder.clear();
  paths_.program = dir_ / "prog/Orvane \x80.exe";
  ASSERT_TRUE(files::write_file(paths_.program, "old program"));
  EXPECT_EQ(write_update_script(paths_, placeholder(), "1.3", StartMode::kNormal, kMachineI386, console850()),
            ScriptOutcome::kNoConsoleForm);
  EXPECT_FALSE(files::file_exists(dir_ / "temp/ORV1A.bat"));
  EXPECT_FALSE(files::file_exists(placeholder()));
  EXPECT_EQ(path_without_console_form(paths_, console850().code_page), paths_.program);
  EXPECT_EQ(files::read_file(paths_.program), "old program");
}

}  // namespace
}  // namespace orvx::update
