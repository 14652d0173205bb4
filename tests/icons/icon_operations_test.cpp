// The icon operations against the in-memory desktop.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "icons/icon_operations.h"
#include "icons/memory_desktop.h"
#include "icons/minidesk_icons.h"
#include "support/desktop_icon_rows.h"

namespace orvx::icons {
namespace {

using Item = MemoryDesktop::Item;
using test::rows;

TEST(ReadDesktopIcons, ReadsEveryItemInOrderDuplicatesAndEmptyCaptionsIncluded) {
  MemoryDesktop desktop({{"Papierkorb", {10, 20}}, {"", {-5, 7}}, {"Papierkorb", {300, 40}}});
  auto icons = read_desktop_icons(desktop);
  ASSERT_TRUE(icons);
  EXPECT_EQ(rows(*icons), rows({{"Papierkorb", 10, 20}, {"", -5, 7}, {"Papierkorb", 300, 40}}));
}

TEST(ReadDesktopIcons, EmptyDesktopAndUnreachableDesktopDiffer) {
  MemoryDesktop empty;
  auto icons = read_desktop_icons(empty);
  ASSERT_TRUE(icons);
  EXPECT_TRUE(icons->empty());

  MemoryDesktop unreachable({{"A", {1, 1}}});
  unreachable.set_reachable(false);
  EXPECT_FALSE(read_desktop_icons(unreachable));
}

// A view that claims a count of its own and reads every item as empty;
// counts the items it was asked for.
class ClaimingDesktop final : public DesktopAccess {
 public:
  explicit ClaimingDesktop(int claimed) : claimed_(claimed) {}
  ArrangementModes arrangement_modes() override { return {}; }
  void snap_to_grid() override {}
  size_t items_read = 0;

 protected:
  std::unique_ptr<IconView> open_view() override { return std::make_unique<View>(*this); }

 private:
  class View final : public IconView {
   public:
    explicit View(ClaimingDesktop& desktop) : desktop_(desktop) {}
    int item_count() override { return desktop_.claimed_; }
    std::string item_caption(int) override {
      ++desktop_.items_read;
      return {};
    }
    IconPoint item_position(int) override { return {}; }
    int find_item(std::string_view) override { return -1; }
    void set_item_position(int, uint32_t) override {}

   private:
    ClaimingDesktop& desktop_;
  };

  int claimed_;
};

TEST(ReadDesktopIcons, ACountNoDesktopCanHoldReadsAsUnreachable) {
  struct Case {
    int claimed;
    bool read;
  };
  const Case cases[] = {
      {0, true}, {kMostDesktopItems, true}, {kMostDesktopItems + 1, false}, {2000000000, false}, {-1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.claimed);
    ClaimingDesktop desktop(c.claimed);
    const std::optional<DesktopIcons> icons = read_desktop_icons(desktop);
    ASSERT_EQ(icons.has_value(), c.read);
    if (c.read) {
      EXPECT_EQ(icons->size(), static_cast<size_t>(c.claimed));
    }
    EXPECT_EQ(desktop.items_read, c.read ? static_cast<size_t>(c.claimed) : 0u);
  }
}

TEST(ReadDesktopIcons, LongCaptionsArriveCutTo254Characters) {
  MemoryDesktop desktop({{std::string(300, 'x'), {0, 0}}, {std::string(254, 'y'), {0, 0}}});
  auto icons = read_desktop_icons(desktop);
  ASSERT_TRUE(icons);
  EXPECT_EQ((*icons)[0].caption, std::string(254, 'x'));
  EXPECT_EQ((*icons)[1].caption, std::string(254, 'y'));
}

TEST(MoveDesktopIcon, PositionsArriveAsTheViewReadsSixteenBitHalves) {
  struct Case {
    IconPoint to;
    IconPoint lands;
  };
  const Case cases[] = {
      {{-1200, 300}, {-1200, 300}},       {{40000, 5}, {-25536, 5}},          {{5, 40000}, {5, -25536}},
      {{32767, -32768}, {32767, -32768}}, {{32768, -32769}, {-32768, 32767}}, {{65536 + 12, -65536 - 3}, {12, -3}},
  };
  for (const Case& c : cases) {
    MemoryDesktop desktop({{"Arbeitsplatz", {1, 1}}});
    move_desktop_icon(desktop, "Arbeitsplatz", c.to);
    EXPECT_EQ(desktop.items()[0].position, c.lands) << c.to.x << "," << c.to.y;
  }
}

TEST(MoveDesktopIcon, FindsTheFirstItemWithoutRegardToLetterCase) {
  MemoryDesktop desktop({{"Eigene Dateien", {0, 0}}, {"Ärger.TXT", {0, 0}}, {"ärger.txt", {0, 0}}});
  move_desktop_icon(desktop, "EIGENE dateien", {10, 10});
  move_desktop_icon(desktop, "äRGER.txt", {20, 20});
  EXPECT_EQ(desktop.items()[0].position, (IconPoint{10, 10}));
  EXPECT_EQ(desktop.items()[1].position, (IconPoint{20, 20}));
  EXPECT_EQ(desktop.items()[2].position, (IconPoint{0, 0}));
}

TEST(MoveDesktopIcon, UnknownCaptionsAndUnsearchableOnesMoveNothing) {
  const std::vector<Item> before{{std::string(260, 'a'), {1, 1}}, {"Tab", {2, 2}}};
  for (const std::string& caption :
       {std::string("Nothing"), std::string(261, 'a'), std::string("Tab\0x", 5), std::string()}) {
    MemoryDesktop desktop(before);
    move_desktop_icon(desktop, caption, {9, 9});
    EXPECT_EQ(desktop.items(), before) << caption.size();
  }
  MemoryDesktop desktop(before);
  move_desktop_icon(desktop, std::string(260, 'A'), {9, 9});  // 260 characters can still be found
  EXPECT_EQ(desktop.items()[0].position, (IconPoint{9, 9}));
}

TEST(RestoreDesktopIcons, MovesFoundItemsInOrderAndSkipsMissingOnes) {
  MemoryDesktop desktop({{"A", {0, 0}}, {"B", {0, 0}}, {"Dup", {0, 0}}, {"Dup", {0, 0}}, {"Kept", {7, 7}}});
  restore_desktop_icons(
      desktop, {{"Gone", 1, 1}, {"b", 20, 21}, {"Dup", 30, 31}, {"A", 10, 11}, {"Also gone", 2, 2}, {"DUP", -40, 41}});
  EXPECT_EQ(desktop.items(), (std::vector<Item>{{"A", {10, 11}},
                                                {"B", {20, 21}},
                                                {"Dup", {-40, 41}},  // the later entry wins
                                                {"Dup", {0, 0}},     // never found
                                                {"Kept", {7, 7}}}));
}

TEST(RestoreDesktopIcons, UnreachableDesktopIsLeftAlone) {
  MemoryDesktop desktop({{"A", {1, 1}}});
  desktop.set_reachable(false);
  restore_desktop_icons(desktop, {{"A", 5, 5}});
  move_desktop_icon(desktop, "A", {6, 6});
  EXPECT_EQ(desktop.items()[0].position, (IconPoint{1, 1}));
}

TEST(ReadMinideskIcons, HandsTheReadToTheMap) {
  MemoryDesktop desktop({{"A", {1, 2}}});
  DesktopIcons seen_by_build{{"stale", 0, 0}};
  int builds = 0;
  auto build = [&](const DesktopIcons& icons) {
    ++builds;
    seen_by_build = icons;
  };
  ASSERT_TRUE(read_minidesk_icons(desktop, build));
  EXPECT_EQ(builds, 1);
  EXPECT_EQ(rows(seen_by_build), rows({{"A", 1, 2}}));

  // An empty desktop is handed on as such and still drawn.
  MemoryDesktop empty;
  ASSERT_TRUE(read_minidesk_icons(empty, build));
  EXPECT_EQ(builds, 2);
  EXPECT_TRUE(seen_by_build.empty());
}

TEST(ReadMinideskIcons, UnreachableDesktopLeavesTheMapAlone) {
  MemoryDesktop desktop({{"A", {1, 2}}, {"B", {3, 4}}});
  desktop.set_reachable(false);
  int builds = 0;
  EXPECT_FALSE(read_minidesk_icons(desktop, [&](const DesktopIcons&) { ++builds; }));
  EXPECT_EQ(builds, 0);
}

}  // namespace
}  // namespace orvx::icons
