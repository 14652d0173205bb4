// Profiles against the platform's private-profile functions (Wine's kernel32
// under the test bench): our one-piece write must give the bytes of the
// key-by-key writes, and our read the icons the platform reads. Where we
// differ on purpose, the tests show both sides.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/date_time_format.h"
#include "platform/files.h"
#include "profiles/profile_file.h"
#include "support/paths.h"
#include "support/private_profile_win.h"

namespace orvx {

bool operator==(const DesktopIcon& a, const DesktopIcon& b) {
  return a.caption == b.caption && a.x == b.x && a.y == b.y;
}
void PrintTo(const DesktopIcon& i, std::ostream* os) { *os << "{" << i.caption << ", " << i.x << ", " << i.y << "}"; }

namespace {

namespace platform = test::platform_ini;

const ScreenSize kScreen{1920, 1080};

// A profile written the way the platform's functions write it: the old file
// deleted, then "x" and (if that worked) "y" per icon, then the information.
void write_key_by_key(const DesktopIcons& icons, const std::string& path) {
  DeleteFileA(path.c_str());
  for (const DesktopIcon& icon : icons) {
    if (platform::write_string(path, icon.caption, "x", std::to_string(icon.x))) {
      platform::write_string(path, icon.caption, "y", std::to_string(icon.y));
    }
  }
  platform::write_string(path, "ORV_Infos", "Icons", std::to_string(icons.size()));
  platform::write_string(path, "ORV_Infos", "Res",
                         std::to_string(kScreen.width) + "x" + std::to_string(kScreen.height));
  platform::write_string(path, "ORV_Infos", "Count", "2");
}

// The icons of a profile as the platform's functions read them.
DesktopIcons read_key_by_key(const std::string& path, unsigned names_buffer) {
  DesktopIcons icons;
  for (const std::string& name : platform::section_names(path, names_buffer)) {
    icons.push_back({name, platform::read_integer(path, name, "x", 0), platform::read_integer(path, name, "y", 0)});
  }
  return icons;
}

DesktopIcons desktop(int n) {
  DesktopIcons icons;
  for (int i = 0; i < n; ++i) {
    icons.push_back({"Verknüpfung (" + std::to_string(i % 250) + ")", i * 75 % 1900, i * 13 % 1000});
  }
  return icons;
}

// Captions of every kind a header holds as it is, repeated in other ASCII
// case, negative positions, an icon named like the information section.
const DesktopIcons kTrickyDesktop = {
    {"Papierkorb", 10, 20},
    {"Arbeitsplatz", -1200, 300},
    {"Größe €", 5, 6},
    {"papierKORB", 11, 21},
    {"a]b", 1, 2},
    {"[x", 3, 4},
    {"k=v", 5, 6},
    {";Notiz", 7, 8},
    {"Mehr  Platz", 9, 10},
    {"orv_infos", 12, 13},
    {"\xA0Geschützt", 14, 15},
    {"Ende.", -32768, 32767},
};

class ProfilesAgainstPlatform : public ::testing::Test {
 protected:
  void SetUp() override {
    if (GetACP() != 1252) GTEST_SKIP() << "the comparison needs the Windows-1252 code page";
  }
  test::TempFolder dir_;
};

TEST_F(ProfilesAgainstPlatform, OnePieceWriteGivesTheBytesOfKeyByKeyWrites) {
  const DesktopIcons cases[] = {{}, kTrickyDesktop, desktop(300)};
  for (const DesktopIcons& icons : cases) {
    std::string ours = dir_ / "ours.qpf";
    std::string theirs = dir_ / "theirs.qpf";
    ASSERT_TRUE(write_profile_file(icons, ours, kScreen, 2));
    write_key_by_key(icons, theirs);
    EXPECT_EQ(files::read_file(ours), files::read_file(theirs)) << icons.size() << " icons";
  }
}

TEST_F(ProfilesAgainstPlatform, ReadsTheIconsThePlatformReads) {
  std::string path = dir_ / "p.qpf";
  const std::string hand_written =
      "\r\n[ A ]\r\n x = 1 \r\ny=2\r\n\r\n[B]\r\nx=abc\r\n[a]\r\nx=9\r\ny=9\r\n"
      "[C]\r\ny=\"7\"\r\n[Infos]\r\nIcons=3";
  ASSERT_TRUE(files::write_file(path, hand_written));
  EXPECT_EQ(read_profile_file(path), read_key_by_key(path, 1 << 20));

  ASSERT_TRUE(write_profile_file(desktop(300), path, kScreen, 2));
  DesktopIcons theirs = read_key_by_key(path, 1 << 20);
  ASSERT_EQ(theirs.back().caption, "ORV_Infos");
  theirs.pop_back();  // see below: no icon without "x"
  EXPECT_EQ(read_profile_file(path), theirs);
}

TEST_F(ProfilesAgainstPlatform, RecordsThatTheInformationSectionIsNoIcon) {
  // Read through the platform, the information section comes back as an
  // icon at (0, 0), and a desktop icon of that name would be moved there. We
  // take it as an icon only when an icon of that name was saved into it.
  std::string path = dir_ / "p.qpf";
  ASSERT_TRUE(write_profile_file({{"Papierkorb", 10, 20}}, path, kScreen, 2));
  EXPECT_EQ(read_key_by_key(path, 1 << 20), (DesktopIcons{{"Papierkorb", 10, 20}, {"ORV_Infos", 0, 0}}));
  EXPECT_EQ(read_profile_file(path), (DesktopIcons{{"Papierkorb", 10, 20}}));
  ASSERT_TRUE(write_profile_file({{"ORV_Infos", 5, 6}}, path, kScreen, 2));
  EXPECT_EQ(read_profile_file(path), (DesktopIcons{{"ORV_Infos", 5, 6}}));
}

TEST_F(ProfilesAgainstPlatform, RecordsThatLargeProfilesAreReadWhole) {
  // A section list of 2048 bytes holds about a hundred captions; we read all.
  std::string path = dir_ / "large.qpf";
  DesktopIcons icons = desktop(5000);
  for (size_t i = 0; i < icons.size(); ++i) icons[i].caption += " #" + std::to_string(i);
  ASSERT_TRUE(write_profile_file(icons, path, kScreen, 2));
  EXPECT_LT(read_key_by_key(path, 2048).size(), 120u);
  EXPECT_EQ(read_profile_file(path), icons);
}

TEST_F(ProfilesAgainstPlatform, RecordsWhyCaptionsWithBlanksAtTheEdgesAreLeftOut) {
  // The platform trims the section name of a write, so " Notes" overwrites
  // the position of the icon Notes; an empty caption puts its keys before the
  // first section. We leave both icons out and keep Notes where it was.
  const DesktopIcons icons = {{"", 1, 1}, {"Notes", 10, 20}, {" Notes", 500, 500}};
  std::string theirs = dir_ / "theirs.qpf";
  std::string ours = dir_ / "ours.qpf";
  write_key_by_key(icons, theirs);
  ASSERT_TRUE(write_profile_file(icons, ours, kScreen, 2));
  EXPECT_EQ(files::read_file(theirs).value().substr(0, 10), "x=1\r\ny=1\r\n");
  EXPECT_EQ(read_key_by_key(theirs, 1 << 20).front(), (DesktopIcon{"Notes", 500, 500}));
  EXPECT_EQ(read_profile_file(ours), (DesktopIcons{{"Notes", 10, 20}}));
}

TEST_F(ProfilesAgainstPlatform, AFailedSaveLeavesTheOldProfileAndNoTemporaryFile) {
  std::string path = dir_ / "Arbeit.qpf";
  ASSERT_TRUE(write_profile_file({{"Papierkorb", 10, 20}}, path, kScreen, 2));
  const std::string before = files::read_file(path).value();
  {
    // Another program holds the old profile open and lets nobody replace it.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(write_profile_file(desktop(50), path, kScreen, 2));
    CloseHandle(held);
  }
  EXPECT_EQ(files::read_file(path).value(), before);

  EXPECT_FALSE(write_profile_file(desktop(5), dir_ / "Bad?Name.qpf", kScreen, 2));
  EXPECT_FALSE(write_profile_file(desktop(5), dir_ / "no-folder\\x.qpf", kScreen, 2));

  auto entries = files::list_folder(dir_.path(), "*");
  for (const auto& e : entries) {
    EXPECT_TRUE(e.name == "." || e.name == ".." || e.name == "Arbeit.qpf") << e.name;
  }
}

TEST(UserDateTimeFormat, FormatsTheZeroDateAndTimesOfDay) {
  auto format = user_date_time_formatter();
  std::string date = format->short_date({1899, 12, 30, 0, 0, 0});
  EXPECT_NE(date.find("30"), std::string::npos) << date;
  EXPECT_NE(date.find("12"), std::string::npos) << date;
  EXPECT_NE(date.find("99"), std::string::npos) << date;
  std::string time = format->long_time({2021, 6, 7, 13, 14, 16});
  EXPECT_NE(time.find("14"), std::string::npos) << time;
  EXPECT_NE(time.find("16"), std::string::npos) << time;
}

}  // namespace
}  // namespace orvx
