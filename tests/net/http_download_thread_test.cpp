// The worker of a download against a scripted HTTP stack: the request it
// sends, how it reads the body, what it writes, and its outcome.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "net/http_download_thread.h"
#include "platform/files.h"
#include "support/paths.h"
#include "support/scripted_http.h"

namespace orvx::net {
namespace {

using test::pattern_body;
using test::ScriptedReply;

// Runs the worker's steps on the test's thread: progress is recorded, and a
// cancel can be set up front or after a given number of reports.
class RecordingControl : public FetchControl {
 public:
  bool cancelled() override { return cancel_requested; }
  void progress(int32_t total_size, int32_t readed) override {
    reports.push_back({total_size, readed});
    if (cancel_after_reports && reports.size() == static_cast<size_t>(cancel_after_reports)) {
      cancel_requested = true;
    }
  }

  bool cancel_requested = false;
  int cancel_after_reports = 0;
  std::vector<std::pair<int32_t, int32_t>> reports;
};

class HttpGetThreadTest : public ::testing::Test {
 protected:
  FetchSnapshot file_fetch(const std::string& path) {
    FetchSnapshot s;
    s.accept_types = "*/*";
    s.agent = "ORVX_LANG";
    s.url = "http://server.test" + path;
    s.file_name = dir_ / "target.bin";
    s.report_progress = true;
    s.mode = FetchMode::kFile;
    return s;
  }
  FetchSnapshot string_fetch(const std::string& path) {
    FetchSnapshot s = file_fetch(path);
    s.file_name.clear();
    s.mode = FetchMode::kString;
    return s;
  }
  FetchResult Run(FetchSnapshot settings) {
    HttpDownloadThread worker(std::move(settings), http_);
    return worker.execute(control_);
  }
  std::optional<std::string> target() { return files::read_file(dir_ / "target.bin"); }

  test::TempFolder dir_;
  std::shared_ptr<test::ScriptedHttp> http_ = std::make_shared<test::ScriptedHttp>();
  RecordingControl control_;
};

TEST(BuildHttpRequest, GetCarriesNoHeaderAndNoBody) {
  FetchSnapshot s;
  s.agent = "ORVX_LANG";
  s.accept_types = "*/*";
  s.referer = "ORVX";
  s.user_name = "user";
  s.password = "secret";
  HttpRequest r = build_http_request(s, {"example.org", "/lang.dat"});
  EXPECT_EQ(r.verb, "GET");
  EXPECT_EQ(r.host, "example.org");
  EXPECT_EQ(r.path, "/lang.dat");
  EXPECT_EQ(r.agent, "ORVX_LANG");
  EXPECT_EQ(r.accept_types, "*/*");
  EXPECT_EQ(r.referer, "ORVX");
  EXPECT_EQ(r.user_name, "user");
  EXPECT_EQ(r.password, "secret");
  EXPECT_TRUE(r.reload);
  EXPECT_EQ(r.extra_header, "");
  EXPECT_EQ(r.body, "");
}

TEST(BuildHttpRequest, PostQueryMakesAFormPost) {
  FetchSnapshot s;
  s.post_query = "a=1&b=2";
  s.use_cache = true;
  HttpRequest r = build_http_request(s, {"h", "/form"});
  EXPECT_EQ(r.verb, "POST");
  EXPECT_EQ(r.extra_header, "Content-Type: application/x-www-form-urlencoded");
  EXPECT_EQ(r.body, "a=1&b=2");
  EXPECT_FALSE(r.reload);
}

TEST_F(HttpGetThreadTest, FileWithLengthIsReadIn1025ByteChunksWithProgressAfterEach) {
  http_->reply("/f", ScriptedReply::length("3000", {pattern_body(3000)}));
  FetchResult r = Run(file_fetch("/f"));
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.file_size, 3000);
  EXPECT_EQ(target(), pattern_body(3000));
  EXPECT_EQ(control_.reports, (std::vector<std::pair<int32_t, int32_t>>{{3000, 1025}, {3000, 2050}, {3000, 3000}}));
  for (size_t size : http_->read_sizes()) EXPECT_EQ(size, 1025u);
  ASSERT_EQ(http_->requests().size(), 1u);
  EXPECT_EQ(http_->requests()[0].host, "server.test");
  EXPECT_EQ(http_->released(), http_->opened());
}

TEST_F(HttpGetThreadTest, ProgressFollowsEveryChunkTheServerDelivers) {
  http_->reply("/f", ScriptedReply::length("10", {"abc", "defg", "hij"}));
  FetchResult r = Run(file_fetch("/f"));
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(control_.reports, (std::vector<std::pair<int32_t, int32_t>>{{10, 3}, {10, 7}, {10, 10}}));
}

TEST_F(HttpGetThreadTest, NoProgressHandlerMeansNoReports) {
  http_->reply("/f", ScriptedReply::length("3", {"abc"}));
  FetchSnapshot s = file_fetch("/f");
  s.report_progress = false;
  EXPECT_TRUE(Run(s).ok);
  EXPECT_TRUE(control_.reports.empty());
}

// What a file fetch ends with and what the target file holds afterwards. The
// target starts out holding "old"; nullopt for `file` means it must be gone.
// A fetch that fails leaves "old" untouched, and no partial file stays.
struct FileCase {
  const char* what;
  ScriptedReply reply;
  bool binary_data;
  bool ok;
  int32_t file_size;
  std::optional<std::string> file;
  FileCheck check = nullptr;
};

TEST_F(HttpGetThreadTest, FileOutcomes) {
  const FileCheck says_no = [](const std::string&) { return false; };
  const FileCheck wants_hello = [](const std::string& path) {
    return files::read_file(path) == std::optional<std::string>("hello");
  };
  const FileCase cases[] = {
      {"length met", ScriptedReply::length("5", {"hello"}), false, true, 5, "hello"},
      {"length 0, empty body", ScriptedReply::length("0"), false, true, 0, ""},
      {"error page with its length", ScriptedReply::length("9", {"not found"}).with_status(404), false, false, 0,
       "old"},
      {"server error", ScriptedReply::no_length({"oops"}).with_status(500), false, false, 0, "old"},
      {"redirect not followed", ScriptedReply::length("5", {"moved"}).with_status(302), false, false, 0, "old"},
      {"status 204 with a length 0", ScriptedReply::length("0").with_status(204), false, true, 0, ""},
      {"status 299", ScriptedReply::length("5", {"hello"}).with_status(299), false, true, 5, "hello"},
      {"body shorter than announced", ScriptedReply::length("1000", {pattern_body(600)}), false, false, 0, "old"},
      {"body longer than announced", ScriptedReply::length("1000", {pattern_body(1500)}), false, false, 0, "old"},
      {"read fails before the length is met", ScriptedReply::length("1000", {pattern_body(600)}).failing_at_end(),
       false, false, 0, "old"},
      {"length not a number", ScriptedReply::length("12a", {"hello"}), false, false, 0, "old"},
      {"length too large", ScriptedReply::length("4294967296", {"hello"}), false, false, 0, "old"},
      {"no length, body ended normally", ScriptedReply::no_length({pattern_body(2000)}), false, true, 2000,
       pattern_body(2000)},
      {"no length, read failed", ScriptedReply::no_length({"part"}).failing_at_end(), false, false, 0, "old"},
      {"no length, no body", ScriptedReply::no_length(), false, false, 0, "old"},
      {"no length, binary data", ScriptedReply::no_length({"hello"}), true, false, 0, "old"},
      {"length with binary data", ScriptedReply::length("5", {"hello"}), true, true, 5, "hello"},
      {"request cannot be opened", ScriptedReply::not_openable(), false, false, 0, "old"},
      {"complete, check refuses", ScriptedReply::length("5", {"hello"}), false, false, 0, "old", says_no},
      {"complete, check accepts", ScriptedReply::length("5", {"hello"}), false, true, 5, "hello", wants_hello},
      {"cut off, check never asked", ScriptedReply::length("9", {"hello"}), false, false, 0, "old", wants_hello},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(files::write_file(dir_ / "target.bin", "old"));
    http_->reply("/f", c.reply);
    FetchSnapshot s = file_fetch("/f");
    s.binary_data = c.binary_data;
    s.check = c.check;
    FetchResult r = Run(s);
    EXPECT_EQ(r.ok, c.ok);
    if (c.ok) {
      EXPECT_EQ(r.file_size, c.file_size);
    }
    EXPECT_EQ(target(), c.file);
    EXPECT_FALSE(files::file_exists(partial_file_name(dir_ / "target.bin")));
  }
  EXPECT_EQ(http_->released(), http_->opened());
}

// Each failure says whose fault it was: the network, the server, the
// content, or a file on this machine.
TEST_F(HttpGetThreadTest, FailuresSayWhatFailed) {
  const FileCheck says_no = [](const std::string&) { return false; };
  struct Case {
    const char* what;
    ScriptedReply reply;
    FetchFailure failure;
    std::string target = "target.bin";
    FileCheck check = nullptr;
    FetchMode mode = FetchMode::kFile;
  };
  const Case cases[] = {
      {"complete", ScriptedReply::length("5", {"hello"}), FetchFailure::kNone},
      {"request cannot be opened", ScriptedReply::not_openable(), FetchFailure::kNoConnection},
      {"no server answered", ScriptedReply{}, FetchFailure::kNoConnection},
      {"the answer did not come in time", ScriptedReply::no_answer_in_time(), FetchFailure::kStalled},
      {"error page", ScriptedReply::length("9", {"not found"}).with_status(404), FetchFailure::kServerStatus},
      {"body cut off", ScriptedReply::length("1000", {pattern_body(600)}), FetchFailure::kIncomplete},
      {"reading failed", ScriptedReply::no_length({"part"}).failing_at_end(), FetchFailure::kIncomplete},
      {"the body stalled", ScriptedReply::length("1000", {pattern_body(600)}).stalls_at_end(), FetchFailure::kStalled},
      {"length not a number", ScriptedReply::length("12a", {"hello"}), FetchFailure::kIncomplete},
      {"the check refuses", ScriptedReply::length("5", {"hello"}), FetchFailure::kRefused, "target.bin", says_no},
      {"the partial file cannot be created", ScriptedReply::length("5", {"hello"}), FetchFailure::kLocalFile,
       "missing-folder/target.bin"},
      {"the target cannot be replaced", ScriptedReply::length("5", {"hello"}), FetchFailure::kLocalFile, "a-folder"},
      {"string: empty body", ScriptedReply::length("0"), FetchFailure::kIncomplete, "", nullptr, FetchMode::kString},
  };
  ASSERT_TRUE(files::create_folders(dir_ / "a-folder/inside"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    http_->reply("/f", c.reply);
    FetchSnapshot s = c.mode == FetchMode::kFile ? file_fetch("/f") : string_fetch("/f");
    if (c.mode == FetchMode::kFile) s.file_name = dir_ / c.target;
    s.check = c.check;
    const FetchResult r = Run(s);
    EXPECT_EQ(r.ok, c.failure == FetchFailure::kNone);
    EXPECT_EQ(r.failure, c.failure);
  }
  EXPECT_TRUE(files::folder_exists(dir_ / "a-folder/inside"));
}

TEST_F(HttpGetThreadTest, CancelIsToldApartFromAFailure) {
  http_->reply("/f", ScriptedReply::length("3075", {pattern_body(3075)}));
  control_.cancel_after_reports = 1;
  EXPECT_EQ(Run(file_fetch("/f")).failure, FetchFailure::kCancelled);
}

TEST_F(HttpGetThreadTest, CheckSeesTheWholeBodyBeforeTheTargetIsReplaced) {
  ASSERT_TRUE(files::write_file(dir_ / "target.bin", "old"));
  http_->reply("/f", ScriptedReply::length("2000", {pattern_body(2000)}));
  FetchSnapshot s = file_fetch("/f");
  std::optional<std::string> seen;
  std::optional<std::string> target_meanwhile;
  s.check = [&](const std::string& path) {
    seen = files::read_file(path);
    target_meanwhile = target();
    return true;
  };
  EXPECT_TRUE(Run(s).ok);
  EXPECT_EQ(seen, pattern_body(2000));
  EXPECT_EQ(target_meanwhile, "old");
  EXPECT_EQ(target(), pattern_body(2000));
}

TEST_F(HttpGetThreadTest, UnreachableServerLeavesTheTargetAlone) {
  ASSERT_TRUE(files::write_file(dir_ / "target.bin", "keep me"));
  FetchResult r = Run(file_fetch("/nobody-answers"));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(target(), "keep me");
}

TEST_F(HttpGetThreadTest, NoBinaryDataWithoutLengthCreatesNoFile) {
  http_->reply("/f", ScriptedReply::no_length({"hello"}));
  FetchSnapshot s = file_fetch("/f");
  s.binary_data = true;
  EXPECT_FALSE(Run(s).ok);
  EXPECT_FALSE(files::file_exists(dir_ / "target.bin"));
  EXPECT_TRUE(http_->read_sizes().empty());  // no body was read
}

TEST_F(HttpGetThreadTest, TargetThatCannotBeCreatedFails) {
  const ScriptedReply replies[] = {ScriptedReply::length("5", {"hello"}), ScriptedReply::no_length({"hello"})};
  for (const ScriptedReply& reply : replies) {
    http_->reply("/f", reply);
    FetchSnapshot s = file_fetch("/f");
    s.file_name = dir_ / "missing-folder/target.bin";
    EXPECT_FALSE(Run(s).ok);
  }
}

TEST_F(HttpGetThreadTest, AddressWithoutPathSendsNothing) {
  FetchSnapshot s = file_fetch("");
  s.url = "http://server.test";
  EXPECT_FALSE(Run(s).ok);
  EXPECT_TRUE(http_->requests().empty());
}

struct StringCase {
  const char* what;
  ScriptedReply reply;
  bool binary_data;
  bool ok;
  std::string body;
};

TEST_F(HttpGetThreadTest, StringOutcomes) {
  const std::string with_zero("a\0b", 3);
  const StringCase cases[] = {
      {"length met", ScriptedReply::length("9", {"de,en,fr\n"}), false, true, "de,en,fr\n"},
      {"no length", ScriptedReply::no_length({pattern_body(3000)}), false, true, pattern_body(3000)},
      {"bytes kept as they are", ScriptedReply::length("3", {with_zero}), false, true, with_zero},
      {"empty body with length 0", ScriptedReply::length("0"), false, false, ""},
      {"empty body without length", ScriptedReply::no_length(), false, false, ""},
      {"body shorter than announced", ScriptedReply::length("1000", {"de,en"}), false, false, ""},
      {"no length, binary data", ScriptedReply::no_length({"de"}), true, false, ""},
      {"no length, read failed", ScriptedReply::no_length({"de"}).failing_at_end(), false, false, ""},
      {"error page with its length", ScriptedReply::length("9", {"not found"}).with_status(404), false, false, ""},
      {"error page without length", ScriptedReply::no_length({"gone"}).with_status(410), false, false, ""},
      {"status 203", ScriptedReply::length("2", {"de"}).with_status(203), false, true, "de"},
  };
  for (const StringCase& c : cases) {
    SCOPED_TRACE(c.what);
    http_->reply("/s", c.reply);
    FetchSnapshot s = string_fetch("/s");
    s.binary_data = c.binary_data;
    FetchResult r = Run(s);
    EXPECT_EQ(r.ok, c.ok);
    if (c.ok) {
      EXPECT_EQ(r.body, c.body);
    }
  }
}

TEST_F(HttpGetThreadTest, CancelBeforeStartSendsNothing) {
  http_->reply("/f", ScriptedReply::length("5", {"hello"}));
  control_.cancel_requested = true;
  EXPECT_FALSE(Run(file_fetch("/f")).ok);
  EXPECT_TRUE(http_->requests().empty());
}

TEST_F(HttpGetThreadTest, CancelStopsBeforeTheNextChunkAndKeepsTheOldTarget) {
  ASSERT_TRUE(files::write_file(dir_ / "target.bin", "old"));
  http_->reply("/f", ScriptedReply::length("3075", {pattern_body(3075)}));
  control_.cancel_after_reports = 1;
  FetchResult r = Run(file_fetch("/f"));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(control_.reports.size(), 1u);
  EXPECT_EQ(http_->read_sizes().size(), 1u);
  EXPECT_EQ(target(), "old");
  EXPECT_FALSE(files::file_exists(partial_file_name(dir_ / "target.bin")));
  EXPECT_EQ(http_->released(), 1);
}

TEST_F(HttpGetThreadTest, CancelAfterTheLastChunkStillFails) {
  http_->reply("/f", ScriptedReply::length("5", {"hello"}));
  control_.cancel_after_reports = 1;
  EXPECT_FALSE(Run(file_fetch("/f")).ok);
}

}  // namespace
}  // namespace orvx::net
