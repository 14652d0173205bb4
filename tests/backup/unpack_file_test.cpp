// Unpacking containers: folders, Overwrite, WriteFile, the events, and
// containers that are cut off, damaged or hostile.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backup/container_error.h"
#include "backup/backup_container.h"
#include "container_fixture.h"
#include "platform/files.h"
#include "support/paths.h"

namespace orvx {
namespace {

using backup::ContainerError;
using test::file_record;
using test::Tree;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A temporary folder with a container file "c.qbk" and the target folder
// "out" (not created beforehand).
class Unpack : public ::testing::Test {
 protected:
  std::string container() const { return dir_ / "c.qbk"; }
  std::string target() const { return dir_ / "out"; }
  std::string target_file(const std::string& relative) const {
    return target() + files::kSeparator + test::local_path(relative);
  }
  void write_container(const std::string& bytes) const { ASSERT_TRUE(files::write_file(container(), bytes)); }
  Tree unpacked() const { return test::read_tree(target() + files::kSeparator); }
  // Everything in the temporary folder besides the container and the target.
  Tree outside() const {
    Tree all = test::read_tree(dir_.path());
    Tree rest;
    for (auto& [path, content] : all) {
      if (path != "c.qbk" && path.rfind("out/", 0) != 0) rest[path] = content;
    }
    return rest;
  }

  test::TempFolder dir_;
};

TEST_F(Unpack, EmptyContainerCreatesNothingAndCompletes) {
  write_container("");
  std::vector<std::string> events;
  BackupContainer zip;
  zip.on_decompressing_file = [&](BackupContainer&, const std::string&, bool&) { events.push_back("decompressing"); };
  zip.on_completed_action = [&](BackupContainer& sender) {
    EXPECT_EQ(&sender, &zip);
    events.push_back("completed");
  };
  zip.unpack_file(container(), target(), true, true);
  EXPECT_THAT(events, ElementsAre("completed"));
  EXPECT_FALSE(files::folder_exists(target()));
}

TEST_F(Unpack, RecordsBecomeFilesWithTheirFolders) {
  std::string binary = test::noise_of(5000) + std::string("\0\r\n", 3);
  write_container(file_record("", "config.qcf", "[Settings]\r\n") + file_record("", "empty.qpf", "") +
                  file_record("sub\\", "bin.dat", binary) +
                  file_record("sub\\deeper\\", "Größe.txt", test::text_of(3000)) +
                  file_record("other", "no-backslash.txt", "folder part without its backslash") +
                  file_record("a/b\\", "slashes.txt", "both separators"));
  BackupContainer zip;
  zip.unpack_file(container(), target(), true, true);
  EXPECT_EQ(unpacked(), (Tree{{"config.qcf", "[Settings]\r\n"},
                              {"empty.qpf", ""},
                              {"sub/", ""},
                              {"sub/bin.dat", binary},
                              {"sub/deeper/", ""},
                              {"sub/deeper/Größe.txt", test::text_of(3000)},
                              {"other/", ""},
                              {"other/no-backslash.txt", "folder part without its backslash"},
                              {"a/", ""},
                              {"a/b/", ""},
                              {"a/b/slashes.txt", "both separators"}}));
}

TEST_F(Unpack, WithoutKeepFoldersFilesLandInTheTargetAndFoldersStayEmpty) {
  write_container(file_record("", "top.qpf", "t") + file_record("sub\\deeper\\", "low.qpf", "l"));
  BackupContainer zip;
  zip.unpack_file(container(), target(), true, false);
  EXPECT_EQ(unpacked(), (Tree{{"top.qpf", "t"}, {"low.qpf", "l"}, {"sub/", ""}, {"sub/deeper/", ""}}));
}

TEST_F(Unpack, OverwriteDecidesAboutExistingFiles) {
  write_container(file_record("", "kept.qpf", "from backup") + file_record("", "new.qpf", "new"));
  for (bool overwrite : {false, true}) {
    test::write_tree(target() + files::kSeparator, {{"kept.qpf", "local"}});
    files::delete_file(target_file("new.qpf"));
    std::vector<std::string> decompressed;
    BackupContainer zip;
    zip.on_decompressing_file = [&](BackupContainer&, const std::string& file, bool&) {
      decompressed.push_back(files::name_of(file));
    };
    zip.unpack_file(container(), target(), overwrite, true);
    EXPECT_EQ(unpacked(), (Tree{{"kept.qpf", overwrite ? "from backup" : "local"}, {"new.qpf", "new"}}))
        << "overwrite " << overwrite;
    // A skipped record raises no events.
    const std::vector<std::string> expected =
        overwrite ? std::vector<std::string>{"kept.qpf", "new.qpf"} : std::vector<std::string>{"new.qpf"};
    EXPECT_EQ(decompressed, expected);
  }
}

TEST_F(Unpack, WriteFileFalseDecompressesWithoutWriting) {
  std::string big = test::text_of(3000);
  write_container(file_record("", "skip.txt", big) + file_record("", "keep.txt", "k"));
  std::vector<std::string> events;
  BackupContainer zip;
  zip.on_decompressing_file = [&](BackupContainer&, const std::string& file, bool& write) {
    EXPECT_TRUE(write);
    write = files::name_of(file) != "skip.txt";
  };
  zip.on_progress = [&](BackupContainer&, int32_t position, int32_t total) {
    events.push_back(std::to_string(position) + "/" + std::to_string(total));
  };
  zip.on_decompressed_file = [&](BackupContainer&, const std::string& file, uint32_t size) {
    events.push_back(files::name_of(file) + " " + std::to_string(size));
  };
  zip.unpack_file(container(), target(), true, true);
  EXPECT_THAT(events, ElementsAre("skip.txt 3000", "1/1", "1/1", "keep.txt 1"));
  EXPECT_EQ(unpacked(), (Tree{{"keep.txt", "k"}}));
}

TEST_F(Unpack, EventsComeInOrderWithProgressPerChunk) {
  write_container(file_record("sub\\", "a.bin", test::noise_of(2500)) + file_record("", "e.txt", ""));
  std::vector<std::string> events;
  BackupContainer zip;
  zip.on_decompressing_file = [&](BackupContainer&, const std::string& file, bool&) {
    events.push_back("decompressing " + file);
  };
  zip.on_progress = [&](BackupContainer&, int32_t position, int32_t total) {
    events.push_back(std::to_string(position) + "/" + std::to_string(total));
  };
  zip.on_decompressed_file = [&](BackupContainer&, const std::string& file, uint32_t size) {
    // The file is complete when this is raised.
    EXPECT_EQ(files::file_size(file), size);
    events.push_back("decompressed " + file + " " + std::to_string(size));
  };
  zip.on_completed_action = [&](BackupContainer&) { events.push_back("completed"); };
  zip.unpack_file(container(), target(), true, true);
  std::string a = target_file("sub/a.bin"), e = target_file("e.txt");
  EXPECT_THAT(events, ElementsAre("decompressing " + a, "1024/2500", "2048/2500", "2500/2500", "2500/2500",
                                  "decompressed " + a + " 2500", "decompressing " + e, "0/0",
                                  "decompressed " + e + " 0", "completed"));
}

TEST_F(Unpack, TheAnnouncedSizeIsOnlyTheProgressTotal) {
  write_container(test::record("", "a.txt", 7, test::zlib_compress("twelve bytes")));
  std::vector<std::string> events;
  BackupContainer zip;
  zip.on_progress = [&](BackupContainer&, int32_t position, int32_t total) {
    events.push_back(std::to_string(position) + "/" + std::to_string(total));
  };
  zip.unpack_file(container(), target(), true, true);
  EXPECT_THAT(events, ElementsAre("12/7", "12/7"));
  EXPECT_EQ(unpacked(), (Tree{{"a.txt", "twelve bytes"}}));
}

// A container cut anywhere inside its second record: the first file is
// unpacked, then the cut is reported and nothing of the second record is
// written.
TEST_F(Unpack, CutOffContainerKeepsTheRecordsBeforeTheCut) {
  const std::string first = file_record("", "first.txt", "complete");
  const std::string second = file_record("sub\\", "second.txt", test::text_of(2000));
  for (size_t cut = 1; cut < second.size(); ++cut) {
    files::delete_file(target_file("first.txt"));
    write_container(first + second.substr(0, cut));
    BackupContainer zip;
    try {
      zip.unpack_file(container(), target(), true, true);
      ADD_FAILURE() << "cut at " << cut << ": no error";
    } catch (const ContainerError& e) {
      EXPECT_THAT(e.what(), HasSubstr("ends inside a record")) << "cut at " << cut;
    }
    EXPECT_EQ(unpacked(), (Tree{{"first.txt", "complete"}})) << "cut at " << cut;
  }
}

// Damaged zlib data fails with zlib's result named and leaves an existing
// file of that name as it was.
TEST_F(Unpack, DamagedDataFailsAndKeepsTheOldFile) {
  const std::string content = test::text_of(5000);
  const std::string good = test::zlib_compress(content);
  auto flipped = [&](size_t at) {
    std::string bad = good;
    bad[at] = static_cast<char>(bad[at] ^ 0x55);
    return bad;
  };
  struct Case {
    const char* what;
    std::string data;
    const char* message;
  };
  const Case cases[] = {
      {"header", flipped(0), "Z_DATA_ERROR"},
      {"deflate data", flipped(good.size() / 2), "Z_DATA_ERROR"},
      {"Adler-32 trailer", flipped(good.size() - 1), "Z_DATA_ERROR"},
      {"stream cut short", good.substr(0, good.size() - 3), "ends before its zlib stream"},
      {"bytes after the stream", good + "xx", "goes on after its zlib stream"},
      {"raw deflate without header", good.substr(2, good.size() - 6), "Z_DATA_ERROR"},
  };
  for (const Case& c : cases) {
    test::write_tree(target() + files::kSeparator, {{"profile.qpf", "the user's profile"}});
    write_container(file_record("", "first.qpf", "ok") + test::record("", "profile.qpf", 5000, c.data) +
                    file_record("", "last.qpf", "z"));
    bool decompressed = false;
    BackupContainer zip;
    zip.on_decompressed_file = [&](BackupContainer&, const std::string& file, uint32_t) {
      decompressed = decompressed || files::name_of(file) == "profile.qpf";
    };
    try {
      zip.unpack_file(container(), target(), true, true);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const ContainerError& e) {
      EXPECT_THAT(e.what(), HasSubstr(c.message)) << c.what;
      EXPECT_THAT(e.what(), HasSubstr("profile.qpf")) << c.what;
    }
    EXPECT_FALSE(decompressed) << c.what;
    EXPECT_EQ(unpacked(), (Tree{{"first.qpf", "ok"}, {"profile.qpf", "the user's profile"}})) << c.what;
  }
}

// Records that would write outside the target folder, or at a device, are
// refused before anything of them is written; the records before stay.
TEST_F(Unpack, HostileRecordsAreRefused) {
  struct Case {
    std::string folder_part, name;
  };
  const Case cases[] = {
      {"..\\", "escape.txt"},
      {"sub\\..\\..\\", "escape.txt"},
      {"../", "escape.txt"},
      {"\\", "rooted.txt"},
      {"/tmp/", "rooted.txt"},
      {"\\\\server\\share\\", "unc.txt"},
      {"C:\\", "drive.txt"},
      {"C:", "drive.txt"},
      {"sub\\.. \\", "trailing-space.txt"},
      {"sub\\...\\", "dots.txt"},
      {"sub\\\\x\\", "empty-element.txt"},
      {"nul\\", "device-folder.txt"},
      {"", ".."},
      {"", "."},
      {"", ""},
      {"", "..\\escape.txt"},
      {"", "../escape.txt"},
      {"", "sub/inner.txt"},
      {"", "C:escape.txt"},
      {"", "file.txt:stream"},
      {"", "CON"},
      {"", "nul.txt"},
      {"", "com1"},
      {"", "LPT9.log"},
      {"", std::string("a\0b", 3)},
      {"", "tab\there"},
      {"", "*.qpf"},
      {"wh?\\", "x.txt"},
      {"", "a|b"},
  };
  for (const Case& c : cases) {
    files::delete_file(target_file("before.txt"));
    write_container(file_record("", "before.txt", "b") + file_record(c.folder_part, c.name, "evil") +
                    file_record("", "after.txt", "a"));
    std::vector<std::string> raised;
    BackupContainer zip;
    zip.on_decompressing_file = [&](BackupContainer&, const std::string& file, bool&) { raised.push_back(file); };
    std::string label = "folder part \"" + c.folder_part + "\", name \"" + c.name + "\"";
    try {
      zip.unpack_file(container(), target(), true, true);
      ADD_FAILURE() << label << ": no error";
    } catch (const ContainerError& e) {
      EXPECT_THAT(e.what(), HasSubstr("would not be written inside the target folder")) << label;
    }
    EXPECT_EQ(raised, std::vector<std::string>{target_file("before.txt")}) << label;
    EXPECT_EQ(unpacked(), (Tree{{"before.txt", "b"}})) << label;
    EXPECT_THAT(outside(), IsEmpty()) << label;
  }
}

TEST_F(Unpack, PlainNamesThatLookOddAreAccepted) {
  write_container(file_record("..x\\", "a..b", "1") + file_record("", ".hidden", "2") +
                  file_record("con-fig\\", "null.txt", "3") + file_record("", "com10", "4") +
                  file_record(std::string(255, 'f'), std::string(255, 'n'), "5"));
  BackupContainer zip;
  zip.unpack_file(container(), target(), true, true);
  Tree tree = unpacked();
  EXPECT_EQ(tree["..x/a..b"], "1");
  EXPECT_EQ(tree[".hidden"], "2");
  EXPECT_EQ(tree["con-fig/null.txt"], "3");
  EXPECT_EQ(tree["com10"], "4");
  EXPECT_EQ(tree[std::string(255, 'f') + "/" + std::string(255, 'n')], "5");
}

TEST_F(Unpack, SizesOutsideTheFormatAreRefused) {
  // Announced as 2 GiB: no record of the format is that large.
  write_container(test::record("", "huge.bin", 0x80000000u, test::zlib_compress("x")));
  BackupContainer zip;
  EXPECT_THROW(zip.unpack_file(container(), target(), true, true), ContainerError);
  // A compressed size beyond the end of the file is a cut-off container,
  // found before anything is reserved for it.
  write_container(std::string("\x00\x05"
                              "a.bin",
                              7) +
                  test::le32(1) + test::le32(0xFFFFFFF0u) + "x");
  try {
    zip.unpack_file(container(), target(), true, true);
    ADD_FAILURE() << "no error";
  } catch (const ContainerError& e) {
    EXPECT_THAT(e.what(), HasSubstr("ends inside a record"));
  }
  EXPECT_FALSE(files::folder_exists(target()));
}

TEST_F(Unpack, MissingContainerIsAnError) {
  BackupContainer zip;
  try {
    zip.unpack_file(container(), target(), true, true);
    ADD_FAILURE() << "no error";
  } catch (const ContainerError& e) {
    EXPECT_THAT(e.what(), HasSubstr(container()));
  }
}

TEST_F(Unpack, ATargetThatIsAFolderFailsTheRecord) {
  test::write_tree(target() + files::kSeparator, {{"taken/", ""}});
  write_container(file_record("", "first.txt", "1") + file_record("", "taken", "2"));
  BackupContainer zip;
  try {
    zip.unpack_file(container(), target(), true, true);
    ADD_FAILURE() << "no error";
  } catch (const ContainerError& e) {
    EXPECT_THAT(e.what(), HasSubstr(target_file("taken")));
  }
  EXPECT_EQ(unpacked(), (Tree{{"first.txt", "1"}, {"taken/", ""}}));
}

TEST(ContainerRoundTrip, PackThenUnpackGivesTheSameTree) {
  test::TempFolder dir;
  const Tree tree = {{"config.qcf", "[Settings]\r\nlang=Deutsch\r\n"},
                     {"ORV - 1280x1024.qpf", test::text_of(20000)},
                     {"empty.qpf", ""},
                     {"Grüße/ä.bin", test::noise_of(70000)},
                     {"Grüße/leer/", ""},
                     {"exactly-1024.bin", test::noise_of(1024)}};
  test::write_tree(dir / "data/", tree);
  BackupContainer zip;
  zip.pack_folder(dir / "data", true, dir / "b.qbk");
  zip.unpack_file(dir / "b.qbk", dir / "out", true, true);
  Tree expected = test::read_tree(dir / "data/");
  expected.erase("Grüße/leer/");  // folders without files are not stored
  EXPECT_EQ(test::read_tree(dir / "out/"), expected);
}

}  // namespace
}  // namespace orvx
