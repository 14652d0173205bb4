#pragma once
// A stand-in for the message loop of the thread that owns a download
// component, for native tests. Notify() wakes it; PumpUntil() calls the
// receiver on the test's thread whenever a worker has something to hand
// over. Every wait has a deadline, so a broken component fails the test
// instead of hanging it.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

#include "harness/deadline.h"
#include "net/owner_thread_link.h"

namespace orvx::test {

class TestOwnerThread : public net::OwnerThreadLink {
 public:
  explicit TestOwnerThread(std::chrono::milliseconds deadline = harness::kDefaultDeadline) : deadline_(deadline) {}

  void set_receiver(std::function<void()> receiver) override;
  void notify() override;

  // Runs deliveries until `done` is true. False when the deadline passed
  // first.
  bool pump_until(const std::function<bool()>& done);

 private:
  bool wait_for_notification(std::chrono::steady_clock::time_point until);

  std::chrono::milliseconds deadline_;
  std::function<void()> receiver_;
  std::mutex mutex_;
  std::condition_variable notified_;
  int pending_ = 0;
};

}  // namespace orvx::test
