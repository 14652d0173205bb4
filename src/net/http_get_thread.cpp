#include "net/http_get_thread.h"

#include <cstdio>
#include <limits>
#include <utility>

namespace orvx::net {
namespace {

constexpr char kFormHeader[] = "Content-Type: application/x-www-form-urlencoded";

struct FileCloser {
  void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};
using ScopedFile = std::unique_ptr<std::FILE, FileCloser>;

// The target file of a file fetch. It is created only once there is
// something to put into it: at once when a length was announced (so that an
// empty body still gives an empty file), otherwise with the first bytes, so
// that a server that sent nothing leaves an existing file untouched.
class TargetFile {
 public:
  explicit TargetFile(std::string path) : path_(std::move(path)) {}

  bool Create() {
    file_.reset(std::fopen(path_.c_str(), "wb"));
    return file_ != nullptr;
  }
  bool Append(const char* data, size_t size) {
    if (!file_ && !Create()) return false;
    // Written through at once, so the file holds what arrived even when the
    // transfer breaks off later.
    return std::fwrite(data, 1, size, file_.get()) == size && std::fflush(file_.get()) == 0;
  }
  bool Close() {
    if (!file_) return true;
    return std::fclose(file_.release()) == 0;
  }

 private:
  std::string path_;
  ScopedFile file_;
};

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
  if (settings.PostQuery.empty()) {
    request.verb = "GET";
  } else {
    request.verb = "POST";
    request.extra_header = kFormHeader;
    request.body = settings.PostQuery;
  }
  return request;
}

THTTPGetThread::THTTPGetThread(FetchSnapshot settings, std::shared_ptr<HttpTransport> transport)
    : settings_(std::move(settings)), transport_(std::move(transport)) {}

FetchResult THTTPGetThread::Execute(FetchControl& control) {
  try {
    FetchResult result = Transfer(control);
    // A cancel forces a failure, however far the transfer got.
    if (control.Cancelled()) result.ok = false;
    return result;
  } catch (...) {
    return {};
  }
}

FetchResult THTTPGetThread::Transfer(FetchControl& control) {
  std::optional<HttpAddress> address = SplitHttpAddress(settings_.URL);
  if (!address || control.Cancelled()) return {};

  std::unique_ptr<HttpResponse> response = transport_->Send(BuildHttpRequest(settings_, *address));
  if (!response || control.Cancelled()) return {};

  std::optional<std::string> length_text = response->ContentLength();
  if (control.Cancelled()) return {};
  if (!length_text && settings_.BinaryData) return {};
  std::optional<int32_t> announced;
  if (length_text) {
    announced = ParseContentLength(*length_text);
    if (!announced) return {};
    FileSize = *announced;
  }

  const bool to_file = settings_.Mode == FetchMode::kFile;
  TargetFile target(settings_.FileName);
  if (to_file && announced && !target.Create()) return {};
  received_ = 0;
  body_.clear();

  bool ended_normally = false;
  char chunk[kChunkSize];
  for (;;) {
    if (control.Cancelled()) return {};
    std::optional<size_t> count = response->Read(chunk, sizeof chunk);
    if (!count) break;
    if (*count == 0) {
      ended_normally = true;
      break;
    }
    // The counts are 32-bit signed: a body that would pass 2 GiB fails
    // rather than wrap around.
    if (*count > sizeof chunk ||
        *count > static_cast<size_t>(std::numeric_limits<int32_t>::max() - received_)) {
      return {};
    }
    if (to_file) {
      if (!target.Append(chunk, *count)) return {};
    } else {
      body_.append(chunk, *count);
    }
    received_ += static_cast<int32_t>(*count);
    if (settings_.ReportProgress) control.Progress(FileSize, received_);
  }

  FetchResult result;
  result.ok = TransferComplete({settings_.Mode, announced, received_, ended_normally});
  result.file_size = announced ? FileSize : received_;
  if (!target.Close()) result.ok = false;
  if (!to_file) result.body = std::move(body_);
  // The response (request, connection, session) is released on return.
  return result;
}

}  // namespace orvx::net
