// The download component under Wine: wininet against the test HTTP server
// (tests/net/http_server.py), which the test run starts on port 80 of a
// loopback address and which misbehaves on purpose. Events are checked for
// their order, their thread and their values; files for what they hold; the
// server's request log for what went over the wire.
#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "net/http_download.h"
#include "net/message_window_link_win.h"
#include "platform/error_report.h"
#include "platform/files.h"
#include "platform/scoped_win.h"
#include "support/http_test_server.h"
#include "support/paths.h"
#include "support/scripted_http.h"
#include "support/wait_win.h"
#include "support/recording_reporter.h"

namespace orvx::net {
namespace {

using test::pattern_body;
using Log = std::vector<std::string>;

constexpr char kLogSeparator[] = "----- end of request -----\r\n";

using test::http_server_state_file;
using Server = test::HttpTestServer;

// The head and body of the logged request whose request line is `line`.
std::optional<std::string> logged_request(const std::string& line) {
  std::optional<std::string> log = files::read_file(http_server_state_file("requests.log"));
  if (!log) return std::nullopt;
  size_t start = log->find(line + "\r\n");
  if (start == std::string::npos) return std::nullopt;
  size_t end = log->find(kLogSeparator, start);
  return log->substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// A component (wininet, the calling thread's messages) whose events go into
// one log, each with a mark when it ran on another thread than the test's.
struct Recorded {
  Recorded() {
    get.agent = "ORVX_LANG";
    get.on_progress = [this](HttpDownload&, int32_t total, int32_t readed) {
      progress.push_back({total, readed});
      note("progress");
    };
    get.on_file_done = [this](HttpDownload&, const std::string&, int32_t size) {
      note("file " + std::to_string(size));
    };
    get.on_text_done = [this](HttpDownload&, const std::string& result) {
      body = result;
      note("string");
    };
    get.on_error = [this](HttpDownload&) { note("error"); };
  }
  void note(std::string what) {
    if (GetCurrentThreadId() != owner_thread) what += " (on a foreign thread)";
    // Progress events are many; the log keeps one line for a run of them.
    if (what == "progress" && !log.empty() && log.back() == "progress") return;
    log.push_back(std::move(what));
  }
  bool finish() {
    return static_cast<bool>(test::wait_for("the fetch to end", [&] { return !get.fetching(); }));
  }

  DWORD owner_thread = GetCurrentThreadId();
  HttpDownload get;
  Log log;
  std::vector<std::pair<int32_t, int32_t>> progress;
  std::string body;
};

class HttpGetWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::optional<Server> found = test::find_http_test_server();
    ASSERT_TRUE(found) << "the test HTTP server is not running (" << http_server_state_file("address") << ")";
    server_ = *found;
  }
  std::string url(const std::string& path) { return "http://" + server_.address + path; }
  std::string refused_url(const std::string& path) { return "http://" + server_.refused_address + path; }

  Server server_;
  test::TempFolder dir_;
  Recorded r_;
};

TEST_F(HttpGetWinTest, RequestsAsTheServerSawThem) {
  struct Case {
    const char* what;
    std::string agent, referer, accept, post;
    bool use_cache;
    std::string request_line;
    std::vector<std::string> present;
    std::vector<std::string> absent;
  };
  const Case cases[] = {
      {"language fetch",
       "ORVX_LANG",
       "ORVX",
       "*/*",
       "",
       false,
       "GET /ok/5?case=1 HTTP/1.0",
       {"Accept: */*", "Referer: ORVX", "User-Agent: ORVX_LANG", "Pragma: no-cache"},
       {"Content-Type:"}},
      {"no agent, no referer, cache allowed",
       "",
       "",
       "text/plain",
       "",
       true,
       "GET /ok/5?case=2 HTTP/1.0",
       {"Accept: text/plain"},
       {"User-Agent:", "Referer:", "Pragma:"}},
      {"post",
       "ORV6_update_info",
       "",
       "*/*",
       "v=1.2&lang=de",
       false,
       "POST /ok/5?case=3 HTTP/1.0",
       {"Content-Type: application/x-www-form-urlencoded", "Content-Length: 13", "\r\n\r\nv=1.2&lang=de"},
       {"Referer:"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Recorded fetch;
    fetch.get.agent = c.agent;
    fetch.get.referer = c.referer;
    fetch.get.accept_types = c.accept;
    fetch.get.post_query = c.post;
    fetch.get.use_cache = c.use_cache;
    std::string path = c.request_line.substr(c.request_line.find(' ') + 1);
    path = path.substr(0, path.find(' '));
    // The scheme in capitals is split like one in small letters.
    fetch.get.url = "HTTP://" + server_.address + path;
    fetch.get.fetch_string();
    ASSERT_TRUE(fetch.finish());
    EXPECT_EQ(fetch.log, (Log{"progress", "string"}));
    std::optional<std::string> request = logged_request(c.request_line);
    ASSERT_TRUE(request) << "not in the server's log: " << c.request_line;
    for (const std::string& text : c.present) EXPECT_NE(request->find(text), std::string::npos) << text;
    for (const std::string& text : c.absent) EXPECT_EQ(request->find(text), std::string::npos) << text;
  }
}

// A file fetch into a target that holds "old" beforehand: only a complete
// body with a 2xx status replaces it, and no partial file stays behind.
TEST_F(HttpGetWinTest, FileFetchOutcomes) {
  struct Case {
    std::string path;
    bool binary_data;
    bool refused;
    Log log;
    std::optional<std::string> file;
  };
  const Case cases[] = {
      {"/ok/3000", false, false, {"progress", "file 3000"}, pattern_body(3000)},
      {"/status404/300", false, false, {"error"}, "old"},
      {"/ok/0", false, false, {"file 0"}, ""},
      {"/nolength/2000", false, false, {"progress", "file 2000"}, pattern_body(2000)},
      {"/nolength/2000", true, false, {"error"}, "old"},
      {"/short/1000/600", false, false, {"progress", "error"}, "old"},
      {"/long/1000/1500", false, false, {"progress", "error"}, "old"},
      {"/hangup", false, false, {"error"}, "old"},
      {"/headeronly", false, false, {"error"}, "old"},
      {"/ok/10", false, true, {"error"}, "old"},
      {"/ok/10", true, true, {"error"}, "old"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path + (c.binary_data ? " binary" : "") + (c.refused ? " refused" : ""));
    ASSERT_TRUE(files::write_file(dir_ / "target", "old"));
    Recorded fetch;
    fetch.get.binary_data = c.binary_data;
    fetch.get.url = c.refused ? refused_url(c.path) : url(c.path);
    fetch.get.file_name = dir_ / "target";
    fetch.get.fetch_file();
    ASSERT_TRUE(fetch.finish());
    EXPECT_EQ(fetch.log, c.log);
    EXPECT_EQ(files::read_file(dir_ / "target"), c.file);
    EXPECT_FALSE(files::file_exists(net::partial_file_name(dir_ / "target")));
  }
}

TEST_F(HttpGetWinTest, StringFetchOutcomes) {
  struct Case {
    std::string path;
    bool binary_data;
    Log log;
    std::string body;
  };
  const Case cases[] = {
      {"/nolength/50", false, {"progress", "string"}, pattern_body(50)},
      {"/nolength/50", true, {"error"}, ""},
      {"/status404/30", false, {"error"}, ""},
      {"/ok/0", false, {"error"}, ""},
      {"/short/1000/600", false, {"progress", "error"}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path + (c.binary_data ? " binary" : ""));
    Recorded fetch;
    fetch.get.binary_data = c.binary_data;
    fetch.get.url = url(c.path);
    fetch.get.fetch_string();
    ASSERT_TRUE(fetch.finish());
    EXPECT_EQ(fetch.log, c.log);
    EXPECT_EQ(fetch.body, c.body);
  }
}

TEST_F(HttpGetWinTest, ProgressCountsEveryChunk) {
  const struct {
    std::string path;
    int32_t total;
  } cases[] = {{"/slow/5000/500/10", 5000}, {"/nolength/3000", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    Recorded fetch;
    fetch.get.url = url(c.path);
    fetch.get.file_name = dir_ / "slow";
    fetch.get.fetch_file();
    ASSERT_TRUE(fetch.finish());
    ASSERT_FALSE(fetch.progress.empty());
    int32_t before = 0;
    for (const auto& [total, readed] : fetch.progress) {
      EXPECT_EQ(total, c.total);
      EXPECT_GT(readed, before);
      EXPECT_LE(readed - before, 1025);
      before = readed;
    }
    int32_t size = static_cast<int32_t>(files::file_size(dir_ / "slow").value_or(0));
    EXPECT_EQ(before, size);
  }
}

TEST_F(HttpGetWinTest, SecondStartWhileRunningIsIgnored) {
  r_.get.url = url("/slow/3000/500/20?first");
  r_.get.fetch_string();
  r_.get.url = url("/ok/10?second");
  r_.get.fetch_string();
  r_.get.fetch_file();
  ASSERT_TRUE(r_.finish());
  EXPECT_EQ(r_.log, (Log{"progress", "string"}));
  EXPECT_EQ(r_.body, pattern_body(3000));
  EXPECT_FALSE(logged_request("GET /ok/10?second HTTP/1.0"));
}

TEST_F(HttpGetWinTest, CancelFromProgressEndsInOnError) {
  r_.get.url = url("/slow/200000/1000/20");
  r_.get.file_name = dir_ / "cancelled";
  r_.get.on_progress = [&](HttpDownload& sender, int32_t, int32_t) {
    r_.note("progress");
    sender.cancel_fetch();
  };
  r_.get.fetch_file();
  ASSERT_TRUE(r_.finish());
  EXPECT_EQ(r_.log, (Log{"progress", "error"}));
  // A cancelled download leaves no target and no partial file.
  EXPECT_FALSE(files::file_exists(dir_ / "cancelled"));
  EXPECT_FALSE(files::file_exists(net::partial_file_name(dir_ / "cancelled")));
}

// A window of the test's thread that notes what it receives.
class NoteWindow {
 public:
  explicit NoteWindow(Log& log) : log_(log) {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = &procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "OrvaneX.Test.NoteWindow";
    RegisterClassA(&window_class);
    window_.reset(CreateWindowExA(0, window_class.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  window_class.hInstance, nullptr));
    SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  HWND hwnd() const { return window_.get(); }
  static constexpr UINT kPosted = WM_APP + 7;
  int ticks = 0;
  std::function<void()> on_tick;

 private:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<NoteWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && message == kPosted) {
      self->log_.push_back("posted message");
      return 0;
    }
    if (self && message == WM_TIMER) {
      ++self->ticks;
      if (self->on_tick) self->on_tick();
      return 0;
    }
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }
  Log& log_;
  win::ScopedWindow window_;
};

// The server holds the transfer in the middle until the file named
// `name` + ".release" appears in its state folder. The file is removed
// before the test and written after it, so that nothing stays held.
class HeldTransfer {
 public:
  explicit HeldTransfer(const std::string& name) : release_(http_server_state_file(name + ".release")) {
    files::delete_file(release_);
  }
  ~HeldTransfer() { release(); }
  void release() const { files::write_file(release_, ""); }

 private:
  std::string release_;
};

// The transfer is held in the middle for as long as the test runs: only the
// tick, dispatched while the test waits, can end it.
TEST_F(HttpGetWinTest, TimerCancelsAFetchHeldByTheServer) {
  const HeldTransfer held("cancelling-tick");
  NoteWindow window(r_.log);
  window.on_tick = [&] {
    if (!r_.progress.empty()) r_.get.cancel_fetch();
  };
  ASSERT_TRUE(SetTimer(window.hwnd(), 1, 10, nullptr));
  r_.get.url = url("/held/200000/cancelling-tick");
  r_.get.file_name = dir_ / "download";
  r_.get.fetch_file();
  ASSERT_TRUE(r_.finish());
  KillTimer(window.hwnd(), 1);
  EXPECT_EQ(r_.log, (Log{"progress", "error"}));
  EXPECT_EQ(r_.get.last_failure(), FetchFailure::kCancelled);
}

// The update check's pattern: the outcome handler of one component starts a
// fetch on another.
TEST_F(HttpGetWinTest, AnOutcomeHandlerStartsAFetchOnAnotherComponent) {
  Recorded download;
  r_.get.url = url("/ok/100?update.inf");
  r_.get.file_name = dir_ / "update.dat";
  download.get.url = url("/slow/4000/1000/10");
  download.get.file_name = dir_ / "OrvaneX.tmp";
  Log order;
  r_.get.on_file_done = [&](HttpDownload&, const std::string&, int32_t) {
    order.push_back("update info");
    download.get.fetch_file();
  };
  download.get.on_file_done = [&](HttpDownload&, const std::string&, int32_t size) {
    order.push_back("download " + std::to_string(size));
  };
  r_.get.fetch_file();
  ASSERT_TRUE(r_.finish());
  ASSERT_TRUE(download.finish());
  EXPECT_EQ(order, (Log{"update info", "download 4000"}));
  EXPECT_EQ(files::read_file(dir_ / "OrvaneX.tmp"), pattern_body(4000));
}

// A server that sends a byte now and then: each byte is progress, handed
// over as it comes, and a cancel takes effect at the next one instead of
// once a whole chunk has trickled in.
TEST_F(HttpGetWinTest, ATricklingServerIsFollowedByteByByteAndCancelledAtOnce) {
  r_.get.url = url("/slow/3000/1/100?trickle");
  r_.get.file_name = dir_ / "trickled";
  r_.get.on_progress = [&](HttpDownload& sender, int32_t total, int32_t readed) {
    r_.progress.push_back({total, readed});
    r_.note("progress");
    if (readed >= 3) sender.cancel_fetch();
  };
  r_.get.fetch_file();
  ASSERT_TRUE(r_.finish());
  EXPECT_EQ(r_.log, (Log{"progress", "error"}));
  EXPECT_EQ(r_.get.last_failure(), FetchFailure::kCancelled);
  ASSERT_FALSE(r_.progress.empty());
  EXPECT_EQ(r_.progress.back().second, 3);  // three bytes, three progress events
  EXPECT_FALSE(files::file_exists(dir_ / "trickled"));
  EXPECT_FALSE(files::file_exists(net::partial_file_name(dir_ / "trickled")));
}

// Whatever the component fetches without cache stays out of the system's
// Internet cache as well.
TEST_F(HttpGetWinTest, NothingFetchedLandsInTheInternetCache) {
  const std::string file_url = url("/ok/500?cache-file");
  const std::string string_url = url("/ok/500?cache-string");
  r_.get.url = file_url;
  r_.get.file_name = dir_ / "cached";
  r_.get.fetch_file();
  ASSERT_TRUE(r_.finish());
  r_.get.url = string_url;
  r_.get.fetch_string();
  ASSERT_TRUE(r_.finish());
  EXPECT_EQ(r_.log, (Log{"progress", "file 500", "progress", "string"}));
  for (const std::string& url : {file_url, string_url}) {
    DWORD size = 0;
    EXPECT_FALSE(GetUrlCacheEntryInfoA(url.c_str(), nullptr, &size)) << url;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND)) << url;
  }
}

TEST_F(HttpGetWinTest, DestroyingAComponentWhoseServerStallsReturns) {
  Log log;
  {
    HttpDownload get;
    get.on_progress = [&](HttpDownload&, int32_t, int32_t) { log.push_back("progress"); };
    get.on_file_done = [&](HttpDownload&, const std::string&, int32_t) { log.push_back("file"); };
    get.on_error = [&](HttpDownload&) { log.push_back("error"); };
    get.url = url("/stall");
    get.file_name = dir_ / "stalled";
    get.fetch_file();
    // Once the server has the request, the worker waits for an answer that
    // does not come.
    ASSERT_TRUE(test::wait_for("the server to log the stalled request",
                               [] { return logged_request("GET /stall HTTP/1.0").has_value(); }));
  }
  // The worker still waits, but the component is gone and took its events
  // with it; the target was never created.
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(files::file_exists(dir_ / "stalled"));
}

// No server holds a fetch longer than the stall bound (a short one here):
// one that never answers, and one that stops in the middle of the body.
TEST_F(HttpGetWinTest, AServerThatStopsSendingEndsInOnErrorAfterTheStallBound) {
  const std::string paths[] = {"/stall?timeout", "/slow/40/1/5000?stalled-body"};
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    Recorded fetch;
    fetch.get.stall_bound = std::chrono::milliseconds(500);
    fetch.get.url = url(path);
    fetch.get.file_name = dir_ / "stalled";
    fetch.get.fetch_file();
    ASSERT_TRUE(fetch.finish());
    EXPECT_EQ(fetch.log.back(), "error");
    EXPECT_EQ(fetch.get.last_failure(), FetchFailure::kStalled);
    EXPECT_FALSE(files::file_exists(dir_ / "stalled"));
    EXPECT_FALSE(files::file_exists(net::partial_file_name(dir_ / "stalled")));
  }
}

// A receiver that fails on the owning thread ends in the general error
// handling, and the link goes on delivering.
TEST(MessageWindowLinkWin, AFailingReceiverIsReported) {
  test::RecordingReporter reporter;
  MessageWindowLink link;
  int deliveries = 0;
  link.set_receiver([&] {
    if (++deliveries == 1) throw std::runtime_error("progress bar gone");
  });
  link.notify();
  ASSERT_TRUE(test::wait_for("the first delivery", [&] { return deliveries == 1; }));
  EXPECT_EQ(reporter.reports(), std::vector<std::string>{"progress bar gone"});
  link.notify();
  ASSERT_TRUE(test::wait_for("the second delivery", [&] { return deliveries == 2; }));
  EXPECT_EQ(reporter.reports().size(), 1u);
}

}  // namespace
}  // namespace orvx::net
