#include "net/http_download.h"

#include <chrono>
#include <system_error>
#include <utility>

#include "net/fetch_channel.h"
#include "net/http_download_thread.h"
#include "platform/error_report.h"

namespace orvx::net {
namespace {

// How long a component that is being destroyed waits for its cancelled
// worker to end. A worker stuck in a network read keeps running past this,
// detached; it holds only its own state and the shared channel, ends when
// the read returns, and never reaches the component again.
constexpr std::chrono::seconds kWorkerGraceOnDestroy{2};

}  // namespace

HttpDownload::HttpDownload(std::shared_ptr<HttpTransport> transport, std::unique_ptr<OwnerThreadLink> link)
    : transport_(std::move(transport)), link_(std::move(link)) {
  link_->set_receiver([this] { deliver(); });
}

HttpDownload::~HttpDownload() {
  if (!channel_) return;
  channel_->abandon();
  if (!worker_.joinable()) return;
  if (channel_->wait_finished(kWorkerGraceOnDestroy)) {
    worker_.join();
  } else {
    worker_.detach();
  }
}

void HttpDownload::fetch_file() { start(FetchMode::kFile); }

void HttpDownload::fetch_string() { start(FetchMode::kString); }

void HttpDownload::cancel_fetch() {
  if (channel_) channel_->cancel();
}

void HttpDownload::start(FetchMode mode) {
  if (channel_) return;

  FetchSnapshot settings;
  settings.accept_types = accept_types;
  settings.agent = agent;
  settings.url = url;
  settings.file_name = file_name;
  settings.user_name = user_name;
  settings.password = password;
  settings.post_query = post_query;
  settings.referer = referer;
  settings.binary_data = binary_data;
  settings.use_cache = use_cache;
  settings.report_progress = static_cast<bool>(on_progress);
  settings.check = check_file;
  settings.mode = mode;
  settings.stall_bound = stall_bound;

  running_progress_ = on_progress;
  running_mode_ = mode;
  running_file_name_ = file_name;

  auto channel = std::make_shared<FetchChannel>(*link_);
  auto worker = std::make_shared<HttpDownloadThread>(std::move(settings), transport_);
  channel_ = channel;
  try {
    worker_ = std::thread([worker, channel] { channel->finish(worker->execute(*channel)); });
  } catch (const std::system_error&) {
    // No thread to be had: the fetch fails like any other, through OnError.
    channel->finish(FetchResult{});
  }
}

void HttpDownload::deliver() {
  if (!channel_ || completing_) return;
  std::shared_ptr<FetchChannel> channel = channel_;
  if (std::optional<ProgressReport> report = channel->take_progress()) {
    if (running_progress_) {
      run_handler([&] { running_progress_(*this, report->total_size, report->readed); });
    }
    channel->progress_handled();
  }
  if (std::optional<FetchResult> result = channel->take_result()) complete(std::move(*result));
}

void HttpDownload::complete(FetchResult result) {
  // The worker has handed over its result as its last step; it is ending.
  if (worker_.joinable()) worker_.join();
  const bool cancelled = channel_->cancelled();
  const bool ok = result.ok && !cancelled;
  last_outcome_ = ok;
  last_failure_ = ok ? FetchFailure::kNone : cancelled ? FetchFailure::kCancelled : result.failure;
  // A worker that could not even start says nothing of why.
  if (!ok && last_failure_ == FetchFailure::kNone) last_failure_ = FetchFailure::kNoConnection;

  // The fetch counts as running until its outcome event has returned: a
  // start from inside the handler is ignored like any other second start.
  completing_ = true;
  if (!ok) {
    if (on_error) run_handler([&] { on_error(*this); });
  } else if (running_mode_ == FetchMode::kFile) {
    if (on_file_done) run_handler([&] { on_file_done(*this, running_file_name_, result.file_size); });
  } else {
    if (on_text_done) run_handler([&] { on_text_done(*this, result.body); });
  }
  completing_ = false;

  channel_.reset();
  running_progress_ = nullptr;
}

void HttpDownload::run_handler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    // A failing handler ends the fetch. There is no caller left to take
    // the error: it goes to the general error handling rather than into the
    // message dispatch that called us.
    if (channel_) channel_->cancel();
    errors::report_current_exception();
  }
}

}  // namespace orvx::net
