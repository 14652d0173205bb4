#include <gtest/gtest.h>

#include "platform/file_streams.h"
#include "platform/files.h"
#include "support/paths.h"

namespace orvx {
namespace {

size_t files_in(const std::string& folder) {
  size_t n = 0;
  for (const auto& e : files::list_folder(folder, "*")) {
    if (!(e.attributes & files::kDirectory)) ++n;
  }
  return n;
}

TEST(FileReader, ReadsInPiecesUpToTheEnd) {
  test::TempFolder dir;
  std::string content(2500, 'x');
  content[0] = '\0';
  ASSERT_TRUE(files::write_file(dir / "a.bin", content));
  auto reader = files::FileReader::open(dir / "a.bin", files::Sharing::kDenyWrite);
  ASSERT_TRUE(reader);
  EXPECT_EQ(reader->size(), 2500u);
  std::string got;
  std::vector<size_t> pieces;
  char buffer[1024];
  for (;;) {
    std::optional<size_t> n = reader->read(buffer, sizeof buffer);
    ASSERT_TRUE(n);
    pieces.push_back(*n);
    if (*n == 0) break;
    got.append(buffer, *n);
  }
  EXPECT_EQ(got, content);
  EXPECT_EQ(pieces, (std::vector<size_t>{1024, 1024, 452, 0}));
}

TEST(FileReader, MissingFilesAndFoldersDoNotOpen) {
  test::TempFolder dir;
  EXPECT_FALSE(files::FileReader::open(dir / "missing", files::Sharing::kDenyNone));
  EXPECT_FALSE(files::describe_last_error().empty());
  EXPECT_FALSE(files::FileReader::open(dir.path(), files::Sharing::kDenyNone));
}

TEST(ReplacingFileWriter, ReplacesOnlyOnCommit) {
  test::TempFolder dir;
  const std::string target = dir / "p.qpf";
  ASSERT_TRUE(files::write_file(target, "old"));
  {
    auto writer = files::ReplacingFileWriter::create(target);
    ASSERT_TRUE(writer);
    ASSERT_TRUE(writer->write("half of the new"));
    EXPECT_EQ(files::read_file(target), "old");
  }  // dropped without commit
  EXPECT_EQ(files::read_file(target), "old");
  EXPECT_EQ(files_in(dir.path()), 1u);

  auto writer = files::ReplacingFileWriter::create(target);
  ASSERT_TRUE(writer);
  ASSERT_TRUE(writer->write("new "));
  ASSERT_TRUE(writer->write(std::string("\0content", 8)));
  auto moved = std::move(*writer);  // ownership moves with the writer
  ASSERT_TRUE(moved.commit());
  EXPECT_EQ(files::read_file(target), std::string("new \0content", 12));
  EXPECT_EQ(files_in(dir.path()), 1u);
}

// A program that dies while writing leaves the temporary file behind; its
// name must tell it apart from the user's files. Two writes at once get
// files of their own.
TEST(ReplacingFileWriter, TemporaryFilesAreNamedAsLeftovers) {
  test::TempFolder dir;
  auto first = files::ReplacingFileWriter::create(dir / "p.qpf");
  auto second = files::ReplacingFileWriter::create(dir / "p.qpf");
  ASSERT_TRUE(first && second);
  std::vector<std::string> names;
  for (const auto& e : files::list_folder(dir.path(), "*")) {
    if (!(e.attributes & files::kDirectory)) names.push_back(e.name);
  }
  ASSERT_EQ(names.size(), 2u);
  EXPECT_NE(names[0], names[1]);
  for (const std::string& name : names) EXPECT_TRUE(files::is_replacing_temp_name(name)) << name;
}

TEST(ReplacingFileWriter, FailsWithoutLeavingAnything) {
  test::TempFolder dir;
  EXPECT_FALSE(files::ReplacingFileWriter::create(dir / "missing" + files::kSeparator + "p.qpf"));
  ASSERT_TRUE(files::create_folder(dir / "taken"));
  auto writer = files::ReplacingFileWriter::create(dir / "taken");
  ASSERT_TRUE(writer);
  ASSERT_TRUE(writer->write("x"));
  EXPECT_FALSE(writer->commit());  // a folder is in the way
  EXPECT_TRUE(files::folder_exists(dir / "taken"));
  EXPECT_EQ(files_in(dir.path()), 0u);
}

TEST(CreateFolders, MakesEveryMissingLevel) {
  test::TempFolder dir;
  const std::string deep = dir / "a" + files::kSeparator + "b" + files::kSeparator + "c" + files::kSeparator;
  EXPECT_TRUE(files::create_folders(deep));
  EXPECT_TRUE(files::folder_exists(deep));
  EXPECT_TRUE(files::create_folders(deep));  // already there
  EXPECT_TRUE(files::create_folders(""));
  ASSERT_TRUE(files::write_file(dir / "file", "x"));
  EXPECT_FALSE(files::create_folders(dir / "file" + files::kSeparator + "below"));
}

}  // namespace
}  // namespace orvx
