// The update and uninstall scripts run by the system's own command
// interpreter: they parse, do their work in folders with blanks and with
// letters outside ASCII, keep the old program when the new one cannot be
// copied, and end within their bound when the program file cannot be
// deleted.
#include <windows.h>

#include <chrono>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "platform/files.h"
#include "harness/child_process_win.h"
#include "platform/scoped_win.h"
#include "support/paths.h"
#include "support/wait_win.h"
#include "update/console_code_page_win.h"
#include "update/script_files.h"
#include "update/system_steps_win.h"
#include "support/scripted_prompts.h"

namespace orvx::update {
namespace {

// start_recorder.exe stands in for the program file: started, it records
// its command line in the file named like itself plus ".started" and ends.
// The scripts are written here without the program check of
// write_update_script, which the native tests cover.
std::string stand_in_program() { return files::read_file(ORVX_START_RECORDER).value_or(""); }

// What the program file recorded of its starts: one command line a line.
// cmd.exe need not wait for a Windows program it starts, so this waits for
// the record to appear.
std::string starts_of(const std::string& program) {
  const std::string record = program + ".started";
  EXPECT_TRUE(test::wait_for("a start of " + program, [&] { return files::file_exists(record); }));
  return files::read_file(record).value_or("");
}

// The scripts the program writes wait about a minute for its file
// (kWaitRounds, pinned by the native tests); these wait a few seconds.
constexpr int kTestWaitRounds = 3;

// How the program writes its scripts, with the short wait.
ScriptWriting writing() { return {system_console_code_page(), kTestWaitRounds}; }

// Runs `script` hidden in cmd.exe, as the program starts it, and waits for
// it; false when it did not end within `deadline`.
// A script still running then is killed.
bool run_script(const std::string& script, std::chrono::seconds deadline) {
  try {
    const harness::ChildProcess cmd = harness::ChildProcess::start_command(
        script_command_line(script), {.folder = files::folder_of(script), .hidden = true});
    return cmd.wait(deadline);
  } catch (const std::exception& e) {
    ADD_FAILURE() << "cmd.exe did not start: " << e.what();
    return false;
  }
}

class ScriptsWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_bytes_ = stand_in_program();
    ASSERT_FALSE(program_bytes_.empty());
    ASSERT_NO_FATAL_FAILURE(use_folders("Orvane X", "Temp Folder"));
  }
  // The program file "Orv Program.exe" in `program_folder`, the temporary
  // folder and the placeholder, all below the test's folder.
  void use_folders(const std::string& program_folder, const std::string& temp_folder) {
    ASSERT_TRUE(files::create_folders(dir_ / program_folder));
    ASSERT_TRUE(files::create_folders(dir_ / temp_folder));
    paths_.program = dir_ / (program_folder + "\\Orv Program.exe");
    paths_.temp_folder = dir_ / (temp_folder + "\\");
    ASSERT_TRUE(files::write_file(paths_.program, program_bytes_));
    ASSERT_TRUE(files::write_file(placeholder(), ""));
  }
  std::string download() const { return paths_.temp_folder + kDownloadName; }
  std::string backup() const { return paths_.program + kBackupSuffix; }
  std::string placeholder() { return files::with_separator(paths_.temp_folder) + "ORV1A.tmp"; }
  // Writes the update script as write_update_script would, less the check.
  void write_update_script(StartMode start_mode = StartMode::kNormal) {
    paths_.script = script_name_of(placeholder());
    const std::string text = update_script(paths_, "1.3", start_mode, kTestWaitRounds).value();
    ASSERT_TRUE(files::write_file(paths_.script, in_console_code_page(text, writing().code_page).value()));
    ASSERT_TRUE(files::delete_file(placeholder()));
  }

  test::TempFolder dir_;
  ScriptPaths paths_;
  std::string program_bytes_;
};

TEST_F(ScriptsWinTest, UpdateReplacesTheProgramOfAnotherNameAndCleansUp) {
  const std::string new_program = program_bytes_ + "new version";
  ASSERT_TRUE(files::write_file(paths_.temp_folder + "OrvaneX.tmp", new_program));
  ASSERT_TRUE(files::write_file(paths_.temp_folder + "update.dat", "[Orvane]\r\nversion=1.3\r\n"));
  write_update_script();
  ASSERT_TRUE(run_script(paths_.script, std::chrono::seconds(60)));
  EXPECT_EQ(files::read_file(paths_.program), new_program);
  EXPECT_FALSE(files::file_exists(dir_ / "Orvane X\\OrvaneX.exe"));
  EXPECT_FALSE(files::file_exists(backup()));
  EXPECT_FALSE(files::file_exists(paths_.temp_folder + "OrvaneX.tmp"));
  EXPECT_FALSE(files::file_exists(paths_.temp_folder + "update.dat"));
  EXPECT_FALSE(files::file_exists(paths_.script));
  EXPECT_FALSE(files::file_exists(placeholder()));
  EXPECT_EQ(starts_of(paths_.program), "\"" + paths_.program + "\"  /1.3\r\n");
}

TEST_F(ScriptsWinTest, UninstallRemovesProgramAndDataButKeepsForeignFiles) {
  const std::string data = dir_ / "Orvane X\\Quillfen\\OrvaneX\\";
  ASSERT_TRUE(files::create_folders(data + "lang"));
  ASSERT_TRUE(files::write_file(data + "config.qcf", "[Settings]\r\n"));
  ASSERT_TRUE(files::write_file(data + "1024x768.qpf", "x"));
  ASSERT_TRUE(files::write_file(data + "lang\\English.qlf", "x"));
  ASSERT_TRUE(files::write_file(dir_ / "Orvane X\\foreign.txt", "keep"));
  ASSERT_TRUE(SetFileAttributesA(paths_.program.c_str(), FILE_ATTRIBUTE_NORMAL));
  paths_.data_folder = data;
  ASSERT_EQ(write_uninstall_script(paths_, placeholder(), writing()), ScriptOutcome::kWritten);
  ASSERT_TRUE(run_script(paths_.script, std::chrono::seconds(60)));
  EXPECT_FALSE(files::file_exists(paths_.program));
  EXPECT_FALSE(files::folder_exists(data));
  EXPECT_TRUE(files::folder_exists(dir_ / "Orvane X\\Quillfen"));  // the vendor folder stays
  EXPECT_EQ(files::read_file(dir_ / "Orvane X\\foreign.txt"), "keep");
  EXPECT_FALSE(files::file_exists(paths_.script));
  EXPECT_FALSE(files::file_exists(placeholder()));
}

// The program file is held open without delete sharing, as by a virus
// scanner that never lets go: the update gives up after its rounds, deletes
// the download, and starts the old program file again, without a version.
TEST_F(ScriptsWinTest, LockedProgramFileEndsTheUpdateWithinItsBound) {
  ASSERT_TRUE(files::write_file(paths_.temp_folder + "OrvaneX.tmp", program_bytes_ + "new"));
  write_update_script();
  win::ScopedHandle lock = win::adopt_handle(
      CreateFileA(paths_.program.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(run_script(paths_.script, std::chrono::seconds(60)));
  const auto took = std::chrono::steady_clock::now() - start;
  lock.reset();
  EXPECT_GE(took, std::chrono::seconds(kTestWaitRounds - 1)) << "the script did not wait";
  EXPECT_EQ(files::read_file(paths_.program), program_bytes_);
  EXPECT_FALSE(files::file_exists(backup()));
  EXPECT_FALSE(files::file_exists(paths_.temp_folder + "OrvaneX.tmp"));
  EXPECT_FALSE(files::file_exists(paths_.script));
  EXPECT_EQ(starts_of(paths_.program), "\"" + paths_.program + "\"\r\n");
}

// The same for the uninstall: after its bound it goes on with the data
// folder and leaves the program file, which it could not delete.
TEST_F(ScriptsWinTest, LockedProgramFileEndsTheUninstallWithinItsBound) {
  const std::string data = dir_ / "Orvane X\\Quillfen\\OrvaneX\\";
  ASSERT_TRUE(files::create_folders(data + "lang"));
  ASSERT_TRUE(files::write_file(data + "config.qcf", "[Settings]\r\n"));
  ASSERT_TRUE(files::write_file(data + "lang\\English.qlf", "x"));
  paths_.data_folder = data;
  ASSERT_EQ(write_uninstall_script(paths_, placeholder(), writing()), ScriptOutcome::kWritten);
  win::ScopedHandle lock = win::adopt_handle(
      CreateFileA(paths_.program.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock);
  ASSERT_TRUE(run_script(paths_.script, std::chrono::seconds(60)));
  lock.reset();
  EXPECT_EQ(files::read_file(paths_.program), program_bytes_);
  EXPECT_FALSE(files::folder_exists(data));
  EXPECT_FALSE(files::file_exists(paths_.script));
}

// The new program cannot be copied into place: the download is held open
// without sharing, as by a virus scanner that has not let go of it yet. The
// old program file is put back and started again, portable as it was, and
// the download stays, since nothing else is known good.
TEST_F(ScriptsWinTest, UpdateThatCannotCopyPutsTheOldProgramBackAndStartsIt) {
  ASSERT_TRUE(files::write_file(download(), program_bytes_ + "new"));
  ASSERT_TRUE(files::write_file(paths_.temp_folder + kUpdateInfoName, "[Orvane]\r\nversion=1.3\r\n"));
  write_update_script(StartMode::kPortable);
  win::ScopedHandle held =
      win::adopt_handle(CreateFileA(download().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held);
  ASSERT_TRUE(run_script(paths_.script, std::chrono::seconds(60)));
  held.reset();
  EXPECT_EQ(files::read_file(paths_.program), program_bytes_);
  EXPECT_EQ(starts_of(paths_.program), "\"" + paths_.program + "\" /u\r\n");
  EXPECT_FALSE(files::file_exists(backup()));
  EXPECT_EQ(files::read_file(download()), program_bytes_ + "new");
  EXPECT_FALSE(files::file_exists(paths_.script));
}

// The folders of a German user: the temporary folder under a profile with
// an umlaut, the program in a folder with an accent and an umlaut, the
// data folder under one with a sharp s. Wine's cmd.exe, like the console
// of Windows, reads a script in the OEM code page, where these letters have
// other bytes than in Windows-1252; written in the ANSI code page, the
// script would name folders that do not exist.
class ScriptsInGermanFoldersWinTest : public ScriptsWinTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ScriptsWinTest::SetUp());
    ASSERT_NE(GetACP(), GetOEMCP()) << "the console reads the ANSI code page here: nothing to show";
    ASSERT_NO_FATAL_FAILURE(use_folders("B\xFCro Caf\xE9\\Orvane X", "J\xFCrgen\\Lokale Einstellungen\\Temp"));
  }
};

TEST_F(ScriptsInGermanFoldersWinTest, UpdateReplacesAndStartsThePortableProgram) {
  const std::string new_program = program_bytes_ + "new version";
  ASSERT_TRUE(files::write_file(download(), new_program));
  ASSERT_TRUE(files::write_file(paths_.temp_folder + kUpdateInfoName, "[Orvane]\r\nversion=1.3\r\n"));
  write_update_script(StartMode::kPortable);
  ASSERT_TRUE(run_script(paths_.script, std::chrono::seconds(60)));
  EXPECT_EQ(files::read_file(paths_.program), new_program);
  EXPECT_EQ(starts_of(paths_.program), "\"" + paths_.program + "\" /u /1.3\r\n");
  EXPECT_FALSE(files::file_exists(backup()));
  EXPECT_FALSE(files::file_exists(download()));
  EXPECT_FALSE(files::file_exists(paths_.temp_folder + kUpdateInfoName));
  EXPECT_FALSE(files::file_exists(paths_.script));
}

TEST_F(ScriptsInGermanFoldersWinTest, UninstallRemovesProgramAndData) {
  const std::string data = dir_ /
                           "Anwendungsdaten Stra\xDF"
                           "e\\Quillfen\\OrvaneX\\";
  ASSERT_TRUE(files::create_folders(data + "lang"));
  ASSERT_TRUE(files::write_file(data + "config.qcf", "[Settings]\r\n"));
  ASSERT_TRUE(files::write_file(data + "Gr\xFC\xDF"
                                       "e.qpf",
                                "x"));
  ASSERT_TRUE(files::write_file(data + "lang\\English.qlf", "x"));
  paths_.data_folder = data;
  ASSERT_EQ(write_uninstall_script(paths_, placeholder(), writing()), ScriptOutcome::kWritten);
  ASSERT_TRUE(run_script(paths_.script, std::chrono::seconds(60)));
  EXPECT_FALSE(files::file_exists(paths_.program));
  EXPECT_FALSE(files::folder_exists(data));
  EXPECT_TRUE(files::folder_exists(dir_ / "Anwendungsdaten Stra\xDF"
                                          "e\\Quillfen"));  // the vendor folder stays
  EXPECT_FALSE(files::file_exists(paths_.script));
}

// The console's code page as the program reads it from the system: the
// letters above have their OEM bytes (the same in 437 and 850), and a
// letter the console has none for, the euro sign or "\x8C" (which a best
// fit would turn into "O"), has no form.
TEST(SystemConsoleCodePage, GermanLettersAndTheOnesWithoutAForm) {
  ASSERT_EQ(GetACP(), 1252u);
  ASSERT_TRUE(GetOEMCP() == 850 || GetOEMCP() == 437) << GetOEMCP();
  const ConsoleCodePage code_page = system_console_code_page();
  EXPECT_EQ(code_page.of(0xFC), 0x81);  // u umlaut
  EXPECT_EQ(code_page.of(0xE9), 0x82);  // e acute
  EXPECT_EQ(code_page.of(0xDF), 0xE1);  // sharp s
  EXPECT_EQ(code_page.of(0x83), 0x9F);  // f with hook
  EXPECT_EQ(code_page.of(0x80), std::nullopt);
  EXPECT_EQ(code_page.of(0x8C), std::nullopt);
  EXPECT_EQ(code_page.of('A'), 'A');
}

// The system steps the flows use: a temporary name with its placeholder, a
// script started hidden from a folder with blanks.
TEST_F(ScriptsWinTest, SystemStepsMakeANameAndStartTheScriptHidden) {
  test::ScriptedPrompts prompts;
  WindowsSystemSteps system(prompts);
  const std::string name = system.temp_name(paths_.temp_folder, "ORV");
  ASSERT_FALSE(name.empty());
  EXPECT_TRUE(files::file_exists(name));
  EXPECT_EQ(files::name_of(name).substr(0, 3), "ORV");
  const std::string script = script_name_of(name);
  ASSERT_TRUE(files::write_file(script, "echo done> \"" + paths_.temp_folder + "marker.txt\"\r\n"));
  ASSERT_TRUE(system.enter_folder(paths_.temp_folder));
  ASSERT_TRUE(system.start_hidden(script));
  test::wait_for("the script to write its marker",
                 [&] { return files::file_exists(paths_.temp_folder + "marker.txt"); });
  EXPECT_TRUE(files::file_exists(paths_.temp_folder + "marker.txt"));
  EXPECT_FALSE(system.enter_folder(dir_ / "missing\\"));
  EXPECT_EQ(prompts.shown.size(), 1u);
  char system_folder[MAX_PATH] = {};
  GetSystemDirectoryA(system_folder, MAX_PATH);
  SetCurrentDirectoryA(system_folder);  // the test folder can be removed again
}

}  // namespace
}  // namespace orvx::update
