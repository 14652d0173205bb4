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
using test::PatternBody;
using test::ScriptedReply;

// A component whose events are written into one log, with the thread each
// ran on.
struct Recorded {
  explicit Recorded(std::shared_ptr<test::ScriptedHttp> http) {
    auto link = std::make_unique<test::TestOwnerThread>();
    owner = link.get();
    get = std::make_unique<HttpDownload>(std::move(http), std::move(link));
    get->OnProgress = [this](HttpDownload& sender, int32_t total, int32_t readed) {
      Note(sender, "progress " + std::to_string(total) + " " + std::to_string(readed));
    };
    get->on_file_done = [this](HttpDownload& sender, const std::string& name, int32_t size) {
      Note(sender, "file " + files::name_of(name) + " " + std::to_string(size));
    };
    get->on_text_done = [this](HttpDownload& sender, const std::string& result) {
      Note(sender, "string " + result);
    };
    get->OnError = [this](HttpDownload& sender) { Note(sender, "error"); };
  }

  void Note(HttpDownload& sender, std::string what) {
    EXPECT_EQ(&sender, get.get());
    if (std::this_thread::get_id() != owner_thread) what += " (on a foreign thread)";
    log.push_back(std::move(what));
  }
  // Runs deliveries until the fetch has ended.
  bool Finish() { return owner->PumpUntil([&] { return !get->Fetching(); }); }

  std::thread::id owner_thread = std::this_thread::get_id();
  test::TestOwnerThread* owner = nullptr;
  std::unique_ptr<HttpDownload> get;
  std::vector<std::string> log;
};

class HttpGetTest : public ::testing::Test {
 protected:
  std::string Url(const std::string& path) { return "http://server.test" + path; }

  test::TempFolder dir;
  std::shared_ptr<test::ScriptedHttp> http = std::make_shared<test::ScriptedHttp>();
  Recorded a{http};
};

using Log = std::vector<std::string>;

TEST_F(HttpGetTest, FileFetchReportsProgressThenDoneOnTheOwningThread) {
  http->Reply("/lang/english.qlf", ScriptedReply::Length("2000", {PatternBody(2000)}));
  a.get->URL = Url("/lang/english.qlf");
  a.get->FileName = dir / "english.qlf";
  a.get->FetchFile();
  ASSERT_TRUE(a.Finish());
  EXPECT_EQ(a.log, (Log{"progress 2000 1025", "progress 2000 2000", "file english.qlf 2000"}));
  EXPECT_EQ(files::read_file(dir / "english.qlf"), PatternBody(2000));
}

TEST_F(HttpGetTest, StringFetchDeliversTheBody) {
  http->Reply("/lang.dat", ScriptedReply::NoLength({"english,french"}));
  a.get->URL = Url("/lang.dat");
  a.get->FetchString();
  ASSERT_TRUE(a.Finish());
  EXPECT_EQ(a.log, (Log{"progress 0 14", "string english,french"}));
}

TEST_F(HttpGetTest, FailureEndsInOnErrorOnly) {
  a.get->URL = Url("/nobody-answers");
  a.get->FetchString();
  ASSERT_TRUE(a.Finish());
  EXPECT_EQ(a.log, (Log{"error"}));
  EXPECT_FALSE(a.get->LastOutcome());
  EXPECT_EQ(a.get->LastFailure(), FetchFailure::kNoConnection);
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
      {"no server", ScriptedReply::Unprepared(), FetchFailure::kNoConnection},
      {"no answer in time", ScriptedReply::NoAnswerInTime(), FetchFailure::kStalled},
      {"error page", ScriptedReply::Length("4", {"gone"}).WithStatus(404), FetchFailure::kServerStatus},
      {"cut off", ScriptedReply::Length("9", {"hello"}), FetchFailure::kIncomplete},
      {"stalled in the body", ScriptedReply::Length("9", {"hello"}).StallsAtEnd(), FetchFailure::kStalled},
      {"refused by the check", ScriptedReply::Length("5", {"hello"}), FetchFailure::kRefused,
       [](const std::string&) { return false; }},
      {"complete", ScriptedReply::Length("5", {"hello"}), FetchFailure::kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    http->Reply("/f", c.reply);
    a.get->URL = Url("/f");
    a.get->FileName = dir / "f";
    a.get->CheckFile = c.check;
    std::optional<FetchFailure> seen_in_handler;
    a.get->OnError = [&](HttpDownload& sender) { seen_in_handler = sender.LastFailure(); };
    a.get->FetchFile();
    ASSERT_TRUE(a.Finish());
    EXPECT_EQ(a.get->LastFailure(), c.failure);
    EXPECT_EQ(a.get->LastOutcome(), c.failure == FetchFailure::kNone);
    if (c.failure != FetchFailure::kNone) {
      EXPECT_EQ(seen_in_handler, c.failure);
    }
  }
  // A target that cannot be written is this machine's fault, not the server's.
  http->Reply("/f", ScriptedReply::Length("5", {"hello"}));
  a.get->CheckFile = nullptr;
  a.get->FileName = dir / "no such folder/f";
  a.get->FetchFile();
  ASSERT_TRUE(a.Finish());
  EXPECT_EQ(a.get->LastFailure(), FetchFailure::kLocalFile);
}

// The bound goes with every request; the shipped one is half a minute.
TEST_F(HttpGetTest, EveryRequestCarriesTheStallBound) {
  EXPECT_EQ(kDefaultStallBound, std::chrono::seconds(30));
  EXPECT_EQ(a.get->StallBound, kDefaultStallBound);
  http->Reply("/s", ScriptedReply::Length("2", {"ok"}));
  a.get->URL = Url("/s");
  a.get->FetchString();
  ASSERT_TRUE(a.Finish());
  a.get->StallBound = 250ms;
  a.get->FetchString();
  ASSERT_TRUE(a.Finish());
  const std::vector<HttpRequest> requests = http->requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].stall_timeout_ms, 30000u);
  EXPECT_EQ(requests[1].stall_timeout_ms, 250u);
}

TEST_F(HttpGetTest, EventsWithoutHandlersAreSkipped) {
  http->Reply("/f", ScriptedReply::Length("3000", {PatternBody(3000)}));
  a.get->OnProgress = nullptr;
  a.get->on_file_done = nullptr;
  a.get->URL = Url("/f");
  a.get->FileName = dir / "f";
  a.get->FetchFile();
  ASSERT_TRUE(a.Finish());
  EXPECT_TRUE(a.log.empty());
  EXPECT_EQ(files::file_size(dir / "f"), 3000u);
}

TEST_F(HttpGetTest, SecondStartWhileRunningIsIgnored) {
  auto gate = std::make_shared<Gate>();
  http->Reply("/first", ScriptedReply::Length("5", {"first"}).HoldBefore(0, gate));
  http->Reply("/second", ScriptedReply::Length("6", {"second"}));
  a.get->URL = Url("/first");
  a.get->FetchString();
  ASSERT_TRUE(gate->WaitReached());
  a.get->URL = Url("/second");
  a.get->FetchString();
  a.get->FetchFile();
  gate->Open();
  ASSERT_TRUE(a.Finish());
  EXPECT_EQ(a.log, (Log{"progress 5 5", "string first"}));
  EXPECT_EQ(http->requests().size(), 1u);
}

TEST_F(HttpGetTest, StartFromInsideTheOutcomeHandlerIsIgnored) {
  http->Reply("/s", ScriptedReply::Length("2", {"ok"}));
  a.get->URL = Url("/s");
  a.get->on_text_done = [&](HttpDownload& sender, const std::string& result) {
    a.log.push_back("string " + result);
    sender.FetchString();
  };
  a.get->FetchString();
  ASSERT_TRUE(a.Finish());
  EXPECT_EQ(http->requests().size(), 1u);
  // Once the handler has returned, the component takes a new start.
  a.get->FetchString();
  ASSERT_TRUE(a.Finish());
  EXPECT_EQ(http->requests().size(), 2u);
}

TEST_F(HttpGetTest, CancelFromProgressEndsInOnErrorOnly) {
  http->Reply("/big", ScriptedReply::Length("5125", {PatternBody(5125)}));
  a.get->URL = Url("/big");
  a.get->FileName = dir / "big";
  auto progress = a.get->OnProgress;
  a.get->OnProgress = [&](HttpDownload& sender, int32_t total, int32_t readed) {
    progress(sender, total, readed);
    sender.CancelFetch();
  };
  a.get->FetchFile();
  ASSERT_TRUE(a.Finish());
  EXPECT_EQ(a.log, (Log{"progress 5125 1025", "error"}));
  EXPECT_EQ(a.get->LastFailure(), FetchFailure::kCancelled);
  // A cancelled download leaves neither the target nor its partial file.
  EXPECT_FALSE(files::file_exists(dir / "big"));
  EXPECT_FALSE(files::file_exists(PartialFileName(dir / "big")));
}

TEST_F(HttpGetTest, CancelRightAfterTheStartEndsInOnError) {
  auto gate = std::make_shared<Gate>();
  http->Reply("/s", ScriptedReply::Length("2", {"ok"}).HoldBefore(0, gate));
  a.get->URL = Url("/s");
  a.get->FetchString();
  a.get->CancelFetch();
  gate->Open();
  ASSERT_TRUE(a.Finish());
  // The worker may already be inside its first read, so one progress event
  // may come first; the outcome is OnError all the same.
  ASSERT_FALSE(a.log.empty());
  EXPECT_EQ(a.log.back(), "error");
  EXPECT_LE(a.log.size(), 2u);
}

TEST_F(HttpGetTest, CancelAfterTheTransferBeforeTheCompletionStillEndsInOnError) {
  http->Reply("/s", ScriptedReply::Length("2", {"ok"}));
  a.get->OnProgress = nullptr;
  a.get->URL = Url("/s");
  a.get->FetchString();
  // Nothing is delivered until the owning thread runs its loop, so the
  // worker may well have finished by now; the cancel still decides.
  a.get->CancelFetch();
  ASSERT_TRUE(a.Finish());
  EXPECT_EQ(a.log, (Log{"error"}));
  EXPECT_EQ(a.get->LastFailure(), FetchFailure::kCancelled);
}

TEST_F(HttpGetTest, CancelWhileIdleDoesNothing) {
  a.get->CancelFetch();
  http->Reply("/s", ScriptedReply::Length("2", {"ok"}));
  a.get->URL = Url("/s");
  a.get->FetchString();
  ASSERT_TRUE(a.Finish());
  EXPECT_EQ(a.log.back(), "string ok");
}

TEST_F(HttpGetTest, SettingsAreTakenAtTheStart) {
  auto gate = std::make_shared<Gate>();
  http->Reply("/a", ScriptedReply::Length("3", {"abc"}).HoldBefore(0, gate));
  a.get->URL = Url("/a");
  a.get->FileName = dir / "a.txt";
  a.get->Referer = "ORVX";
  a.get->FetchFile();
  ASSERT_TRUE(gate->WaitReached());
  a.get->URL = Url("/b");
  a.get->FileName = dir / "b.txt";
  a.get->OnProgress = nullptr;
  gate->Open();
  ASSERT_TRUE(a.Finish());
  EXPECT_EQ(a.log, (Log{"progress 3 3", "file a.txt 3"}));
  EXPECT_EQ(http->requests()[0].referer, "ORVX");
  EXPECT_FALSE(files::file_exists(dir / "b.txt"));
}

// The update check's pattern: the outcome handler of one component starts
// a fetch on another, which runs once the handler has returned.
TEST_F(HttpGetTest, AnOutcomeHandlerStartsAFetchOnAnotherComponent) {
  Recorded b{http};
  http->Reply("/update.inf", ScriptedReply::Length("4", {"v1.1"}));
  http->Reply("/OrvaneX.exe", ScriptedReply::Length("2000", {PatternBody(2000)}));
  a.get->URL = Url("/update.inf");
  a.get->FileName = dir / "update.dat";
  b.get->URL = Url("/OrvaneX.exe");
  b.get->FileName = dir / "OrvaneX.tmp";
  Log order;
  a.get->on_file_done = [&](HttpDownload&, const std::string&, int32_t) {
    order.push_back("update info");
    b.get->FetchFile();
    order.push_back("download started: " + std::to_string(b.get->Fetching()));
  };
  b.get->on_file_done = [&](HttpDownload&, const std::string&, int32_t size) {
    order.push_back("download " + std::to_string(size));
  };
  a.get->FetchFile();
  ASSERT_TRUE(a.Finish());
  ASSERT_TRUE(b.Finish());
  EXPECT_EQ(order, (Log{"update info", "download started: 1", "download 2000"}));
  EXPECT_EQ(files::read_file(dir / "OrvaneX.tmp"), PatternBody(2000));
}

TEST_F(HttpGetTest, TwoComponentsFetchAtTheSameTime) {
  Recorded b{http};
  auto gate = std::make_shared<Gate>();
  http->Reply("/slow", ScriptedReply::Length("4", {"slow"}).HoldBefore(0, gate));
  http->Reply("/fast", ScriptedReply::Length("4", {"fast"}));
  a.get->URL = Url("/slow");
  a.get->FetchString();
  ASSERT_TRUE(gate->WaitReached());
  b.get->URL = Url("/fast");
  b.get->FetchString();
  ASSERT_TRUE(b.Finish());
  EXPECT_EQ(b.log.back(), "string fast");
  EXPECT_TRUE(a.get->Fetching());
  gate->Open();
  ASSERT_TRUE(a.Finish());
  EXPECT_EQ(a.log.back(), "string slow");
}

TEST_F(HttpGetTest, AFailingHandlerEndsTheFetchAndIsReported) {
  test::RecordingReporter reporter;
  http->Reply("/u", ScriptedReply::Length("3075", {PatternBody(3075)}));
  a.get->URL = Url("/u");
  a.get->FileName = dir / "u";
  int progress_calls = 0;
  bool error_event = false;
  a.get->OnProgress = [&](HttpDownload&, int32_t, int32_t) {
    ++progress_calls;
    throw std::runtime_error("progress bar gone");
  };
  a.get->OnError = [&](HttpDownload&) { error_event = true; };
  a.get->FetchFile();
  ASSERT_TRUE(a.Finish());
  // The failing handler ended the fetch; the component is ready again.
  EXPECT_EQ(reporter.reports(), std::vector<std::string>{"progress bar gone"});
  EXPECT_EQ(progress_calls, 1);
  EXPECT_TRUE(error_event);
  EXPECT_FALSE(a.get->Fetching());
  EXPECT_FALSE(files::file_exists(PartialFileName(dir / "u")));
}

TEST_F(HttpGetTest, HandlerErrorOfAFetchThatDoesNotWaitIsReported) {
  test::RecordingReporter reporter;
  http->Reply("/s", ScriptedReply::Length("2", {"ok"}));
  a.get->URL = Url("/s");
  a.get->on_text_done = [](HttpDownload&, const std::string&) { throw std::runtime_error("list unreadable"); };
  a.get->FetchString();
  ASSERT_TRUE(a.Finish());
  EXPECT_EQ(reporter.reports(), std::vector<std::string>{"list unreadable"});
  // The next fetch does not inherit it.
  a.get->on_text_done = nullptr;
  a.get->FetchString();
  ASSERT_TRUE(a.Finish());
  EXPECT_TRUE(a.get->LastOutcome());
  EXPECT_EQ(reporter.reports().size(), 1u);
}

TEST_F(HttpGetTest, DestroyingTheComponentEndsItsWorkerWithoutEvents) {
  auto gate = std::make_shared<Gate>();
  http->Reply("/f", ScriptedReply::Length("3075", {PatternBody(3075)}).HoldBefore(0, gate));
  a.get->URL = Url("/f");
  a.get->FileName = dir / "f";
  a.get->FetchFile();
  ASSERT_TRUE(gate->WaitReached());
  // From here the worker reads a chunk and waits for its progress report to
  // be taken, which never happens: the component goes first.
  gate->Open();
  a.get.reset();
  EXPECT_TRUE(a.log.empty());
  EXPECT_EQ(http->released(), http->opened());
  // The worker closed and removed its partial file; no target was made.
  EXPECT_FALSE(files::file_exists(PartialFileName(dir / "f")));
  EXPECT_FALSE(files::file_exists(dir / "f"));
}

TEST_F(HttpGetTest, WorkerStuckInAReadOutlivesTheComponentSafely) {
  auto gate = std::make_shared<Gate>();
  const std::string body = PatternBody(3075);
  http->Reply("/f", ScriptedReply::Length("3075", {body.substr(0, 1025), body.substr(1025)})
                        .HoldBefore(1, gate));
  a.get->URL = Url("/f");
  a.get->FileName = dir / "f";
  a.get->FetchFile();
  ASSERT_TRUE(a.owner->PumpUntil([&] { return !a.log.empty(); }));
  ASSERT_TRUE(gate->WaitReached());
  a.get.reset();  // returns although the read has not
  EXPECT_EQ(a.log, (Log{"progress 3075 1025"}));
  gate->Open();
  EXPECT_TRUE(test::eventually([&] { return http->released() == http->opened(); }));
  EXPECT_EQ(a.log.size(), 1u);
}

}  // namespace
}  // namespace orvx::net
