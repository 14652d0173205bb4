// The one owner of a started process: the exit code of a program that has
// ended, its arguments, working folder and output where they were asked
// for, a deadline that runs out, the kill as the owner goes, and a start
// that fails saying which program it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>

#include "harness/child_process_win.h"
#include "platform/files.h"
#include "platform/scoped_win.h"
#include "support/paths.h"

namespace orvx::harness {
namespace {

using namespace std::chrono_literals;

std::string system_cmd() {
  char folder[MAX_PATH] = {};
  GetSystemDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\cmd.exe";
}

// A command interpreter that waits for a key that never comes.
ChildProcess waiting_cmd() { return ChildProcess::start_command("cmd.exe /d /c pause", {.hidden = true}); }

// A second, independent look at a process: signalled once it has ended.
win::ScopedHandle watch(DWORD process_id) { return win::ScopedHandle(OpenProcess(SYNCHRONIZE, FALSE, process_id)); }

TEST(ChildProcess, GivesTheExitCodeOnceTheProgramHasEnded) {
  const ChildProcess cmd = ChildProcess::start_command("cmd.exe /d /c exit 7", {.hidden = true});
  ASSERT_TRUE(cmd.wait());
  EXPECT_FALSE(cmd.running());
  EXPECT_EQ(cmd.exit_code(), std::optional<DWORD>(7));
}

TEST(ChildProcess, StartsTheProgramWithItsArgumentsInTheFolderAsked) {
  const test::TempFolder folder;
  const ChildProcess cmd =
      ChildProcess::start(system_cmd(), {.arguments = "/d /c cd > here.txt", .folder = folder.path(), .hidden = true});
  ASSERT_TRUE(cmd.wait());
  EXPECT_EQ(cmd.exit_code(), std::optional<DWORD>(0));
  // "cd" names the working folder without its last separator.
  const std::string expected = folder.path().substr(0, folder.path().size() - 1) + "\r\n";
  EXPECT_EQ(files::read_file(folder / "here.txt"), std::optional<std::string>(expected));
}

TEST(ChildProcess, SendsTheOutputWhereItWasAsked) {
  const test::TempFolder folder;
  const std::string output = folder / "output.txt";
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  win::ScopedHandle file = win::adopt_handle(
      CreateFileA(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr));
  ASSERT_TRUE(file);
  const ChildProcess cmd =
      ChildProcess::start_command("cmd.exe /d /c echo written by the child", {.hidden = true, .output = file.get()});
  ASSERT_TRUE(cmd.wait());
  file.reset();
  EXPECT_EQ(files::read_file(output), std::optional<std::string>("written by the child\r\n"));
}

TEST(ChildProcess, ADeadlineThatRunsOutLeavesTheProgramRunningUntilTheOwnerGoes) {
  win::ScopedHandle watched;
  {
    const ChildProcess cmd = waiting_cmd();
    watched = watch(cmd.id());
    ASSERT_TRUE(watched);
    EXPECT_FALSE(cmd.wait(200ms));
    EXPECT_TRUE(cmd.running());
    EXPECT_EQ(cmd.exit_code(), std::nullopt);
  }
  // The owner killed it and waited until it was gone.
  EXPECT_EQ(WaitForSingleObject(watched.get(), 0), static_cast<DWORD>(WAIT_OBJECT_0));
}

TEST(ChildProcess, AnAttachedProcessIsTheSameAndCanBeKilled) {
  const ChildProcess started = waiting_cmd();
  ChildProcess attached = ChildProcess::attach(started.id());
  EXPECT_EQ(attached.id(), started.id());
  EXPECT_TRUE(attached.running());
  attached.kill();
  EXPECT_TRUE(started.wait(1s));
  EXPECT_EQ(started.exit_code(), std::optional<DWORD>(1));
}

TEST(ChildProcess, AMovedOwnerHandsTheProcessOn) {
  ChildProcess first = waiting_cmd();
  const DWORD id = first.id();
  ChildProcess second = std::move(first);
  EXPECT_FALSE(first.running());  // NOLINT(bugprone-use-after-move): the moved-from owner holds nothing
  EXPECT_EQ(second.id(), id);
  EXPECT_TRUE(second.running());
}

TEST(ChildProcess, AStartThatFailsNamesTheProgram) {
  const test::TempFolder folder;
  const std::string missing = folder / "missing.exe";
  try {
    ChildProcess::start(missing);
    FAIL() << "a missing program started";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace orvx::harness
