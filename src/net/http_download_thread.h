#pragma once
// The worker of one download: it copies the component's settings when it is
// created, so later changes to the component do not touch a running fetch,
// then runs the whole transfer on its own thread. It touches no window; the
// only ways out are the FetchControl it is given and its result.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "net/fetch_rules.h"
#include "net/http_address.h"
#include "net/http_transport.h"

namespace orvx::net {

// Whether a completely received file may replace the target: given the path
// of the received file, before it is moved. Runs on the worker thread, so it
// must touch no window; it must not throw.
using FileCheck = std::function<bool(const std::string& received_file)>;

// The component's settings at the start of a fetch.
struct FetchSnapshot {
  std::string accept_types;
  std::string agent;
  std::string url;
  std::string file_name;
  std::string user_name;
  std::string password;
  std::string post_query;
  std::string referer;
  bool binary_data = false;
  bool use_cache = false;
  bool report_progress = false;  // an OnProgress handler was set
  FileCheck check;               // file mode; none: every complete file passes
  FetchMode mode = FetchMode::kFile;
  // The longest the server may keep the transfer without progress.
  std::chrono::milliseconds stall_bound{30000};
};

struct FetchResult {
  bool ok = false;
  // Why it failed; kNone when ok.
  FetchFailure failure = FetchFailure::kNone;
  // The announced length; without one, the bytes received. In file mode it
  // always equals the bytes written when the fetch succeeded.
  int32_t file_size = 0;
  std::string body;  // string mode only
};

// What the worker may ask of the thread that owns the component.
class FetchControl {
 public:
  virtual ~FetchControl() = default;
  // True once the fetch was cancelled; polled between the steps.
  virtual bool cancelled() = 0;
  // Hands one progress report to the owning thread and returns after its
  // handler has run (or at once when the owner is gone).
  virtual void progress(int32_t total_size, int32_t readed) = 0;
};

// The request a fetch sends: GET, or POST with its one header when there is
// post data; HTTP/1.0; the component's Accept value and Referer.
HttpRequest build_http_request(const FetchSnapshot& settings, const HttpAddress& address);

class HttpDownloadThread {
 public:
  static constexpr size_t kChunkSize = 1025;

  HttpDownloadThread(FetchSnapshot settings, std::shared_ptr<HttpTransport> transport);

  // Runs the transfer to its end. Never throws: any error is a failed fetch,
  // with the target file closed and every handle released.
  FetchResult execute(FetchControl& control);

 private:
  FetchResult transfer(FetchControl& control);

  FetchSnapshot settings_;
  std::shared_ptr<HttpTransport> transport_;
  // Transfer state.
  int32_t file_size_ = 0;  // announced length, 0 while none is known
  int32_t received_ = 0;
  std::string body_;
};

}  // namespace orvx::net
