#include "net/http_download_thread.h"

#include <cstdio>
#include <limits>
#include <utility>

#include "platform/files.h"

namespace orvx::net {
namespace {

constexpr char kFormHeader[] = "Content-Type: application/x-www-form-urlencoded";

struct FileCloser {
  void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};
using ScopedFile = std::unique_ptr<std::FILE, FileCloser>;

// The target file of a file fetch. The body goes into a partial file beside
// the target; only a complete body that passes the caller's check replaces
// the target, so a failed or cut-off download never destroys a file that was
// there before. Whatever ends the fetch otherwise, the partial file goes.
class TargetFile {
 public:
  explicit TargetFile(std::string path) : path_(std::move(path)), partial_(partial_file_name(path_)) {}
  TargetFile(const TargetFile&) = delete;
  TargetFile& operator=(const TargetFile&) = delete;
  ~TargetFile() {
    if (!created_) return;
    file_.reset();
    files::delete_file(partial_);
  }

  bool create() {
    file_.reset(std::fopen(partial_.c_str(), "wb"));
    created_ = file_ != nullptr;
    return created_;
  }
  bool append(const char* data, size_t size) {
    if (!file_ && !create()) return false;
    return std::fwrite(data, 1, size, file_.get()) == size;
  }
  // Closes the partial file, checks it and moves it over the target:
  // kNone when the target holds the new file now.
  FetchFailure install(const FileCheck& check) {
    if (!created_ && !create()) return FetchFailure::kLocalFile;
    if (std::fclose(file_.release()) != 0) return FetchFailure::kLocalFile;
    if (check && !check(partial_)) return FetchFailure::kRefused;
    if (!files::replace_file(partial_, path_)) return FetchFailure::kLocalFile;
    created_ = false;
    return FetchFailure::kNone;
  }

 private:
  std::string path_;
  std::string partial_;
  ScopedFile file_;
  bool created_ = false;
};

FetchResult failed(FetchFailure why) {
  FetchResult result;
  result.failure = why;
  return result;
}

// A stall bound as the transport takes it: whole milliseconds, at least one.
uint32_t stall_milliseconds(std::chrono::milliseconds bound) {
  const std::chrono::milliseconds::rep count = bound.count();
  if (count < 1) return 1;
  if (count > static_cast<std::chrono::milliseconds::rep>(std::numeric_limits<uint32_t>::max())) {
    return std::numeric_limits<uint32_t>::max();
  }
  return static_cast<uint32_t>(count);
}

}  // namespace

HttpRequest build_http_request(const FetchSnapshot& settings, const HttpAddress& address) {
  HttpRequest request;
  request.agent = settings.agent;
  request.host = address.host;
  request.user_name = settings.user_name;
  request.password = settings.password;
  request.path = address.path;
  request.referer = settings.referer;
  request.accept_types = settings.accept_types;
  request.reload = !settings.use_cache;
  request.stall_timeout_ms = stall_milliseconds(settings.stall_bound);
  if (settings.post_query.empty()) {
    request.verb = "GET";
  } else {
    request.verb = "POST";
    request.extra_header = kFormHeader;
    request.body = settings.post_query;
  }
  return request;
}

HttpDownloadThread::HttpDownloadThread(FetchSnapshot settings, std::shared_ptr<HttpTransport> transport)
    : settings_(std::move(settings)), transport_(std::move(transport)) {}

FetchResult HttpDownloadThread::execute(FetchControl& control) {
  try {
    FetchResult result = transfer(control);
    // A cancel forces a failure, however far the transfer got.
    if (control.cancelled()) {
      result.ok = false;
      result.failure = FetchFailure::kCancelled;
    }
    return result;
  } catch (...) {
    return failed(control.cancelled() ? FetchFailure::kCancelled : FetchFailure::kIncomplete);
  }
}

FetchResult HttpDownloadThread::transfer(FetchControl& control) {
  constexpr FetchFailure kCancelled = FetchFailure::kCancelled;
  std::optional<HttpAddress> address = split_http_address(settings_.url);
  if (!address) return failed(FetchFailure::kNoConnection);
  if (control.cancelled()) return failed(kCancelled);

  std::unique_ptr<HttpResponse> response = transport_->send(build_http_request(settings_, *address));
  if (!response) return failed(FetchFailure::kNoConnection);
  if (control.cancelled()) return failed(kCancelled);

  std::optional<std::string> length_text = response->content_length();
  if (control.cancelled()) return failed(kCancelled);
  const std::optional<int> status = response->status_code();
  if (!status) return failed(response->timed_out() ? FetchFailure::kStalled : FetchFailure::kNoConnection);
  if (!status_accepted(status)) return failed(FetchFailure::kServerStatus);
  if (!length_text && settings_.binary_data) return failed(FetchFailure::kIncomplete);
  std::optional<int32_t> announced;
  if (length_text) {
    announced = parse_content_length(*length_text);
    if (!announced) return failed(FetchFailure::kIncomplete);
    file_size_ = *announced;
  }

  const bool to_file = settings_.mode == FetchMode::kFile;
  TargetFile target(settings_.file_name);
  if (to_file && announced && !target.create()) return failed(FetchFailure::kLocalFile);
  received_ = 0;
  body_.clear();

  bool ended_normally = false;
  bool timed_out = false;
  char chunk[kChunkSize];
  for (;;) {
    if (control.cancelled()) return failed(kCancelled);
    std::optional<size_t> count = response->read(chunk, sizeof chunk);
    if (!count) {
      timed_out = response->timed_out();
      break;
    }
    if (*count == 0) {
      ended_normally = true;
      break;
    }
    // The counts are 32-bit signed: a body that would pass 2 GiB fails
    // rather than wrap around.
    if (*count > sizeof chunk || *count > static_cast<size_t>(std::numeric_limits<int32_t>::max() - received_)) {
      return failed(FetchFailure::kIncomplete);
    }
    if (to_file) {
      if (!target.append(chunk, *count)) return failed(FetchFailure::kLocalFile);
    } else {
      body_.append(chunk, *count);
    }
    received_ += static_cast<int32_t>(*count);
    if (settings_.report_progress) control.progress(file_size_, received_);
  }

  FetchResult result;
  result.ok = transfer_complete({settings_.mode, announced, received_, ended_normally});
  if (!result.ok) result.failure = timed_out ? FetchFailure::kStalled : FetchFailure::kIncomplete;
  result.file_size = announced ? file_size_ : received_;
  if (to_file && result.ok) {
    if (control.cancelled()) return failed(kCancelled);
    result.failure = target.install(settings_.check);
    result.ok = result.failure == FetchFailure::kNone;
  }
  if (!to_file) result.body = std::move(body_);
  // The response (request, connection, session) is released on return.
  return result;
}

}  // namespace orvx::net
