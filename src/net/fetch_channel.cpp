#include "net/fetch_channel.h"

#include <utility>

namespace orvx::net {

bool FetchChannel::cancelled() {
  std::lock_guard lock(mutex_);
  return cancelled_;
}

void FetchChannel::progress(int32_t total_size, int32_t readed) {
  std::unique_lock lock(mutex_);
  if (!link_) return;
  progress_ = ProgressReport{total_size, readed};
  progress_taken_ = false;
  notify_owner();
  changed_.wait(lock, [&] { return !progress_ || !link_; });
  progress_.reset();
}

void FetchChannel::finish(FetchResult result) {
  std::lock_guard lock(mutex_);
  result_ = std::move(result);
  finished_ = true;
  notify_owner();
  changed_.notify_all();
}

void FetchChannel::cancel() {
  std::lock_guard lock(mutex_);
  cancelled_ = true;
}

std::optional<ProgressReport> FetchChannel::take_progress() {
  std::lock_guard lock(mutex_);
  if (!progress_ || progress_taken_) return std::nullopt;
  progress_taken_ = true;
  return progress_;
}

void FetchChannel::progress_handled() {
  std::lock_guard lock(mutex_);
  progress_.reset();
  changed_.notify_all();
}

std::optional<FetchResult> FetchChannel::take_result() {
  std::lock_guard lock(mutex_);
  if (!finished_ || !result_) return std::nullopt;
  std::optional<FetchResult> result = std::move(result_);
  result_.reset();
  return result;
}

void FetchChannel::abandon() {
  std::lock_guard lock(mutex_);
  cancelled_ = true;
  link_ = nullptr;
  changed_.notify_all();
}

bool FetchChannel::wait_finished(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, timeout, [&] { return finished_; });
}

void FetchChannel::notify_owner() {
  if (link_) link_->notify();
}

}  // namespace orvx::net
