// Which downloads count as a program for this build.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/files.h"
#include "support/paths.h"
#include "update/program_check.h"

namespace orvx::update {
namespace {

void put16(std::string& b, size_t at, uint16_t v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>(v >> 8);
}
void put32(std::string& b, size_t at, uint32_t v) {
  put16(b, at, static_cast<uint16_t>(v));
  put16(b, at + 2, static_cast<uint16_t>(v >> 16));
}

// The headers of a PE image as a linker writes them, the NT headers at 0x80.
std::string image(uint16_t machine, uint16_t subsystem, bool pe32_plus = false) {
  std::string b(0x400, '\0');
  b[0] = 'M';
  b[1] = 'Z';
  put32(b, 60, 0x80);
  b.replace(0x80, 4, std::string("PE\0\0", 4));
  put16(b, 0x84, machine);
  put16(b, 0x84 + 16, pe32_plus ? 240 : 224);
  put16(b, 0x98, pe32_plus ? 0x20B : 0x10B);
  put16(b, 0x98 + 68, subsystem);
  return b;
}

struct Case {
  const char* what;
  std::string bytes;
  bool program_for_i386;
};

TEST(IsProgramFor, Table) {
  std::string far_header = image(kMachineI386, kSubsystemWindowsGui);
  put32(far_header, 60, 0xFFFFFFF0);
  std::string no_signature = image(kMachineI386, kSubsystemWindowsGui);
  no_signature[0x81] = 'X';
  std::string small_optional = image(kMachineI386, kSubsystemWindowsGui);
  put16(small_optional, 0x84 + 16, 60);
  std::string no_mz = image(kMachineI386, kSubsystemWindowsGui);
  no_mz[0] = 'Z';
  const Case cases[] = {
      {"i386 GUI", image(kMachineI386, kSubsystemWindowsGui), true},
      {"x86-64 GUI", image(kMachineAmd64, kSubsystemWindowsGui, true), false},
      {"i386 console", image(kMachineI386, 3), false},
      {"i386 native", image(kMachineI386, 1), false},
      {"ARM GUI", image(0x01C4, kSubsystemWindowsGui), false},
      {"HTML page", "<html><head><title>404 Not Found</title></head><body>Not Found</body></html>", false},
      {"empty", "", false},
      {"MZ only", "MZ", false},
      {"cut inside the DOS header", image(kMachineI386, kSubsystemWindowsGui).substr(0, 40), false},
      {"cut before the file header", image(kMachineI386, kSubsystemWindowsGui).substr(0, 0x86), false},
      {"cut before the subsystem", image(kMachineI386, kSubsystemWindowsGui).substr(0, 0x98 + 68), false},
      {"header offset past the end", far_header, false},
      {"no PE signature", no_signature, false},
      {"optional header too short", small_optional, false},
      {"no MZ", no_mz, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(is_program_for(c.bytes, kMachineI386), c.program_for_i386);
  }
  EXPECT_TRUE(is_program_for(image(kMachineAmd64, kSubsystemWindowsGui, true), kMachineAmd64));
  EXPECT_FALSE(is_program_for(image(0, kSubsystemWindowsGui), 0));
}

TEST(FileIsProgramFor, ReadsTheFileHead) {
  test::TempFolder dir;
  std::string big = image(kMachineI386, kSubsystemWindowsGui) + std::string(200000, 'x');
  ASSERT_TRUE(files::write_file(dir / "OrvaneX.tmp", big));
  EXPECT_TRUE(file_is_program_for(dir / "OrvaneX.tmp", kMachineI386));
  EXPECT_FALSE(file_is_program_for(dir / "missing.tmp", kMachineI386));
}

// The programs of the Windows builds, when they are there: our own GUI
// program passes for its machine only, a console test program never.
TEST(FileIsProgramFor, TheWindowsBuilds) {
  const std::string build = files::folder_of(test::binary_dir() + "/");
  const std::string root = files::folder_of(build.substr(0, build.size() - 1));
  struct Tree {
    const char* folder;
    uint16_t machine;
    uint16_t other;
  };
  int programs = 0;
  for (const Tree& tree : {Tree{"win32/", kMachineI386, kMachineAmd64}, Tree{"win64/", kMachineAmd64, kMachineI386}}) {
    SCOPED_TRACE(tree.folder);
    const std::string program = root + tree.folder + "OrvaneX.exe";
    const std::string console = root + tree.folder + "tests/net_win_tests.exe";
    if (files::file_exists(program)) {
      ++programs;
      EXPECT_TRUE(file_is_program_for(program, tree.machine));
      EXPECT_FALSE(file_is_program_for(program, tree.other));
    }
    if (files::file_exists(console)) {
      EXPECT_FALSE(file_is_program_for(console, tree.machine));
    }
  }
  if (programs == 0) GTEST_SKIP() << "no Windows build beside " << build;
}

}  // namespace
}  // namespace orvx::update
