// The container on Windows, under Wine: file attributes, share modes and
// backslash paths.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "backup/container_error.h"
#include "backup/backup_container.h"
#include "container_fixture.h"
#include "platform/files.h"
#include "platform/scoped_win.h"
#include "support/paths.h"

namespace orvx {
namespace {

using backup::ContainerError;
using test::Tree;
using ::testing::HasSubstr;

DWORD attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

TEST(ContainerWin, HiddenSystemAndReadOnlyFilesArePackedLikeAnyOther) {
  test::TempFolder dir;
  const std::string data = dir / "data\\";
  test::write_tree(data, {{"plain.qpf", "p"},
                          {"hidden.qpf", "h"},
                          {"system.qpf", "s"},
                          {"readonly.qcf", "r"},
                          {"all.qpf", "a"},
                          {"secret\\inner.qpf", "i"}});
  const std::pair<const char*, DWORD> marks[] = {
      {"hidden.qpf", FILE_ATTRIBUTE_HIDDEN},
      {"system.qpf", FILE_ATTRIBUTE_SYSTEM},
      {"readonly.qcf", FILE_ATTRIBUTE_READONLY},
      {"all.qpf", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY},
      {"secret", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY},
  };
  for (const auto& [name, bits] : marks) ASSERT_TRUE(SetFileAttributesA((data + name).c_str(), bits));

  BackupContainer zip;
  zip.pack_folder(dir / "data", true, dir / "b.qbk");
  zip.unpack_file(dir / "b.qbk", dir / "out", true, true);

  EXPECT_EQ(test::read_tree(dir / "out\\"), (Tree{{"plain.qpf", "p"},
                                                  {"hidden.qpf", "h"},
                                                  {"system.qpf", "s"},
                                                  {"readonly.qcf", "r"},
                                                  {"all.qpf", "a"},
                                                  {"secret/", ""},
                                                  {"secret/inner.qpf", "i"}}));
  // The container keeps no attributes: what comes back are plain files.
  for (const char* name : {"hidden.qpf", "system.qpf", "readonly.qcf", "all.qpf"}) {
    EXPECT_EQ(
        attributes(dir / "out\\" + name) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY),
        0u)
        << name;
  }
}

// A file another program holds open: whether packing may read it depends on
// what that program allows and on IgnoreExclusive.
TEST(ContainerWin, FilesHeldOpenByOthersFollowTheShareModes) {
  struct Case {
    const char* what;
    DWORD access, share;
    bool ignore_exclusive, packs;
  };
  const Case cases[] = {
      {"open for writing", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, false, false},
      {"open for writing", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, true, true},
      {"open for reading, writes denied", GENERIC_READ, FILE_SHARE_READ, false, true},
      {"open for reading, writes denied", GENERIC_READ, FILE_SHARE_READ, true, true},
      {"open exclusively", GENERIC_READ, 0, false, false},
      {"open exclusively", GENERIC_READ, 0, true, false},
  };
  for (const Case& c : cases) {
    std::string label = std::string(c.what) + (c.ignore_exclusive ? ", ignoring" : ", denying");
    test::TempFolder dir;
    test::write_tree(dir / "data\\", {{"a.qpf", "a"}, {"held.qcf", "held"}});
    ASSERT_TRUE(files::write_file(dir / "b.qbk", "older backup"));
    win::ScopedHandle holder = win::adopt_handle(CreateFileA((dir / "data\\held.qcf").c_str(), c.access, c.share,
                                                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder) << label;

    BackupContainer zip;
    zip.ignore_exclusive = c.ignore_exclusive;
    try {
      zip.pack_folder(dir / "data", false, dir / "b.qbk");
      EXPECT_TRUE(c.packs) << label << ": packed";
      std::vector<std::string> names;
      for (const auto& r : test::parse_container(files::read_file(dir / "b.qbk").value())) {
        names.push_back(r.name);
      }
      std::sort(names.begin(), names.end());
      EXPECT_EQ(names, (std::vector<std::string>{"a.qpf", "held.qcf"})) << label;
    } catch (const ContainerError& e) {
      EXPECT_FALSE(c.packs) << label << ": " << e.what();
      EXPECT_THAT(e.what(), HasSubstr("held.qcf")) << label;
      EXPECT_FALSE(files::file_exists(dir / "b.qbk")) << label;
    }
  }
}

// While a file is read, others may not write to it, unless IgnoreExclusive.
TEST(ContainerWin, PackingDeniesWritingUnlessIgnoringExclusive) {
  test::TempFolder dir;
  test::write_tree(dir / "data\\", {{"a.qpf", "a"}});
  for (bool ignore : {false, true}) {
    bool writable = !ignore;
    BackupContainer zip;
    zip.ignore_exclusive = ignore;
    zip.on_compressing_file = [&](BackupContainer&, const std::string& file) {
      win::ScopedHandle other = win::adopt_handle(CreateFileA(file.c_str(), GENERIC_WRITE,
                                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
      writable = static_cast<bool>(other);
    };
    zip.pack_folder(dir / "data", false, dir / "b.qbk");
    EXPECT_EQ(writable, ignore) << "IgnoreExclusive " << ignore;
  }
}

TEST(ContainerWin, UnpackingDeniesWritingToTheContainer) {
  test::TempFolder dir;
  ASSERT_TRUE(files::write_file(dir / "c.qbk", test::file_record("", "a.txt", "a")));
  bool writable = true, readable = false;
  BackupContainer zip;
  zip.on_decompressing_file = [&](BackupContainer&, const std::string&, bool&) {
    const std::string container = dir / "c.qbk";
    auto open = [&](DWORD access) {
      return win::adopt_handle(CreateFileA(container.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    };
    writable = static_cast<bool>(open(GENERIC_WRITE));
    readable = static_cast<bool>(open(GENERIC_READ));
  };
  zip.unpack_file(dir / "c.qbk", dir / "out", true, true);
  EXPECT_FALSE(writable);
  EXPECT_TRUE(readable);
}

TEST(ContainerWin, ExistingFilesAreReplacedUnlessReadOnly) {
  test::TempFolder dir;
  test::write_tree(dir / "out\\", {{"hidden.qpf", "old hidden"}, {"readonly.qcf", "old read-only"}});
  ASSERT_TRUE(SetFileAttributesA((dir / "out\\hidden.qpf").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesA((dir / "out\\readonly.qcf").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(files::write_file(dir / "c.qbk", test::file_record("", "hidden.qpf", "new hidden") +
                                                   test::file_record("", "readonly.qcf", "new") +
                                                   test::file_record("", "after.qpf", "after")));
  BackupContainer zip;
  try {
    zip.unpack_file(dir / "c.qbk", dir / "out", true, true);
    ADD_FAILURE() << "no error";
  } catch (const ContainerError& e) {
    EXPECT_THAT(e.what(), HasSubstr("read-only"));
    EXPECT_THAT(e.what(), HasSubstr("readonly.qcf"));
  }
  EXPECT_EQ(test::read_tree(dir / "out\\"), (Tree{{"hidden.qpf", "new hidden"}, {"readonly.qcf", "old read-only"}}));
}

TEST(ContainerWin, FolderPartsBecomeWindowsFoldersAndStayInside) {
  test::TempFolder dir;
  ASSERT_TRUE(files::write_file(
      dir / "c.qbk", test::file_record("sub\\deeper\\", "a.txt", "a") + test::file_record("x/y\\", "b.txt", "b")));
  BackupContainer zip;
  zip.unpack_file(dir / "c.qbk", dir / "out", true, true);
  EXPECT_EQ(files::read_file(dir / "out\\sub\\deeper\\a.txt"), "a");
  EXPECT_EQ(files::read_file(dir / "out\\x\\y\\b.txt"), "b");

  const std::pair<std::string, std::string> hostile[] = {
      {"..\\", "up.txt"},
      {"C:\\", "drive.txt"},
      {"\\", "root.txt"},
      {"\\\\?\\C:\\", "device-path.txt"},
      {"", "NUL"},
      {"", "con.txt"},
      {"", "c:up.txt"},
      {"sub\\..\\..\\", "up.txt"},
      {"sub\\.. \\", "up.txt"},
  };
  for (const auto& [folder_part, name] : hostile) {
    ASSERT_TRUE(files::write_file(dir / "c.qbk", test::file_record(folder_part, name, "evil")));
    EXPECT_THROW(zip.unpack_file(dir / "c.qbk", dir / "out", true, true), ContainerError) << folder_part << name;
  }
  EXPECT_FALSE(files::file_exists(dir / "up.txt"));
  EXPECT_FALSE(files::file_exists("C:\\drive.txt"));
  EXPECT_FALSE(files::file_exists("\\root.txt"));
}

}  // namespace
}  // namespace orvx
