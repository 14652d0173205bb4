// The main window's layout for the screens users have: one monitor with a
// task bar, two monitors side by side, and the collapsed bar.
#include <gtest/gtest.h>

#include "app/main_layout.h"

namespace orvx::app {
namespace {

using ui::Rect;
using ui::Size;

// 1280 x 1024 with a 30-pixel task bar at the bottom.
constexpr LayoutMeasures kOneMonitor{{{1280, 1024}, 1}, 1280, 994};
// Two 1280 x 1024 monitors side by side; the task bar on the first.
constexpr LayoutMeasures kTwoMonitors{{{2560, 1024}, 2}, 1280, 994};

TEST(MainLayout, OneMonitorTakesTheWorkAreaWithoutTheTaskBar) {
  const MainLayout layout = main_layout(kOneMonitor, true);
  EXPECT_EQ(layout.desktop_frame, (Rect{10, 25, 426, 331}));
  EXPECT_EQ(layout.client, (Size{446, 381}));
  EXPECT_EQ(layout.bg_frame, (Rect{0, 20, 445, 341}));
  EXPECT_EQ(layout.save_button, (Rect{10, 361, 80, 18}));
  EXPECT_EQ(layout.arrange_button, (Rect{100, 361, 80, 18}));
  EXPECT_EQ(layout.close_button, (Rect{336, 361, 80, 18}));
  EXPECT_EQ(layout.form_status_button, (Rect{412, 361, 24, 22}));
  EXPECT_EQ(layout.bottom_leiste, (Rect{0, 361, 446, 20}));
  EXPECT_EQ(layout.versions_label_top, 318);
  EXPECT_TRUE(layout.refresh_timer_on);
  EXPECT_FALSE(layout.topmost);
}

TEST(MainLayout, TwoMonitorsTakeTheWholeVirtualScreen) {
  const MainLayout layout = main_layout(kTwoMonitors, true);
  EXPECT_EQ(layout.desktop_frame, (Rect{10, 25, 853, 341}));
  EXPECT_EQ(layout.client, (Size{873, 391}));
  EXPECT_EQ(layout.bg_frame, (Rect{0, 20, 872, 351}));
  EXPECT_EQ(layout.close_button.left, 873 - 80 - 30);
  EXPECT_EQ(layout.form_status_button.left, 873 - 24 - 10);
  EXPECT_EQ(layout.save_button.top, 371);
}

TEST(MainLayout, CollapsedIsATopMostBarWhateverTheScreen) {
  for (const LayoutMeasures& measures : {kOneMonitor, kTwoMonitors}) {
    const MainLayout layout = main_layout(measures, false);
    EXPECT_EQ(layout.client, (Size{400, 40}));
    EXPECT_EQ(layout.save_button, (Rect{10, 20, 80, 18}));
    EXPECT_EQ(layout.arrange_button, (Rect{100, 20, 80, 18}));
    EXPECT_EQ(layout.close_button, (Rect{290, 20, 80, 18}));
    EXPECT_EQ(layout.form_status_button, (Rect{366, 20, 24, 22}));
    EXPECT_FALSE(layout.refresh_timer_on);
    EXPECT_TRUE(layout.topmost);
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
    EXPECT_EQ(minidesk_size(c.measures), c.expected) << c.measures.screen.size.width;
  }
}

}  // namespace
}  // namespace orvx::app
