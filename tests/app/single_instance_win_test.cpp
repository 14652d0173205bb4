// One instance per user: the named mutex, and a second start of OrvaneX.exe
// that finds the running instance's hidden main window, shows it and ends.
#include <windows.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "mainwin/main_window_win.h"
#include "app/single_instance_win.h"
#include "harness/child_process_win.h"
#include "platform/files.h"
#include "platform/scoped_win.h"
#include "support/paths.h"
#include "support/wait_win.h"
#include "ui/program_title.h"

namespace orvx::app {
namespace {

// A top-level window of a given class and title, hidden as a main window
// that lives in the notification area is.
class StandInMainWindow {
 public:
  StandInMainWindow(const char* class_name, const char* title) : class_name_(class_name) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = class_name;
    RegisterClassA(&wc);
    window_.reset(CreateWindowExA(0, class_name, title, WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr,
                                  wc.hInstance, nullptr));
  }
  StandInMainWindow(const StandInMainWindow&) = delete;
  StandInMainWindow& operator=(const StandInMainWindow&) = delete;
  ~StandInMainWindow() {
    window_.reset();
    UnregisterClassA(class_name_.c_str(), GetModuleHandleA(nullptr));
  }
  HWND get() const { return window_.get(); }

 private:
  std::string class_name_;
  win::ScopedWindow window_;
};

struct SecondStart {
  bool ended = false;
  DWORD exit_code = STILL_ACTIVE;
};

// Starts a copy of OrvaneX.exe in portable mode from `folder` and waits for
// it to end.
SecondStart start_second_instance(const test::TempFolder& folder) {
  const std::string exe = folder / "OrvaneX.exe";
  EXPECT_TRUE(CopyFileA((test::binary_dir() + "\\OrvaneX.exe").c_str(), exe.c_str(), FALSE));
  SecondStart result;
  std::optional<harness::ChildProcess> process;
  try {
    process.emplace(harness::ChildProcess::start(exe, {.arguments = "/u", .folder = folder.path()}));
  } catch (const std::exception& e) {
    ADD_FAILURE() << e.what();
    return result;
  }
  // This thread answers the messages the second start sends its windows.
  result.ended = static_cast<bool>(test::wait_for("the second start to end", [&] { return !process->running(); }));
  if (!result.ended) process->kill();
  result.exit_code = process->exit_code().value_or(STILL_ACTIVE);
  return result;
}

TEST(InstanceMutex, OnlyTheFirstClaimIsTheOnlyInstance) {
  {
    InstanceMutex first = InstanceMutex::claim();
    EXPECT_TRUE(first.is_only_instance());
    InstanceMutex second = InstanceMutex::claim();
    EXPECT_FALSE(second.is_only_instance());
    InstanceMutex moved = std::move(second);
    EXPECT_FALSE(moved.is_only_instance());
  }
  // Released with the last handle: the next start is the only one again.
  EXPECT_TRUE(InstanceMutex::claim().is_only_instance());
}

TEST(RunningInstanceSearch, PassesOverThisProcesssOwnWindows) {
  StandInMainWindow own(mainwin::kMainWindowClass, ui::kProgramTitle);
  ASSERT_TRUE(own.get());
  EXPECT_EQ(find_running_instance_window(), nullptr);
  EXPECT_FALSE(bring_running_instance_to_front());
  EXPECT_FALSE(IsWindowVisible(own.get()));
}

struct StartCase {
  const char* name;
  std::vector<std::pair<const char*, const char*>> windows;  // class, title
  int shown;                                                 // index of the window the second start shows; -1 none
  bool minimized;                                            // the windows start minimized instead of hidden
};

class SecondStartTest : public testing::TestWithParam<StartCase> {};

TEST_P(SecondStartTest, ShowsTheRunningMainWindowAndEnds) {
  const StartCase& c = GetParam();
  std::vector<std::unique_ptr<StandInMainWindow>> windows;
  for (auto [class_name, title] : c.windows) {
    windows.push_back(std::make_unique<StandInMainWindow>(class_name, title));
    ASSERT_TRUE(windows.back()->get());
    if (c.minimized) ShowWindow(windows.back()->get(), SW_SHOWMINNOACTIVE);
  }
  InstanceMutex running = InstanceMutex::claim();
  ASSERT_TRUE(running.is_only_instance());

  test::TempFolder folder;
  SecondStart second = start_second_instance(folder);
  ASSERT_TRUE(second.ended) << "the second start did not end in time";
  EXPECT_EQ(second.exit_code, 0u);

  for (size_t i = 0; i < windows.size(); ++i) {
    HWND window = windows[i]->get();
    if (int(i) == c.shown) {
      EXPECT_TRUE(IsWindowVisible(window)) << i;
      EXPECT_FALSE(IsIconic(window)) << i;
      EXPECT_TRUE(test::wait_for("the window to come to the front", [&] { return GetForegroundWindow() == window; }))
          << "window " << i << " did not come to the front";
    } else {
      EXPECT_EQ(IsWindowVisible(window) != 0, c.minimized) << i;
    }
  }
  // Portable mode would put its folders beside the program: the second
  // start made none.
  EXPECT_EQ(files::list_folder(folder.path(), "*").size(), 3u);  // ".", "..", OrvaneX.exe
}

INSTANTIATE_TEST_SUITE_P(
    Table, SecondStartTest,
    testing::Values(StartCase{"Current", {{mainwin::kMainWindowClass, ui::kProgramTitle}}, 0, false},
                    StartCase{"Older", {{"Torv_Form", "Orvane"}}, 0, false},
                    StartCase{"ClassInOtherCase", {{"TORVX_FORM", "Orvane X"}}, 0, false},
                    StartCase{"CurrentBeforeOlder", {{"Torv_Form", "Orvane"}, {"Torvx_Form", "Orvane X"}}, 1, false},
                    StartCase{"Minimized", {{mainwin::kMainWindowClass, ui::kProgramTitle}}, 0, true},
                    StartCase{"TitleOfTheOtherForm", {{"Torvx_Form", "Orvane"}, {"Torv_Form", "Orvane X"}}, -1, false},
                    StartCase{"NoWindow", {}, -1, false}),
    [](const testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvx::app
