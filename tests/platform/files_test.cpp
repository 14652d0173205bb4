#include <gtest/gtest.h>

#include <algorithm>

#include "platform/files.h"
#include "platform/wildcard.h"
#include "support/paths.h"

namespace orvx {
namespace {

struct WildcardCase {
  const char* pattern;
  const char* name;
  bool match;
};

TEST(Wildcard, MatchesLikeAFileListing) {
  const WildcardCase cases[] = {
      {"*.qpf", "ORV - 1280x1024.qpf", true},
      {"*.qpf", "work.QPF", true},
      {"*.qpf", "work.qpf.bak", false},
      {"*.qpf", "qpf", false},
      {"*.*", ".", true},
      {"*.*", "..", true},
      {"*.*", "config.qcf", true},
      {"*.*", "README", true},
      {"?.txt", "a.txt", true},
      {"?.txt", "ab.txt", false},
      {"a*b*c", "aXbYbZc", true},
      {"a*b*c", "aXbYbZ", false},
      {"", "", true},
      {"*", "", true},
      {"*", "*star", true},
      {"a*c", "a*b*c", true},
      {"*.qpf", "*.qpf", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(wildcard_match(c.pattern, c.name), c.match) << c.pattern << " vs " << c.name;
  }
}

TEST(Files, PathPartsSplitAtTheLastSeparator) {
  std::string path = std::string("a") + files::kSeparator + "b" + files::kSeparator + "c.txt";
  EXPECT_EQ(files::name_of(path), "c.txt");
  EXPECT_EQ(files::folder_of(path), std::string("a") + files::kSeparator + "b" + files::kSeparator);
  EXPECT_EQ(files::folder_of("c.txt"), "");
  EXPECT_EQ(files::with_separator("x"), std::string("x") + files::kSeparator);
  EXPECT_EQ(files::with_separator(files::with_separator("x")), std::string("x") + files::kSeparator);
}

TEST(Files, ReplacingWriteKeepsBytesAndLeavesNoTemporaryFile) {
  test::TempFolder dir;
  std::string target = dir / "p.qpf";
  ASSERT_TRUE(files::write_file(target, "old"));
  std::string bytes("a\0b\xFF\r\n", 6);
  ASSERT_TRUE(files::write_file_replacing(target, bytes));
  EXPECT_EQ(files::read_file(target).value(), bytes);
  auto entries = files::list_folder(dir.path(), "*");
  auto files_only = std::count_if(entries.begin(), entries.end(),
                                  [](const files::FolderEntry& e) { return !(e.attributes & files::kDirectory); });
  EXPECT_EQ(files_only, 1);
}

TEST(Files, LeftoversOfReplacingWritesAreKnownByName) {
  struct Case {
    const char* name;
    bool leftover;
  };
  const Case cases[] = {
      {"~orvx-a1B2c3.tmp", true}, {"~ORVX-0000abcd.TMP", true}, {"~orvx-keep-0.tmp", true},
      {"~orvx-.tmp", false},      {"orvx-a1B2c3.tmp", false},   {"~orvx-a1B2c3.tmp.qpf", false},
      {"orv1A2B.tmp", false},     {"config.qcf", false},        {"~orvx-", false},
  };
  for (const Case& c : cases) EXPECT_EQ(files::is_replacing_temp_name(c.name), c.leftover) << c.name;
}

TEST(Files, FailedReplacingWriteLeavesNothing) {
  test::TempFolder dir;
  std::string missing_folder = dir / "no-such-folder";
  EXPECT_FALSE(files::write_file_replacing(missing_folder + files::kSeparator + "p.qpf", "x"));
  EXPECT_TRUE(files::list_folder(dir.path(), "*.qpf").empty());
}

TEST(Files, ListingReportsFoldersAndSizes) {
  test::TempFolder dir;
  ASSERT_TRUE(files::write_file(dir / "a.qpf", "12345"));
  ASSERT_TRUE(files::create_folder(dir / "x.qpf"));
  auto entries = files::list_folder(dir.path(), "*.qpf");
  ASSERT_EQ(entries.size(), 2u);
  for (const auto& e : entries) {
    if (e.name == "a.qpf") {
      EXPECT_EQ(e.size, 5u);
      EXPECT_FALSE(e.attributes & files::kDirectory);
    } else {
      EXPECT_EQ(e.name, "x.qpf");
      EXPECT_TRUE(e.attributes & files::kDirectory);
    }
  }
  EXPECT_TRUE(files::list_folder(dir / "missing", "*").empty());
}

}  // namespace
}  // namespace orvx
