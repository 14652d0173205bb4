// Packing a folder into a container: the bytes of the records, which files
// are taken, the events, and the failures that leave no container behind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "backup/container_error.h"
#include "backup/backup_container.h"
#include "container_fixture.h"
#include "platform/files.h"
#include "support/paths.h"

namespace orvx {
namespace {

using backup::ContainerError;
using test::ParsedRecord;
using test::Tree;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<ParsedRecord> pack(const std::string& folder, bool recursive, bool store_paths = true) {
  test::TempFolder out;
  BackupContainer zip;
  zip.store_paths = store_paths;
  zip.pack_folder(folder, recursive, out / "backup.qbk");
  auto records = test::parse_container(files::read_file(out / "backup.qbk").value());
  std::sort(records.begin(), records.end());
  return records;
}

TEST(PackFolder, OneFileGivesTheDocumentedRecord) {
  test::TempFolder dir;
  std::string content = test::text_of(1000);
  test::write_tree(dir / "data/", {{"notes.txt", content}});
  BackupContainer zip;
  zip.pack_folder(dir / "data", false, dir / "b.qbk");

  std::string bytes = files::read_file(dir / "b.qbk").value();
  ASSERT_GT(bytes.size(), 19u);
  EXPECT_EQ(bytes.substr(0, 15), std::string("\x00\x09notes.txt\xE8\x03\x00\x00", 15));
  uint32_t compressed_size = test::parse_container(bytes).at(0).compressed.size();
  EXPECT_EQ(bytes.substr(15, 4), test::le32(compressed_size));
  EXPECT_EQ(bytes.size(), 19u + compressed_size);
  EXPECT_EQ(static_cast<unsigned char>(bytes[19]), 0x78) << "zlib header of a 32 KiB window";
  EXPECT_EQ(test::zlib_uncompress(bytes.substr(19), 1000), content);
}

TEST(PackFolder, EmptyFolderGivesAnEmptyContainer) {
  test::TempFolder dir;
  ASSERT_TRUE(files::create_folder(dir / "empty"));
  BackupContainer zip;
  zip.pack_folder(dir / "empty", true, dir / "b.qbk");
  EXPECT_EQ(files::read_file(dir / "b.qbk").value(), "");
}

TEST(PackFolder, EmptyFileHasBothSizesZeroAndNoZlibBytes) {
  test::TempFolder dir;
  test::write_tree(dir / "data/", {{"empty.qpf", ""}});
  BackupContainer zip;
  zip.pack_folder(dir / "data", false, dir / "b.qbk");
  EXPECT_EQ(files::read_file(dir / "b.qbk").value(), std::string("\x00\x09"
                                                                 "empty.qpf"
                                                                 "\x00\x00\x00\x00\x00\x00\x00\x00",
                                                                 19));
}

// Which records a folder with subfolders gives.
TEST(PackFolder, RecursionAndStorePathsDecideTheRecords) {
  test::TempFolder dir;
  test::write_tree(dir / "data/",
                   {{"top.qpf", "t"}, {"sub/mid.qpf", "m"}, {"sub/deeper/low.qpf", "l"}, {"only-a-folder/", ""}});
  struct Case {
    bool recursive, store_paths;
    std::vector<std::pair<std::string, std::string>> records;  // folder part, name
  };
  const Case cases[] = {
      {true, true, {{"", "top.qpf"}, {"sub\\", "mid.qpf"}, {"sub\\deeper\\", "low.qpf"}}},
      {true, false, {{"", "low.qpf"}, {"", "mid.qpf"}, {"", "top.qpf"}}},
      {false, true, {{"", "top.qpf"}}},
      {false, false, {{"", "top.qpf"}}},
  };
  for (const Case& c : cases) {
    std::vector<std::pair<std::string, std::string>> got;
    for (const ParsedRecord& r : pack(dir / "data", c.recursive, c.store_paths)) {
      got.emplace_back(r.folder_part, r.name);
    }
    EXPECT_EQ(got, c.records) << "recursive " << c.recursive << ", store paths " << c.store_paths;
  }
}

TEST(PackFolder, HiddenDotFilesArePackedToo) {
  test::TempFolder dir;
  test::write_tree(dir / "data/", {{".hidden", "h"}, {"plain", "p"}});
  std::vector<std::string> names;
  for (const ParsedRecord& r : pack(dir / "data", false)) names.push_back(r.name);
  EXPECT_THAT(names, ElementsAre(".hidden", "plain"));
}

TEST(PackFolder, ExcludedFilesAreLeftOutAtEveryLevel) {
  test::TempFolder dir;
  test::write_tree(dir / "data/", {{"a.qpf", "a"}, {"skip.tmp", "s"}, {"sub/skip.tmp", "s"}, {"sub/b.qpf", "b"}});
  std::vector<std::string> asked;
  BackupContainer zip;
  zip.excluded = [&](const std::string& name) {
    asked.push_back(name);
    return name == "skip.tmp";
  };
  zip.pack_folder(dir / "data", true, dir / "c.qbk");
  std::vector<std::string> names;
  for (const ParsedRecord& r : test::parse_container(files::read_file(dir / "c.qbk").value())) {
    names.push_back(r.folder_part + r.name);
  }
  std::sort(names.begin(), names.end());
  EXPECT_THAT(names, ElementsAre("a.qpf", "sub\\b.qpf"));
  std::sort(asked.begin(), asked.end());
  EXPECT_THAT(asked, ElementsAre("a.qpf", "b.qpf", "skip.tmp", "skip.tmp"));
}

TEST(PackFolder, TheLevelIsZlibsLevel) {
  test::TempFolder dir;
  std::string content = test::text_of(50000);
  test::write_tree(dir / "data/", {{"a.txt", content}});
  auto compressed_at = [&](int level) {
    BackupContainer zip;
    zip.compression_level = level;
    zip.pack_folder(dir / "data", false, dir / "b.qbk");
    return test::parse_container(files::read_file(dir / "b.qbk").value()).at(0).compressed;
  };
  for (int level : {-1, 0, 1, 6, 9}) {
    std::string compressed = compressed_at(level);
    EXPECT_EQ(test::zlib_uncompress(compressed, 50000), content) << level;
    if (level != 0) {
      EXPECT_EQ(compressed, test::zlib_compress(content, level)) << level;
    }
  }
  EXPECT_GT(compressed_at(0).size(), content.size());
  EXPECT_LT(compressed_at(9).size(), compressed_at(1).size());
}

TEST(PackFolder, EventsComeInOrderWithProgressPerChunk) {
  test::TempFolder dir;
  test::write_tree(dir / "data/", {{"a.bin", test::noise_of(2500)}, {"sub/e.txt", ""}});
  std::vector<std::string> events;
  std::vector<std::string> paths;
  BackupContainer zip;
  zip.on_compressing_file = [&](BackupContainer& sender, const std::string& file) {
    EXPECT_EQ(&sender, &zip);
    events.push_back("compressing " + files::name_of(file));
    paths.push_back(file);
  };
  zip.on_progress = [&](BackupContainer&, int32_t position, int32_t total) {
    events.push_back(std::to_string(position) + "/" + std::to_string(total));
  };
  zip.on_compressed_file = [&](BackupContainer&, const std::string& file) {
    events.push_back("compressed " + files::name_of(file));
  };
  zip.pack_folder(dir / "data", true, dir / "b.qbk");

  // The listing order is the file system's; look at each file's run of events.
  auto run_of = [&](const std::string& name) {
    auto first = std::find(events.begin(), events.end(), "compressing " + name);
    auto last = std::find(first, events.end(), "compressed " + name);
    return std::vector<std::string>(first, last == events.end() ? last : last + 1);
  };
  EXPECT_THAT(run_of("a.bin"),
              ElementsAre("compressing a.bin", "1024/2500", "2048/2500", "2500/2500", "2500/2500", "compressed a.bin"));
  EXPECT_THAT(run_of("e.txt"), ElementsAre("compressing e.txt", "0/0", "compressed e.txt"));
  EXPECT_EQ(events.size(), 9u);
  std::sort(paths.begin(), paths.end());
  std::string data = dir / "data" + files::kSeparator;
  EXPECT_THAT(paths, ElementsAre(data + "a.bin", data + test::local_path("sub/e.txt")));
}

TEST(PackFolder, ReplacesAnOldContainerAndNeverPacksIt) {
  test::TempFolder dir;
  test::write_tree(dir.path(), {{"a.qpf", "a"}, {"old.qbk", "old backup"}});
  BackupContainer zip;
  zip.pack_folder(dir.path(), false, dir / "old.qbk");
  std::vector<std::string> names;
  for (const auto& r : test::parse_container(files::read_file(dir / "old.qbk").value())) {
    names.push_back(r.name);
  }
  EXPECT_THAT(names, ElementsAre("a.qpf"));
}

// Failures: an error that says what is wrong, and no container afterwards
// (an old one of that name is gone, so a caller cannot mistake it for the
// new one).
TEST(PackFolder, FailuresLeaveNoContainer) {
  struct Case {
    const char* what;
    Tree tree;
    int level;
    const char* message;
  };
  const std::string deep = std::string(100, 'd') + "/" + std::string(100, 'e') + "/" + std::string(60, 'f') + "/";
  const Case cases[] = {
      {"level outside zlib's range", {{"a.txt", "x"}}, 10, "Z_STREAM_ERROR"},
      {"folder part over 255 bytes", {{deep + "x.txt", "x"}}, -1, "at most 255 bytes"},
      {"missing folder", {}, -1, "does not exist"},
  };
  for (const Case& c : cases) {
    test::TempFolder dir;
    std::string data = dir / "data";
    if (!c.tree.empty()) test::write_tree(data + files::kSeparator, c.tree);
    ASSERT_TRUE(files::write_file(dir / "b.qbk", "an older backup"));
    BackupContainer zip;
    zip.compression_level = c.level;
    try {
      zip.pack_folder(data, true, dir / "b.qbk");
      ADD_FAILURE() << c.what << ": no error";
    } catch (const ContainerError& e) {
      EXPECT_THAT(e.what(), HasSubstr(c.message)) << c.what;
    }
    EXPECT_FALSE(files::file_exists(dir / "b.qbk")) << c.what;
  }
}

TEST(PackFolder, LongFolderPartsAreFineWhenPathsAreNotStored) {
  test::TempFolder dir;
  std::string deep = std::string(100, 'd') + "/" + std::string(100, 'e') + "/" + std::string(60, 'f') + "/";
  test::write_tree(dir / "data/", {{deep + "x.txt", "x"}});
  auto records = pack(dir / "data", true, false);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].folder_part, "");
}

TEST(PackFolder, FilesOf2GiBOrMoreAreRefusedBeforeReading) {
  test::TempFolder dir;
  test::write_tree(dir / "data/", {{"small.txt", "s"}});
  // Sparse: takes no disk space.
  std::filesystem::path big = dir / "data" + files::kSeparator + "big.bin";
  { files::write_file(big.string(), ""); }
  std::filesystem::resize_file(big, 0x80000000ull);
  bool read_big = false;
  BackupContainer zip;
  zip.on_compressing_file = [&](BackupContainer&, const std::string& file) {
    read_big = read_big || files::name_of(file) == "big.bin";
  };
  try {
    zip.pack_folder(dir / "data", false, dir / "b.qbk");
    ADD_FAILURE() << "no error";
  } catch (const ContainerError& e) {
    EXPECT_THAT(e.what(), HasSubstr("big.bin"));
    EXPECT_THAT(e.what(), HasSubstr("2 GiB"));
  }
  EXPECT_FALSE(read_big);
  EXPECT_FALSE(files::file_exists(dir / "b.qbk"));
}

TEST(PackFolder, FileJustBelow2GiBIsNotRefusedBySize) {
  // The limit is 2 GiB exactly: one byte less passes the size check and is
  // read (the event handler stops it there to keep the test fast).
  test::TempFolder dir;
  ASSERT_TRUE(files::create_folder(dir / "data"));
  std::filesystem::path big = dir / "data" + files::kSeparator + "big.bin";
  files::write_file(big.string(), "");
  std::filesystem::resize_file(big, 0x7FFFFFFFull);
  struct Stop {};
  BackupContainer zip;
  zip.on_progress = [](BackupContainer&, int32_t, int32_t total) {
    EXPECT_EQ(total, 0x7FFFFFFF);
    throw Stop{};
  };
  EXPECT_THROW(zip.pack_folder(dir / "data", false, dir / "b.qbk"), Stop);
  EXPECT_FALSE(files::file_exists(dir / "b.qbk"));
}

}  // namespace
}  // namespace orvx
