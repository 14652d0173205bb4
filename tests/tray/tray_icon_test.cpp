// The notification-area icon's logic against a platform that records every
// call, in one log with the events, so that orders can be compared.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tray/tray_icon.h"

namespace orvx::tray {
namespace {

using Log = std::vector<std::string>;

const char* command_name(TrayCommand command) {
  switch (command) {
    case TrayCommand::kAdd:
      return "add";
    case TrayCommand::kModify:
      return "modify";
    case TrayCommand::kDelete:
      return "delete";
  }
  return "?";
}

class RecordingPlatform : public TaskbarPlatform {
 public:
  explicit RecordingPlatform(Log& log) : log_(log) {}

  static constexpr uintptr_t kWindow = 0x1234;
  static constexpr uint32_t kTaskbarCreated = 0xC0DE;

  uintptr_t callback_window() const override { return kWindow; }
  uint32_t taskbar_created_message() const override { return kTaskbarCreated; }
  bool notify(TrayCommand command, const TrayIconRecord& record) override {
    records.push_back(record);
    log_.push_back(std::string(command_name(command)) + " id=" + std::to_string(record.id) +
                   " flags=" + std::to_string(record.flags));
    return true;
  }
  ScreenPoint cursor_position() override { return cursor; }
  int16_t key_state(ModifierKey key) override {
    switch (key) {
      case ModifierKey::kShift:
        return shift_state;
      case ModifierKey::kControl:
        return control_state;
      case ModifierKey::kAlt:
        return alt_state;
    }
    return 0;
  }
  void bring_callback_window_to_front() override { log_.push_back("front:hidden window"); }
  void bring_application_to_front() override { log_.push_back("front:application"); }
  void post_null_to_callback_window() override { log_.push_back("post WM_NULL"); }
  intptr_t default_handling(uint32_t message, uintptr_t, intptr_t) override {
    log_.push_back("default " + std::to_string(message));
    return 77;
  }

  ScreenPoint cursor{640, 1000};
  int16_t shift_state = 0;
  int16_t control_state = 0;
  int16_t alt_state = 0;
  std::vector<TrayIconRecord> records;

 private:
  Log& log_;
};

class FakePicture : public TrayPicture {
 public:
  FakePicture(uintptr_t handle, bool* destroyed = nullptr) : handle_(handle), destroyed_(destroyed) {}
  ~FakePicture() override {
    if (destroyed_) *destroyed_ = true;
  }
  uintptr_t handle() const override { return handle_; }

 private:
  uintptr_t handle_;
  bool* destroyed_;
};

class BrokenPicture : public TrayPicture {
 public:
  uintptr_t handle() const override { throw std::runtime_error("no handle"); }
};

class RecordingMenu : public TrayPopupMenu {
 public:
  explicit RecordingMenu(Log& log) : log_(log) {}
  void popup(int32_t x, int32_t y) override {
    log_.push_back("menu at " + std::to_string(x) + "," + std::to_string(y));
  }

 private:
  Log& log_;
};

std::string describe(MouseButton button, ShiftState shift) {
  std::string s = button == MouseButton::kLeft ? "left" : button == MouseButton::kRight ? "right" : "middle";
  if (shift.shift) s += "+shift";
  if (shift.ctrl) s += "+ctrl";
  if (shift.alt) s += "+alt";
  if (shift.left) s += "+[left]";
  if (shift.right) s += "+[right]";
  return s;
}

class TaskbarIcon : public ::testing::Test {
 protected:
  TaskbarIcon() { record_events(icon_); }

  void record_events(TrayIcon& target) {
    target.on_mouse_down = [this](TrayIcon& sender, MouseButton button, ShiftState shift, int32_t x, int32_t y) {
      EXPECT_EQ(&sender, &icon_);
      log_.push_back("OnMouseDown " + describe(button, shift) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    target.on_mouse_up = [this](TrayIcon&, MouseButton button, ShiftState shift, int32_t x, int32_t y) {
      log_.push_back("OnMouseUp " + describe(button, shift) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    target.on_click = [this](TrayIcon&) { log_.push_back("OnClick"); };
    target.on_dbl_click = [this](TrayIcon&) { log_.push_back("OnDblClick"); };
    target.on_popup_menu = [this](TrayIcon&) { log_.push_back("OnPopupMenu"); };
    target.on_show = [this](TrayIcon&) { log_.push_back("OnShow"); };
    target.on_hide = [this](TrayIcon&) { log_.push_back("OnHide"); };
  }

  intptr_t mouse(uint32_t mouse_message) { return icon_.handle_callback(kTrayCallbackMessage, 0, mouse_message); }

  Log log_;
  RecordingPlatform platform_{log_};
  TrayIcon icon_{"TNA", platform_};
};

TEST_F(TaskbarIcon, CallbackMessagesBecomeEventsInOrder) {
  struct Case {
    const char* name;
    std::vector<uint32_t> messages;
    Log events;
  };
  const Case cases[] = {
      {"press and release",
       {kMouseLeftDown, kMouseLeftUp},
       {"OnMouseDown left+[left] 640,1000", "front:application", "OnMouseUp left+[left] 640,1000", "OnClick"}},
      // The double-click message does not set the left-down flag, so the
      // second release is no click.
      {"double click",
       {kMouseLeftDown, kMouseLeftUp, kMouseLeftDoubleClick, kMouseLeftUp},
       {"OnMouseDown left+[left] 640,1000", "front:application", "OnMouseUp left+[left] 640,1000", "OnClick",
        "OnDblClick", "front:application", "OnMouseUp left+[left] 640,1000"}},
      {"right click without a menu",
       {kMouseRightDown, kMouseRightUp},
       {"front:hidden window", "OnMouseDown right+[right] 640,1000", "front:application",
        "OnMouseUp right+[right] 640,1000"}},
      {"release without a press on the icon", {kMouseLeftUp}, {"front:application", "OnMouseUp left+[left] 640,1000"}},
      {"right release between press and release",
       {kMouseLeftDown, kMouseRightUp, kMouseLeftUp},
       {"OnMouseDown left+[left] 640,1000", "front:application", "OnMouseUp right+[right] 640,1000",
        "front:application", "OnMouseUp left+[left] 640,1000", "OnClick"}},
      {"mouse move and middle button", {0x0200, 0x0207, 0x0208}, {}},
  };
  for (const Case& c : cases) {
    log_.clear();
    for (uint32_t message : c.messages) EXPECT_EQ(mouse(message), 0) << c.name;
    EXPECT_EQ(log_, c.events) << c.name;
  }
}

TEST_F(TaskbarIcon, ShiftStateComesFromTheHighBitOfEachKey) {
  platform_.shift_state = static_cast<int16_t>(0x8000);
  platform_.control_state = 0x0001;  // toggled, not down
  platform_.alt_state = static_cast<int16_t>(0xFF80);
  platform_.cursor = {-1280, 5};
  mouse(kMouseLeftDown);
  EXPECT_EQ(log_, (Log{"OnMouseDown left+shift+alt+[left] -1280,5"}));
}

TEST_F(TaskbarIcon, DisabledIconFiresNothingAndLeavesMessagesToTheDefault) {
  icon_.set_enabled(false);
  EXPECT_EQ(mouse(kMouseLeftDown), 77);
  EXPECT_EQ(mouse(kMouseLeftUp), 77);
  EXPECT_EQ(log_, (Log{"default 1025", "default 1025"}));

  // A press while disabled leaves no flag behind for a later release.
  icon_.set_enabled(true);
  log_.clear();
  mouse(kMouseLeftUp);
  EXPECT_EQ(log_, (Log{"front:application", "OnMouseUp left+[left] 640,1000"}));
}

TEST_F(TaskbarIcon, OtherMessagesGoToTheDefaultHandling) {
  EXPECT_EQ(icon_.handle_callback(0x0010 /* WM_CLOSE */, 1, 2), 77);
  EXPECT_EQ(icon_.handle_callback(kTrayCallbackMessage + 1, 0, kMouseLeftDown), 77);
  EXPECT_EQ(log_, (Log{"default 16", "default 1026"}));
}

TEST_F(TaskbarIcon, FillIconDataCarriesEveryField) {
  icon_.set_icon_id(-2);
  icon_.set_icon(std::make_unique<FakePicture>(0xABCD));
  icon_.set_hint("Orvane X");
  const TrayIconRecord record = icon_.fill_icon_data();
  EXPECT_EQ(record.size, 88u);
  EXPECT_EQ(record.window, RecordingPlatform::kWindow);
  EXPECT_EQ(record.id, 0xFFFFFFFEu);
  EXPECT_EQ(record.flags, kTrayFlagMessage | kTrayFlagTip);
  EXPECT_EQ(record.callback_message, 0x0401u);
  EXPECT_EQ(record.icon, 0xABCDu);
  EXPECT_STREQ(record.tip.data(), "Orvane X");
}

TEST_F(TaskbarIcon, HintIsCutToSixtyThreeCharacters) {
  struct Case {
    std::string hint;
    size_t kept;
  };
  const Case cases[] = {{std::string(70, 'h'), 63}, {std::string(63, 'h'), 63}, {std::string(62, 'h'), 62}, {"", 0}};
  for (const Case& c : cases) {
    platform_.records.clear();
    icon_.set_hint(c.hint);
    EXPECT_EQ(icon_.hint(), c.hint.substr(0, c.kept));
    ASSERT_EQ(platform_.records.size(), 1u);
    EXPECT_EQ(std::string(platform_.records[0].tip.data()), c.hint.substr(0, c.kept));
    EXPECT_EQ(platform_.records[0].tip[c.kept], '\0');
  }
  EXPECT_EQ(log_.back(), "modify id=0 flags=5");
}

TEST_F(TaskbarIcon, ShowingAddsTheIconWithItsPictureAndHidingRemovesIt) {
  icon_.set_visible(true);
  icon_.set_visible(true);
  EXPECT_TRUE(icon_.visible());
  icon_.set_icon(std::make_unique<FakePicture>(0x77));
  icon_.set_visible(false);
  icon_.set_visible(false);
  EXPECT_FALSE(icon_.visible());
  EXPECT_EQ(log_, (Log{"add id=0 flags=7", "OnShow", "modify id=0 flags=7", "delete id=0 flags=5", "OnHide"}));
  EXPECT_EQ(platform_.records[1].icon, 0x77u);
}

TEST_F(TaskbarIcon, ChangingTheIdentifierOfAVisibleIconMovesItToTheNewOne) {
  icon_.set_visible(true);
  log_.clear();
  icon_.set_icon_id(5);
  EXPECT_EQ(log_, (Log{"delete id=0 flags=5", "OnHide", "add id=5 flags=7", "OnShow"}));
  EXPECT_TRUE(icon_.visible());

  log_.clear();
  icon_.set_icon_id(5);
  icon_.set_visible(false);
  log_.clear();
  icon_.set_icon_id(6);  // hidden: the shell is not asked
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(icon_.icon_id(), 6);
}

TEST_F(TaskbarIcon, ShellRestartAddsAVisibleIconAgain) {
  icon_.set_hint("Orvane X");
  icon_.set_icon(std::make_unique<FakePicture>(0x99));
  icon_.set_visible(true);
  const TrayIconRecord shown = platform_.records.back();
  icon_.set_enabled(false);  // only mouse events depend on Enabled
  log_.clear();
  EXPECT_EQ(icon_.handle_callback(RecordingPlatform::kTaskbarCreated, 0, 0), 77);
  EXPECT_EQ(log_, (Log{"add id=0 flags=7", "default 49374"}));
  EXPECT_EQ(platform_.records.back(), shown);

  icon_.set_visible(false);
  log_.clear();
  icon_.handle_callback(RecordingPlatform::kTaskbarCreated, 0, 0);
  EXPECT_EQ(log_, (Log{"default 49374"}));
}

TEST_F(TaskbarIcon, RecordThatCannotBeFilledNamesComponentAndOperation) {
  struct Case {
    const char* expected;
    std::function<void(TrayIcon&)> action;
  };
  const Case cases[] = {
      {"TNA.AddToTaskbar failed", [](TrayIcon& i) { i.add_to_taskbar(); }},
      {"TNA.UpDate failed", [](TrayIcon& i) { i.update_icon(); }},
      {"TNA.DeleteFromTaskbar failed", [](TrayIcon& i) { i.delete_from_taskbar(); }},
      {"TNA.AddToTaskbar failed", [](TrayIcon& i) { i.set_visible(true); }},
      {"TNA.UpDate failed", [](TrayIcon& i) { i.set_hint("x"); }},
  };
  for (const Case& c : cases) {
    TrayIcon broken("TNA", platform_);
    EXPECT_THROW(broken.set_icon(std::make_unique<BrokenPicture>()), TrayIconError);
    platform_.records.clear();
    try {
      c.action(broken);
      ADD_FAILURE() << "no error for " << c.expected;
    } catch (const TrayIconError& error) {
      EXPECT_STREQ(error.what(), c.expected);
    }
    EXPECT_TRUE(platform_.records.empty()) << c.expected;
    EXPECT_FALSE(broken.visible());
  }
}

TEST_F(TaskbarIcon, RightReleaseShowsThePopupMenuAtTheCursor) {
  auto menu = std::make_shared<RecordingMenu>(log_);
  icon_.set_popup_menu(menu);
  platform_.cursor = {100, 200};
  mouse(kMouseRightUp);
  EXPECT_EQ(log_, (Log{"menu at 100,200", "post WM_NULL", "OnPopupMenu", "front:application",
                       "OnMouseUp right+[right] 100,200"}));

  // A menu that is gone is no longer shown.
  menu.reset();
  EXPECT_EQ(icon_.popup_menu(), nullptr);
  log_.clear();
  mouse(kMouseRightUp);
  EXPECT_EQ(log_, (Log{"front:application", "OnMouseUp right+[right] 100,200"}));
}

TEST_F(TaskbarIcon, PictureIsOwnedAndReplaced) {
  bool first_destroyed = false;
  icon_.set_icon(std::make_unique<FakePicture>(1, &first_destroyed));
  EXPECT_FALSE(first_destroyed);
  icon_.set_icon(std::make_unique<FakePicture>(2));
  EXPECT_TRUE(first_destroyed);
  EXPECT_EQ(icon_.fill_icon_data().icon, 2u);
  icon_.set_icon(nullptr);
  EXPECT_EQ(icon_.fill_icon_data().icon, 0u);
}

TEST(TaskbarIconLifetime, DestroyingAVisibleIconRemovesItWithoutEvents) {
  Log log;
  RecordingPlatform platform(log);
  { TrayIcon hidden("hidden", platform); }
  EXPECT_TRUE(log.empty());
  {
    TrayIcon shown("shown", platform);
    shown.set_icon_id(3);
    shown.set_visible(true);
    shown.on_hide = [&](TrayIcon&) { log.push_back("OnHide"); };
    log.clear();
  }
  EXPECT_EQ(log, (Log{"delete id=3 flags=5"}));
}

TEST(KeyState, HighBitMeansDown) {
  EXPECT_TRUE(key_state_is_down(static_cast<int16_t>(0x8000)));
  EXPECT_TRUE(key_state_is_down(static_cast<int16_t>(0x8001)));
  EXPECT_FALSE(key_state_is_down(0x0001));
  EXPECT_FALSE(key_state_is_down(0x7FFF));
}

}  // namespace
}  // namespace orvx::tray
