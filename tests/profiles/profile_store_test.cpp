#include <gtest/gtest.h>
#include <utime.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/date_time_format.h"
#include "platform/files.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "profiles/profile_store.h"
#include "support/paths.h"

namespace orvx {
namespace {

std::vector<std::string> sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

TEST(ProfileStore, FileNamesTrimBlanksAndControlCharactersOnly) {
  struct Case {
    const char* name;
    const char* file;
  };
  const Case cases[] = {
      {"Work", "Work.qpf"},
      {"  Work  ", "Work.qpf"},
      {"\tWork\r\n", "Work.qpf"},
      {"My Work", "My Work.qpf"},
      {"a&b:c", "a&b:c.qpf"},
      {"", ".qpf"},
      {"ORV - 1280x1024", "ORV - 1280x1024.qpf"},
  };
  std::string folder = std::string("data") + files::kSeparator;
  for (const auto& c : cases) {
    EXPECT_EQ(profile_file_name(folder, c.name), folder + c.file) << c.name;
    EXPECT_EQ(profile_file_name("data", c.name), folder + c.file) << c.name;
  }
}

TEST(ProfileStore, UsableProfileNames) {
  using P = ProfileNameProblem;
  struct Case {
    std::string name;
    ProfileNameProblem problem;
  };
  const Case cases[] = {
      {"Work", P::kNone},
      {" Work ", P::kNone},
      {"a&b", P::kNone},
      {"Größe 2", P::kNone},
      {"Console", P::kNone},
      {"COM0", P::kNone},
      {"a.", P::kNone},  // the file is "a..qpf": nothing is stripped from it
      {"", P::kEmpty},
      {"   ", P::kEmpty},
      {"\t\r\n", P::kEmpty},
      {"a/b", P::kForbiddenCharacter},
      {"a\\b", P::kForbiddenCharacter},
      {"a:b", P::kForbiddenCharacter},
      {"a*", P::kForbiddenCharacter},
      {"a?", P::kForbiddenCharacter},
      {"\"a\"", P::kForbiddenCharacter},
      {"<a>", P::kForbiddenCharacter},
      {"a|b", P::kForbiddenCharacter},
      {"a\tb", P::kForbiddenCharacter},
      // The configuration's reader strips a quotation mark at either end.
      {"'Work'", P::kQuotedAtEnd},
      {"'Work", P::kQuotedAtEnd},
      {" Work' ", P::kQuotedAtEnd},
      {"Peter's", P::kNone},
      {"'", P::kQuotedAtEnd},
      {"con", P::kDeviceName},
      {"COM1", P::kDeviceName},
      {"lpt9.x", P::kDeviceName},
      {"Nul .txt", P::kDeviceName},
      {std::string(251, 'x'), P::kNone},
      {std::string(252, 'x'), P::kTooLong},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(find_profile_name_problem(c.name), c.problem) << c.name;
    EXPECT_EQ(is_usable_profile_name(c.name), c.problem == P::kNone) << c.name;
  }
}

TEST(ProfileStore, ResolutionProfileName) {
  EXPECT_EQ(resolution_profile_name({1280, 1024}), "ORV - 1280x1024");
  EXPECT_EQ(resolution_profile_name({3840, 1080}), "ORV - 3840x1080");
}

TEST(ProfileStore, ListsProfileFilesButNoFolders) {
  test::TempFolder dir;
  for (const char* name : {"a.qpf", "B.QPF", "c.qpfx", "d.txt", "e.qpf.bak", "f.g.qpf"}) {
    ASSERT_TRUE(files::write_file(dir / name, "x"));
  }
  ASSERT_TRUE(files::create_folder(dir / "x.qpf"));
  EXPECT_EQ(sorted(list_profiles(dir.path())), (std::vector<std::string>{"B", "a", "f.g"}));
  EXPECT_EQ(sorted(list_files(dir.path(), "qpf")), (std::vector<std::string>{"B.QPF", "a.qpf", "f.g.qpf"}));
  EXPECT_TRUE(list_profiles(dir / "missing").empty());
  EXPECT_TRUE(list_files(dir / "missing", "qlf").empty());
}

TEST(ProfileStore, FileChangeTimeIsLocalTimeInEvenSeconds) {
  test::TempFolder dir;
  std::string path = dir / "p.qpf";
  ASSERT_TRUE(files::write_file(path, "x"));
  std::tm local{};
  local.tm_year = 2021 - 1900;
  local.tm_mon = 5;
  local.tm_mday = 7;
  local.tm_hour = 13;
  local.tm_min = 5;
  local.tm_sec = 9;
  local.tm_isdst = -1;
  utimbuf times{};
  times.actime = times.modtime = std::mktime(&local);
  ASSERT_EQ(utime(path.c_str(), &times), 0);
  files::LocalTime t = file_change_time(path);
  EXPECT_EQ(std::vector<int>({t.year, t.month, t.day, t.hour, t.minute, t.second}),
            std::vector<int>({2021, 6, 7, 13, 5, 8}));
  files::LocalTime zero = file_change_time(dir / "missing.qpf");
  EXPECT_EQ(std::vector<int>({zero.year, zero.month, zero.day, zero.hour, zero.minute, zero.second}),
            std::vector<int>({1899, 12, 30, 0, 0, 0}));
}

TEST(ProfileStore, DataFolderSizeAddsTheEntriesAndCountsBeyond4GiB) {
  test::TempFolder dir;
  ASSERT_TRUE(files::write_file(dir / "config.qcf", "12345"));
  ASSERT_TRUE(files::write_file(dir / "noext", "1234567"));
  ASSERT_TRUE(files::create_folder(dir / "lang"));
  ASSERT_TRUE(files::write_file(dir / "lang" + files::kSeparator + "x.qlf", "not counted"));
  EXPECT_EQ(data_folder_size(dir.path()), 12u);
  // A sparse file of 5 GiB: the sum no longer fits 32 bits.
  ASSERT_TRUE(files::write_file(dir / "big.qpf", ""));
  std::filesystem::resize_file(dir / "big.qpf", 5ull << 30);
  EXPECT_EQ(data_folder_size(dir.path()), (5ull << 30) + 12u);
  EXPECT_EQ(data_folder_size(dir / "missing"), 0u);
}

TEST(ProfileList, LastChangeTextLeavesMidnightOut) {
  FixedDateTimeFormatter format;
  EXPECT_EQ(last_change_text({2021, 6, 7, 13, 5, 8}, format), "07.06.2021 13:05:08");
  EXPECT_EQ(last_change_text({2021, 6, 7, 0, 0, 0}, format), "07.06.2021");
  EXPECT_EQ(last_change_text({2021, 6, 7, 0, 0, 2}, format), "07.06.2021 00:00:02");
  EXPECT_EQ(last_change_text(kZeroDate, format), "30.12.1899");
}

TEST(ProfileList, RowsShowTheInformationSectionOrNa) {
  test::TempFolder dir;
  ASSERT_TRUE(write_profile_file({{"A", 1, 2}, {"B", 3, 4}}, dir / "Arbeit.qpf", {1920, 1080}, 2));
  ASSERT_TRUE(files::write_file(dir / "old.qpf", "[A]\r\nx=1\r\ny=2\r\n"));
  ASSERT_TRUE(files::write_file(dir / "half.qpf", "[ORV_Infos]\r\nIcons=\r\nRes=800x600\r\n"));
  ASSERT_TRUE(files::write_file(dir / "junk.qpf", std::string("\0\xFF\x01[", 4)));
  ASSERT_TRUE(files::write_file(dir / "huge.qpf", "[ORV_Infos]\r\nIcons=1\r\n"));
  std::filesystem::resize_file(dir / "huge.qpf", 64u << 20);
  ASSERT_TRUE(files::create_folder(dir / "folder.qpf"));
  FixedDateTimeFormatter format;
  std::vector<ProfileRow> rows = profile_list_rows(dir.path(), format);
  std::sort(rows.begin(), rows.end(), [](const ProfileRow& a, const ProfileRow& b) { return a.name < b.name; });
  ASSERT_EQ(rows.size(), 5u);
  auto figures = [](const ProfileRow& r) {
    return std::vector<std::string>{r.name, r.icons, r.resolution, r.monitors};
  };
  EXPECT_EQ(figures(rows[0]), (std::vector<std::string>{"Arbeit", "2", "1920x1080", "2"}));
  EXPECT_EQ(figures(rows[1]), (std::vector<std::string>{"half", "", "800x600", "n/a"}));
  EXPECT_EQ(figures(rows[2]), (std::vector<std::string>{"huge", "n/a", "n/a", "n/a"}));
  EXPECT_EQ(figures(rows[3]), (std::vector<std::string>{"junk", "n/a", "n/a", "n/a"}));
  EXPECT_EQ(figures(rows[4]), (std::vector<std::string>{"old", "n/a", "n/a", "n/a"}));
  EXPECT_EQ(rows[0].last_change, last_change_text(file_change_time(dir / "Arbeit.qpf"), format));
}

}  // namespace
}  // namespace orvx
