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

const char* CommandName(TrayCommand command) {
  switch (command) {
    case TrayCommand::Add:
      return "add";
    case TrayCommand::Modify:
      return "modify";
    case TrayCommand::Delete:
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
    log_.push_back(std::string(CommandName(command)) + " id=" + std::to_string(record.id) +
                   " flags=" + std::to_string(record.flags));
    return true;
  }
  ScreenPoint cursor_position() override { return cursor; }
  int16_t key_state(ModifierKey key) override {
    switch (key) {
      case ModifierKey::Shift:
        return shift_state;
      case ModifierKey::Control:
        return control_state;
      case ModifierKey::Alt:
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
  void Popup(int32_t x, int32_t y) override {
    log_.push_back("menu at " + std::to_string(x) + "," + std::to_string(y));
  }

 private:
  Log& log_;
};

std::string Describe(MouseButton button, ShiftState shift) {
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
  TaskbarIcon() { RecordEvents(icon); }

  void RecordEvents(TrayIcon& target) {
    target.OnMouseDown = [this](TrayIcon& sender, MouseButton button, ShiftState shift, int32_t x,
                                int32_t y) {
      EXPECT_EQ(&sender, &icon);
      log.push_back("OnMouseDown " + Describe(button, shift) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    target.OnMouseUp = [this](TrayIcon&, MouseButton button, ShiftState shift, int32_t x, int32_t y) {
      log.push_back("OnMouseUp " + Describe(button, shift) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    target.OnClick = [this](TrayIcon&) { log.push_back("OnClick"); };
    target.OnDblClick = [this](TrayIcon&) { log.push_back("OnDblClick"); };
    target.OnPopupMenu = [this](TrayIcon&) { log.push_back("OnPopupMenu"); };
    target.OnShow = [this](TrayIcon&) { log.push_back("OnShow"); };
    target.OnHide = [this](TrayIcon&) { log.push_back("OnHide"); };
  }

  intptr_t Mouse(uint32_t mouse_message) { return icon.HandleCallback(kTrayCallbackMessage, 0, mouse_message); }

  Log log;
  RecordingPlatform platform{log};
  TrayIcon icon{"TNA", platform};
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
    log.clear();
    for (uint32_t message : c.messages) EXPECT_EQ(Mouse(message), 0) << c.name;
    EXPECT_EQ(log, c.events) << c.name;
  }
}

TEST_F(TaskbarIcon, ShiftStateComesFromTheHighBitOfEachKey) {
  platform.shift_state = static_cast<int16_t>(0x8000);
  platform.control_state = 0x0001;  // toggled, not down
  platform.alt_state = static_cast<int16_t>(0xFF80);
  platform.cursor = {-1280, 5};
  Mouse(kMouseLeftDown);
  EXPECT_EQ(log, (Log{"OnMouseDown left+shift+alt+[left] -1280,5"}));
}

TEST_F(TaskbarIcon, DisabledIconFiresNothingAndLeavesMessagesToTheDefault) {
  icon.SetEnabled(false);
  EXPECT_EQ(Mouse(kMouseLeftDown), 77);
  EXPECT_EQ(Mouse(kMouseLeftUp), 77);
  EXPECT_EQ(log, (Log{"default 1025", "default 1025"}));

  // A press while disabled leaves no flag behind for a later release.
  icon.SetEnabled(true);
  log.clear();
  Mouse(kMouseLeftUp);
  EXPECT_EQ(log, (Log{"front:application", "OnMouseUp left+[left] 640,1000"}));
}

TEST_F(TaskbarIcon, OtherMessagesGoToTheDefaultHandling) {
  EXPECT_EQ(icon.HandleCallback(0x0010 /* WM_CLOSE */, 1, 2), 77);
  EXPECT_EQ(icon.HandleCallback(kTrayCallbackMessage + 1, 0, kMouseLeftDown), 77);
  EXPECT_EQ(log, (Log{"default 16", "default 1026"}));
}

TEST_F(TaskbarIcon, FillIconDataCarriesEveryField) {
  icon.SetIconID(-2);
  icon.SetIcon(std::make_unique<FakePicture>(0xABCD));
  icon.SetHint("Orvane X");
  const TrayIconRecord record = icon.FillIconData();
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
    platform.records.clear();
    icon.SetHint(c.hint);
    EXPECT_EQ(icon.Hint(), c.hint.substr(0, c.kept));
    ASSERT_EQ(platform.records.size(), 1u);
    EXPECT_EQ(std::string(platform.records[0].tip.data()), c.hint.substr(0, c.kept));
    EXPECT_EQ(platform.records[0].tip[c.kept], '\0');
  }
  EXPECT_EQ(log.back(), "modify id=0 flags=5");
}

TEST_F(TaskbarIcon, ShowingAddsTheIconWithItsPictureAndHidingRemovesIt) {
  icon.SetVisible(true);
  icon.SetVisible(true);
  EXPECT_TRUE(icon.Visible());
  icon.SetIcon(std::make_unique<FakePicture>(0x77));
  icon.SetVisible(false);
  icon.SetVisible(false);
  EXPECT_FALSE(icon.Visible());
  EXPECT_EQ(log, (Log{"add id=0 flags=7", "OnShow", "modify id=0 flags=7", "delete id=0 flags=5", "OnHide"}));
  EXPECT_EQ(platform.records[1].icon, 0x77u);
}

TEST_F(TaskbarIcon, ChangingTheIdentifierOfAVisibleIconMovesItToTheNewOne) {
  icon.SetVisible(true);
  log.clear();
  icon.SetIconID(5);
  EXPECT_EQ(log, (Log{"delete id=0 flags=5", "OnHide", "add id=5 flags=7", "OnShow"}));
  EXPECT_TRUE(icon.Visible());

  log.clear();
  icon.SetIconID(5);
  icon.SetVisible(false);
  log.clear();
  icon.SetIconID(6);  // hidden: the shell is not asked
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(icon.IconID(), 6);
}

TEST_F(TaskbarIcon, ShellRestartAddsAVisibleIconAgain) {
  icon.SetHint("Orvane X");
  icon.SetIcon(std::make_unique<FakePicture>(0x99));
  icon.SetVisible(true);
  const TrayIconRecord shown = platform.records.back();
  icon.SetEnabled(false);  // only mouse events depend on Enabled
  log.clear();
  EXPECT_EQ(icon.HandleCallback(RecordingPlatform::kTaskbarCreated, 0, 0), 77);
  EXPECT_EQ(log, (Log{"add id=0 flags=7", "default 49374"}));
  EXPECT_EQ(platform.records.back(), shown);

  icon.SetVisible(false);
  log.clear();
  icon.HandleCallback(RecordingPlatform::kTaskbarCreated, 0, 0);
  EXPECT_EQ(log, (Log{"default 49374"}));
}

TEST_F(TaskbarIcon, RecordThatCannotBeFilledNamesComponentAndOperation) {
  struct Case {
    const char* expected;
    std::function<void(TrayIcon&)> action;
  };
  const Case cases[] = {
      {"TNA.AddToTaskbar failed", [](TrayIcon& i) { i.AddToTaskbar(); }},
      {"TNA.UpDate failed", [](TrayIcon& i) { i.update_icon(); }},
      {"TNA.DeleteFromTaskbar failed", [](TrayIcon& i) { i.DeleteFromTaskbar(); }},
      {"TNA.AddToTaskbar failed", [](TrayIcon& i) { i.SetVisible(true); }},
      {"TNA.UpDate failed", [](TrayIcon& i) { i.SetHint("x"); }},
  };
  for (const Case& c : cases) {
    TrayIcon broken("TNA", platform);
    EXPECT_THROW(broken.SetIcon(std::make_unique<BrokenPicture>()), TrayIconError);
    platform.records.clear();
    try {
      c.action(broken);
      ADD_FAILURE() << "no error for " << c.expected;
    } catch (const TrayIconError& error) {
      EXPECT_STREQ(error.what(), c.expected);
    }
    EXPECT_TRUE(platform.records.empty()) << c.expected;
    EXPECT_FALSE(broken.Visible());
  }
}

TEST_F(TaskbarIcon, RightReleaseShowsThePopupMenuAtTheCursor) {
  auto menu = std::make_shared<RecordingMenu>(log);
  icon.SetPopupMenu(menu);
  platform.cursor = {100, 200};
  Mouse(kMouseRightUp);
  EXPECT_EQ(log, (Log{"menu at 100,200", "post WM_NULL", "OnPopupMenu", "front:application",
                      "OnMouseUp right+[right] 100,200"}));

  // A menu that is gone is no longer shown.
  menu.reset();
  EXPECT_EQ(icon.PopupMenu(), nullptr);
  log.clear();
  Mouse(kMouseRightUp);
  EXPECT_EQ(log, (Log{"front:application", "OnMouseUp right+[right] 100,200"}));
}

TEST_F(TaskbarIcon, PictureIsOwnedAndReplaced) {
  bool first_destroyed = false;
  icon.SetIcon(std::make_unique<FakePicture>(1, &first_destroyed));
  EXPECT_FALSE(first_destroyed);
  icon.SetIcon(std::make_unique<FakePicture>(2));
  EXPECT_TRUE(first_destroyed);
  EXPECT_EQ(icon.FillIconData().icon, 2u);
  icon.SetIcon(nullptr);
  EXPECT_EQ(icon.FillIconData().icon, 0u);
}

TEST(TaskbarIconLifetime, DestroyingAVisibleIconRemovesItWithoutEvents) {
  Log log;
  RecordingPlatform platform(log);
  {
    TrayIcon hidden("hidden", platform);
  }
  EXPECT_TRUE(log.empty());
  {
    TrayIcon shown("shown", platform);
    shown.SetIconID(3);
    shown.SetVisible(true);
    shown.OnHide = [&](TrayIcon&) { log.push_back("OnHide"); };
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
