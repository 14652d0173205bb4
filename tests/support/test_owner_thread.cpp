#include "support/test_owner_thread.h"

namespace orvx::test {

void TestOwnerThread::set_receiver(std::function<void()> receiver) { receiver_ = std::move(receiver); }

void TestOwnerThread::notify() {
  std::lock_guard lock(mutex_);
  ++pending_;
  notified_.notify_all();
}

bool TestOwnerThread::wait_for_notification(std::chrono::steady_clock::time_point until) {
  std::unique_lock lock(mutex_);
  if (!notified_.wait_until(lock, until, [&] { return pending_ > 0; })) return false;
  pending_ = 0;
  return true;
}

bool TestOwnerThread::pump_until(const std::function<bool()>& done) {
  auto until = std::chrono::steady_clock::now() + deadline_;
  while (!done()) {
    if (!wait_for_notification(until)) return false;
    if (receiver_) receiver_();
  }
  return true;
}

}  // namespace orvx::test
