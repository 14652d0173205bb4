// The Minidesk of the real OrvaneX.exe under Wine, over the stand-in desktop:
// the map is read off the screen, the mouse is the system's own (the cursor
// is moved and the buttons are pressed as a user would, each next step only
// once the program shows it took the last one), and where the icons went is
// the stand-in's own report. The notification-area icon is asked of Wine's
// shell. Where markers sit, how large the map is and where its parts go
// comes from the product's own layout.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "mainwin/main_window_win.h"
#include "mainwin/main_layout.h"
#include "mainwin/screen_measures_win.h"
#include "lang/messages.h"
#include "minidesk/alert_panel_win.h"
#include "minidesk/error_icon_list.h"
#include "minidesk/error_list_window_win.h"
#include "minidesk/minidesk.h"
#include "minidesk/minidesk_map.h"
#include "minidesk/minidesk_view_win.h"
#include "platform/scoped_win.h"
#include "standin_shared/standin_client_win.h"
#include "support/input_win.h"
#include "support/orvane_app_win.h"
#include "ui/hint_window_win.h"
#include "ui/flat_button_win.h"
#include "ui/picture_button_win.h"
#include "profiles/profile_file.h"
#include "minidesk/restore_preview.h"
#include "platform/ansi_text.h"
#include "platform/message_ids.h"

namespace orvx::test {
namespace {

using minidesk::MapRect;
using minidesk::marker_bounds;
using standin::StandinDesktop;
using standin::StandinItem;

// Where the main window is placed, with room on its left for the error list.
constexpr int kMainLeft = 400;
constexpr int kMainTop = 100;

constexpr COLORREF colour(ui::Rgb c) { return RGB(c.r, c.g, c.b); }
constexpr COLORREF colour(uint32_t rgb) { return colour(ui::rgb(rgb)); }

constexpr COLORREF kMapColour = colour(minidesk::kMinideskColour);
constexpr COLORREF kInside = colour(minidesk::kMarkerInsideRgb);
constexpr COLORREF kOutside = colour(minidesk::kMarkerOutsideRgb);
constexpr COLORREF kOutline = colour(minidesk::kMarkerOutlineRgb);
constexpr COLORREF kPreview = colour(minidesk::kPreviewRgb);
constexpr COLORREF kPanelColour = colour(minidesk::kAlertPanelColour);
// The red of the alert picture (resources/pictures.rc).
constexpr COLORREF kAlertRed = RGB(0xD4, 0x20, 0x20);

COLORREF screen_pixel(POINT at) {
  win::ScopedWindowDC screen(nullptr);
  return GetPixel(screen.get(), at.x, at.y);
}

// A click at a screen point: the cursor moved there first.
void click_at(POINT at) {
  if (mouse_to(at)) left_click();
}

RECT window_rect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

POINT centre_of(HWND window) {
  const RECT r = window_rect(window);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Asks the shell whether it holds the icon: only a known icon can be
// modified (its tooltip is set to what it already is).
bool shell_knows(HWND window, const char* tip) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window;
  data.uFlags = NIF_TIP;
  std::strncpy(data.szTip, tip, sizeof(data.szTip) - 1);
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// The shell forgets the icon, as a restarted shell does.
bool shell_forgets(HWND window) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window;
  return Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}

// The map of a running program: `desktop_frame` on its main window.
class Map {
 public:
  explicit Map(HWND main) : window_(find_child(main, minidesk::kMinideskViewClass)) {
    GetClientRect(window_, &client_);
  }
  HWND window() const { return window_; }
  int width() const { return client_.right; }
  int height() const { return client_.bottom; }
  // A map point on the screen.
  POINT screen(int x, int y) const {
    POINT p{x, y};
    ClientToScreen(window_, &p);
    return p;
  }
  COLORREF pixel(int x, int y) const { return screen_pixel(screen(x, y)); }
  // A point of a marker, (dx, dy) from its upper left corner.
  COLORREF pixel(const MapRect& marker, int dx, int dy) const { return pixel(marker.left + dx, marker.top + dy); }
  POINT screen(const MapRect& marker, int dx, int dy) const { return screen(marker.left + dx, marker.top + dy); }
  // A point well inside the part of the alert image that lies on the map.
  POINT alert_image() const {
    return screen(width() - minidesk::kAlertImageInset + minidesk::kAlertImageInset / 3,
                  height() - minidesk::kAlertImageInset + minidesk::kAlertImageInset / 3);
  }
  // The explanation panel, slid in: its lower right corner on the map's.
  POINT panel(int x, int y) const {
    return screen(width() - minidesk::kAlertPanelWidth + x, height() - minidesk::kAlertPanelHeight + y);
  }

 private:
  HWND window_;
  RECT client_{};
};

class MinideskWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { standin_ = std::make_unique<StandinDesktop>(); }
  static void TearDownTestSuite() { standin_.reset(); }

  void SetUp() override {
    ASSERT_EQ(FindWindowA(mainwin::kMainWindowClass, nullptr), nullptr) << "another OrvaneX.exe is running";
    ASSERT_TRUE(standin_) << "no stand-in desktop";
    standin().set_modes(false, false);
    // Out of the way: a hint under a resting cursor would hide the map.
    ASSERT_TRUE(mouse_to({1, 1}));
    copy_.prepare_resolution_profile();
    copy_.set_config("orvx_form", "Left", std::to_string(kMainLeft));
    copy_.set_config("orvx_form", "Top", std::to_string(kMainTop));
  }

  // Loads the desktop, starts the program and waits for its map, sized as
  // the layout wants it for this screen.
  void start(const std::vector<StandinItem>& icons) {
    ASSERT_EQ(standin().load(icons), static_cast<int>(icons.size()));
    app_ = std::make_unique<RunningApp>(copy_.exe(), "/u");
    main_ = app_->main_window();
    ASSERT_NE(main_, nullptr);
    ASSERT_NE(find_child(main_, minidesk::kMinideskViewClass), nullptr);
    map_ = std::make_unique<Map>(main_);
    const ui::Size size = mainwin::minidesk_size(mainwin::measure_screen());
    ASSERT_EQ(map_->width(), size.width);
    ASSERT_EQ(map_->height(), size.height);
  }

  static StandinDesktop& standin() { return *standin_; }
  HWND error_list() const {
    return find_process_window(app_->process_id(), minidesk::kErrorListWindowClass, nullptr, false);
  }

  ProgramCopy copy_;
  std::unique_ptr<RunningApp> app_;
  HWND main_ = nullptr;
  std::unique_ptr<Map> map_;

 private:
  static inline std::unique_ptr<StandinDesktop> standin_;
};

// The place of a map point on the desktop, as the stand-in reports an icon.
StandinItem placed(const char* caption, minidesk::MapPoint p) {
  const icons::IconPoint at = minidesk::map_to_desktop(p);
  return {caption, at.x, at.y};
}

TEST_F(MinideskWindow, MarkersShowTheIconsInTheirColoursAndPlaces) {
  const int w = mainwin::minidesk_size(mainwin::measure_screen()).width;
  constexpr int kLast = minidesk::kMarkerSize - 1;  // a marker's last row and column
  constexpr int kMiddle = minidesk::kMarkerSize / 2 - 1;
  // Desktop points, and the markers they give.
  const POINT bin{300, 300};                                                          // inside
  const POINT right_edge{minidesk::kMapScale * (w - minidesk::kMarkerSize / 2), 60};  // half on the map
  const POINT left_edge{-3, 150};                                                     // just off the left
  const POINT far_left{-2, 240};                                                      // still inside
  start({{"Papierkorb", bin.x, bin.y},
         {"Rechts am Rand", right_edge.x, right_edge.y},
         {"Links am Rand", left_edge.x, left_edge.y},
         {"Ganz links", far_left.x, far_left.y},
         {"Weit draussen", 1500 + minidesk::kMapScale * w, 600}});  // far off the map
  const MapRect b = marker_bounds(bin.x, bin.y);
  const MapRect r = marker_bounds(right_edge.x, right_edge.y);
  const MapRect l = marker_bounds(left_edge.x, left_edge.y);
  const MapRect f = marker_bounds(far_left.x, far_left.y);
  ASSERT_LT(l.left, 0);
  ASSERT_EQ(f.left, 0);
  struct Case {
    const char* what;
    MapRect marker;
    int dx, dy;
    COLORREF colour;
  };
  const Case cases[] = {
      {"inside", b, kMiddle, kMiddle, kInside},
      {"inside, its edge", b, kLast, kLast, kOutline},
      {"beside it", b, kLast + 1, kLast, kMapColour},
      {"above it", b, kMiddle, -1, kMapColour},
      {"right edge", r, 2, kMiddle, kOutside},  // r's columns 0 to 4 lie on the map
      {"right edge, outline", r, 0, kMiddle, kOutline},
      {"left edge", l, kMiddle, kMiddle, kOutside},
      {"left edge, outline", l, kMiddle, 0, kOutline},
      {"left, inside", f, kMiddle, kMiddle, kInside},
      {"bare map", marker_bounds(600, 600), kMiddle, kMiddle, kMapColour},
  };
  ASSERT_TRUE(wait_for("the marker of the bin drawn", [&] { return map_->pixel(b, kMiddle, kMiddle) == kInside; }));
  ASSERT_TRUE(wait_for("the alert image drawn", [&] { return screen_pixel(map_->alert_image()) == kAlertRed; }));
  for (const Case& c : cases) EXPECT_EQ(map_->pixel(c.marker, c.dx, c.dy), c.colour) << c.what;
  // The version line runs through the alert image's lower half; the image
  // lies in front of it.
  EXPECT_TRUE(wait_for("the alert image in front of the version line", [&] {
    return map_->pixel(map_->width() - minidesk::kAlertImageInset + 3, map_->height() - 4) == kAlertRed;
  }));

  // The hints: a marker's caption, and the count on the alert image.
  auto hint_text = [&] {
    HWND hint = find_process_window(app_->process_id(), ui::kHintWindowClass, nullptr, true);
    return hint ? window_text(hint) : std::string();
  };
  ASSERT_TRUE(mouse_to(map_->screen(b, kMiddle, kMiddle)));
  EXPECT_TRUE(wait_for("the hint of the bin", [&] { return hint_text() == "Papierkorb"; })) << hint_text();
  ASSERT_TRUE(mouse_to(map_->alert_image()));
  const std::string count = text::with_detail(lang::german_message(message_ids::kIconsOutside), "3");
  EXPECT_TRUE(wait_for("the hint of the alert image", [&] { return hint_text() == count; })) << hint_text();
}

TEST_F(MinideskWindow, DraggingAMarkerMovesItsIconByThreeTimesTheDrag) {
  start({{"Papierkorb", 300, 300}, {"Arbeitsplatz", 20, 20}});
  const MapRect marker = marker_bounds(300, 300);
  constexpr int kLast = minidesk::kMarkerSize - 1;
  ASSERT_TRUE(wait_for("the marker drawn", [&] { return map_->pixel(marker, 3, 3) == kInside; }));

  // Pressed on the marker: the map takes the mouse.
  ASSERT_TRUE(mouse_to(map_->screen(marker, 3, 3)));
  left_button(true);
  ASSERT_TRUE(wait_for("the map to take the mouse capture", [&] { return capture_of(main_) == map_->window(); }));
  // Each step of the drag is drawn before the next: the marker's lower right
  // corner shows where the map has it now.
  struct Step {
    int dx, dy;
  };
  for (const Step step : {Step{4, 1}, Step{10, 5}}) {
    ASSERT_TRUE(mouse_to(map_->screen(marker, 3 + step.dx, 3 + step.dy)));
    ASSERT_TRUE(wait_for("the marker dragged by " + std::to_string(step.dx) + "," + std::to_string(step.dy),
                         [&] { return map_->pixel(marker, kLast + step.dx, kLast + step.dy) == kInside; }));
  }
  left_button(false);
  EXPECT_TRUE(wait_for("the map to give the mouse back", [&] { return capture_of(main_) == nullptr; }));
  const StandinItem moved = placed("Papierkorb", {marker.left + 10, marker.top + 5});
  EXPECT_EQ(moved.x, 300 + minidesk::kMapScale * 10);
  EXPECT_EQ(moved.y, 300 + minidesk::kMapScale * 5);
  EXPECT_TRUE(wait_for("the bin moved on the desktop", [&] { return standin().report().at(0) == moved; }))
      << standin().report().at(0).x << "," << standin().report().at(0).y;
  EXPECT_EQ(standin().report().at(1), (StandinItem{"Arbeitsplatz", 20, 20}));
  // The refresh is back and draws the marker where the icon is now.
  const MapRect now = marker_bounds(moved.x, moved.y);
  EXPECT_TRUE(wait_for("the marker drawn at the icon's new place", [&] {
    return map_->pixel(now, kLast, kLast) == kInside && map_->pixel(marker, 3, 1) == kMapColour;
  }));
}

TEST_F(MinideskWindow, ChosenEntryOfTheErrorListGoesWhereTheMapIsClicked) {
  start({{"Papierkorb", 300, 300}, {"Rechnung.doc", 1500 + mainwin::measure_screen().work_area_right, 600}});
  ASSERT_TRUE(wait_for("the alert image drawn", [&] { return screen_pixel(map_->alert_image()) == kAlertRed; }));
  HWND list = error_list();
  ASSERT_NE(list, nullptr) << "the error list is made at the start";
  EXPECT_FALSE(IsWindowVisible(list));

  click_at(map_->alert_image());
  ASSERT_TRUE(wait_for("the error list shown", [&] { return IsWindowVisible(list) != FALSE; }));
  // The explanation slides in over the alert image.
  EXPECT_TRUE(wait_for("the explanation slid in", [&] { return screen_pixel(map_->panel(150, 2)) == kPanelColour; }));
  const RECT docked = window_rect(list);
  const ScreenPoint dock = minidesk::docked_error_list_position(kMainLeft, kMainTop);
  EXPECT_EQ(docked.left, dock.x);
  EXPECT_EQ(docked.top, dock.y);
  EXPECT_EQ(docked.right - docked.left, minidesk::kErrorListWidth);
  EXPECT_EQ(docked.bottom - docked.top, minidesk::kErrorListHeight);
  HWND box = find_child(list, "ListBox");
  ASSERT_NE(box, nullptr);
  ASSERT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageA(box, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Rechnung.doc")),
            0);

  // The main window moves; the list goes with it.
  SetWindowPos(main_, nullptr, kMainLeft + 60, kMainTop + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const ScreenPoint moved_dock = minidesk::docked_error_list_position(kMainLeft + 60, kMainTop + 40);
  EXPECT_TRUE(wait_for("the error list to sit left of the main window", [&] {
    const RECT r = window_rect(list);
    return r.left == moved_dock.x && r.top == moved_dock.y;
  }));

  // The entry chosen with the mouse, then the map clicked.
  RECT first{};
  SendMessageA(box, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  POINT entry{first.left + 10, (first.top + first.bottom) / 2};
  ClientToScreen(box, &entry);
  click_at(entry);
  ASSERT_TRUE(wait_for("the entry chosen", [&] { return SendMessageA(box, LB_GETCURSEL, 0, 0) == 0; }));
  const minidesk::MapPoint target{100, 50};
  click_at(map_->screen(target.x, target.y));
  EXPECT_TRUE(wait_for("the icon placed where the map was clicked",
                       [&] { return standin().report().at(1) == placed("Rechnung.doc", target); }));
  // The last entry is placed: the list closes, and the alert image goes
  // (seen once the explanation is closed by its picture).
  EXPECT_TRUE(wait_for("the error list closed", [&] { return !IsWindowVisible(list); }));
  HWND close = find_visible_child(map_->window(), ui::kPictureButtonClass);
  ASSERT_NE(close, nullptr);
  click_at(centre_of(close));
  EXPECT_TRUE(wait_for("the alert image gone", [&] { return screen_pixel(map_->alert_image()) == kMapColour; }));
}

TEST_F(MinideskWindow, TrayIconBringsTheHiddenWindowBackAndOutlivesAShellRestart) {
  ASSERT_TRUE(wait_for("FindWindowA(\"Shell_TrayWnd\", nullptr) != nullptr", [] {
    return FindWindowA("Shell_TrayWnd", nullptr) != nullptr;
  })) << "no Shell_TrayWnd in this session";
  start({{"Papierkorb", 300, 300}});
  HWND tray = wait_tray_icon(app_->process_id());
  ASSERT_NE(tray, nullptr) << "the icon is not in the notification area";

  // Minimized into the notification area, then a click on the icon.
  ASSERT_TRUE(minimize_to_tray(main_));
  PostMessageA(tray, WM_USER + 1, 0, WM_LBUTTONDOWN);
  PostMessageA(tray, WM_USER + 1, 0, WM_LBUTTONUP);
  EXPECT_TRUE(wait_for("IsWindowVisible(main) != FALSE", [&] { return IsWindowVisible(main_) != FALSE; }));

  // The shell restarts: it has forgotten the icon and says so to all.
  ASSERT_TRUE(shell_forgets(tray));
  ASSERT_FALSE(shell_knows(tray, "Orvane X"));
  PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(wait_for("shell_knows(tray, \"Orvane X\")", [&] { return shell_knows(tray, "Orvane X"); }));

  // Exit takes it out.
  app_.reset();
  EXPECT_FALSE(shell_knows(tray, "Orvane X"));
}

// The restore menu, opened by the arrange button as a user opens it.
HWND open_restore_menu(RunningApp& app) {
  app.click(ui::kFlatButtonClass, mainwin::kArrangeButtonCaption);
  return wait_popup_menu(app.process_id());
}

int height_of(HWND window) {
  const RECT r = window_rect(window);
  return r.bottom - r.top;
}

TEST_F(MinideskWindow, UndoPutsBackTheArrangementTheRestoreReplaced) {
  ASSERT_NO_FATAL_FAILURE(start({{"Papierkorb", 300, 150}, {"Arbeitsplatz", 60, 300}, {"Projekte", 450, 450}}));
  // The one profile there is, the resolution's, puts two of them elsewhere.
  ASSERT_TRUE(write_profile_file({{"Papierkorb", 600, 150}, {"Arbeitsplatz", 60, 600}},
                                 copy_.profile_file(resolution_profile_name()), {1024, 768}, 1));
  ASSERT_TRUE(standin().move(2, 480, 300));  // moved by hand before the restore
  const std::vector<StandinItem> before = standin().report();

  HWND menu = open_restore_menu(*app_);
  ASSERT_NE(menu, nullptr);
  const int profiles_only = height_of(menu);
  ASSERT_TRUE(choose_menu_item(app_->process_id(), menu, {0}));
  const std::vector<StandinItem> restored = {
      {"Papierkorb", 600, 150}, {"Arbeitsplatz", 60, 600}, {"Projekte", 480, 300}};
  ASSERT_TRUE(wait_for("the profile restored", [&] { return standin().report() == restored; }));

  // Now the menu ends with a separator and the undo item.
  menu = open_restore_menu(*app_);
  ASSERT_NE(menu, nullptr);
  EXPECT_GT(height_of(menu), profiles_only);
  ASSERT_TRUE(choose_menu_item(app_->process_id(), menu, {1}));  // below the profile, past the separator
  EXPECT_TRUE(
      wait_for("every icon back where it was before the restore", [&] { return standin().report() == before; }));

  // The undo is spent: the menu holds the profile alone again.
  menu = open_restore_menu(*app_);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(height_of(menu), profiles_only);
  post_key(menu, VK_ESCAPE);
  EXPECT_TRUE(wait_for("the menu closed", [&] { return !IsWindowVisible(menu); }));
  EXPECT_EQ(standin().report(), before);
}

TEST_F(MinideskWindow, RestoreMenuPreviewsTheSelectedProfileOnTheMap) {
  ASSERT_NO_FATAL_FAILURE(start({{"Papierkorb", 60, 150}, {"Arbeitsplatz", 300, 300}}));
  // The profile moves Papierkorb to the right and leaves Arbeitsplatz.
  ASSERT_TRUE(write_profile_file({{"Papierkorb", 360, 150}, {"Arbeitsplatz", 300, 300}},
                                 copy_.profile_file(resolution_profile_name()), {1024, 768}, 1));
  const MapRect now = marker_bounds(60, 150);
  const MapRect target = marker_bounds(360, 150);
  const MapRect stays = marker_bounds(300, 300);
  constexpr int kLast = minidesk::kMarkerSize - 1;
  constexpr int kMiddle = minidesk::kMarkerSize / 2;
  const int line_y = minidesk::marker_centre(now).y;
  const int line_x = (minidesk::marker_centre(now).x + target.left) / 2;  // half way along the line
  ASSERT_TRUE(wait_for("the markers drawn", [&] { return map_->pixel(now, kMiddle, kMiddle) == kInside; }));
  ASSERT_EQ(map_->pixel(target, 0, kMiddle), kMapColour);
  ASSERT_EQ(map_->pixel(line_x, line_y), kMapColour);

  HWND menu = open_restore_menu(*app_);
  ASSERT_NE(menu, nullptr);
  post_key(menu, VK_DOWN);  // the selection on the profile, nothing chosen
  ASSERT_TRUE(
      wait_for("the hollow marker at the stored place", [&] { return map_->pixel(target, 0, kMiddle) == kPreview; }));
  struct Case {
    const char* what;
    COLORREF seen;
    COLORREF expected;
  };
  const Case cases[] = {
      {"target, left edge", map_->pixel(target, 0, kMiddle), kPreview},
      {"target, lower right corner", map_->pixel(target, kLast, kLast), kPreview},
      {"target, inside: hollow", map_->pixel(target, kMiddle, kMiddle), kMapColour},
      {"the line half way", map_->pixel(line_x, line_y), kPreview},
      {"beside the line", map_->pixel(line_x, line_y - 2), kMapColour},
      {"the marker now, inside", map_->pixel(now, kMiddle + 2, kMiddle + 2), kInside},
      {"staying icon: hollow marker over its marker", map_->pixel(stays, 0, kMiddle), kPreview},
      {"staying icon: its own marker inside", map_->pixel(stays, kMiddle, kMiddle), kInside},
  };
  for (const Case& c : cases) EXPECT_EQ(c.seen, c.expected) << c.what;

  post_key(menu, VK_ESCAPE);
  EXPECT_TRUE(wait_for("the preview gone with the menu", [&] {
    return map_->pixel(target, 0, kMiddle) == kMapColour && map_->pixel(line_x, line_y) == kMapColour &&
           map_->pixel(stays, 0, kMiddle) == kInside;
  }));
  EXPECT_EQ(standin().report(), (std::vector<StandinItem>{{"Papierkorb", 60, 150}, {"Arbeitsplatz", 300, 300}}));
}

}  // namespace
}  // namespace orvx::test
