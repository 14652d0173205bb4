// Version and build time of the built program files, read under Wine.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "platform/pe_build_time.h"
#include "platform/calendar.h"
#include "mainwin/system_folders_win.h"
#include "mainwin/version_win.h"
#include "support/paths.h"

namespace orvx::mainwin {
namespace {

std::string orvanex_exe() { return test::binary_dir() + "\\OrvaneX.exe"; }

// Last-write time of a file as Unix seconds.
int64_t last_write_unix_time(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  const uint64_t ticks = uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
  return static_cast<int64_t>(ticks / 10000000) - 11644473600LL;
}

TEST(VersionWin, ProgramFileCarriesTheProjectVersion) {
  EXPECT_EQ(get_version_string(orvanex_exe()), ORVX_VERSION_STRING);
}

TEST(VersionWin, FilesWithoutVersionResourceHaveNone) {
  EXPECT_EQ(get_version_string(), "");  // the test program has none
  EXPECT_EQ(get_version_string(test::binary_dir() + "\\missing.exe"), "");
}

// The link time stamp is written when the file is linked, so it lies close
// to the file's last-write time, and never in the future.
TEST(VersionWin, BuildTimeIsTheLinkTime) {
  FILETIME now_ft{};
  GetSystemTimeAsFileTime(&now_ft);
  const int64_t now =
      static_cast<int64_t>((uint64_t(now_ft.dwHighDateTime) << 32 | now_ft.dwLowDateTime) / 10000000) - 11644473600LL;
  for (const std::string& file : {orvanex_exe(), program_file_path()}) {
    SCOPED_TRACE(file);
    const int64_t built = get_build_time(file);
    const int64_t written = last_write_unix_time(file);
    ASSERT_GT(written, 0);
    EXPECT_LE(built, now + 60);
    EXPECT_LE(built, written + 5);
    EXPECT_GE(built, written - 15 * 60);
  }
}

TEST(VersionWin, FormatsTheBuildTimeInTheUsersFormat) {
  const std::string text = format_local_datetime(unix_to_datetime(981173106));  // 2001-02-03 04:05:06
  EXPECT_NE(text.find("2001"), std::string::npos) << text;
  EXPECT_NE(text.find("05:06"), std::string::npos) << text;
  EXPECT_EQ(format_local_datetime(-700000.0), "");  // before 1601
}

}  // namespace
}  // namespace orvx::mainwin
