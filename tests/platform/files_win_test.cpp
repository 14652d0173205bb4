// The Windows file layer, under Wine: the same contract as natively, through
// the A functions.
#include <windows.h>

#include <gtest/gtest.h>

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
