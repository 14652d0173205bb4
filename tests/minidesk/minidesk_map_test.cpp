// The map arithmetic, on a work area of 1280 x 994 (map 426 x 331).
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "minidesk/minidesk_map.h"

namespace orvx::minidesk {
namespace {

constexpr MapSize kMap{426, 331};

TEST(MinideskMap, MarkerPlaceAndInsideTest) {
  struct Case {
    int32_t x, y;
    MapRect marker;
    bool inside;
  };
  const Case cases[] = {
      {1500, 600, {500, 210, 10, 10}, false},  // right of the map
      {1248, 960, {416, 330, 10, 10}, true},   // marker cut off by the bottom edge, yet inside
      {-2, 5, {0, 11, 10, 10}, true},          // -2 div 3 is 0
      {-3, 5, {-1, 11, 10, 10}, false},
      {0, 0, {0, 10, 10, 10}, true},
      {1250, 0, {416, 10, 10, 10}, true},  // the last column
      {1251, 0, {417, 10, 10, 10}, false},
      {0, 965, {0, 331, 10, 10}, true},  // my 321 = H - 10
      {0, 966, {0, 332, 10, 10}, false},
      {5, -3, {1, 9, 10, 10}, false},  // my -1: above the map although the marker's top is 9
      {std::numeric_limits<int32_t>::min(),
       std::numeric_limits<int32_t>::max(),
       {-715827882, 715827892, 10, 10},
       false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(marker_bounds(c.x, c.y), c.marker) << c.x << "," << c.y;
    EXPECT_EQ(icon_inside_map(c.x, c.y, kMap), c.inside) << c.x << "," << c.y;
  }
}

TEST(MinideskMap, MapPointsStandForThreeTimesTheirDesktopPoint) {
  struct Case {
    MapPoint map;
    icons::IconPoint desktop;
  };
  const Case cases[] = {
      {{100, 50}, {300, 120}},
      {{0, 10}, {0, 0}},
      {{0, 0}, {0, -30}},
      {{-5, -5}, {-15, -45}},
      {{std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()},
       {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()}},
  };
  for (const Case& c : cases) EXPECT_EQ(map_to_desktop(c.map), c.desktop) << c.map.x << "," << c.map.y;
}

TEST(MinideskMap, MarkerEdgesMapBackToTheIconRoundedTowardZero) {
  struct Case {
    int32_t x, y;
    icons::IconPoint back;
  };
  const Case cases[] = {{1500, 600, {1500, 600}}, {1502, 601, {1500, 600}}, {-5, -5, {-3, -3}}, {2, 2, {0, 0}}};
  for (const Case& c : cases) {
    const MapRect marker = marker_bounds(c.x, c.y);
    EXPECT_EQ(map_to_desktop({marker.left, marker.top}), c.back) << c.x << "," << c.y;
    // Dragged by (+10, +5) on the map: (+30, +15) on the desktop.
    const icons::IconPoint dragged = map_to_desktop({marker.left + 10, marker.top + 5});
    EXPECT_EQ(dragged, (icons::IconPoint{c.back.x + 30, c.back.y + 15}));
  }
}

TEST(MinideskMap, RectContainsItsTopLeftButNotItsFarEdges) {
  const MapRect r{10, 20, 10, 10};
  EXPECT_TRUE(r.contains({10, 20}));
  EXPECT_TRUE(r.contains({19, 29}));
  EXPECT_FALSE(r.contains({20, 25}));
  EXPECT_FALSE(r.contains({15, 30}));
  EXPECT_FALSE(r.contains({9, 25}));
  const MapRect far{-715827882, 0, 10, 10};
  EXPECT_FALSE(far.contains({30000, 5}));
}

}  // namespace
}  // namespace orvx::minidesk
