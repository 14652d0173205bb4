// The Minidesk's state on a work area of 1280 x 994 (map 426 x 331), with a
// host that records what the map asks of the main window and the desktop.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "minidesk/minidesk.h"

namespace orvx::minidesk {
namespace {

using icons::IconPoint;
using Log = std::vector<std::string>;

constexpr MapSize kMap{426, 331};
std::string german() { return "%s Icon(s) ausserhalb des Desktops"; }

class RecordingHost : public MinideskHost {
 public:
  void move_desktop_icon(const std::string& caption, IconPoint to) override {
    log.push_back("move " + caption + " to " + std::to_string(to.x) + "," + std::to_string(to.y));
    if (fail_moves) throw std::runtime_error("desktop gone");
  }
  void set_refresh_timer(bool on) override { log.push_back(on ? "refresh on" : "refresh off"); }
  void set_alert_slide_in_timer(bool on) override { log.push_back(on ? "alert_timer_on on" : "alert_timer_on off"); }
  void set_alert_hide_timer(bool on) override { log.push_back(on ? "alert_timer_off on" : "alert_timer_off off"); }
  void set_mouse_capture(bool captured) override { log.push_back(captured ? "capture" : "release"); }

  Log log;
  bool fail_moves = false;
};

class MinideskTest : public ::testing::Test {
 protected:
  MinideskTest() { minidesk_.set_map_size(kMap); }

  bool build(const DesktopIcons& icons) { return minidesk_.build_minidesk(icons, german); }

  // A point inside the marker, 3 pixels in from its top left corner.
  MapPoint inside(size_t marker) const {
    const MapRect& r = minidesk_.markers()[marker].bounds;
    return {r.left + 3, r.top + 3};
  }
  MapPoint alert_image_centre() const {
    const MapRect& r = minidesk_.alert_image().bounds;
    return {r.left + 5, r.top + 5};
  }
  void click(MapPoint p) {
    minidesk_.mouse_down(p, MouseButton::kLeft);
    minidesk_.mouse_up(p, MouseButton::kLeft);
  }

  RecordingHost host_;
  Minidesk minidesk_{host_};
};

TEST_F(MinideskTest, BuildMarksEveryCaptionedIconInsideBlackAndOutsideRed) {
  EXPECT_TRUE(build({{"Rechnung.doc", 1500, 600},
                     {"", 40, 40},
                     {"Papierkorb", 1248, 960},
                     {"Links", -2, 5},
                     {"Zu weit links", -3, 5}}));

  const std::vector<MinideskMarker>& markers = minidesk_.markers();
  ASSERT_EQ(markers.size(), 4u);  // no marker for the empty caption
  EXPECT_EQ(markers[0], (MinideskMarker{0, "Rechnung.doc", {500, 210, 10, 10}, true}));
  EXPECT_EQ(markers[1], (MinideskMarker{2, "Papierkorb", {416, 330, 10, 10}, false}));
  EXPECT_EQ(markers[2], (MinideskMarker{3, "Links", {0, 11, 10, 10}, false}));
  EXPECT_EQ(markers[3], (MinideskMarker{4, "Zu weit links", {-1, 11, 10, 10}, true}));
  EXPECT_EQ(marker_name(markers[1]), "DeskIco2");
  EXPECT_EQ(marker_fill_rgb(markers[0]), 0xFF0000u);
  EXPECT_EQ(marker_fill_rgb(markers[1]), 0x000000u);

  EXPECT_EQ(minidesk_.outside_count(), 2);
  EXPECT_EQ(minidesk_.minidesk_outside(), (std::vector<std::string>{"Rechnung.doc", "Zu weit links"}));
  EXPECT_EQ(minidesk_.alert_image(), (AlertImage{true, {401, 306, 32, 32}, "2 Icon(s) ausserhalb des Desktops"}));
  EXPECT_EQ(minidesk_.error_list().entries(), minidesk_.minidesk_outside());
  EXPECT_FALSE(minidesk_.error_list().visible());
  EXPECT_TRUE(host_.log.empty());
}

TEST_F(MinideskTest, OneIconOutsideGivesTheDigitOneInTheHint) {
  build({{"Rechnung.doc", 1500, 600}});
  EXPECT_EQ(minidesk_.outside_count(), 1);
  EXPECT_EQ(minidesk_.alert_image().hint, "1 Icon(s) ausserhalb des Desktops");
  // A translation with another placeholder is shown as it stands.
  minidesk_.build_minidesk({{"Rechnung.doc", 1500, 600}}, [] { return "%d icons outside"; });
  EXPECT_EQ(minidesk_.alert_image().hint, "%d icons outside");
}

TEST_F(MinideskTest, CountMessageIsAskedOnlyWhenIconsLieOutside) {
  int asked = 0;
  const Minidesk::CountMessage message = [&] {
    ++asked;
    return german();
  };
  minidesk_.build_minidesk({{"A", 30, 30}}, message);
  EXPECT_EQ(asked, 0);
  minidesk_.build_minidesk({{"A", 1500, 600}}, message);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(minidesk_.alert_image().hint, "1 Icon(s) ausserhalb des Desktops");
  // A language loaded meanwhile shows at the next build.
  minidesk_.build_minidesk({{"A", 1500, 600}}, [] { return "%s icons outside desktop boundaries"; });
  EXPECT_EQ(minidesk_.alert_image().hint, "1 icons outside desktop boundaries");
}

TEST_F(MinideskTest, UnchangedDesktopLeavesTheMapAsItIs) {
  const DesktopIcons icons{{"A", 30, 30}, {"B", 1500, 600}};
  ASSERT_TRUE(build(icons));
  const uint64_t revision = minidesk_.revision();
  EXPECT_FALSE(build(icons));
  EXPECT_EQ(minidesk_.revision(), revision);

  struct Change {
    const char* what;
    DesktopIcons icons;
  };
  const Change changes[] = {
      {"moved", {{"A", 33, 30}, {"B", 1500, 600}}},
      {"renamed", {{"A2", 33, 30}, {"B", 1500, 600}}},
      {"added", {{"A2", 33, 30}, {"B", 1500, 600}, {"C", 0, 0}}},
      {"removed", {{"A2", 33, 30}}},
      {"index shifted", {{"", 0, 0}, {"A2", 33, 30}}},
  };
  for (const Change& c : changes) {
    const uint64_t before = minidesk_.revision();
    EXPECT_TRUE(build(c.icons)) << c.what;
    EXPECT_GT(minidesk_.revision(), before) << c.what;
    EXPECT_FALSE(build(c.icons)) << c.what;
  }
  // Moving within the same three-pixel cell changes nothing on the map.
  EXPECT_FALSE(build({{"", 0, 0}, {"A2", 35, 31}}));
}

TEST_F(MinideskTest, BuildOverAnEmptyDesktopKeepsTheMarkersAndClearsTheAlarm) {
  build({{"A", 30, 30}, {"B", 1500, 600}});
  click(alert_image_centre());
  ASSERT_TRUE(minidesk_.error_list().visible());
  const std::vector<MinideskMarker> before = minidesk_.markers();

  EXPECT_TRUE(build({}));
  EXPECT_EQ(minidesk_.markers(), before);
  EXPECT_EQ(minidesk_.outside_count(), 0);
  EXPECT_FALSE(minidesk_.alert_image().visible);
  EXPECT_FALSE(minidesk_.error_list().visible());
  EXPECT_EQ(minidesk_.minidesk_outside(), (std::vector<std::string>{"B"}));

  // The very first build may be empty too.
  Minidesk fresh(host_);
  EXPECT_FALSE(fresh.build_minidesk({}, german));
  EXPECT_TRUE(fresh.markers().empty());
  EXPECT_FALSE(fresh.alert_image().visible);
}

TEST_F(MinideskTest, AllInsideHidesTheAlertAndClosesTheList) {
  build({{"B", 1500, 600}});
  click(alert_image_centre());
  EXPECT_TRUE(build({{"B", 30, 30}}));
  EXPECT_FALSE(minidesk_.alert_image().visible);
  EXPECT_FALSE(minidesk_.error_list().visible());
  EXPECT_EQ(minidesk_.minidesk_outside(), (std::vector<std::string>{"B"}));  // from the last build that found any
}

TEST_F(MinideskTest, OpenErrorListIsNotRefilled) {
  build({{"A", 1500, 600}});
  click(alert_image_centre());
  ASSERT_TRUE(minidesk_.error_list().visible());

  build({{"A", 1500, 600}, {"B", -300, 5}});
  EXPECT_EQ(minidesk_.markers()[1].outside, true);  // red at once
  EXPECT_EQ(minidesk_.minidesk_outside(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(minidesk_.error_list().entries(), (std::vector<std::string>{"A"}));  // the open list stays

  minidesk_.on_cancel_clicked();
  EXPECT_FALSE(minidesk_.error_list().visible());
  build({{"A", 1500, 600}, {"B", -300, 5}});
  EXPECT_EQ(minidesk_.error_list().entries(), (std::vector<std::string>{"A", "B"}));
}

TEST_F(MinideskTest, DraggingAMarkerMovesItsIcon) {
  build({{"Rechnung.doc", 1500, 600}, {"Papierkorb", 300, 300}});
  const MapPoint grip = inside(1);
  minidesk_.mouse_down(grip, MouseButton::kLeft);
  EXPECT_TRUE(minidesk_.dragging());
  minidesk_.mouse_move({grip.x + 4, grip.y + 1});
  minidesk_.mouse_move({grip.x + 10, grip.y + 5});
  EXPECT_EQ(minidesk_.markers()[1].bounds, (MapRect{110, 115, 10, 10}));

  // No rebuild while the marker is held: it stays under the mouse.
  EXPECT_FALSE(build({{"Rechnung.doc", 1500, 600}, {"Papierkorb", 300, 300}}));
  EXPECT_EQ(minidesk_.markers()[1].bounds, (MapRect{110, 115, 10, 10}));

  minidesk_.mouse_up({grip.x + 10, grip.y + 5}, MouseButton::kLeft);
  EXPECT_FALSE(minidesk_.dragging());
  EXPECT_EQ(host_.log, (Log{"refresh off", "capture", "release", "move Papierkorb to 330,315", "refresh on"}));
}

TEST_F(MinideskTest, PressAndReleaseOnAMarkerSnapsTheIconToThreePixels) {
  // Markers off the map cannot be reached; these lie on it.
  struct Case {
    int32_t x, y;
    MouseButton button;
    const char* move;
  };
  const Case cases[] = {
      {302, 601, MouseButton::kLeft, "move Icon to 300,600"},
      {301, 302, MouseButton::kRight, "move Icon to 300,300"},  // any button
      {-5, 7, MouseButton::kMiddle, "move Icon to -3,6"},
  };
  for (const Case& c : cases) {
    RecordingHost host;
    Minidesk map(host);
    map.set_map_size(kMap);
    map.build_minidesk({{"Icon", c.x, c.y}}, german);
    const MapRect r = map.markers()[0].bounds;
    map.mouse_down({r.left + 9, r.top}, c.button);
    map.mouse_up({r.left + 9, r.top}, c.button);
    EXPECT_EQ(host.log, (Log{"refresh off", "capture", "release", c.move, "refresh on"})) << c.move;
  }
}

TEST_F(MinideskTest, FailedMoveStillBringsTheRefreshBack) {
  build({{"A", 300, 300}});
  host_.fail_moves = true;
  minidesk_.mouse_down(inside(0), MouseButton::kLeft);
  EXPECT_THROW(minidesk_.mouse_up(inside(0), MouseButton::kLeft), std::runtime_error);
  EXPECT_EQ(host_.log.back(), "refresh on");
  EXPECT_FALSE(minidesk_.dragging());
}

TEST_F(MinideskTest, LostMouseEndsTheDragWithoutMovingTheIcon) {
  build({{"A", 300, 300}});
  minidesk_.mouse_down(inside(0), MouseButton::kLeft);
  minidesk_.mouse_move({inside(0).x + 50, inside(0).y});
  minidesk_.mouse_capture_lost();
  EXPECT_FALSE(minidesk_.dragging());
  EXPECT_EQ(host_.log, (Log{"refresh off", "capture", "refresh on"}));
  minidesk_.mouse_up(inside(0), MouseButton::kLeft);  // the release that comes too late
  EXPECT_EQ(host_.log.size(), 3u);
  // The next build shows the icon where it still is.
  EXPECT_TRUE(build({{"A", 300, 300}}));
  EXPECT_EQ(minidesk_.markers()[0].bounds, (MapRect{100, 110, 10, 10}));
}

TEST_F(MinideskTest, ChosenListEntryIsPlacedWhereTheMapIsClicked) {
  build({{"A", 1500, 600}, {"B", -30, 5}, {"C", 30, 30}});
  click(alert_image_centre());
  host_.log.clear();

  click({100, 50});  // nothing chosen yet
  EXPECT_TRUE(host_.log.empty());

  minidesk_.on_error_list_selected(1);
  click({100, 50});
  EXPECT_EQ(host_.log, (Log{"move B to 300,120"}));
  EXPECT_EQ(minidesk_.error_list().entries(), (std::vector<std::string>{"A"}));
  EXPECT_TRUE(minidesk_.error_list().visible());
  EXPECT_FALSE(minidesk_.error_list().selected());

  // A click on a marker is the marker's: it moves its own icon.
  minidesk_.on_error_list_selected(0);
  host_.log.clear();
  click(inside(2));
  EXPECT_EQ(host_.log, (Log{"refresh off", "capture", "release", "move C to 30,30", "refresh on"}));
  EXPECT_EQ(minidesk_.error_list().selected(), 0u);

  click({11, 4});
  EXPECT_EQ(host_.log.back(), "move A to 33,-18");
  EXPECT_FALSE(minidesk_.error_list().visible());  // the last entry is placed
}

TEST_F(MinideskTest, MapClickWithoutAnOpenListOrWithOtherButtonsDoesNothing) {
  build({{"A", 1500, 600}});
  minidesk_.on_error_list_selected(0);  // chosen, but the list is hidden
  click({100, 50});
  EXPECT_TRUE(host_.log.empty());

  click(alert_image_centre());
  minidesk_.on_error_list_selected(0);
  host_.log.clear();
  minidesk_.mouse_down({100, 50}, MouseButton::kRight);
  minidesk_.mouse_up({100, 50}, MouseButton::kRight);
  minidesk_.mouse_down({100, 50}, MouseButton::kLeft);
  minidesk_.mouse_up({500, 50}, MouseButton::kLeft);  // released off the map
  EXPECT_TRUE(host_.log.empty());
  EXPECT_EQ(minidesk_.error_list().entries().size(), 1u);
}

TEST_F(MinideskTest, HitTestFindsTheAlertImageThenTheTopmostMarker) {
  build({{"Unten", 300, 300}, {"Oben", 306, 306}, {"Ecke", 1200, 930}, {"Weg", 5000, 5000}});
  using Kind = MinideskHit::Kind;
  struct Case {
    MapPoint p;
    MinideskHit hit;
    const char* hint;
  };
  const Case cases[] = {
      {{100, 110}, {Kind::kMarker, 0}, "Unten"},
      {{102, 112}, {Kind::kMarker, 1}, "Oben"},  // both overlap here: the later one lies on top
      {{109, 119}, {Kind::kMarker, 1}, "Oben"},
      {{111, 121}, {Kind::kMarker, 1}, "Oben"},
      {{99, 110}, {Kind::kMap, 0}, nullptr},
      {{402, 320}, {Kind::kAlertImage, 0}, "1 Icon(s) ausserhalb des Desktops"},  // over the marker "Ecke"
      {{400, 320}, {Kind::kMarker, 2}, "Ecke"},
      {{426, 100}, {}, nullptr},  // off the map
      {{-1, 100}, {}, nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(minidesk_.hit_test(c.p), c.hit) << c.p.x << "," << c.p.y;
    const std::string* hint = minidesk_.hint_at(c.p);
    if (c.hint) {
      ASSERT_NE(hint, nullptr) << c.p.x << "," << c.p.y;
      EXPECT_EQ(*hint, c.hint);
    } else {
      EXPECT_EQ(hint, nullptr) << c.p.x << "," << c.p.y;
    }
  }
}

TEST_F(MinideskTest, AlertPanelSlidesInStaysAndHides) {
  build({{"A", 1500, 600}});
  click(alert_image_centre());
  EXPECT_EQ(minidesk_.alert_panel(), (AlertPanel{true, {107, 331, 319, 72}}));
  EXPECT_TRUE(minidesk_.error_list().visible());
  EXPECT_EQ(host_.log, (Log{"alert_timer_on on"}));

  // Up by 6 pixels a tick until the panel is fully in view (top <= 259).
  host_.log.clear();
  int ticks = 0;
  while (host_.log.empty() && ticks < 100) {
    minidesk_.on_alert_slide_in_timer();
    ++ticks;
  }
  EXPECT_EQ(ticks, 13);
  EXPECT_EQ(minidesk_.alert_panel().bounds, (MapRect{107, 259, 319, 72}));
  EXPECT_EQ(host_.log, (Log{"alert_timer_on off", "alert_timer_off on"}));

  host_.log.clear();
  minidesk_.on_alert_hide_timer();
  EXPECT_FALSE(minidesk_.alert_panel().visible);
  EXPECT_EQ(host_.log, (Log{"alert_timer_on off", "alert_timer_off off"}));
}

TEST_F(MinideskTest, AlertPanelKeepsRightAlignedAndClosesOnItsImage) {
  build({{"A", 1500, 600}});
  click(alert_image_centre());
  minidesk_.set_map_size({853, 341});  // the layout changed meanwhile
  minidesk_.on_alert_slide_in_timer();
  EXPECT_EQ(minidesk_.alert_panel().bounds, (MapRect{534, 325, 319, 72}));

  host_.log.clear();
  const uint64_t revision = minidesk_.revision();
  minidesk_.on_alert_image_clicked();
  EXPECT_FALSE(minidesk_.alert_panel().visible);
  EXPECT_GT(minidesk_.revision(), revision);
  EXPECT_EQ(host_.log, (Log{"alert_timer_on off"}));
  EXPECT_TRUE(minidesk_.error_list().visible());  // the list stays open

  // The off timer still running hides the hidden panel once more.
  minidesk_.on_alert_hide_timer();
  EXPECT_FALSE(minidesk_.alert_panel().visible);
}

TEST_F(MinideskTest, AlertImageClickNeedsPressAndReleaseOnIt) {
  build({{"A", 1500, 600}});
  minidesk_.mouse_down(alert_image_centre(), MouseButton::kLeft);
  minidesk_.mouse_up({10, 10}, MouseButton::kLeft);
  EXPECT_FALSE(minidesk_.alert_panel().visible);
  minidesk_.mouse_down(alert_image_centre(), MouseButton::kRight);
  minidesk_.mouse_up(alert_image_centre(), MouseButton::kRight);
  EXPECT_FALSE(minidesk_.error_list().visible());
  EXPECT_TRUE(host_.log.empty());
}

TEST(ErrorIconList, ChoiceIsTakenOutAndTheEmptyListCloses) {
  ErrorIconList list;
  EXPECT_TRUE(list.refill({"A", "B"}));
  list.select(5);
  EXPECT_FALSE(list.selected());
  EXPECT_FALSE(list.take_selected());
  list.select(1);
  EXPECT_TRUE(list.show());
  EXPECT_FALSE(list.refill({"C"}));  // shown: left alone
  EXPECT_EQ(list.take_selected(), "B");
  EXPECT_TRUE(list.visible());
  list.select(0);
  EXPECT_EQ(list.take_selected(), "A");
  EXPECT_FALSE(list.visible());
  EXPECT_TRUE(list.refill({"C"}));
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"C"}));
}

TEST(ErrorIconList, DocksLeftOfTheMainWindowAndTwentyPixelsDown) {
  EXPECT_EQ(docked_error_list_position(500, 300), (ScreenPoint{283, 320}));
  EXPECT_EQ(docked_error_list_position(0, -10), (ScreenPoint{-217, 10}));
}

}  // namespace
}  // namespace orvx::minidesk
