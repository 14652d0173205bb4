#pragma once
// Drives a modal window from a second thread while the test's thread runs
// the modal loop (a dialog, a message box, a popup menu).
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

namespace orvx::test {

// Closes whatever the thread shows, so that a driver that did not find its
// window cannot leave the test hanging in a modal loop.
void unstick_thread(DWORD thread_id);

// Runs `drive` on a second thread; join() waits for it. The driver talks to
// the windows only with messages, which the modal loop dispatches. When
// `drive` returns false (it did not find what it waited for), the windows of
// the test's thread are closed.
class Driver {
 public:
  explicit Driver(std::function<bool()> drive)
      : thread_([drive = std::move(drive), ui_thread = GetCurrentThreadId(), this] {
          ok_ = drive();
          if (!ok_) unstick_thread(ui_thread);
        }) {}
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;
  ~Driver() { join(); }
  // True when the driver found and drove its window.
  bool join() {
    if (thread_.joinable()) thread_.join();
    return ok_;
  }

 private:
  std::atomic<bool> ok_{false};
  std::thread thread_;
};

}  // namespace orvx::test
