#pragma once
// The meeting point of one download worker and its component. Both hold it,
// and it outlives whichever goes first: a component that is destroyed while
// its worker still runs abandons the channel, and the worker then finds
// nobody to report to and simply ends.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>

#include "net/http_download_thread.h"
#include "net/owner_thread_link.h"

namespace orvx::net {

struct ProgressReport {
  int32_t total_size = 0;
  int32_t readed = 0;
};

class FetchChannel : public FetchControl {
 public:
  explicit FetchChannel(OwnerThreadLink& link) : link_(&link) {}
  FetchChannel(const FetchChannel&) = delete;
  FetchChannel& operator=(const FetchChannel&) = delete;

  // Worker side.
  bool cancelled() override;
  void progress(int32_t total_size, int32_t readed) override;
  void finish(FetchResult result);

  // Owning thread side.
  void cancel();
  // The progress report the worker waits on, if any. ProgressHandled()
  // lets the worker go on.
  std::optional<ProgressReport> take_progress();
  void progress_handled();
  // The worker's result, exactly once, after it has finished.
  std::optional<FetchResult> take_result();
  // Cancels, releases a waiting worker and stops all further notifications.
  void abandon();
  // True when the worker finished within `timeout`.
  bool wait_finished(std::chrono::milliseconds timeout);

 private:
  void notify_owner();  // with mutex_ held

  std::mutex mutex_;
  std::condition_variable changed_;
  OwnerThreadLink* link_;  // null once abandoned
  bool cancelled_ = false;
  std::optional<ProgressReport> progress_;
  bool progress_taken_ = false;
  std::optional<FetchResult> result_;
  bool finished_ = false;
};

}  // namespace orvx::net
