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
  explicit TargetFile(std::string path) : path_(std::move(path)), partial_(PartialFileName(path_)) {}
  TargetFile(const TargetFile&) = delete;
  TargetFile& operator=(const TargetFile&) = delete;
  ~TargetFile() {
    if (!created_) return;
    file_.reset();
    files::delete_file(partial_);
  }

  bool Create() {
    file_.reset(std::fopen(partial_.c_str(), "wb"));
    created_ = file_ != nullptr;
    return created_;
  }
  bool Append(const char* data, size_t size) {
    if (!file_ && !Create()) return false;
    return std::fwrite(data, 1, size, file_.get()) == size;
  }
  // Closes the partial file, checks it and moves it over the target:
  // kNone when the target holds the new file now.
  FetchFailure Install(const FileCheck& check) {
    if (!created_ && !Create()) return FetchFailure::kLocalFile;
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

FetchResult Failed(FetchFailure why) {
  FetchResult result;
  result.failure = why;
  return result;
}

// A stall bound as the transport takes it: whole milliseconds, at least one.
uint32_t StallMilliseconds(std::chrono::milliseconds bound) {
  const std::chrono::milliseconds::rep count = bound.count();
  if (count < 1) return 1;
  if (count > static_cast<std::chrono::milliseconds::rep>(std::numeric_limits<uint32_t>::max())) {
    return std::numeric_limits<uint32_t>::max();
  }
  return static_cast<uint32_t>(count);
}

}  // namespace

HttpRequest BuildHttpRequest(const FetchSnapshot& settings, const HttpAddress& address) {
  HttpRequest request;
  request.agent = settings.Agent;
  request.host = address.host;
  request.user_name = settings.UserName;
  request.password = settings.Password;
  request.path = address.path;
  request.referer = settings.Referer;
  request.accept_types = settings.AcceptTypes;
  request.reload = !settings.UseCache;
  request.stall_timeout_ms = StallMilliseconds(settings.StallBound);
  if (settings.PostQuery.empty()) {
    request.verb = "GET";
  } else {
    request.verb = "POST";
    request.extra_header = kFormHeader;
    request.body = settings.PostQuery;
  }
  return request;
}

HttpDownloadThread::HttpDownloadThread(FetchSnapshot settings, std::shared_ptr<HttpTransport> transport)
    : settings_(std::move(settings)), transport_(std::move(transport)) {}

FetchResult HttpDownloadThread::Execute(FetchControl& control) {
  try {
    FetchResult result = Transfer(control);
    // A cancel forces a failure, however far the transfer got.
    if (control.Cancelled()) {
      result.ok = false;
      result.failure = FetchFailure::kCancelled;
    }
    return result;
  } catch (...) {
    return Failed(control.Cancelled() ? FetchFailure::kCancelled : FetchFailure::kIncomplete);
  }
}

FetchResult HttpDownloadThread::Transfer(FetchControl& control) {
  constexpr FetchFailure kCancelled = FetchFailure::kCancelled;
  std::optional<HttpAddress> address = SplitHttpAddress(settings_.URL);
  if (!address) return Failed(FetchFailure::kNoConnection);
  if (control.Cancelled()) return Failed(kCancelled);

  std::unique_ptr<HttpResponse> response = transport_->Send(BuildHttpRequest(settings_, *address));
  if (!response) return Failed(FetchFailure::kNoConnection);
  if (control.Cancelled()) return Failed(kCancelled);

  std::optional<std::string> length_text = response->ContentLength();
  if (control.Cancelled()) return Failed(kCancelled);
  const std::optional<int> status = response->StatusCode();
  if (!status) return Failed(response->TimedOut() ? FetchFailure::kStalled : FetchFailure::kNoConnection);
  if (!StatusAccepted(status)) return Failed(FetchFailure::kServerStatus);
  if (!length_text && settings_.BinaryData) return Failed(FetchFailure::kIncomplete);
  std::optional<int32_t> announced;
  if (length_text) {
    announced = ParseContentLength(*length_text);
    if (!announced) return Failed(FetchFailure::kIncomplete);
    FileSize = *announced;
  }

  const bool to_file = settings_.Mode == FetchMode::kFile;
  TargetFile target(settings_.FileName);
  if (to_file && announced && !target.Create()) return Failed(FetchFailure::kLocalFile);
  received_ = 0;
  body_.clear();

  bool ended_normally = false;
  bool timed_out = false;
  char chunk[kChunkSize];
  for (;;) {
    if (control.Cancelled()) return Failed(kCancelled);
    std::optional<size_t> count = response->Read(chunk, sizeof chunk);
    if (!count) {
      timed_out = response->TimedOut();
      break;
    }
    if (*count == 0) {
      ended_normally = true;
      break;
    }
    // The counts are 32-bit signed: a body that would pass 2 GiB fails
    // rather than wrap around.
    if (*count > sizeof chunk ||
        *count > static_cast<size_t>(std::numeric_limits<int32_t>::max() - received_)) {
      return Failed(FetchFailure::kIncomplete);
    }
    if (to_file) {
      if (!target.Append(chunk, *count)) return Failed(FetchFailure::kLocalFile);
    } else {
      body_.append(chunk, *count);
    }
    received_ += static_cast<int32_t>(*count);
    if (settings_.ReportProgress) control.Progress(FileSize, received_);
  }

  FetchResult result;
  result.ok = TransferComplete({settings_.Mode, announced, received_, ended_normally});
  if (!result.ok) result.failure = timed_out ? FetchFailure::kStalled : FetchFailure::kIncomplete;
  result.file_size = announced ? FileSize : received_;
  if (to_file && result.ok) {
    if (control.Cancelled()) return Failed(kCancelled);
    result.failure = target.Install(settings_.Check);
    result.ok = result.failure == FetchFailure::kNone;
  }
  if (!to_file) result.body = std::move(body_);
  // The response (request, connection, session) is released on return.
  return result;
}

}  // namespace orvx::net
