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
std::string German() { return "%s Icon(s) ausserhalb des Desktops"; }

class RecordingHost : public MinideskHost {
 public:
  void MoveDesktopIcon(const std::string& caption, IconPoint to) override {
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
  MinideskTest() { minidesk.set_map_size(kMap); }

  bool Build(const DesktopIcons& icons) { return minidesk.BuildMinidesk(icons, German); }

  // A point inside the marker, 3 pixels in from its top left corner.
  MapPoint Inside(size_t marker) const {
    const MapRect& r = minidesk.markers()[marker].bounds;
    return {r.left + 3, r.top + 3};
  }
  MapPoint AlertImageCentre() const {
    const MapRect& r = minidesk.alert_image().bounds;
    return {r.left + 5, r.top + 5};
  }
  void Click(MapPoint p) {
    minidesk.mouse_down(p, MouseButton::kLeft);
    minidesk.mouse_up(p, MouseButton::kLeft);
  }

  RecordingHost host;
  Minidesk minidesk{host};
};

TEST_F(MinideskTest, BuildMarksEveryCaptionedIconInsideBlackAndOutsideRed) {
  EXPECT_TRUE(Build({{"Rechnung.doc", 1500, 600},
                     {"", 40, 40},
                     {"Papierkorb", 1248, 960},
                     {"Links", -2, 5},
                     {"Zu weit links", -3, 5}}));

  const std::vector<MinideskMarker>& markers = minidesk.markers();
  ASSERT_EQ(markers.size(), 4u);  // no marker for the empty caption
  EXPECT_EQ(markers[0], (MinideskMarker{0, "Rechnung.doc", {500, 210, 10, 10}, true}));
  EXPECT_EQ(markers[1], (MinideskMarker{2, "Papierkorb", {416, 330, 10, 10}, false}));
  EXPECT_EQ(markers[2], (MinideskMarker{3, "Links", {0, 11, 10, 10}, false}));
  EXPECT_EQ(markers[3], (MinideskMarker{4, "Zu weit links", {-1, 11, 10, 10}, true}));
  EXPECT_EQ(marker_name(markers[1]), "DeskIco2");
  EXPECT_EQ(marker_fill_rgb(markers[0]), 0xFF0000u);
  EXPECT_EQ(marker_fill_rgb(markers[1]), 0x000000u);

  EXPECT_EQ(minidesk.outside_count(), 2);
  EXPECT_EQ(minidesk.MinideskOutside(), (std::vector<std::string>{"Rechnung.doc", "Zu weit links"}));
  EXPECT_EQ(minidesk.alert_image(), (AlertImage{true, {401, 306, 32, 32}, "2 Icon(s) ausserhalb des Desktops"}));
  EXPECT_EQ(minidesk.error_list().entries(), minidesk.MinideskOutside());
  EXPECT_FALSE(minidesk.error_list().visible());
  EXPECT_TRUE(host.log.empty());
}

TEST_F(MinideskTest, OneIconOutsideGivesTheDigitOneInTheHint) {
  Build({{"Rechnung.doc", 1500, 600}});
  EXPECT_EQ(minidesk.outside_count(), 1);
  EXPECT_EQ(minidesk.alert_image().hint, "1 Icon(s) ausserhalb des Desktops");
  // A translation with another placeholder is shown as it stands.
  minidesk.BuildMinidesk({{"Rechnung.doc", 1500, 600}}, [] { return "%d icons outside"; });
  EXPECT_EQ(minidesk.alert_image().hint, "%d icons outside");
}

TEST_F(MinideskTest, CountMessageIsAskedOnlyWhenIconsLieOutside) {
  int asked = 0;
  const Minidesk::CountMessage message = [&] {
    ++asked;
    return German();
  };
  minidesk.BuildMinidesk({{"A", 30, 30}}, message);
  EXPECT_EQ(asked, 0);
  minidesk.BuildMinidesk({{"A", 1500, 600}}, message);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(minidesk.alert_image().hint, "1 Icon(s) ausserhalb des Desktops");
  // A language loaded meanwhile shows at the next build.
  minidesk.BuildMinidesk({{"A", 1500, 600}}, [] { return "%s icons outside desktop boundaries"; });
  EXPECT_EQ(minidesk.alert_image().hint, "1 icons outside desktop boundaries");
}

TEST_F(MinideskTest, UnchangedDesktopLeavesTheMapAsItIs) {
  const DesktopIcons icons{{"A", 30, 30}, {"B", 1500, 600}};
  ASSERT_TRUE(Build(icons));
  const uint64_t revision = minidesk.revision();
  EXPECT_FALSE(Build(icons));
  EXPECT_EQ(minidesk.revision(), revision);

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
    const uint64_t before = minidesk.revision();
    EXPECT_TRUE(Build(c.icons)) << c.what;
    EXPECT_GT(minidesk.revision(), before) << c.what;
    EXPECT_FALSE(Build(c.icons)) << c.what;
  }
  // Moving within the same three-pixel cell changes nothing on the map.
  EXPECT_FALSE(Build({{"", 0, 0}, {"A2", 35, 31}}));
}

TEST_F(MinideskTest, BuildOverAnEmptyDesktopKeepsTheMarkersAndClearsTheAlarm) {
  Build({{"A", 30, 30}, {"B", 1500, 600}});
  Click(AlertImageCentre());
  ASSERT_TRUE(minidesk.error_list().visible());
  const std::vector<MinideskMarker> before = minidesk.markers();

  EXPECT_TRUE(Build({}));
  EXPECT_EQ(minidesk.markers(), before);
  EXPECT_EQ(minidesk.outside_count(), 0);
  EXPECT_FALSE(minidesk.alert_image().visible);
  EXPECT_FALSE(minidesk.error_list().visible());
  EXPECT_EQ(minidesk.MinideskOutside(), (std::vector<std::string>{"B"}));

  // The very first build may be empty too.
  Minidesk fresh(host);
  EXPECT_FALSE(fresh.BuildMinidesk({}, German));
  EXPECT_TRUE(fresh.markers().empty());
  EXPECT_FALSE(fresh.alert_image().visible);
}

TEST_F(MinideskTest, AllInsideHidesTheAlertAndClosesTheList) {
  Build({{"B", 1500, 600}});
  Click(AlertImageCentre());
  EXPECT_TRUE(Build({{"B", 30, 30}}));
  EXPECT_FALSE(minidesk.alert_image().visible);
  EXPECT_FALSE(minidesk.error_list().visible());
  EXPECT_EQ(minidesk.MinideskOutside(), (std::vector<std::string>{"B"}));  // from the last build that found any
}

TEST_F(MinideskTest, OpenErrorListIsNotRefilled) {
  Build({{"A", 1500, 600}});
  Click(AlertImageCentre());
  ASSERT_TRUE(minidesk.error_list().visible());

  Build({{"A", 1500, 600}, {"B", -300, 5}});
  EXPECT_EQ(minidesk.markers()[1].outside, true);  // red at once
  EXPECT_EQ(minidesk.MinideskOutside(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(minidesk.error_list().entries(), (std::vector<std::string>{"A"}));  // the open list stays

  minidesk.on_cancel_clicked();
  EXPECT_FALSE(minidesk.error_list().visible());
  Build({{"A", 1500, 600}, {"B", -300, 5}});
  EXPECT_EQ(minidesk.error_list().entries(), (std::vector<std::string>{"A", "B"}));
}

TEST_F(MinideskTest, DraggingAMarkerMovesItsIcon) {
  Build({{"Rechnung.doc", 1500, 600}, {"Papierkorb", 300, 300}});
  const MapPoint grip = Inside(1);
  minidesk.mouse_down(grip, MouseButton::kLeft);
  EXPECT_TRUE(minidesk.dragging());
  minidesk.mouse_move({grip.x + 4, grip.y + 1});
  minidesk.mouse_move({grip.x + 10, grip.y + 5});
  EXPECT_EQ(minidesk.markers()[1].bounds, (MapRect{110, 115, 10, 10}));

  // No rebuild while the marker is held: it stays under the mouse.
  EXPECT_FALSE(Build({{"Rechnung.doc", 1500, 600}, {"Papierkorb", 300, 300}}));
  EXPECT_EQ(minidesk.markers()[1].bounds, (MapRect{110, 115, 10, 10}));

  minidesk.mouse_up({grip.x + 10, grip.y + 5}, MouseButton::kLeft);
  EXPECT_FALSE(minidesk.dragging());
  EXPECT_EQ(host.log, (Log{"refresh off", "capture", "release", "move Papierkorb to 330,315", "refresh on"}));
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
    map.BuildMinidesk({{"Icon", c.x, c.y}}, German);
    const MapRect r = map.markers()[0].bounds;
    map.mouse_down({r.left + 9, r.top}, c.button);
    map.mouse_up({r.left + 9, r.top}, c.button);
    EXPECT_EQ(host.log, (Log{"refresh off", "capture", "release", c.move, "refresh on"})) << c.move;
  }
}

TEST_F(MinideskTest, FailedMoveStillBringsTheRefreshBack) {
  Build({{"A", 300, 300}});
  host.fail_moves = true;
  minidesk.mouse_down(Inside(0), MouseButton::kLeft);
  EXPECT_THROW(minidesk.mouse_up(Inside(0), MouseButton::kLeft), std::runtime_error);
  EXPECT_EQ(host.log.back(), "refresh on");
  EXPECT_FALSE(minidesk.dragging());
}

TEST_F(MinideskTest, LostMouseEndsTheDragWithoutMovingTheIcon) {
  Build({{"A", 300, 300}});
  minidesk.mouse_down(Inside(0), MouseButton::kLeft);
  minidesk.mouse_move({Inside(0).x + 50, Inside(0).y});
  minidesk.mouse_capture_lost();
  EXPECT_FALSE(minidesk.dragging());
  EXPECT_EQ(host.log, (Log{"refresh off", "capture", "refresh on"}));
  minidesk.mouse_up(Inside(0), MouseButton::kLeft);  // the release that comes too late
  EXPECT_EQ(host.log.size(), 3u);
  // The next build shows the icon where it still is.
  EXPECT_TRUE(Build({{"A", 300, 300}}));
  EXPECT_EQ(minidesk.markers()[0].bounds, (MapRect{100, 110, 10, 10}));
}

TEST_F(MinideskTest, ChosenListEntryIsPlacedWhereTheMapIsClicked) {
  Build({{"A", 1500, 600}, {"B", -30, 5}, {"C", 30, 30}});
  Click(AlertImageCentre());
  host.log.clear();

  Click({100, 50});  // nothing chosen yet
  EXPECT_TRUE(host.log.empty());

  minidesk.on_error_list_selected(1);
  Click({100, 50});
  EXPECT_EQ(host.log, (Log{"move B to 300,120"}));
  EXPECT_EQ(minidesk.error_list().entries(), (std::vector<std::string>{"A"}));
  EXPECT_TRUE(minidesk.error_list().visible());
  EXPECT_FALSE(minidesk.error_list().selected());

  // A click on a marker is the marker's: it moves its own icon.
  minidesk.on_error_list_selected(0);
  host.log.clear();
  Click(Inside(2));
  EXPECT_EQ(host.log, (Log{"refresh off", "capture", "release", "move C to 30,30", "refresh on"}));
  EXPECT_EQ(minidesk.error_list().selected(), 0u);

  Click({11, 4});
  EXPECT_EQ(host.log.back(), "move A to 33,-18");
  EXPECT_FALSE(minidesk.error_list().visible());  // the last entry is placed
}

TEST_F(MinideskTest, MapClickWithoutAnOpenListOrWithOtherButtonsDoesNothing) {
  Build({{"A", 1500, 600}});
  minidesk.on_error_list_selected(0);  // chosen, but the list is hidden
  Click({100, 50});
  EXPECT_TRUE(host.log.empty());

  Click(AlertImageCentre());
  minidesk.on_error_list_selected(0);
  host.log.clear();
  minidesk.mouse_down({100, 50}, MouseButton::kRight);
  minidesk.mouse_up({100, 50}, MouseButton::kRight);
  minidesk.mouse_down({100, 50}, MouseButton::kLeft);
  minidesk.mouse_up({500, 50}, MouseButton::kLeft);  // released off the map
  EXPECT_TRUE(host.log.empty());
  EXPECT_EQ(minidesk.error_list().entries().size(), 1u);
}

TEST_F(MinideskTest, HitTestFindsTheAlertImageThenTheTopmostMarker) {
  Build({{"Unten", 300, 300}, {"Oben", 306, 306}, {"Ecke", 1200, 930}, {"Weg", 5000, 5000}});
  using Kind = MinideskHit::Kind;
  struct Case {
    MapPoint p;
    MinideskHit hit;
    const char* hint;
  };
  const Case cases[] = {
      {{100, 110}, {Kind::Marker, 0}, "Unten"},
      {{102, 112}, {Kind::Marker, 1}, "Oben"},  // both overlap here: the later one lies on top
      {{109, 119}, {Kind::Marker, 1}, "Oben"},
      {{111, 121}, {Kind::Marker, 1}, "Oben"},
      {{99, 110}, {Kind::Map, 0}, nullptr},
      {{402, 320}, {Kind::AlertImage, 0}, "1 Icon(s) ausserhalb des Desktops"},  // over the marker "Ecke"
      {{400, 320}, {Kind::Marker, 2}, "Ecke"},
      {{426, 100}, {}, nullptr},  // off the map
      {{-1, 100}, {}, nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(minidesk.hit_test(c.p), c.hit) << c.p.x << "," << c.p.y;
    const std::string* hint = minidesk.hint_at(c.p);
    if (c.hint) {
      ASSERT_NE(hint, nullptr) << c.p.x << "," << c.p.y;
      EXPECT_EQ(*hint, c.hint);
    } else {
      EXPECT_EQ(hint, nullptr) << c.p.x << "," << c.p.y;
    }
  }
}

TEST_F(MinideskTest, AlertPanelSlidesInStaysAndHides) {
  Build({{"A", 1500, 600}});
  Click(AlertImageCentre());
  EXPECT_EQ(minidesk.alert_panel(), (AlertPanel{true, {107, 331, 319, 72}}));
  EXPECT_TRUE(minidesk.error_list().visible());
  EXPECT_EQ(host.log, (Log{"alert_timer_on on"}));

  // Up by 6 pixels a tick until the panel is fully in view (top <= 259).
  host.log.clear();
  int ticks = 0;
  while (host.log.empty() && ticks < 100) {
    minidesk.on_alert_slide_in_timer();
    ++ticks;
  }
  EXPECT_EQ(ticks, 13);
  EXPECT_EQ(minidesk.alert_panel().bounds, (MapRect{107, 259, 319, 72}));
  EXPECT_EQ(host.log, (Log{"alert_timer_on off", "alert_timer_off on"}));

  host.log.clear();
  minidesk.on_alert_hide_timer();
  EXPECT_FALSE(minidesk.alert_panel().visible);
  EXPECT_EQ(host.log, (Log{"alert_timer_on off", "alert_timer_off off"}));
}

TEST_F(MinideskTest, AlertPanelKeepsRightAlignedAndClosesOnItsImage) {
  Build({{"A", 1500, 600}});
  Click(AlertImageCentre());
  minidesk.set_map_size({853, 341});  // the layout changed meanwhile
  minidesk.on_alert_slide_in_timer();
  EXPECT_EQ(minidesk.alert_panel().bounds, (MapRect{534, 325, 319, 72}));

  host.log.clear();
  const uint64_t revision = minidesk.revision();
  minidesk.on_alert_image_clicked();
  EXPECT_FALSE(minidesk.alert_panel().visible);
  EXPECT_GT(minidesk.revision(), revision);
  EXPECT_EQ(host.log, (Log{"alert_timer_on off"}));
  EXPECT_TRUE(minidesk.error_list().visible());  // the list stays open

  // The off timer still running hides the hidden panel once more.
  minidesk.on_alert_hide_timer();
  EXPECT_FALSE(minidesk.alert_panel().visible);
}

TEST_F(MinideskTest, AlertImageClickNeedsPressAndReleaseOnIt) {
  Build({{"A", 1500, 600}});
  minidesk.mouse_down(AlertImageCentre(), MouseButton::kLeft);
  minidesk.mouse_up({10, 10}, MouseButton::kLeft);
  EXPECT_FALSE(minidesk.alert_panel().visible);
  minidesk.mouse_down(AlertImageCentre(), MouseButton::kRight);
  minidesk.mouse_up(AlertImageCentre(), MouseButton::kRight);
  EXPECT_FALSE(minidesk.error_list().visible());
  EXPECT_TRUE(host.log.empty());
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
