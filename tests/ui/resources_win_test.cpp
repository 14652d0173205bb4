// The pictures in OrvaneX.exe: the Minidesk toggle bitmaps and the program
// icon, read from the built program file.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/scoped_win.h"
#include "support/paths.h"
#include "ui/resource_names.h"

namespace orvx::ui {
namespace {

class ProgramPictures : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string exe = orvx::test::binary_dir() + "/OrvaneX.exe";
    module_.reset(LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(module_) << exe;
  }
  // A data-file module handle has its low bit set; resources load from it
  // all the same.
  win::ScopedLibrary module_;
};

TEST_F(ProgramPictures, ToggleBitmapsAre24By22With256Colours) {
  for (const char* name : {kShowMinideskPicture, kHideMinideskPicture}) {
    SCOPED_TRACE(name);
    HRSRC found = FindResourceA(module_.get(), name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    ASSERT_NE(found, nullptr);
    auto* info = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module_.get(), found)));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->biWidth, 24);
    EXPECT_EQ(info->biHeight, 22);
    EXPECT_EQ(info->biBitCount, 8);
  }
}

TEST_F(ProgramPictures, IconHasSmallAndLargeSizes) {
  for (int size : {16, 32}) {
    SCOPED_TRACE(size);
    win::ScopedIcon icon(static_cast<HICON>(LoadImageA(module_.get(), kProgramIcon, IMAGE_ICON, size, size, 0)));
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    win::ScopedGdi<HBITMAP> colour(info.hbmColor);
    win::ScopedGdi<HBITMAP> mask(info.hbmMask);
    BITMAP bm{};
    GetObjectA(colour.get(), sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, size);
    EXPECT_EQ(bm.bmHeight, size);
  }
}

}  // namespace
}  // namespace orvx::ui
