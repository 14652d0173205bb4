#include "support/test_owner_thread.h"

#include <stdexcept>

namespace orvx::test {

void TestOwnerThread::SetReceiver(std::function<void()> receiver) {
  receiver_ = std::move(receiver);
}

void TestOwnerThread::Notify() {
  std::lock_guard lock(mutex_);
  ++pending_;
  notified_.notify_all();
}

bool TestOwnerThread::WaitForNotification(std::chrono::steady_clock::time_point until) {
  std::unique_lock lock(mutex_);
  if (!notified_.wait_until(lock, until, [&] { return pending_ > 0; })) return false;
  pending_ = 0;
  return true;
}

void TestOwnerThread::RunUntil(const std::function<bool()>& done,
                               const std::function<void()>& on_quit) {
  auto until = std::chrono::steady_clock::now() + deadline_;
  bool quit = false;
  while (!done()) {
    if (quit_requested_) {
      quit_requested_ = false;
      quit = true;
      on_quit();
    }
    if (!WaitForNotification(until)) throw std::runtime_error("no delivery before the deadline");
    if (receiver_) receiver_();
  }
  if (quit) ++quits_passed_on_;
}

bool TestOwnerThread::PumpUntil(const std::function<bool()>& done) {
  auto until = std::chrono::steady_clock::now() + deadline_;
  while (!done()) {
    if (!WaitForNotification(until)) return false;
    if (receiver_) receiver_();
  }
  return true;
}

}  // namespace orvx::test
