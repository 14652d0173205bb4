// Layout arithmetic of the window chrome: caption bar, hint boxes, section
// stacks, progress bars.
#include <gtest/gtest.h>

#include "ui/caption_layout.h"
#include "ui/hint_layout.h"
#include "ui/progress_percent.h"
#include "ui/section_stack.h"

namespace orvx::ui {
namespace {

TEST(CaptionLayout, ButtonsAreRightAlignedRightmostFirst) {
  // The collapsed main window: 400 wide, four 24-pixel buttons.
  CaptionLayout l = layout_caption_bar(400, 20, 4, 24, true);
  ASSERT_EQ(l.buttons.size(), 4u);
  EXPECT_EQ(l.buttons[0], (Rect{376, 0, 24, 20}));
  EXPECT_EQ(l.buttons[1], (Rect{352, 0, 24, 20}));
  EXPECT_EQ(l.buttons[2], (Rect{328, 0, 24, 20}));
  EXPECT_EQ(l.buttons[3], (Rect{304, 0, 24, 20}));
  EXPECT_EQ(l.icon, (Rect{2, 2, 16, 16}));
  // The title starts after the icon and stops short of the leftmost button.
  EXPECT_EQ(l.title.left, 22);
  EXPECT_EQ(l.title.right(), 302);
}

TEST(CaptionLayout, TitleOnlyBarAndNarrowBars) {
  struct Case {
    int width, height, buttons;
    bool icon;
    int title_left, title_width;
  } cases[] = {
      {447, 20, 0, true, 22, 423},  // the about box: no buttons
      {504, 20, 1, false, 2, 476},  // a dialog with one button and no icon
      {60, 20, 4, true, 22, 0},     // too narrow: the title gets no room
      {30, 12, 0, true, 14, 14},    // a low bar shrinks the icon to fit
  };
  for (const Case& c : cases) {
    CaptionLayout l = layout_caption_bar(c.width, c.height, c.buttons, 24, c.icon);
    EXPECT_EQ(l.title.left, c.title_left) << c.width;
    EXPECT_EQ(l.title.width, c.title_width) << c.width;
    EXPECT_GE(l.title.width, 0);
  }
}

TEST(CaptionLayout, HitTestFindsTheButtonUnderThePoint) {
  CaptionLayout l = layout_caption_bar(400, 20, 4, 24, true);
  struct Case {
    Point p;
    int button;
  } cases[] = {
      {{399, 10}, 0}, {{376, 0}, 0},   {{375, 19}, 1},  {{304, 5}, 3},
      {{303, 5}, -1}, {{100, 10}, -1}, {{380, 20}, -1},  // below the bar
  };
  for (const Case& c : cases) EXPECT_EQ(caption_button_at(l, c.p), c.button) << c.p.x << "," << c.p.y;
}

TEST(HintLayout, WrapWidthKeepsShortTextsAndCapsLongOnes) {
  struct Case {
    int natural, expected;
  } cases[] = {
      {50, 50},     // fits: keeps its lines
      {292, 292},   // exactly fills the 300-pixel box with 4 pixels padding
      {293, 292},   // one pixel too wide: wrapped to the box
      {2000, 292},  // a long sentence
      {0, 1},       // an empty hint is never of zero width
  };
  for (const Case& c : cases) EXPECT_EQ(hint_wrap_width(c.natural, 300, 4), c.expected) << c.natural;
}

TEST(HintLayout, PlacementStaysOnScreen) {
  Rect screen{0, 0, 1280, 1024};
  struct Case {
    Point cursor;
    Size box;
    Point expected;
  } cases[] = {
      {{100, 100}, {120, 30}, {100, 120}},    // below the cursor
      {{1250, 100}, {120, 30}, {1160, 120}},  // moved left at the right edge
      {{100, 1000}, {120, 30}, {100, 970}},   // above the cursor at the bottom
      {{-40, -5}, {120, 30}, {0, 15}},        // never left of or above the screen
  };
  for (const Case& c : cases) {
    Point at = place_hint(c.cursor, 20, c.box, screen);
    EXPECT_EQ(at, c.expected) << c.cursor.x << "," << c.cursor.y;
  }
}

TEST(SectionStack, ExpandingOneCollapsesTheOthers) {
  SectionStack s(20);
  for (int body : {100, 200, 50}) s.add(body);
  EXPECT_FALSE(s.expanded().has_value());  // all start collapsed
  EXPECT_EQ(s.total_height(), 60);

  s.expand(1);
  EXPECT_EQ(s.expanded(), 1u);
  EXPECT_EQ(s.top_of(0), 0);
  EXPECT_EQ(s.top_of(1), 20);
  EXPECT_EQ(s.height_of(1), 220);
  EXPECT_EQ(s.top_of(2), 240);
  EXPECT_EQ(s.total_height(), 260);

  s.toggle(2);  // another header: that one opens, the open one closes
  EXPECT_FALSE(s.is_expanded(1));
  EXPECT_TRUE(s.is_expanded(2));
  EXPECT_EQ(s.top_of(2), 40);
  EXPECT_EQ(s.total_height(), 110);

  s.toggle(2);  // its own header again: everything collapsed
  EXPECT_FALSE(s.expanded().has_value());
  EXPECT_EQ(s.total_height(), 60);
}

TEST(SectionStack, CollapsingAnotherSectionOrAnUnknownIndexChangesNothing) {
  SectionStack s(20);
  s.add(100);
  s.add(100);
  s.expand(0);
  s.collapse(1);
  s.expand(7);
  EXPECT_EQ(s.expanded(), 0u);
  EXPECT_EQ(s.height_of(7), 0);
}

TEST(ProgressPercent, WholePerCentWithinTheBar) {
  struct Case {
    int64_t total, done;
    int percent;
  };
  const Case cases[] = {
      {1000, 0, 0},    {1000, 9, 0},      {1000, 10, 1},
      {1000, 999, 99}, {1000, 1000, 100}, {1000, 1600, 100},
      {0, 500, 0},  // no length announced
      {-1, 5, 0},      {1000, -5, 0},     {2147483647, 2147483647, 100},
  };
  for (const Case& c : cases) EXPECT_EQ(progress_percent(c.total, c.done), c.percent) << c.total << " " << c.done;
}

}  // namespace
}  // namespace orvx::ui
