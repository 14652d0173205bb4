#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "config/config_file.h"
#include "ini/ini_file.h"
#include "config/saved_position.h"
#include "platform/files.h"
#include "support/paths.h"
#include "support/scripted_prompts.h"

namespace orvx::config {
namespace {

// A window as the placement sees it.
class FakeWindow : public PlacementOwner {
 public:
  FakeWindow(std::string name, WindowBounds bounds) : name_(std::move(name)), bounds_(bounds) {}
  std::string window_name() const override { return name_; }
  WindowBounds bounds() const override { return bounds_; }
  void move_to(int32_t left, int32_t top) override {
    bounds_.left = left;
    bounds_.top = top;
  }

 private:
  std::string name_;
  WindowBounds bounds_;
};

constexpr WorkArea kWorkArea{1280, 994};
constexpr WindowBounds kCreatedAt{10, 20, 410, 314};

class Placement : public ::testing::Test {
 protected:
  std::string config() const { return config_file_path(data_.path()); }
  std::string config_bytes() const { return files::read_file(config()).value_or("<missing>"); }

  test::TempFolder data_;
  test::ScriptedPrompts prompts_;
};

TEST_F(Placement, AFirstStartCentresTheWindowInTheWorkArea) {
  FakeWindow window("orvx_form", kCreatedAt);
  SavedPosition placement(window, prompts_);
  placement.data_folder = data_.path();
  placement.restore_placement(kWorkArea);
  EXPECT_EQ(window.bounds().left, 435);
  EXPECT_EQ(window.bounds().top, 340);
  EXPECT_TRUE(prompts_.shown.empty());
}

TEST_F(Placement, StoredPositionsFollowTheRule) {
  struct Case {
    const char* section;
    int32_t left, top;
  };
  const Case cases[] = {
      {"[orvx_form]\r\nLeft=870\r\nTop=680\r\n", 870, 680},
      {"[ORVX_FORM]\r\nleft=100\r\ntop=200\r\n", 100, 200},
      {"[orvx_form]\r\nLeft=871\r\nTop=681\r\n", 435, 340},
      {"[orvx_form]\r\nLeft=-50\r\nTop=-1\r\n", 435, 340},
      {"[orvx_form]\r\nLeft=2000\r\nTop=995\r\n", kCreatedAt.left, kCreatedAt.top},
      {"[orvx_form]\r\nLeft=abc\r\nTop=\r\n", 435, 340},
      {"[orvx_form]\r\nLeft=12px\r\n", 12, 340},
      {"[settings_form]\r\nLeft=1\r\nTop=1\r\n", 435, 340},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(files::write_file(config(), c.section));
    FakeWindow window("orvx_form", kCreatedAt);
    SavedPosition placement(window, prompts_);
    placement.data_folder = data_.path();
    placement.restore_placement(kWorkArea);
    EXPECT_EQ(window.bounds().left, c.left) << c.section;
    EXPECT_EQ(window.bounds().top, c.top) << c.section;
  }
}

TEST_F(Placement, TheLastPositionIsSavedWhenTheWindowGoes) {
  ASSERT_TRUE(files::write_file(config(), "[Settings]\r\nlang_menu=1\r\n[orvx_form]\r\nLeft=100\r\nTop=200\r\n"));
  // data_folder without a trailing separator: one is added.
  std::string folder = data_.path();
  folder.pop_back();
  {
    FakeWindow window("orvx_form", kCreatedAt);
    SavedPosition placement(window, prompts_);
    placement.data_folder = folder;
    placement.restore_placement(kWorkArea);
    window.move_to(300, 400);  // the user moves the window
    placement.remember_position();
    window.move_to(1, 1);  // later moves do not count
  }
  EXPECT_EQ(config_bytes(), "[Settings]\r\nlang_menu=1\r\n[orvx_form]\r\nLeft=300\r\nTop=400\r\n");

  FakeWindow about("about", kCreatedAt);
  {
    SavedPosition placement(about, prompts_);
    placement.data_folder = data_.path();
    placement.restore_placement(kWorkArea);
    placement.remember_position();
  }
  EXPECT_TRUE(config_bytes().ends_with("[about]\r\nLeft=435\r\nTop=340\r\n"));
}

TEST_F(Placement, NothingIsSavedWithoutARecordedPosition) {
  // The program ended without destroying its windows (logoff): the file
  // keeps the previous positions.
  ASSERT_TRUE(files::write_file(config(), "[orvx_form]\r\nLeft=100\r\nTop=200\r\n"));
  {
    FakeWindow window("orvx_form", kCreatedAt);
    SavedPosition placement(window, prompts_);
    placement.data_folder = data_.path();
    placement.restore_placement(kWorkArea);
  }
  // Never restored: no window name to save under.
  {
    FakeWindow window("about", kCreatedAt);
    SavedPosition placement(window, prompts_);
    placement.data_folder = data_.path();
    placement.remember_position();
  }
  EXPECT_EQ(config_bytes(), "[orvx_form]\r\nLeft=100\r\nTop=200\r\n");
}

TEST_F(Placement, ASecondPlacementTakesOverAndTheFirstSavesNothing) {
  FakeWindow window("settings_form", kCreatedAt);
  auto first = std::make_unique<SavedPosition>(window, prompts_);
  first->data_folder = data_.path();
  first->restore_placement(kWorkArea);
  EXPECT_TRUE(prompts_.shown.empty());

  SavedPosition second(window, prompts_);
  ASSERT_EQ(prompts_.shown.size(), 1u);
  EXPECT_EQ(prompts_.shown[0].kind, "error");
  EXPECT_EQ(prompts_.shown[0].text, "Error - read pleacement infos!");
  EXPECT_TRUE(first->detached());
  EXPECT_FALSE(second.detached());

  first->remember_position();
  first.reset();
  EXPECT_FALSE(files::file_exists(config()));

  second.data_folder = data_.path();
  second.restore_placement(kWorkArea);
  window.move_to(50, 60);
  second.remember_position();
  second.save_placement();
  EXPECT_EQ(config_bytes(), "[settings_form]\r\nLeft=50\r\nTop=60\r\n");
}

TEST_F(Placement, APlacementOutlivingItsWindowStillSaves) {
  auto window = std::make_unique<FakeWindow>("about", kCreatedAt);
  SavedPosition placement(*window, prompts_);
  placement.data_folder = data_.path();
  placement.restore_placement(kWorkArea);
  window->move_to(5, 6);
  placement.remember_position();
  window.reset();
  placement.remember_position();  // no window any more: keeps what it has
  placement.save_placement();
  EXPECT_EQ(config_bytes(), "[about]\r\nLeft=5\r\nTop=6\r\n");
}

TEST_F(Placement, WithoutAFolderNothingIsReadOrWritten) {
  const std::string stray = "config.qcf";  // relative to the working folder
  const bool stray_existed = files::file_exists(stray);
  {
    FakeWindow window("orvx_form", kCreatedAt);
    SavedPosition placement(window, prompts_);
    placement.restore_placement(kWorkArea);
    EXPECT_EQ(window.bounds().left, 435);
    placement.remember_position();
  }
  EXPECT_EQ(files::file_exists(stray), stray_existed);
}

}  // namespace
}  // namespace orvx::config
