#pragma once
// A stand-in for the message loop of the thread that owns a download
// component, for native tests. Notify() wakes it; RunUntil() and PumpUntil()
// call the receiver on the test's thread whenever a worker has something to
// hand over. Every wait has a deadline: RunUntil throws when it passes, so a
// broken component fails the test instead of hanging it.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

#include "net/owner_thread_link.h"

namespace orvx::test {

class TestOwnerThread : public net::OwnerThreadLink {
 public:
  explicit TestOwnerThread(std::chrono::milliseconds deadline = std::chrono::seconds(20))
      : deadline_(deadline) {}

  void SetReceiver(std::function<void()> receiver) override;
  void Notify() override;
  void RunUntil(const std::function<bool()>& done, const std::function<void()>& on_quit) override;

  // For fetches that do not wait: runs deliveries until `done` is true.
  // False when the deadline passed first.
  bool PumpUntil(const std::function<bool()>& done);

  // The next RunUntil sees a request to end the thread, as WM_QUIT would be.
  void RequestQuit() { quit_requested_ = true; }
  // How many quit requests RunUntil passed on after its wait.
  int quits_passed_on() const { return quits_passed_on_; }

 private:
  bool WaitForNotification(std::chrono::steady_clock::time_point until);

  std::chrono::milliseconds deadline_;
  std::function<void()> receiver_;
  std::mutex mutex_;
  std::condition_variable notified_;
  int pending_ = 0;
  bool quit_requested_ = false;
  int quits_passed_on_ = 0;
};

}  // namespace orvx::test
