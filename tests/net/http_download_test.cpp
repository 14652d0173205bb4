// The download component with real worker threads, a scripted HTTP stack and
// a stand-in for the owning thread's message loop: which events arrive, in
// which order and on which thread, and how starts, cancels, the stall bound
// and the component's end behave.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "net/http_download.h"
#include "platform/error_report.h"
#include "platform/files.h"
#include "support/eventually.h"
#include "support/paths.h"
#include "support/scripted_http.h"
#include "support/test_owner_thread.h"
#include "support/recording_reporter.h"

namespace orvx::net {
namespace {

using namespace std::chrono_literals;
using test::Gate;
using test::pattern_body;
using test::ScriptedReply;

// A component whose events are written into one log, with the thread each
// ran on.
struct Recorded {
  explicit Recorded(std::shared_ptr<test::ScriptedHttp> http) {
    auto link = std::make_unique<test::TestOwnerThread>();
    owner = link.get();
    get = std::make_unique<HttpDownload>(std::move(http), std::move(link));
    get->on_progress = [this](HttpDownload& sender, int32_t total, int32_t readed) {
      note(sender, "progress " + std::to_string(total) + " " + std::to_string(readed));
    };
    get->on_file_done = [this](HttpDownload& sender, const std::string& name, int32_t size) {
      note(sender, "file " + files::name_of(name) + " " + std::to_string(size));
    };
    get->on_text_done = [this](HttpDownload& sender, const std::string& result) { note(sender, "string " + result); };
    get->on_error = [this](HttpDownload& sender) { note(sender, "error"); };
  }

  void note(HttpDownload& sender, std::string what) {
    EXPECT_EQ(&sender, get.get());
    if (std::this_thread::get_id() != owner_thread) what += " (on a foreign thread)";
    log.push_back(std::move(what));
  }
  // Runs deliveries until the fetch has ended.
  bool finish() {
    return owner->pump_until([&] { return !get->fetching(); });
  }

  std::thread::id owner_thread = std::this_thread::get_id();
  test::TestOwnerThread* owner = nullptr;
  std::unique_ptr<HttpDownload> get;
  std::vector<std::string> log;
};

class HttpGetTest : public ::testing::Test {
 protected:
  std::string url(const std::string& path) { return "http://server.test" + path; }

  test::TempFolder dir_;
  std::shared_ptr<test::ScriptedHttp> http_ = std::make_shared<test::ScriptedHttp>();
  Recorded a_{http_};
};

using Log = std::vector<std::string>;

TEST_F(HttpGetTest, FileFetchReportsProgressThenDoneOnTheOwningThread) {
  http_->reply("/lang/english.qlf", ScriptedReply::length("2000", {pattern_body(2000)}));
  a_.get->url = url("/lang/english.qlf");
  a_.get->file_name = dir_ / "english.qlf";
  a_.get->fetch_file();
  ASSERT_TRUE(a_.finish());
  EXPECT_EQ(a_.log, (Log{"progress 2000 1025", "progress 2000 2000", "file english.qlf 2000"}));
  EXPECT_EQ(files::read_file(dir_ / "english.qlf"), pattern_body(2000));
}

TEST_F(HttpGetTest, StringFetchDeliversTheBody) {
  http_->reply("/lang.dat", ScriptedReply::no_length({"english,french"}));
  a_.get->url = url("/lang.dat");
  a_.get->fetch_string();
  ASSERT_TRUE(a_.finish());
  EXPECT_EQ(a_.log, (Log{"progress 0 14", "string english,french"}));
}

TEST_F(HttpGetTest, FailureEndsInOnErrorOnly) {
  a_.get->url = url("/nobody-answers");
  a_.get->fetch_string();
  ASSERT_TRUE(a_.finish());
  EXPECT_EQ(a_.log, (Log{"error"}));
  EXPECT_FALSE(a_.get->last_outcome());
  EXPECT_EQ(a_.get->last_failure(), FetchFailure::kNoConnection);
}

// What OnError's handler finds in LastFailure, for each way a fetch fails;
// a success clears it again.
TEST_F(HttpGetTest, LastFailureSaysWhyTheFetchFailed) {
  struct Case {
    const char* what;
    ScriptedReply reply;
    FetchFailure failure;
    FileCheck check = nullptr;
  };
  const Case cases[] = {
      {"no server", ScriptedReply::not_openable(), FetchFailure::kNoConnection},
      {"no answer in time", ScriptedReply::no_answer_in_time(), FetchFailure::kStalled},
      {"error page", ScriptedReply::length("4", {"gone"}).with_status(404), FetchFailure::kServerStatus},
      {"cut off", ScriptedReply::length("9", {"hello"}), FetchFailure::kIncomplete},
      {"stalled in the body", ScriptedReply::length("9", {"hello"}).stalls_at_end(), FetchFailure::kStalled},
      {"refused by the check", ScriptedReply::length("5", {"hello"}), FetchFailure::kRefused,
       [](const std::string&) { return false; }},
      {"complete", ScriptedReply::length("5", {"hello"}), FetchFailure::kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    http_->reply("/f", c.reply);
    a_.get->url = url("/f");
    a_.get->file_name = dir_ / "f";
    a_.get->check_file = c.check;
    std::optional<FetchFailure> seen_in_handler;
    a_.get->on_error = [&](HttpDownload& sender) { seen_in_handler = sender.last_failure(); };
    a_.get->fetch_file();
    ASSERT_TRUE(a_.finish());
    EXPECT_EQ(a_.get->last_failure(), c.failure);
    EXPECT_EQ(a_.get->last_outcome(), c.failure == FetchFailure::kNone);
    if (c.failure != FetchFailure::kNone) {
      EXPECT_EQ(seen_in_handler, c.failure);
    }
  }
  // A target that cannot be written is this machine's fault, not the server's.
  http_->reply("/f", ScriptedReply::length("5", {"hello"}));
  a_.get->check_file = nullptr;
  a_.get->file_name = dir_ / "no such folder/f";
  a_.get->fetch_file();
  ASSERT_TRUE(a_.finish());
  EXPECT_EQ(a_.get->last_failure(), FetchFailure::kLocalFile);
}

// The bound goes with every request; the shipped one is half a minute.
TEST_F(HttpGetTest, EveryRequestCarriesTheStallBound) {
  EXPECT_EQ(kDefaultStallBound, std::chrono::seconds(30));
  EXPECT_EQ(a_.get->stall_bound, kDefaultStallBound);
  http_->reply("/s", ScriptedReply::length("2", {"ok"}));
  a_.get->url = url("/s");
  a_.get->fetch_string();
  ASSERT_TRUE(a_.finish());
  a_.get->stall_bound = 250ms;
  a_.get->fetch_string();
  ASSERT_TRUE(a_.finish());
  const std::vector<HttpRequest> requests = http_->requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].stall_timeout_ms, 30000u);
  EXPECT_EQ(requests[1].stall_timeout_ms, 250u);
}

TEST_F(HttpGetTest, EventsWithoutHandlersAreSkipped) {
  http_->reply("/f", ScriptedReply::length("3000", {pattern_body(3000)}));
  a_.get->on_progress = nullptr;
  a_.get->on_file_done = nullptr;
  a_.get->url = url("/f");
  a_.get->file_name = dir_ / "f";
  a_.get->fetch_file();
  ASSERT_TRUE(a_.finish());
  EXPECT_TRUE(a_.log.empty());
  EXPECT_EQ(files::file_size(dir_ / "f"), 3000u);
}

TEST_F(HttpGetTest, SecondStartWhileRunningIsIgnored) {
  auto gate = std::make_shared<Gate>();
  http_->reply("/first", ScriptedReply::length("5", {"first"}).hold_before(0, gate));
  http_->reply("/second", ScriptedReply::length("6", {"second"}));
  a_.get->url = url("/first");
  a_.get->fetch_string();
  ASSERT_TRUE(gate->wait_reached());
  a_.get->url = url("/second");
  a_.get->fetch_string();
  a_.get->fetch_file();
  gate->open();
  ASSERT_TRUE(a_.finish());
  EXPECT_EQ(a_.log, (Log{"progress 5 5", "string first"}));
  EXPECT_EQ(http_->requests().size(), 1u);
}

TEST_F(HttpGetTest, StartFromInsideTheOutcomeHandlerIsIgnored) {
  http_->reply("/s", ScriptedReply::length("2", {"ok"}));
  a_.get->url = url("/s");
  a_.get->on_text_done = [&](HttpDownload& sender, const std::string& result) {
    a_.log.push_back("string " + result);
    sender.fetch_string();
  };
  a_.get->fetch_string();
  ASSERT_TRUE(a_.finish());
  EXPECT_EQ(http_->requests().size(), 1u);
  // Once the handler has returned, the component takes a new start.
  a_.get->fetch_string();
  ASSERT_TRUE(a_.finish());
  EXPECT_EQ(http_->requests().size(), 2u);
}

TEST_F(HttpGetTest, CancelFromProgressEndsInOnErrorOnly) {
  http_->reply("/big", ScriptedReply::length("5125", {pattern_body(5125)}));
  a_.get->url = url("/big");
  a_.get->file_name = dir_ / "big";
  auto progress = a_.get->on_progress;
  a_.get->on_progress = [&](HttpDownload& sender, int32_t total, int32_t readed) {
    progress(sender, total, readed);
    sender.cancel_fetch();
  };
  a_.get->fetch_file();
  ASSERT_TRUE(a_.finish());
  EXPECT_EQ(a_.log, (Log{"progress 5125 1025", "error"}));
  EXPECT_EQ(a_.get->last_failure(), FetchFailure::kCancelled);
  // A cancelled download leaves neither the target nor its partial file.
  EXPECT_FALSE(files::file_exists(dir_ / "big"));
  EXPECT_FALSE(files::file_exists(partial_file_name(dir_ / "big")));
}

TEST_F(HttpGetTest, CancelRightAfterTheStartEndsInOnError) {
  auto gate = std::make_shared<Gate>();
  http_->reply("/s", ScriptedReply::length("2", {"ok"}).hold_before(0, gate));
  a_.get->url = url("/s");
  a_.get->fetch_string();
  a_.get->cancel_fetch();
  gate->open();
  ASSERT_TRUE(a_.finish());
  // The worker may already be inside its first read, so one progress event
  // may come first; the outcome is OnError all the same.
  ASSERT_FALSE(a_.log.empty());
  EXPECT_EQ(a_.log.back(), "error");
  EXPECT_LE(a_.log.size(), 2u);
}

TEST_F(HttpGetTest, CancelAfterTheTransferBeforeTheCompletionStillEndsInOnError) {
  http_->reply("/s", ScriptedReply::length("2", {"ok"}));
  a_.get->on_progress = nullptr;
  a_.get->url = url("/s");
  a_.get->fetch_string();
  // Nothing is delivered until the owning thread runs its loop, so the
  // worker may well have finished by now; the cancel still decides.
  a_.get->cancel_fetch();
  ASSERT_TRUE(a_.finish());
  EXPECT_EQ(a_.log, (Log{"error"}));
  EXPECT_EQ(a_.get->last_failure(), FetchFailure::kCancelled);
}

TEST_F(HttpGetTest, CancelWhileIdleDoesNothing) {
  a_.get->cancel_fetch();
  http_->reply("/s", ScriptedReply::length("2", {"ok"}));
  a_.get->url = url("/s");
  a_.get->fetch_string();
  ASSERT_TRUE(a_.finish());
  EXPECT_EQ(a_.log.back(), "string ok");
}

TEST_F(HttpGetTest, SettingsAreTakenAtTheStart) {
  auto gate = std::make_shared<Gate>();
  http_->reply("/a", ScriptedReply::length("3", {"abc"}).hold_before(0, gate));
  a_.get->url = url("/a");
  a_.get->file_name = dir_ / "a.txt";
  a_.get->referer = "ORVX";
  a_.get->fetch_file();
  ASSERT_TRUE(gate->wait_reached());
  a_.get->url = url("/b");
  a_.get->file_name = dir_ / "b.txt";
  a_.get->on_progress = nullptr;
  gate->open();
  ASSERT_TRUE(a_.finish());
  EXPECT_EQ(a_.log, (Log{"progress 3 3", "file a.txt 3"}));
  EXPECT_EQ(http_->requests()[0].referer, "ORVX");
  EXPECT_FALSE(files::file_exists(dir_ / "b.txt"));
}

// The update check's pattern: the outcome handler of one component starts
// a fetch on another, which runs once the handler has returned.
TEST_F(HttpGetTest, AnOutcomeHandlerStartsAFetchOnAnotherComponent) {
  Recorded b{http_};
  http_->reply("/update.inf", ScriptedReply::length("4", {"v1.1"}));
  http_->reply("/OrvaneX.exe", ScriptedReply::length("2000", {pattern_body(2000)}));
  a_.get->url = url("/update.inf");
  a_.get->file_name = dir_ / "update.dat";
  b.get->url = url("/OrvaneX.exe");
  b.get->file_name = dir_ / "OrvaneX.tmp";
  Log order;
  a_.get->on_file_done = [&](HttpDownload&, const std::string&, int32_t) {
    order.push_back("update info");
    b.get->fetch_file();
    order.push_back("download started: " + std::to_string(b.get->fetching()));
  };
  b.get->on_file_done = [&](HttpDownload&, const std::string&, int32_t size) {
    order.push_back("download " + std::to_string(size));
  };
  a_.get->fetch_file();
  ASSERT_TRUE(a_.finish());
  ASSERT_TRUE(b.finish());
  EXPECT_EQ(order, (Log{"update info", "download started: 1", "download 2000"}));
  EXPECT_EQ(files::read_file(dir_ / "OrvaneX.tmp"), pattern_body(2000));
}

TEST_F(HttpGetTest, TwoComponentsFetchAtTheSameTime) {
  Recorded b{http_};
  auto gate = std::make_shared<Gate>();
  http_->reply("/slow", ScriptedReply::length("4", {"slow"}).hold_before(0, gate));
  http_->reply("/fast", ScriptedReply::length("4", {"fast"}));
  a_.get->url = url("/slow");
  a_.get->fetch_string();
  ASSERT_TRUE(gate->wait_reached());
  b.get->url = url("/fast");
  b.get->fetch_string();
  ASSERT_TRUE(b.finish());
  EXPECT_EQ(b.log.back(), "string fast");
  EXPECT_TRUE(a_.get->fetching());
  gate->open();
  ASSERT_TRUE(a_.finish());
  EXPECT_EQ(a_.log.back(), "string slow");
}

TEST_F(HttpGetTest, AFailingHandlerEndsTheFetchAndIsReported) {
  test::RecordingReporter reporter;
  http_->reply("/u", ScriptedReply::length("3075", {pattern_body(3075)}));
  a_.get->url = url("/u");
  a_.get->file_name = dir_ / "u";
  int progress_calls = 0;
  bool error_event = false;
  a_.get->on_progress = [&](HttpDownload&, int32_t, int32_t) {
    ++progress_calls;
    throw std::runtime_error("progress bar gone");
  };
  a_.get->on_error = [&](HttpDownload&) { error_event = true; };
  a_.get->fetch_file();
  ASSERT_TRUE(a_.finish());
  // The failing handler ended the fetch; the component is ready again.
  EXPECT_EQ(reporter.reports(), std::vector<std::string>{"progress bar gone"});
  EXPECT_EQ(progress_calls, 1);
  EXPECT_TRUE(error_event);
  EXPECT_FALSE(a_.get->fetching());
  EXPECT_FALSE(files::file_exists(partial_file_name(dir_ / "u")));
}

TEST_F(HttpGetTest, HandlerErrorOfAFetchThatDoesNotWaitIsReported) {
  test::RecordingReporter reporter;
  http_->reply("/s", ScriptedReply::length("2", {"ok"}));
  a_.get->url = url("/s");
  a_.get->on_text_done = [](HttpDownload&, const std::string&) { throw std::runtime_error("list unreadable"); };
  a_.get->fetch_string();
  ASSERT_TRUE(a_.finish());
  EXPECT_EQ(reporter.reports(), std::vector<std::string>{"list unreadable"});
  // The next fetch does not inherit it.
  a_.get->on_text_done = nullptr;
  a_.get->fetch_string();
  ASSERT_TRUE(a_.finish());
  EXPECT_TRUE(a_.get->last_outcome());
  EXPECT_EQ(reporter.reports().size(), 1u);
}

TEST_F(HttpGetTest, DestroyingTheComponentEndsItsWorkerWithoutEvents) {
  auto gate = std::make_shared<Gate>();
  http_->reply("/f", ScriptedReply::length("3075", {pattern_body(3075)}).hold_before(0, gate));
  a_.get->url = url("/f");
  a_.get->file_name = dir_ / "f";
  a_.get->fetch_file();
  ASSERT_TRUE(gate->wait_reached());
  // From here the worker reads a chunk and waits for its progress report to
  // be taken, which never happens: the component goes first.
  gate->open();
  a_.get.reset();
  EXPECT_TRUE(a_.log.empty());
  EXPECT_EQ(http_->released(), http_->opened());
  // The worker closed and removed its partial file; no target was made.
  EXPECT_FALSE(files::file_exists(partial_file_name(dir_ / "f")));
  EXPECT_FALSE(files::file_exists(dir_ / "f"));
}

TEST_F(HttpGetTest, WorkerStuckInAReadOutlivesTheComponentSafely) {
  auto gate = std::make_shared<Gate>();
  const std::string body = pattern_body(3075);
  http_->reply("/f", ScriptedReply::length("3075", {body.substr(0, 1025), body.substr(1025)}).hold_before(1, gate));
  a_.get->url = url("/f");
  a_.get->file_name = dir_ / "f";
  a_.get->fetch_file();
  ASSERT_TRUE(a_.owner->pump_until([&] { return !a_.log.empty(); }));
  ASSERT_TRUE(gate->wait_reached());
  a_.get.reset();  // returns although the read has not
  EXPECT_EQ(a_.log, (Log{"progress 3075 1025"}));
  gate->open();
  EXPECT_TRUE(test::eventually([&] { return http_->released() == http_->opened(); }));
  EXPECT_EQ(a_.log.size(), 1u);
}

}  // namespace
}  // namespace orvx::net
