// The Windows file layer, under Wine: the same contract as natively, through
// the A functions.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/files.h"
#include "support/paths.h"

namespace orvx {
namespace {

TEST(FilesWin, ReplacingWriteOverReadOnlyFolderKeepsOldFile) {
  test::TempFolder dir;
  std::string target = dir / "p.qpf";
  ASSERT_TRUE(files::write_file(target, "old"));
  ASSERT_TRUE(files::write_file_replacing(target, "new contents"));
  EXPECT_EQ(files::read_file(target).value(), "new contents");
  // A name no file can have: the old profile stays and nothing is left.
  EXPECT_FALSE(files::write_file_replacing(dir / "bad|name.qpf", "x"));
  EXPECT_EQ(files::list_folder(dir.path(), "*.tmp").size(), 0u);
  EXPECT_EQ(files::list_folder(dir.path(), "*").size(), 3u);  // ".", "..", p.qpf
}

// A read-only file is neither replaced by a whole-file write nor by a move,
// whoever runs the program; both leave no temporary file behind.
TEST(FilesWin, AReadOnlyFileIsNeverReplaced) {
  test::TempFolder dir;
  const std::string target = dir / "config.qcf";
  ASSERT_TRUE(files::write_file(target, "old"));
  ASSERT_TRUE(files::write_file(dir / "new", "new"));
  ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(files::write_file_replacing(target, "new contents"));
  EXPECT_FALSE(files::replace_file(dir / "new", target));
  EXPECT_EQ(files::read_file(target), std::optional<std::string>("old"));
  EXPECT_TRUE(files::file_exists(dir / "new"));
  EXPECT_EQ(files::list_folder(dir.path(), "*").size(), 4u);  // ".", "..", config.qcf, new
  ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(files::replace_file(dir / "new", target));
  EXPECT_EQ(files::read_file(target), std::optional<std::string>("new"));
}

TEST(FilesWin, ListingKeepsWindowsAttributes) {
  test::TempFolder dir;
  ASSERT_TRUE(files::write_file(dir / "h.txt", "x"));
  ASSERT_TRUE(SetFileAttributesA((dir / "h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  auto entries = files::list_folder(dir.path(), "*.txt");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_TRUE(entries[0].attributes & files::kHidden);
  EXPECT_TRUE(entries[0].attributes & files::kSystem);
  auto t = files::last_write_local_time(dir / "h.txt");
  ASSERT_TRUE(t.has_value());
  EXPECT_EQ(t->second % 2, 0);
  EXPECT_GE(t->year, 2000);
}

}  // namespace
}  // namespace orvx
