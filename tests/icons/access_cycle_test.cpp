// Access cycles never nest: an operation started while another one is in
// the middle of its cycle (a handler of a message delivered during a
// SendMessage) behaves as if the desktop could not be reached.
#include <gtest/gtest.h>

#include <stdexcept>

#include "icons/icon_operations.h"
#include "icons/memory_desktop.h"
#include "icons/minidesk_icons.h"

namespace orvx::icons {
namespace {

// Runs `nested` once, at the first view operation of the next cycle.
void nest_once(MemoryDesktop& desktop, std::function<void()> nested) {
  desktop.set_message_hook([&desktop, nested = std::move(nested)]() mutable {
    auto run = std::move(nested);  // clearing the hook destroys this lambda
    desktop.set_message_hook({});
    run();
  });
}

TEST(AccessCycle, NestedOperationsFindNoDesktop) {
  MemoryDesktop desktop({{"A", {1, 2}}, {"B", {3, 4}}});

  bool nested_ran = false;
  nest_once(desktop, [&] {
    nested_ran = true;
    EXPECT_TRUE(desktop.cycle_in_progress());
    EXPECT_FALSE(read_desktop_icons(desktop));
    restore_desktop_icons(desktop, {{"A", 50, 50}});
    move_desktop_icon(desktop, "B", {60, 60});
    int builds = 0;
    EXPECT_FALSE(read_minidesk_icons(desktop, [&](const DesktopIcons&) { ++builds; }));
    EXPECT_EQ(builds, 0);
  });
  restore_desktop_icons(desktop, {{"B", 30, 40}});

  EXPECT_TRUE(nested_ran);
  EXPECT_EQ(desktop.items()[0].position, (IconPoint{1, 2}));
  EXPECT_EQ(desktop.items()[1].position, (IconPoint{30, 40}));
  EXPECT_FALSE(desktop.cycle_in_progress());
  EXPECT_TRUE(read_desktop_icons(desktop));  // the next cycle opens again
}

TEST(AccessCycle, EachDesktopKeepsItsOwnCycle) {
  // The rule lives in the desktop object, not in the program: a cycle on
  // one desktop neither blocks nor is blocked by another desktop's.
  MemoryDesktop desktop({{"A", {1, 2}}});
  MemoryDesktop other({{"A", {0, 0}}});
  nest_once(desktop, [&] {
    EXPECT_FALSE(other.cycle_in_progress());
    move_desktop_icon(other, "A", {60, 60});
  });
  ASSERT_TRUE(read_desktop_icons(desktop));
  EXPECT_EQ(other.items()[0].position, (IconPoint{60, 60}));
  EXPECT_FALSE(desktop.cycle_in_progress());
}

TEST(AccessCycle, ArrangementChecksStillWorkInsideACycle) {
  MemoryDesktop desktop({{"A", {1, 2}}});
  desktop.set_arrangement_modes({true, false});
  bool seen = false;
  nest_once(desktop, [&] { seen = desktop.arrangement_modes().auto_arrange; });
  ASSERT_TRUE(read_desktop_icons(desktop));
  EXPECT_TRUE(seen);
}

class FailingDesktop final : public DesktopAccess {
 public:
  ArrangementModes arrangement_modes() override { return {}; }
  void snap_to_grid() override {}

 protected:
  std::unique_ptr<IconView> open_view() override { throw std::runtime_error("no buffer"); }
};

TEST(AccessCycle, ErrorsEndTheCycle) {
  FailingDesktop failing;
  EXPECT_THROW(read_desktop_icons(failing), std::runtime_error);
  EXPECT_FALSE(failing.cycle_in_progress());

  MemoryDesktop desktop({{"A", {1, 2}}});
  desktop.set_message_hook([] { throw std::runtime_error("view gone"); });
  EXPECT_THROW(restore_desktop_icons(desktop, {{"A", 3, 3}}), std::runtime_error);
  EXPECT_FALSE(desktop.cycle_in_progress());

  desktop.set_message_hook({});
  EXPECT_TRUE(read_desktop_icons(desktop));
}

}  // namespace
}  // namespace orvx::icons
