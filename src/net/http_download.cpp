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
  link_->SetReceiver([this] { Deliver(); });
}

HttpDownload::~HttpDownload() {
  if (!channel_) return;
  channel_->Abandon();
  if (!worker_.joinable()) return;
  if (channel_->WaitFinished(kWorkerGraceOnDestroy)) {
    worker_.join();
  } else {
    worker_.detach();
  }
}

void HttpDownload::FetchFile() { Start(FetchMode::kFile); }

void HttpDownload::FetchString() { Start(FetchMode::kString); }

void HttpDownload::CancelFetch() {
  if (channel_) channel_->Cancel();
}

void HttpDownload::Start(FetchMode mode) {
  if (channel_) return;

  FetchSnapshot settings;
  settings.AcceptTypes = AcceptTypes;
  settings.Agent = Agent;
  settings.URL = URL;
  settings.FileName = FileName;
  settings.UserName = UserName;
  settings.Password = Password;
  settings.PostQuery = PostQuery;
  settings.Referer = Referer;
  settings.BinaryData = BinaryData;
  settings.UseCache = UseCache;
  settings.ReportProgress = static_cast<bool>(OnProgress);
  settings.Check = CheckFile;
  settings.Mode = mode;
  settings.StallBound = StallBound;

  running_progress_ = OnProgress;
  running_mode_ = mode;
  running_file_name_ = FileName;

  auto channel = std::make_shared<FetchChannel>(*link_);
  auto worker = std::make_shared<HttpDownloadThread>(std::move(settings), transport_);
  channel_ = channel;
  try {
    worker_ = std::thread([worker, channel] { channel->Finish(worker->Execute(*channel)); });
  } catch (const std::system_error&) {
    // No thread to be had: the fetch fails like any other, through OnError.
    channel->Finish(FetchResult{});
  }
}

void HttpDownload::Deliver() {
  if (!channel_ || completing_) return;
  std::shared_ptr<FetchChannel> channel = channel_;
  if (std::optional<ProgressReport> report = channel->TakeProgress()) {
    if (running_progress_) {
      RunHandler([&] { running_progress_(*this, report->total_size, report->readed); });
    }
    channel->ProgressHandled();
  }
  if (std::optional<FetchResult> result = channel->TakeResult()) Complete(std::move(*result));
}

void HttpDownload::Complete(FetchResult result) {
  // The worker has handed over its result as its last step; it is ending.
  if (worker_.joinable()) worker_.join();
  const bool cancelled = channel_->Cancelled();
  const bool ok = result.ok && !cancelled;
  last_outcome_ = ok;
  last_failure_ = ok ? FetchFailure::kNone : cancelled ? FetchFailure::kCancelled : result.failure;
  // A worker that could not even start says nothing of why.
  if (!ok && last_failure_ == FetchFailure::kNone) last_failure_ = FetchFailure::kNoConnection;

  // The fetch counts as running until its outcome event has returned: a
  // start from inside the handler is ignored like any other second start.
  completing_ = true;
  if (!ok) {
    if (OnError) RunHandler([&] { OnError(*this); });
  } else if (running_mode_ == FetchMode::kFile) {
    if (on_file_done) RunHandler([&] { on_file_done(*this, running_file_name_, result.file_size); });
  } else {
    if (on_text_done) RunHandler([&] { on_text_done(*this, result.body); });
  }
  completing_ = false;

  channel_.reset();
  running_progress_ = nullptr;
}

void HttpDownload::RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    // A failing handler ends the fetch. There is no caller left to take
    // the error: it goes to the general error handling rather than into the
    // message dispatch that called us.
    if (channel_) channel_->Cancel();
    errors::report_current_exception();
  }
}

}  // namespace orvx::net
