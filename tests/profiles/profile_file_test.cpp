#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "platform/files.h"
#include "profiles/profile_file.h"
#include "support/paths.h"

namespace orvx {

bool operator==(const DesktopIcon& a, const DesktopIcon& b) {
  return a.caption == b.caption && a.x == b.x && a.y == b.y;
}
void PrintTo(const DesktopIcon& i, std::ostream* os) { *os << "{" << i.caption << ", " << i.x << ", " << i.y << "}"; }

namespace {

using namespace std::string_literals;

const ScreenSize kScreen{1280, 1024};
const std::string kInfo = "[ORV_Infos]\r\nIcons=";
std::string info(int icons) { return kInfo + std::to_string(icons) + "\r\nRes=1280x1024\r\nCount=2\r\n"; }

DesktopIcons many_icons(int n) {
  DesktopIcons icons;
  for (int i = 0; i < n; ++i) {
    icons.push_back({"Verknüpfung " + std::to_string(i), i * 75 % 1900, -(i * 13 % 1000)});
  }
  return icons;
}

struct BuildCase {
  const char* what;
  DesktopIcons icons;
  std::string text;
};

TEST(ProfileText, HasTheFormOfKeyByKeyWrites) {
  const BuildCase cases[] = {
      {"no icons", {}, info(0)},
      {"one icon", {{"Papierkorb", 10, 20}}, "[Papierkorb]\r\nx=10\r\ny=20\r\n" + info(1)},
      {"a repeated caption keeps the last position",
       {{"Notes", 10, 20}, {"Notes", 300, 400}},
       "[Notes]\r\nx=300\r\ny=400\r\n" + info(2)},
      {"captions differing in case share the first form",
       {{"Notes", 1, 2}, {"Mail", 5, 6}, {"NOTES", 3, 4}},
       "[Notes]\r\nx=3\r\ny=4\r\n[Mail]\r\nx=5\r\ny=6\r\n" + info(3)},
      {"Windows-1252 letters differing in case share one section",
       {{"Ärger", 1, 2}, {"ÄRGER", 3, 4}},
       "[Ärger]\r\nx=3\r\ny=4\r\n" + info(2)},
      {"negative coordinates", {{"Links", -1200, -32768}}, "[Links]\r\nx=-1200\r\ny=-32768\r\n" + info(1)},
      {"brackets, = and ; are kept",
       {{"a]b", 1, 1}, {"[x", 2, 2}, {"k=v", 3, 3}, {";c", 4, 4}},
       "[a]b]\r\nx=1\r\ny=1\r\n[[x]\r\nx=2\r\ny=2\r\n[k=v]\r\nx=3\r\ny=3\r\n[;c]\r\nx=4\r\ny=4\r\n" + info(4)},
      {"captions a header cannot hold are left out but counted",
       {{"", 1, 1},
        {" Notes", 2, 2},
        {"Notes ", 3, 3},
        {"\tTab", 4, 4},
        {"Zeile\r\nzwei", 5, 5},
        {"a\0b"s, 6, 6},
        {"Notes", 7, 7}},
       "[Notes]\r\nx=7\r\ny=7\r\n" + info(7)},
      {"an icon named like the information section shares it",
       {{"orv_infos", 8, 9}},
       "[orv_infos]\r\nx=8\r\ny=9\r\nIcons=1\r\nRes=1280x1024\r\nCount=2\r\n"},
  };
  for (const BuildCase& c : cases) {
    EXPECT_EQ(build_profile_text(c.icons, kScreen, 2), c.text) << c.what;
  }
}

TEST(ProfileFile, WrittenIconsReadBack) {
  test::TempFolder dir;
  std::string path = dir / "p.qpf";
  DesktopIcons icons = {{"Papierkorb", 10, 20}, {"Notes", -5, 7}, {"notes", 1, 2},
                        {"ORV_Infos", 3, 4},    {" lost", 9, 9},  {"a]b", 40000, -40000}};
  ASSERT_TRUE(write_profile_file(icons, path, kScreen, 2));
  const DesktopIcons expected = {{"Papierkorb", 10, 20}, {"Notes", 1, 2}, {"ORV_Infos", 3, 4}, {"a]b", 40000, -40000}};
  EXPECT_EQ(read_profile_file(path), expected);
  EXPECT_EQ(read_ini_sections(path), (SectionNames{"Papierkorb", "Notes", "ORV_Infos", "a]b", ""}));
}

TEST(ProfileFile, AWriteReplacesTheWholeFile) {
  test::TempFolder dir;
  std::string path = dir / "p.qpf";
  ASSERT_TRUE(files::write_file(path, "[Alt]\r\nx=1\r\ny=1\r\n[Mehr]\r\nz=1\r\n"));
  ASSERT_TRUE(write_profile_file({{"Neu", 5, 6}}, path, kScreen, 2));
  EXPECT_EQ(files::read_file(path).value(), "[Neu]\r\nx=5\r\ny=6\r\n" + info(1));
}

struct ReadCase {
  const char* what;
  std::string text;
  DesktopIcons icons;
};

TEST(ProfileFile, ReadsHandWrittenAndDamagedFiles) {
  const ReadCase cases[] = {
      {"empty file", "", {}},
      {"without information section", "[A]\r\nx=1\r\ny=2\r\n[B]\r\nx=3\r\ny=4", {{"A", 1, 2}, {"B", 3, 4}}},
      {"the information section alone is no icon", "[A]\r\nx=1\r\ny=2\r\n" + info(1), {{"A", 1, 2}}},
      {"an information section with x is an icon", "[ORV_Infos]\r\nx=5\r\ny=6\r\nIcons=1\r\n", {{"ORV_Infos", 5, 6}}},
      {"missing and broken coordinates read as 0",
       "[A]\r\n[B]\r\nx=abc\r\ny=12px\r\n[C]\r\nx\r\ny=\r\n",
       {{"A", 0, 0}, {"B", 0, 12}, {"C", 0, 0}}},
      {"blank lines and blanks are accepted", "\r\n[ A ]\r\n\r\n  x = 1 \r\n\r\ny=2\r\n\r\n", {{"A", 1, 2}}},
      {"a repeated section reads the first one's values",
       "[A]\r\nx=1\r\ny=1\r\n[a]\r\nx=2\r\ny=2\r\n",
       {{"A", 1, 1}, {"a", 1, 1}}},
      {"an empty section name is no icon", "[]\r\nx=1\r\ny=1\r\n", {}},
      {"binary garbage", "\x01\xFF[\x80\r\n=\0\0]]\n[\n"s, {}},
  };
  test::TempFolder dir;
  int n = 0;
  for (const ReadCase& c : cases) {
    std::string path = dir / (std::to_string(n++) + ".qpf");
    ASSERT_TRUE(files::write_file(path, c.text));
    EXPECT_EQ(read_profile_file(path), c.icons) << c.what;
  }
  EXPECT_TRUE(read_profile_file(dir / "missing.qpf").empty());
}

TEST(ProfileFile, AFileFarLargerThanAnyProfileReadsAsEmpty) {
  // 64 MiB (sparse) that begin like a profile: not loaded into memory whole.
  test::TempFolder dir;
  std::string path = dir / "huge.qpf";
  ASSERT_TRUE(files::write_file(path, "[A]\r\nx=1\r\ny=2\r\n"));
  std::filesystem::resize_file(path, 64u << 20);
  EXPECT_TRUE(read_profile_file(path).empty());
}

TEST(ProfileFile, ReadsEveryIconOfALargeDesktop) {
  // The section names of 5000 icons need far more than the 2048 bytes the
  // platform's section list is often given; every icon must come back.
  test::TempFolder dir;
  std::string path = dir / "large.qpf";
  DesktopIcons icons = many_icons(5000);
  ASSERT_TRUE(write_profile_file(icons, path, kScreen, 2));
  EXPECT_EQ(read_profile_file(path), icons);
}

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    old_handler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit saved_{};
  sighandler_t old_handler_;
};

TEST(ProfileFile, AFailedSaveKeepsThePreviousProfile) {
  test::TempFolder dir;
  std::string path = dir / "Arbeit.qpf";
  ASSERT_TRUE(write_profile_file({{"Papierkorb", 10, 20}}, path, kScreen, 2));
  const std::string before = files::read_file(path).value();
  {
    // Files may not grow beyond 4 KiB: the disk is as good as full.
    FileSizeLimit full_disk(4096);
    EXPECT_FALSE(write_profile_file(many_icons(1000), path, kScreen, 2));
  }
  EXPECT_EQ(files::read_file(path).value(), before);
  auto entries = files::list_folder(dir.path(), "*");
  for (const auto& e : entries) {
    EXPECT_TRUE(e.name == "." || e.name == ".." || e.name == "Arbeit.qpf") << e.name;
  }
}

TEST(ProfileFile, ASaveIntoAMissingFolderFailsWithoutATrace) {
  test::TempFolder dir;
  std::string folder = dir / "weg";
  EXPECT_FALSE(write_profile_file({{"A", 1, 1}}, folder + files::kSeparator + "p.qpf", kScreen, 1));
  EXPECT_FALSE(files::folder_exists(folder));
}

TEST(ProfileFile, StorableCaptions) {
  struct Case {
    std::string caption;
    bool storable;
  };
  const Case cases[] = {
      {"Papierkorb", true},
      {"a b", true},
      {"a]", true},
      {"[", true},
      {"Größe", true},
      {"", false},
      {" a", false},
      {"a ", false},
      {"\ta", false},
      {"a\x1A", false},
      {"a\nb", false},
      {"a\rb", false},
      {"a\0b"s, false},
      {"\xA0"
       "a",
       true},
  };
  for (const auto& c : cases) EXPECT_EQ(is_storable_caption(c.caption), c.storable) << c.caption;
}

}  // namespace
}  // namespace orvx
