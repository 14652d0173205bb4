#include <gtest/gtest.h>

#include "lang/save_resource_win.h"
#include "platform/files.h"
#include "platform/scoped_win.h"
#include "support/paths.h"

namespace orvx::lang {
namespace {

// OrvaneX.exe loaded for its resources only.
win::ScopedLibrary load_program_resources() {
  const std::string program = test::binary_dir() + "/OrvaneX.exe";
  return win::ScopedLibrary(LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
}

TEST(SaveResource, TheEmbeddedEnglishFileEqualsTheSourceFile) {
  auto program = load_program_resources();
  ASSERT_TRUE(program) << "OrvaneX.exe could not be loaded";
  test::TempFolder dir;
  const std::string target = dir / "English.qlf";
  ASSERT_TRUE(files::write_file(target, "an older, edited English file"));

  ASSERT_TRUE(save_resource_to_file(MAKEINTRESOURCEA(10) /* RT_RCDATA */, "English", target, program.get()));

  const auto shipped = files::read_file(test::source_dir() + "/resources/English.qlf");
  ASSERT_TRUE(shipped.has_value());
  EXPECT_EQ(files::read_file(target).value_or(""), *shipped);
}

TEST(SaveResource, AMissingResourceWritesNothing) {
  auto program = load_program_resources();
  ASSERT_TRUE(program);
  test::TempFolder dir;
  const std::string target = dir / "French.qlf";
  EXPECT_FALSE(save_resource_to_file(MAKEINTRESOURCEA(10), "FRENCH", target, program.get()));
  EXPECT_FALSE(files::file_exists(target));
}

TEST(SaveResource, AnUnwritablePathKeepsNothingHalfWritten) {
  auto program = load_program_resources();
  ASSERT_TRUE(program);
  test::TempFolder dir;
  const std::string target = dir / "no such folder\\English.qlf";
  EXPECT_FALSE(save_resource_to_file(MAKEINTRESOURCEA(10), "ENGLISH", target, program.get()));
  EXPECT_FALSE(files::file_exists(target));
}

}  // namespace
}  // namespace orvx::lang
