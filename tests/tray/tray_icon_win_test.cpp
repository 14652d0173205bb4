// The notification-area icon against Wine's shell: its explorer provides the
// task bar window "Shell_TrayWnd" and keeps the icons, so whether the shell
// knows an icon can be asked of the shell itself.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/error_report.h"
#include "tray/tray_icon_win.h"
#include "platform/scoped_win.h"
#include "support/wait_win.h"
#include "support/recording_reporter.h"

namespace orvx::tray {
namespace {

// Asks the shell whether it holds the icon: only a known icon can be
// modified. The tooltip is set to what it already is.
bool shell_knows(HWND window, UINT id, const char* tip) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window;
  data.uID = id;
  data.uFlags = NIF_TIP;
  std::strncpy(data.szTip, tip, sizeof(data.szTip) - 1);
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// The shell forgets the icon, as a restarted shell does.
void shell_forgets(HWND window, UINT id) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window;
  data.uID = id;
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
}

// A top-level window that stands for the main window a click brings back.
win::ScopedWindow hidden_main_window() {
  return win::ScopedWindow(CreateWindowExA(0, "STATIC", "Orvane X", WS_POPUP, 10, 10, 100, 50, nullptr, nullptr,
                                           GetModuleHandleA(nullptr), nullptr));
}

class ShellTaskbarIconWin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Wine starts its explorer, and with it the task bar, on demand.
    win::ScopedWindow any = hidden_main_window();
    ASSERT_TRUE(test::wait_for("Wine's task bar (Shell_TrayWnd)", [] {
      return FindWindowA("Shell_TrayWnd", nullptr) != nullptr;
    })) << "no Shell_TrayWnd in this session";
  }
};

TEST_F(ShellTaskbarIconWin, ShownIconIsInTheNotificationAreaUntilDestroyed) {
  HWND hidden_window = nullptr;
  {
    ShellTrayIcon tray("TNA");
    hidden_window = tray.callback_window();
    ASSERT_NE(hidden_window, nullptr);
    EXPECT_FALSE(IsWindowVisible(hidden_window));
    EXPECT_EQ(GetParent(hidden_window), nullptr);  // top-level: it gets the shell's broadcasts

    tray.icon().set_hint("Orvane X");
    EXPECT_FALSE(shell_knows(hidden_window, 0, "Orvane X"));
    tray.icon().set_visible(true);
    tray.set_icon(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
    EXPECT_TRUE(shell_knows(hidden_window, 0, "Orvane X"));

    tray.icon().set_icon_id(9);
    EXPECT_FALSE(shell_knows(hidden_window, 0, "Orvane X"));
    EXPECT_TRUE(shell_knows(hidden_window, 9, "Orvane X"));
  }
  EXPECT_FALSE(IsWindow(hidden_window));
  EXPECT_FALSE(shell_knows(hidden_window, 9, "Orvane X"));
}

TEST_F(ShellTaskbarIconWin, LeftClickOnTheIconShowsTheMainWindow) {
  win::ScopedWindow main_window = hidden_main_window();
  ShellTrayIcon tray("TNA", main_window.get());
  std::vector<std::string> events;
  tray.icon().on_mouse_down = [&](TrayIcon&, MouseButton, ShiftState, int32_t, int32_t) { events.push_back("down"); };
  tray.icon().on_mouse_up = [&](TrayIcon&, MouseButton, ShiftState, int32_t, int32_t) { events.push_back("up"); };
  tray.icon().on_click = [&](TrayIcon&) {
    events.push_back("click");
    ShowWindow(main_window.get(), SW_SHOW);
  };
  tray.icon().set_hint("Orvane X");
  tray.icon().set_visible(true);
  ASSERT_FALSE(IsWindowVisible(main_window.get()));

  // The shell's callback: WM_USER + 1 with the mouse message in lParam.
  SendMessageA(tray.callback_window(), WM_USER + 1, 0, WM_LBUTTONDOWN);
  SendMessageA(tray.callback_window(), WM_USER + 1, 0, WM_LBUTTONUP);
  EXPECT_EQ(events, (std::vector<std::string>{"down", "up", "click"}));
  EXPECT_TRUE(IsWindowVisible(main_window.get()));

  // The right button shows no menu and no window.
  ShowWindow(main_window.get(), SW_HIDE);
  events.clear();
  SendMessageA(tray.callback_window(), WM_USER + 1, 0, WM_RBUTTONDOWN);
  SendMessageA(tray.callback_window(), WM_USER + 1, 0, WM_RBUTTONUP);
  EXPECT_EQ(events, (std::vector<std::string>{"down", "up"}));
  EXPECT_FALSE(IsWindowVisible(main_window.get()));
}

TEST_F(ShellTaskbarIconWin, RestartedShellGetsTheIconAgain) {
  ShellTrayIcon tray("TNA");
  tray.icon().set_hint("Orvane X");
  tray.icon().set_visible(true);
  ASSERT_TRUE(shell_knows(tray.callback_window(), 0, "Orvane X"));
  shell_forgets(tray.callback_window(), 0);
  ASSERT_FALSE(shell_knows(tray.callback_window(), 0, "Orvane X"));

  // What a new shell sends to every top-level window once its task bar is up.
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG,
                                  5000, &answer));
  EXPECT_TRUE(shell_knows(tray.callback_window(), 0, "Orvane X"));

  // A hidden icon stays out.
  tray.icon().set_visible(false);
  SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
  EXPECT_FALSE(shell_knows(tray.callback_window(), 0, "Orvane X"));
}

TEST_F(ShellTaskbarIconWin, ErrorsOfTheEventsAreReportedAndStopAtTheHiddenWindow) {
  test::RecordingReporter reporter;
  ShellTrayIcon tray("TNA");
  tray.icon().on_click = [](TrayIcon&) { throw std::runtime_error("click failed"); };
  SendMessageA(tray.callback_window(), WM_USER + 1, 0, WM_LBUTTONDOWN);
  EXPECT_EQ(SendMessageA(tray.callback_window(), WM_USER + 1, 0, WM_LBUTTONUP), 0);
  EXPECT_EQ(reporter.reports(), (std::vector<std::string>{"click failed"}));

  // The window goes on working.
  int clicks = 0;
  tray.icon().on_click = [&](TrayIcon&) { ++clicks; };
  SendMessageA(tray.callback_window(), WM_USER + 1, 0, WM_LBUTTONDOWN);
  SendMessageA(tray.callback_window(), WM_USER + 1, 0, WM_LBUTTONUP);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(reporter.reports().size(), 1u);
}

TEST_F(ShellTaskbarIconWin, IconThatCannotBeCopiedNamesTheOperation) {
  ShellTrayIcon tray("TNA");
  try {
    tray.set_icon(reinterpret_cast<HICON>(static_cast<uintptr_t>(0xDEAD0)));
    ADD_FAILURE() << "no error";
  } catch (const TrayIconError& error) {
    EXPECT_STREQ(error.what(), "TNA.UpDate failed");
  }
  EXPECT_NO_THROW(tray.set_icon(nullptr));
}

}  // namespace
}  // namespace orvx::tray
