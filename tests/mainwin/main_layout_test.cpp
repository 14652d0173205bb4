// The main window's layout for the screens users have: one monitor with a
// task bar, two monitors side by side, and the collapsed bar. The expected
// rectangles are worked out by hand from the screen sizes; the properties
// below hold for every screen of 1024 pixels and wider.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "mainwin/main_layout.h"

namespace orvx::mainwin {
namespace {

using ui::Rect;
using ui::Size;

// 1280 x 1024 with a 30-pixel task bar at the bottom.
constexpr LayoutMeasures kOneMonitor{{{1280, 1024}, 1}, 1280, 994};
// Two 1280 x 1024 monitors side by side; the task bar on the first.
constexpr LayoutMeasures kTwoMonitors{{{2560, 1024}, 2}, 1280, 994};

std::string describe(const LayoutMeasures& m) {
  return std::to_string(m.screen.size.width) + "x" + std::to_string(m.screen.size.height) + " on " +
         std::to_string(m.screen.monitor_count) + " monitor(s), work area " + std::to_string(m.work_area_right) + "x" +
         std::to_string(m.work_area_bottom);
}

TEST(MainLayout, ExpandedLayoutsWorkedOutByHand) {
  struct Case {
    const char* what;
    LayoutMeasures measures;
    MainLayout expected;
  };
  const Case cases[] = {
      // The work area 1280 x 994: a map of 426 x 331 (thirds, cut off), the
      // window 446 x 381, the strip from 361 down.
      {"one monitor", kOneMonitor,
       MainLayout{.client = {446, 381},
                  .minidesk_shown = true,
                  .desktop_frame = {10, 25, 426, 331},
                  .bg_frame = {0, 20, 445, 341},
                  .versions_label_top = 318,
                  .save_button = {10, 361, 80, 18},
                  .arrange_button = {100, 361, 80, 18},
                  .close_button = {336, 361, 80, 18},
                  .form_status_button = {412, 361, 24, 22},
                  .button_strip = {0, 361, 446, 20},
                  .refresh_timer_on = true,
                  .topmost = false}},
      // The whole virtual screen 2560 x 1024: a map of 853 x 341, the
      // window 873 x 391, the strip from 371 down.
      {"two monitors", kTwoMonitors,
       MainLayout{.client = {873, 391},
                  .minidesk_shown = true,
                  .desktop_frame = {10, 25, 853, 341},
                  .bg_frame = {0, 20, 872, 351},
                  .versions_label_top = 328,
                  .save_button = {10, 371, 80, 18},
                  .arrange_button = {100, 371, 80, 18},
                  .close_button = {763, 371, 80, 18},
                  .form_status_button = {839, 371, 24, 22},
                  .button_strip = {0, 371, 873, 20},
                  .refresh_timer_on = true,
                  .topmost = false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const MainLayout layout = main_layout(c.measures, true);
    EXPECT_EQ(layout.client, c.expected.client);
    EXPECT_EQ(layout.desktop_frame, c.expected.desktop_frame);
    EXPECT_EQ(layout.bg_frame, c.expected.bg_frame);
    EXPECT_EQ(layout.versions_label_top, c.expected.versions_label_top);
    EXPECT_EQ(layout.save_button, c.expected.save_button);
    EXPECT_EQ(layout.arrange_button, c.expected.arrange_button);
    EXPECT_EQ(layout.close_button, c.expected.close_button);
    EXPECT_EQ(layout.form_status_button, c.expected.form_status_button);
    EXPECT_EQ(layout.button_strip, c.expected.button_strip);
    EXPECT_EQ(layout, c.expected);  // and nothing else differs
  }
}

TEST(MainLayout, CollapsedIsATopMostBarWhateverTheScreen) {
  for (const LayoutMeasures& measures : {kOneMonitor, kTwoMonitors}) {
    SCOPED_TRACE(describe(measures));
    const MainLayout layout = main_layout(measures, false);
    EXPECT_EQ(layout.client, (Size{400, 40}));
    EXPECT_FALSE(layout.minidesk_shown);
    EXPECT_EQ(layout.button_strip, (Rect{0, 20, 400, 20}));
    EXPECT_EQ(layout.save_button, (Rect{10, 20, 80, 18}));
    EXPECT_EQ(layout.arrange_button, (Rect{100, 20, 80, 18}));
    EXPECT_EQ(layout.close_button, (Rect{290, 20, 80, 18}));
    EXPECT_EQ(layout.form_status_button, (Rect{366, 20, 24, 22}));
    EXPECT_FALSE(layout.refresh_timer_on);
    EXPECT_TRUE(layout.topmost);
  }
}

int right(const Rect& r) { return r.left + r.width; }
int bottom(const Rect& r) { return r.top + r.height; }
bool inside(const Rect& r, Size client) {
  return r.left >= 0 && r.top >= 0 && right(r) <= client.width && bottom(r) <= client.height;
}
bool overlap(const Rect& a, const Rect& b) {
  return a.left < right(b) && b.left < right(a) && a.top < bottom(b) && b.top < bottom(a);
}

// What a user sees on any screen from 1024 pixels wide: the Minidesk with
// its margins, the strip at the bottom, the three command buttons side by
// side on it, the version line inside the Minidesk.
TEST(MainLayout, PartsStayInsideTheWindowAndApart) {
  const LayoutMeasures screens[] = {
      kOneMonitor,
      kTwoMonitors,
      {{{1024, 768}, 1}, 1024, 740},
      {{{1920, 1080}, 1}, 1920, 1050},
      {{{1280, 1024}, 1}, 1220, 1024},  // task bar at the side
      {{{3840, 1024}, 3}, 1280, 994},
      {{{1920, 1200}, 2}, 1024, 738},  // a large monitor beside a small one
  };
  for (const LayoutMeasures& measures : screens) {
    SCOPED_TRACE(describe(measures));
    for (bool shown : {true, false}) {
      SCOPED_TRACE(shown ? "expanded" : "collapsed");
      const MainLayout layout = main_layout(measures, shown);
      const Size client = layout.client;
      const std::pair<const char*, Rect> commands[] = {
          {"save", layout.save_button}, {"arrange", layout.arrange_button}, {"close", layout.close_button}};

      EXPECT_EQ(layout.button_strip, (Rect{0, client.height - 20, client.width, 20}));
      for (const auto& [name, button] : commands) {
        EXPECT_TRUE(inside(button, client)) << name;
        EXPECT_EQ(button.top, layout.button_strip.top) << name;
      }
      EXPECT_LT(right(layout.save_button), layout.arrange_button.left);
      EXPECT_LT(right(layout.arrange_button), layout.close_button.left);
      // The toggle sits at the right end of the strip, inside the window's
      // width, 10 pixels from its edge.
      EXPECT_EQ(right(layout.form_status_button), client.width - 10);

      if (!shown) continue;
      const Rect& map = layout.desktop_frame;
      EXPECT_EQ(map.left, 10);
      EXPECT_EQ(client.width - right(map), 10);
      EXPECT_EQ(map.top, 25);
      EXPECT_LE(bottom(map), layout.button_strip.top) << "the Minidesk runs into the button strip";
      EXPECT_TRUE(inside(layout.bg_frame, client));
      EXPECT_GE(layout.versions_label_top, 0);
      EXPECT_LE(layout.versions_label_top + kVersionLabelHeight, map.height) << "the version line leaves the map";
      for (const auto& [name, button] : commands) EXPECT_FALSE(overlap(button, map)) << name;
    }
  }
}

TEST(MainLayout, MinideskSizeTruncatesEachThird) {
  struct Case {
    LayoutMeasures measures;
    Size expected;
  };
  const Case cases[] = {
      {{{{1024, 768}, 1}, 1024, 740}, {341, 246}},
      {{{{1920, 1080}, 1}, 1920, 1050}, {640, 350}},
      // A task bar at the side narrows the work area, not the screen.
      {{{{1280, 1024}, 1}, 1220, 1024}, {406, 341}},
      // Three monitors count as many as two.
      {{{{3840, 1024}, 3}, 1280, 994}, {1280, 341}},
      // A system that knows no monitor count (Windows NT 4.0) has one.
      {{{{800, 600}, 0}, 800, 570}, {266, 190}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(minidesk_size(c.measures), c.expected) << describe(c.measures);
  }
}

}  // namespace
}  // namespace orvx::mainwin
