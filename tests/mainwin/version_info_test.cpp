// The version string from a fixed file information block, and the version
// line built from it.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "mainwin/version_info.h"

namespace orvx::mainwin {
namespace {

void put_dword(std::string& bytes, size_t offset, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(v >> (8 * i));
}

// A VS_FIXEDFILEINFO block with the given file version parts; the product
// version differs, so a mix-up shows.
std::string fixed_file_info(uint32_t ms, uint32_t ls, uint32_t signature = 0xFEEF04BD) {
  std::string block(52, '\0');
  put_dword(block, 0, signature);
  put_dword(block, 4, 0x00010000);
  put_dword(block, 8, ms);
  put_dword(block, 12, ls);
  put_dword(block, 16, 0x00090009);
  put_dword(block, 20, 0x00090009);
  return block;
}

TEST(VersionFromFixedFileInfo, JoinsTheFourWordsOfTheFileVersion) {
  EXPECT_EQ(version_from_fixed_file_info(fixed_file_info(0x00010002, 0x00030004)), "1.2.3.4");
  EXPECT_EQ(version_from_fixed_file_info(fixed_file_info(0, 0)), "0.0.0.0");
  EXPECT_EQ(version_from_fixed_file_info(fixed_file_info(0xFFFF000A, 0x0100FFFF)), "65535.10.256.65535");
  // Longer blocks (the value may be padded) read the same.
  EXPECT_EQ(version_from_fixed_file_info(fixed_file_info(0x00020000, 0x00000001) + "pad"), "2.0.0.1");
}

TEST(VersionFromFixedFileInfo, RejectsWhatIsNoFixedFileInfo) {
  EXPECT_EQ(version_from_fixed_file_info(""), "");
  EXPECT_EQ(version_from_fixed_file_info(fixed_file_info(0x00010002, 0x00030004).substr(0, 51)), "");
  EXPECT_EQ(version_from_fixed_file_info(fixed_file_info(0x00010002, 0x00030004, 0xFEEF04BC)), "");
}

TEST(VersionLine, NamesVersionAndBuildTime) {
  EXPECT_EQ(version_line("1.2.3.4", "03.02.2001 04:05:06"), "Version: 1.2.3.4 - 03.02.2001 04:05:06");
}

}  // namespace
}  // namespace orvx::mainwin
