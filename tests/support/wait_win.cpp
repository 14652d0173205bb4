#include "support/wait_win.h"

#include <windows.h>

#include <algorithm>
#include <chrono>

namespace orvx::test {

namespace {

void dispatch_queued() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

::testing::AssertionResult wait_for(const std::string& what, const std::function<bool()>& done, int timeout_ms) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    dispatch_queued();
    if (done()) return ::testing::AssertionSuccess();
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
      return ::testing::AssertionFailure() << "timed out after " << timeout_ms << " ms waiting for " << what;
    }
    // Wakes for a message at once, otherwise polls again soon.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<long long>(left, 20)), QS_ALLINPUT);
  }
}

void pump_pending() {
  for (int round = 0; round < 3; ++round) dispatch_queued();
}

}  // namespace orvx::test
