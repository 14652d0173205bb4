#pragma once
// HttpDownload: fetches one resource over plain HTTP (port 80, HTTP/1.0) on a
// worker thread, into a file or a string, and reports progress and the
// outcome through events that run on the thread that owns the component.
//
// Set the properties, call FetchFile or FetchString, handle the events. The
// outcome is exactly one of on_file_done, on_text_done or OnError, preceded by
// any number of OnProgress. A start returns at once; a start while a fetch
// is still running is ignored. An outcome handler may start a fetch on
// another component. A cancelled fetch ends in OnError like a failed one,
// once its worker has stopped; LastFailure() tells the two apart.
//
// No server can hold a fetch for ever: when nothing arrives for StallBound
// (no connection, no answer, no next piece of the body), the fetch ends in
// OnError with FetchFailure::kStalled.
//
// The component belongs to the thread that creates it: its properties,
// methods and events are for that thread only. It must not be destroyed
// from inside one of its own event handlers.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "net/fetch_rules.h"
#include "net/http_download_thread.h"
#include "net/http_transport.h"
#include "net/owner_thread_link.h"

namespace orvx::net {

class FetchChannel;
struct FetchResult;
class HttpDownload;

using ProgressHandler = std::function<void(HttpDownload& sender, int32_t total_size, int32_t received)>;
using FileDoneHandler = std::function<void(HttpDownload& sender, const std::string& file_name, int32_t file_size)>;
using TextDoneHandler = std::function<void(HttpDownload& sender, const std::string& result)>;
using NotifyHandler = std::function<void(HttpDownload& sender)>;

inline constexpr char kDefaultAgent[] = "OrvaneX";
// How long a server may keep a transfer without progress before the fetch
// fails: long enough for a slow line, short enough that a server that
// stopped answering is given up while the user still waits.
inline constexpr std::chrono::milliseconds kDefaultStallBound = std::chrono::seconds(30);

class HttpDownload {
 public:
#ifdef _WIN32
  // wininet, with events delivered through the calling thread's messages.
  HttpDownload();
#endif
  HttpDownload(std::shared_ptr<HttpTransport> transport, std::unique_ptr<OwnerThreadLink> link);
  HttpDownload(const HttpDownload&) = delete;
  HttpDownload& operator=(const HttpDownload&) = delete;
  // Cancels a running fetch; no event reaches the component afterwards.
  ~HttpDownload();

  // Properties, read when a fetch starts.
  std::string accept_types = "*/*";   // the Accept header's value
  std::string agent = kDefaultAgent;  // empty: no user-agent is sent
  // True: a response without Content-Length fails before any body is read.
  bool binary_data = false;
  std::string url;
  bool use_cache = false;  // false: demand a fresh copy, bypassing caches
  std::string file_name;   // target of a file fetch
  std::string user_name;
  std::string password;
  std::string post_query;  // non-empty: POST this as the body
  std::string referer;     // empty: no Referer header
  // The longest time without progress (see above).
  std::chrono::milliseconds stall_bound = kDefaultStallBound;
  // File fetches: the body arrives in a partial file beside FileName (see
  // PartialFileName) and replaces FileName only when it is complete and this
  // check, if set, accepts it; otherwise FileName stays as it was. A response
  // whose status is not 2xx ends in OnError for every fetch.
  FileCheck check_file;

  ProgressHandler on_progress;
  FileDoneHandler on_file_done;
  TextDoneHandler on_text_done;
  NotifyHandler on_error;

  void fetch_file();
  // Each body byte becomes one character; meant for text.
  void fetch_string();
  void cancel_fetch();

  // True while a fetch runs, until its outcome event has returned.
  bool fetching() const { return static_cast<bool>(channel_); }
  // Whether the last fetch that ended succeeded, and why it failed; both
  // are set before the outcome event runs.
  bool last_outcome() const { return last_outcome_; }
  FetchFailure last_failure() const { return last_failure_; }

 private:
  void start(FetchMode mode);
  void deliver();
  void complete(FetchResult result);
  void run_handler(const std::function<void()>& handler);

  std::shared_ptr<HttpTransport> transport_;
  std::unique_ptr<OwnerThreadLink> link_;

  // The running fetch: its channel and thread, and the handler and mode
  // copied at its start. No channel while idle.
  std::shared_ptr<FetchChannel> channel_;
  std::thread worker_;
  ProgressHandler running_progress_;
  FetchMode running_mode_ = FetchMode::kFile;
  std::string running_file_name_;
  bool completing_ = false;

  bool last_outcome_ = false;
  FetchFailure last_failure_ = FetchFailure::kNone;
};

}  // namespace orvx::net
