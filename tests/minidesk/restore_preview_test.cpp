// The preview of a restore over the Minidesk: which markers get a hollow
// marker where, which a line, and how the preview follows the map.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "minidesk/minidesk.h"
#include "minidesk/restore_preview.h"
#include "support/quiet_minidesk_host.h"

namespace orvx::minidesk {
namespace {

constexpr MapSize kMap{426, 331};

std::string german() { return "%s Icon(s) ausserhalb des Desktops"; }

// Papierkorb stays, Arbeitsplatz moves right, Ordner is not in the profile,
// and the profile's "Fehlt" is not on the desktop.
const DesktopIcons kDesktop = {{"Papierkorb", 30, 60}, {"Arbeitsplatz", 30, 300}, {"Ordner", 90, 90}};
const DesktopIcons kProfile = {{"Papierkorb", 30, 60}, {"Arbeitsplatz", 330, 300}, {"Fehlt", 9, 9}};

struct PreviewTest : ::testing::Test {
  PreviewTest() {
    minidesk.set_map_size(kMap);
    minidesk.build_minidesk(kDesktop, german);
  }
  test::QuietMinideskHost host;
  Minidesk minidesk{host};
};

TEST_F(PreviewTest, EachProfileIconOnTheDesktopGetsAHollowMarkerAtItsStoredPlace) {
  minidesk.show_restore_preview(kProfile);
  const std::vector<PreviewMark>& marks = minidesk.preview_marks();
  ASSERT_EQ(marks.size(), 2u);

  EXPECT_EQ(marks[0].marker, 0u);
  EXPECT_EQ(marks[0].target, marker_bounds(30, 60));
  EXPECT_FALSE(marks[0].moves);
  EXPECT_EQ(marks[0].line_from, marks[0].line_to);

  // Arbeitsplatz: its marker at (10, 110) moves to (110, 110); the line runs
  // from the centre of the marker now to the left edge of the target.
  EXPECT_EQ(marks[1].marker, 1u);
  EXPECT_EQ(marks[1].target, marker_bounds(330, 300));
  EXPECT_TRUE(marks[1].moves);
  EXPECT_EQ(marks[1].line_from, (MapPoint{15, 115}));
  EXPECT_EQ(marks[1].line_to, (MapPoint{110, 115}));
}

TEST_F(PreviewTest, CaptionsMatchAsARestoreFindsThem) {
  // Letters without regard to case; of two desktop icons of a caption only
  // the first moves; of two profile entries the last one counts.
  minidesk.build_minidesk({{"Ordner", 0, 0}, {"ordner", 300, 0}}, german);
  minidesk.show_restore_preview({{"ORDNER", 30, 30}, {"Ordner", 60, 60}});
  const std::vector<PreviewMark>& marks = minidesk.preview_marks();
  ASSERT_EQ(marks.size(), 1u);
  EXPECT_EQ(marks[0].marker, 0u);
  EXPECT_EQ(marks[0].target, marker_bounds(60, 60));
}

TEST_F(PreviewTest, APreviewFollowsTheRebuildsUntilItIsHidden) {
  const uint64_t before = minidesk.revision();
  minidesk.show_restore_preview(kProfile);
  EXPECT_GT(minidesk.revision(), before);

  // The user moves Arbeitsplatz to where the profile has it: no move left.
  minidesk.build_minidesk({{"Papierkorb", 30, 60}, {"Arbeitsplatz", 330, 300}}, german);
  ASSERT_EQ(minidesk.preview_marks().size(), 2u);
  EXPECT_FALSE(minidesk.preview_marks()[1].moves);

  const uint64_t shown = minidesk.revision();
  minidesk.hide_restore_preview();
  EXPECT_TRUE(minidesk.preview_marks().empty());
  EXPECT_GT(minidesk.revision(), shown);
  // Hiding it again changes nothing, and later builds draw none.
  const uint64_t hidden = minidesk.revision();
  minidesk.hide_restore_preview();
  EXPECT_EQ(minidesk.revision(), hidden);
  minidesk.build_minidesk(kDesktop, german);
  EXPECT_TRUE(minidesk.preview_marks().empty());
}

TEST_F(PreviewTest, AProfileThatCouldNotBeReadDrawsNothing) {
  minidesk.show_restore_preview({});
  EXPECT_TRUE(minidesk.preview_marks().empty());
}

TEST(PreviewLine, EndsWhereItFirstReachesTheTarget) {
  const MapRect target{100, 100, 10, 10};  // centre (105, 105)
  struct Case {
    const char* what;
    MapPoint from;
    MapPoint end;
  };
  const Case cases[] = {
      {"from the left", {5, 105}, {100, 105}},    {"from the right", {300, 105}, {109, 105}},
      {"from above", {105, 0}, {105, 100}},       {"from below", {105, 250}, {105, 109}},
      {"along the diagonal", {5, 5}, {100, 100}}, {"inside", {102, 108}, {102, 108}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const MapPoint end = edge_towards_centre(c.from, target);
    EXPECT_EQ(end, c.end);
    EXPECT_TRUE(target.contains(end));
  }
}

TEST(PreviewLine, AnyDirectionEndsOnTheTargetsEdge) {
  const MapRect target{200, 150, 10, 10};
  for (int dx = -400; dx <= 400; dx += 37) {
    for (int dy = -300; dy <= 300; dy += 29) {
      const MapPoint from{205 + dx, 155 + dy};
      if (target.contains(from)) continue;
      const MapPoint end = edge_towards_centre(from, target);
      SCOPED_TRACE(std::to_string(from.x) + "," + std::to_string(from.y));
      ASSERT_TRUE(target.contains(end));
      // On the outer ring: the hollow marker's own pixels.
      EXPECT_TRUE(end.x == target.left || end.x == target.left + 9 || end.y == target.top || end.y == target.top + 9);
    }
  }
}

}  // namespace
}  // namespace orvx::minidesk
