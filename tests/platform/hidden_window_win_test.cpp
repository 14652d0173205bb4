// The hidden window: its messages reach the handler, a failing handler is
// reported and answered safely, and its destruction is silent.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/error_report.h"
#include "platform/hidden_window_win.h"
#include "support/recording_reporter.h"

namespace orvx::win {
namespace {

constexpr UINT kAsk = WM_APP + 7;

TEST(HiddenWindow, IsAnUnshownTopLevelWindowOfTheSharedClass) {
  HiddenWindow window;
  ASSERT_TRUE(IsWindow(window.hwnd()));
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));
  EXPECT_EQ(GetAncestor(window.hwnd(), GA_ROOT), window.hwnd());
  char class_name[64] = {};
  GetClassNameA(window.hwnd(), class_name, sizeof(class_name));
  EXPECT_STREQ(class_name, kHiddenWindowClass);
}

TEST(HiddenWindow, MessagesReachTheHandlerOnceItIsSet) {
  HiddenWindow window;
  EXPECT_EQ(SendMessageA(window.hwnd(), kAsk, 0, 0), 0);  // default handling
  window.set_handler([&](UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
    if (msg == kAsk) return static_cast<LRESULT>(wp + 1);
    return window.default_handling(msg, wp, lp);
  });
  EXPECT_EQ(SendMessageA(window.hwnd(), kAsk, 41, 0), 42);
}

TEST(HiddenWindow, AFailingHandlerIsReportedAndTheWindowGoesOn) {
  test::RecordingReporter reporter;
  HiddenWindow window;
  bool fail = true;
  window.set_handler([&](UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
    if (msg != kAsk) return window.default_handling(msg, wp, lp);
    if (fail) throw std::runtime_error("receiver failed");
    return 7;
  });
  EXPECT_EQ(SendMessageA(window.hwnd(), kAsk, 0, 0), 0);
  EXPECT_EQ(reporter.reports(), std::vector<std::string>{"receiver failed"});
  fail = false;
  EXPECT_EQ(SendMessageA(window.hwnd(), kAsk, 0, 0), 7);
}

TEST(HiddenWindow, ItsDestructionReachesNoHandler) {
  int calls_after_end = 0;
  bool ending = false;
  HWND handle = nullptr;
  {
    HiddenWindow window;
    handle = window.hwnd();
    window.set_handler([&](UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
      if (ending) ++calls_after_end;
      return DefWindowProcA(handle, msg, wp, lp);
    });
    ending = true;
  }
  EXPECT_EQ(calls_after_end, 0);
  EXPECT_FALSE(IsWindow(handle));
}

}  // namespace
}  // namespace orvx::win
