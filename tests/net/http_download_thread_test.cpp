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

using test::PatternBody;
using test::ScriptedReply;

// Runs the worker's steps on the test's thread: progress is recorded, and a
// cancel can be set up front or after a given number of reports.
class RecordingControl : public FetchControl {
 public:
  bool Cancelled() override { return cancelled; }
  void Progress(int32_t total_size, int32_t readed) override {
    reports.push_back({total_size, readed});
    if (cancel_after_reports && reports.size() == static_cast<size_t>(cancel_after_reports)) {
      cancelled = true;
    }
  }

  bool cancelled = false;
  int cancel_after_reports = 0;
  std::vector<std::pair<int32_t, int32_t>> reports;
};

class HttpGetThreadTest : public ::testing::Test {
 protected:
  FetchSnapshot FileFetch(const std::string& path) {
    FetchSnapshot s;
    s.AcceptTypes = "*/*";
    s.Agent = "ORVX_LANG";
    s.URL = "http://server.test" + path;
    s.FileName = dir / "target.bin";
    s.ReportProgress = true;
    s.Mode = FetchMode::kFile;
    return s;
  }
  FetchSnapshot StringFetch(const std::string& path) {
    FetchSnapshot s = FileFetch(path);
    s.FileName.clear();
    s.Mode = FetchMode::kString;
    return s;
  }
  FetchResult Run(FetchSnapshot settings) {
    HttpDownloadThread worker(std::move(settings), http);
    return worker.Execute(control);
  }
  std::optional<std::string> Target() { return files::read_file(dir / "target.bin"); }

  test::TempFolder dir;
  std::shared_ptr<test::ScriptedHttp> http = std::make_shared<test::ScriptedHttp>();
  RecordingControl control;
};

TEST(BuildHttpRequest, GetCarriesNoHeaderAndNoBody) {
  FetchSnapshot s;
  s.Agent = "ORVX_LANG";
  s.AcceptTypes = "*/*";
  s.Referer = "ORVX";
  s.UserName = "user";
  s.Password = "secret";
  HttpRequest r = BuildHttpRequest(s, {"example.org", "/lang.dat"});
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
  s.PostQuery = "a=1&b=2";
  s.UseCache = true;
  HttpRequest r = BuildHttpRequest(s, {"h", "/form"});
  EXPECT_EQ(r.verb, "POST");
  EXPECT_EQ(r.extra_header, "Content-Type: application/x-www-form-urlencoded");
  EXPECT_EQ(r.body, "a=1&b=2");
  EXPECT_FALSE(r.reload);
}

TEST_F(HttpGetThreadTest, FileWithLengthIsReadIn1025ByteChunksWithProgressAfterEach) {
  http->Reply("/f", ScriptedReply::Length("3000", {PatternBody(3000)}));
  FetchResult r = Run(FileFetch("/f"));
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.file_size, 3000);
  EXPECT_EQ(Target(), PatternBody(3000));
  EXPECT_EQ(control.reports,
            (std::vector<std::pair<int32_t, int32_t>>{{3000, 1025}, {3000, 2050}, {3000, 3000}}));
  for (size_t size : http->read_sizes()) EXPECT_EQ(size, 1025u);
  ASSERT_EQ(http->requests().size(), 1u);
  EXPECT_EQ(http->requests()[0].host, "server.test");
  EXPECT_EQ(http->released(), http->opened());
}

TEST_F(HttpGetThreadTest, ProgressFollowsEveryChunkTheServerDelivers) {
  http->Reply("/f", ScriptedReply::Length("10", {"abc", "defg", "hij"}));
  FetchResult r = Run(FileFetch("/f"));
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(control.reports, (std::vector<std::pair<int32_t, int32_t>>{{10, 3}, {10, 7}, {10, 10}}));
}

TEST_F(HttpGetThreadTest, NoProgressHandlerMeansNoReports) {
  http->Reply("/f", ScriptedReply::Length("3", {"abc"}));
  FetchSnapshot s = FileFetch("/f");
  s.ReportProgress = false;
  EXPECT_TRUE(Run(s).ok);
  EXPECT_TRUE(control.reports.empty());
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
      {"length met", ScriptedReply::Length("5", {"hello"}), false, true, 5, "hello"},
      {"length 0, empty body", ScriptedReply::Length("0"), false, true, 0, ""},
      {"error page with its length", ScriptedReply::Length("9", {"not found"}).WithStatus(404),
       false, false, 0, "old"},
      {"server error", ScriptedReply::NoLength({"oops"}).WithStatus(500), false, false, 0, "old"},
      {"redirect not followed", ScriptedReply::Length("5", {"moved"}).WithStatus(302), false,
       false, 0, "old"},
      {"status 204 with a length 0", ScriptedReply::Length("0").WithStatus(204), false, true, 0,
       ""},
      {"status 299", ScriptedReply::Length("5", {"hello"}).WithStatus(299), false, true, 5,
       "hello"},
      {"body shorter than announced", ScriptedReply::Length("1000", {PatternBody(600)}), false,
       false, 0, "old"},
      {"body longer than announced", ScriptedReply::Length("1000", {PatternBody(1500)}), false,
       false, 0, "old"},
      {"read fails before the length is met",
       ScriptedReply::Length("1000", {PatternBody(600)}).ReadFailsAtEnd(), false, false, 0, "old"},
      {"length not a number", ScriptedReply::Length("12a", {"hello"}), false, false, 0, "old"},
      {"length too large", ScriptedReply::Length("4294967296", {"hello"}), false, false, 0, "old"},
      {"no length, body ended normally", ScriptedReply::NoLength({PatternBody(2000)}), false, true,
       2000, PatternBody(2000)},
      {"no length, read failed", ScriptedReply::NoLength({"part"}).ReadFailsAtEnd(), false, false,
       0, "old"},
      {"no length, no body", ScriptedReply::NoLength(), false, false, 0, "old"},
      {"no length, binary data", ScriptedReply::NoLength({"hello"}), true, false, 0, "old"},
      {"length with binary data", ScriptedReply::Length("5", {"hello"}), true, true, 5, "hello"},
      {"request cannot be opened", ScriptedReply::Unprepared(), false, false, 0, "old"},
      {"complete, check refuses", ScriptedReply::Length("5", {"hello"}), false, false, 0, "old",
       says_no},
      {"complete, check accepts", ScriptedReply::Length("5", {"hello"}), false, true, 5, "hello",
       wants_hello},
      {"cut off, check never asked", ScriptedReply::Length("9", {"hello"}), false, false, 0, "old",
       wants_hello},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(files::write_file(dir / "target.bin", "old"));
    http->Reply("/f", c.reply);
    FetchSnapshot s = FileFetch("/f");
    s.BinaryData = c.binary_data;
    s.Check = c.check;
    FetchResult r = Run(s);
    EXPECT_EQ(r.ok, c.ok);
    if (c.ok) {
      EXPECT_EQ(r.file_size, c.file_size);
    }
    EXPECT_EQ(Target(), c.file);
    EXPECT_FALSE(files::file_exists(PartialFileName(dir / "target.bin")));
  }
  EXPECT_EQ(http->released(), http->opened());
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
      {"complete", ScriptedReply::Length("5", {"hello"}), FetchFailure::kNone},
      {"request cannot be opened", ScriptedReply::Unprepared(), FetchFailure::kNoConnection},
      {"no server answered", ScriptedReply{}, FetchFailure::kNoConnection},
      {"the answer did not come in time", ScriptedReply::NoAnswerInTime(), FetchFailure::kStalled},
      {"error page", ScriptedReply::Length("9", {"not found"}).WithStatus(404), FetchFailure::kServerStatus},
      {"body cut off", ScriptedReply::Length("1000", {PatternBody(600)}), FetchFailure::kIncomplete},
      {"reading failed", ScriptedReply::NoLength({"part"}).ReadFailsAtEnd(), FetchFailure::kIncomplete},
      {"the body stalled", ScriptedReply::Length("1000", {PatternBody(600)}).StallsAtEnd(),
       FetchFailure::kStalled},
      {"length not a number", ScriptedReply::Length("12a", {"hello"}), FetchFailure::kIncomplete},
      {"the check refuses", ScriptedReply::Length("5", {"hello"}), FetchFailure::kRefused, "target.bin",
       says_no},
      {"the partial file cannot be created", ScriptedReply::Length("5", {"hello"}), FetchFailure::kLocalFile,
       "missing-folder/target.bin"},
      {"the target cannot be replaced", ScriptedReply::Length("5", {"hello"}), FetchFailure::kLocalFile,
       "a-folder"},
      {"string: empty body", ScriptedReply::Length("0"), FetchFailure::kIncomplete, "", nullptr,
       FetchMode::kString},
  };
  ASSERT_TRUE(files::create_folders(dir / "a-folder/inside"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    http->Reply("/f", c.reply);
    FetchSnapshot s = c.mode == FetchMode::kFile ? FileFetch("/f") : StringFetch("/f");
    if (c.mode == FetchMode::kFile) s.FileName = dir / c.target;
    s.Check = c.check;
    const FetchResult r = Run(s);
    EXPECT_EQ(r.ok, c.failure == FetchFailure::kNone);
    EXPECT_EQ(r.failure, c.failure);
  }
  EXPECT_TRUE(files::folder_exists(dir / "a-folder/inside"));
}

TEST_F(HttpGetThreadTest, CancelIsToldApartFromAFailure) {
  http->Reply("/f", ScriptedReply::Length("3075", {PatternBody(3075)}));
  control.cancel_after_reports = 1;
  EXPECT_EQ(Run(FileFetch("/f")).failure, FetchFailure::kCancelled);
}

TEST_F(HttpGetThreadTest, CheckSeesTheWholeBodyBeforeTheTargetIsReplaced) {
  ASSERT_TRUE(files::write_file(dir / "target.bin", "old"));
  http->Reply("/f", ScriptedReply::Length("2000", {PatternBody(2000)}));
  FetchSnapshot s = FileFetch("/f");
  std::optional<std::string> seen;
  std::optional<std::string> target_meanwhile;
  s.Check = [&](const std::string& path) {
    seen = files::read_file(path);
    target_meanwhile = Target();
    return true;
  };
  EXPECT_TRUE(Run(s).ok);
  EXPECT_EQ(seen, PatternBody(2000));
  EXPECT_EQ(target_meanwhile, "old");
  EXPECT_EQ(Target(), PatternBody(2000));
}

TEST_F(HttpGetThreadTest, UnreachableServerLeavesTheTargetAlone) {
  ASSERT_TRUE(files::write_file(dir / "target.bin", "keep me"));
  FetchResult r = Run(FileFetch("/nobody-answers"));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(Target(), "keep me");
}

TEST_F(HttpGetThreadTest, NoBinaryDataWithoutLengthCreatesNoFile) {
  http->Reply("/f", ScriptedReply::NoLength({"hello"}));
  FetchSnapshot s = FileFetch("/f");
  s.BinaryData = true;
  EXPECT_FALSE(Run(s).ok);
  EXPECT_FALSE(files::file_exists(dir / "target.bin"));
  EXPECT_TRUE(http->read_sizes().empty());  // no body was read
}

TEST_F(HttpGetThreadTest, TargetThatCannotBeCreatedFails) {
  const ScriptedReply replies[] = {ScriptedReply::Length("5", {"hello"}),
                                   ScriptedReply::NoLength({"hello"})};
  for (const ScriptedReply& reply : replies) {
    http->Reply("/f", reply);
    FetchSnapshot s = FileFetch("/f");
    s.FileName = dir / "missing-folder/target.bin";
    EXPECT_FALSE(Run(s).ok);
  }
}

TEST_F(HttpGetThreadTest, AddressWithoutPathSendsNothing) {
  FetchSnapshot s = FileFetch("");
  s.URL = "http://server.test";
  EXPECT_FALSE(Run(s).ok);
  EXPECT_TRUE(http->requests().empty());
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
      {"length met", ScriptedReply::Length("9", {"de,en,fr\n"}), false, true, "de,en,fr\n"},
      {"no length", ScriptedReply::NoLength({PatternBody(3000)}), false, true, PatternBody(3000)},
      {"bytes kept as they are", ScriptedReply::Length("3", {with_zero}), false, true, with_zero},
      {"empty body with length 0", ScriptedReply::Length("0"), false, false, ""},
      {"empty body without length", ScriptedReply::NoLength(), false, false, ""},
      {"body shorter than announced", ScriptedReply::Length("1000", {"de,en"}), false, false, ""},
      {"no length, binary data", ScriptedReply::NoLength({"de"}), true, false, ""},
      {"no length, read failed", ScriptedReply::NoLength({"de"}).ReadFailsAtEnd(), false, false,
       ""},
      {"error page with its length", ScriptedReply::Length("9", {"not found"}).WithStatus(404),
       false, false, ""},
      {"error page without length", ScriptedReply::NoLength({"gone"}).WithStatus(410), false,
       false, ""},
      {"status 203", ScriptedReply::Length("2", {"de"}).WithStatus(203), false, true, "de"},
  };
  for (const StringCase& c : cases) {
    SCOPED_TRACE(c.what);
    http->Reply("/s", c.reply);
    FetchSnapshot s = StringFetch("/s");
    s.BinaryData = c.binary_data;
    FetchResult r = Run(s);
    EXPECT_EQ(r.ok, c.ok);
    if (c.ok) {
      EXPECT_EQ(r.body, c.body);
    }
  }
}

TEST_F(HttpGetThreadTest, CancelBeforeStartSendsNothing) {
  http->Reply("/f", ScriptedReply::Length("5", {"hello"}));
  control.cancelled = true;
  EXPECT_FALSE(Run(FileFetch("/f")).ok);
  EXPECT_TRUE(http->requests().empty());
}

TEST_F(HttpGetThreadTest, CancelStopsBeforeTheNextChunkAndKeepsTheOldTarget) {
  ASSERT_TRUE(files::write_file(dir / "target.bin", "old"));
  http->Reply("/f", ScriptedReply::Length("3075", {PatternBody(3075)}));
  control.cancel_after_reports = 1;
  FetchResult r = Run(FileFetch("/f"));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(control.reports.size(), 1u);
  EXPECT_EQ(http->read_sizes().size(), 1u);
  EXPECT_EQ(Target(), "old");
  EXPECT_FALSE(files::file_exists(PartialFileName(dir / "target.bin")));
  EXPECT_EQ(http->released(), 1);
}

TEST_F(HttpGetThreadTest, CancelAfterTheLastChunkStillFails) {
  http->Reply("/f", ScriptedReply::Length("5", {"hello"}));
  control.cancel_after_reports = 1;
  EXPECT_FALSE(Run(FileFetch("/f")).ok);
}

}  // namespace
}  // namespace orvx::net
