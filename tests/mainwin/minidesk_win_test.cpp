// The Minidesk of the real OrvaneX.exe under Wine, over the stand-in desktop:
// the map is read off the screen, the mouse is the system's own (the cursor
// is placed and the buttons are pressed as a user would), and where the
// icons went is the stand-in's own report. The notification-area icon is
// asked of Wine's shell.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "minidesk/error_icon_list_win.h"
#include "minidesk/minidesk_view_win.h"
#include "platform/hidden_window_win.h"
#include "platform/scoped_win.h"
#include "standin_shared/standin_client_win.h"
#include "support/orvane_app_win.h"
#include "app/main_form_win.h"
#include "ui/caption_bar_win.h"
#include "ui/flat_button_win.h"

namespace orvx::test {
namespace {

using standin::StandinDesktop;
using standin::StandinItem;

// Where the main window is placed, with room on its left for the error list.
constexpr int kMainLeft = 400;
constexpr int kMainTop = 100;
constexpr int kErrorListWidth = 217;
constexpr int kErrorListHeight = 333;

constexpr COLORREF kMapColour = RGB(0x8E, 0xB0, 0xD2);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(0xFF, 0, 0);
constexpr COLORREF kAlertRed = RGB(0xD4, 0x20, 0x20);
constexpr COLORREF kPanelColour = RGB(0xE1, 0xE6, 0xF1);

COLORREF screen_pixel(POINT at) {
  win::ScopedWindowDC screen(nullptr);
  return GetPixel(screen.get(), at.x, at.y);
}

// The system's mouse: the cursor placed on a screen point, the left button
// pressed and released where it is.
void mouse_to(POINT at) { SetCursorPos(at.x, at.y); }
void left_button(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
}
void left_click(POINT at) {
  mouse_to(at);
  left_button(true);
  left_button(false);
}

RECT window_rect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
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
  POINT alert_image() const { return screen(width() - 25 + 8, height() - 25 + 8); }
  // The explanation panel, slid in: its lower right corner on the map's.
  POINT panel(int x, int y) const { return screen(width() - 319 + x, height() - 72 + y); }

 private:
  HWND window_;
  RECT client_{};
};

class MinideskWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { standin_ = std::make_unique<StandinDesktop>(); }
  static void TearDownTestSuite() { standin_.reset(); }

  void SetUp() override {
    ASSERT_EQ(FindWindowA(app::kMainWindowClass, nullptr), nullptr) << "another OrvaneX.exe is running";
    ASSERT_TRUE(standin_) << "no stand-in desktop";
    standin().set_modes(false, false);
    // Out of the way: a hint under a resting cursor would hide the map.
    mouse_to({1, 1});
    copy.prepare_resolution_profile();
    copy.set_config("orvx_form", "Left", std::to_string(kMainLeft));
    copy.set_config("orvx_form", "Top", std::to_string(kMainTop));
  }

  // Loads the desktop, starts the program and waits until its map shows
  // the first marker.
  void start(const std::vector<StandinItem>& icons) {
    ASSERT_EQ(standin().load(icons), static_cast<int>(icons.size()));
    app = std::make_unique<RunningApp>(copy.exe(), "/u");
    main = app->main_window();
    ASSERT_NE(main, nullptr);
    ASSERT_NE(find_child(main, minidesk::kMinideskViewClass), nullptr);
    map = std::make_unique<Map>(main);
    ASSERT_EQ(map->width(), work_area().right / 3);
    ASSERT_EQ(map->height(), work_area().bottom / 3);
  }

  static RECT work_area() {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
  }
  static StandinDesktop& standin() { return *standin_; }
  HWND error_list() const { return find_process_window(app->process_id(), minidesk::kErrorIconListClass, nullptr, false); }

  ProgramCopy copy;
  std::unique_ptr<RunningApp> app;
  HWND main = nullptr;
  std::unique_ptr<Map> map;

 private:
  static inline std::unique_ptr<StandinDesktop> standin_;
};

TEST_F(MinideskWindow, MarkersShowTheIconsInTheirColoursAndPlaces) {
  const int w = work_area().right / 3;
  start({{"Papierkorb", 300, 300},                   // black, marker at (100, 110)
         {"Rechts am Rand", 3 * (w - 5), 60},       // red, at (w - 5, 30): half on the map
         {"Links am Rand", -3, 150},                // red, at (-1, 60)
         {"Ganz links", -2, 240},                   // black, at (0, 90)
         {"Weit draussen", 1500 + 3 * w, 600}});    // red, far off the map
  struct Case {
    const char* what;
    int x, y;
    COLORREF colour;
  };
  const Case cases[] = {
      {"inside", 104, 114, kBlack},           {"inside, its edge", 109, 119, kBlack},
      {"beside it", 110, 119, kMapColour},    {"above it", 104, 109, kMapColour},
      {"right edge", w - 3, 34, kRed},        {"right edge, outline", w - 5, 34, kBlack},
      {"left edge", 3, 64, kRed},             {"left edge, outline", 3, 60, kBlack},
      {"left, inside", 4, 94, kBlack},        {"bare map", 200, 200, kMapColour},
  };
  ASSERT_TRUE(wait_for("map->pixel(104, 114) == kBlack", [&] { return map->pixel(104, 114) == kBlack; })) << "no marker drawn";
  ASSERT_TRUE(wait_for("screen_pixel(map->alert_image()) == kAlertRed", [&] { return screen_pixel(map->alert_image()) == kAlertRed; })) << "no alert image";
  for (const Case& c : cases) EXPECT_EQ(map->pixel(c.x, c.y), c.colour) << c.what;
  // The version line runs through the alert image's lower half; the image
  // lies in front of it.
  EXPECT_TRUE(wait_for("map->pixel(map->width() - 22, map->height() - 4) == kAlertRed", [&] { return map->pixel(map->width() - 22, map->height() - 4) == kAlertRed; }))
      << "the version line covers the alert image";

  // The hints: a marker's caption, and the count on the alert image.
  HWND hint = nullptr;
  auto hint_text = [&] {
    hint = find_process_window(app->process_id(), "OrvxHint", nullptr, true);
    return hint ? window_text(hint) : std::string();
  };
  mouse_to(map->screen(105, 115));
  EXPECT_TRUE(wait_for("hint_text() == \"Papierkorb\"", [&] { return hint_text() == "Papierkorb"; })) << hint_text();
  mouse_to(map->alert_image());
  EXPECT_TRUE(wait_for("hint_text() == \"3 Icon(s) ausserhalb des Desktops\"", [&] { return hint_text() == "3 Icon(s) ausserhalb des Desktops"; })) << hint_text();
}

TEST_F(MinideskWindow, DraggingAMarkerByTenAndFiveMovesItsIconByThirtyAndFifteen) {
  start({{"Papierkorb", 300, 300}, {"Arbeitsplatz", 20, 20}});
  ASSERT_TRUE(wait_for("map->pixel(104, 114) == kBlack", [&] { return map->pixel(104, 114) == kBlack; }));
  const POINT grip = map->screen(103, 113);
  mouse_to(grip);
  left_button(true);
  mouse_to({grip.x + 4, grip.y + 1});
  mouse_to({grip.x + 10, grip.y + 5});
  left_button(false);
  EXPECT_TRUE(wait_for("standin().report().at(0) == StandinItem{\"Papierkorb\", 330, 315}", [&] { return standin().report().at(0) == StandinItem{"Papierkorb", 330, 315}; }))
      << standin().report().at(0).x << "," << standin().report().at(0).y;
  EXPECT_EQ(standin().report().at(1), (StandinItem{"Arbeitsplatz", 20, 20}));
  // The refresh is back and draws the marker where the icon is now.
  EXPECT_TRUE(wait_for("map->pixel(114, 119) == kBlack && map->pixel(104, 112) == kMapColour", [&] { return map->pixel(114, 119) == kBlack && map->pixel(104, 112) == kMapColour; }));
}

TEST_F(MinideskWindow, ChosenEntryOfTheErrorListGoesWhereTheMapIsClicked) {
  start({{"Papierkorb", 300, 300}, {"Rechnung.doc", 1500 + work_area().right, 600}});
  ASSERT_TRUE(wait_for("screen_pixel(map->alert_image()) == kAlertRed", [&] { return screen_pixel(map->alert_image()) == kAlertRed; }));
  HWND list = error_list();
  ASSERT_NE(list, nullptr) << "the error list is made at the start";
  EXPECT_FALSE(IsWindowVisible(list));

  left_click(map->alert_image());
  ASSERT_TRUE(wait_for("IsWindowVisible(list) != FALSE", [&] { return IsWindowVisible(list) != FALSE; }));
  // The explanation slides in over the alert image.
  EXPECT_TRUE(wait_for("screen_pixel(map->panel(150, 2)) == kPanelColour", [&] { return screen_pixel(map->panel(150, 2)) == kPanelColour; }));
  const RECT docked = window_rect(list);
  EXPECT_EQ(docked.left, kMainLeft - kErrorListWidth);
  EXPECT_EQ(docked.top, kMainTop + 20);
  EXPECT_EQ(docked.right - docked.left, kErrorListWidth);
  EXPECT_EQ(docked.bottom - docked.top, kErrorListHeight);
  HWND box = find_child(list, "ListBox");
  ASSERT_NE(box, nullptr);
  ASSERT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageA(box, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Rechnung.doc")),
            0);

  // The main window moves; the list goes with it.
  SetWindowPos(main, nullptr, kMainLeft + 60, kMainTop + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(wait_for("the error list to sit left of the main window", [&] {
    const RECT r = window_rect(list);
    return r.left == kMainLeft + 60 - kErrorListWidth && r.top == kMainTop + 60;
  }));

  // The entry chosen with the mouse, then the map clicked at (100, 50).
  RECT first{};
  SendMessageA(box, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  POINT entry{first.left + 10, (first.top + first.bottom) / 2};
  ClientToScreen(box, &entry);
  left_click(entry);
  ASSERT_TRUE(wait_for("SendMessageA(box, LB_GETCURSEL, 0, 0) == 0", [&] { return SendMessageA(box, LB_GETCURSEL, 0, 0) == 0; }));
  left_click(map->screen(100, 50));
  EXPECT_TRUE(wait_for("standin().report().at(1) == StandinItem{\"Rechnung.doc\", 300, 120}", [&] { return standin().report().at(1) == StandinItem{"Rechnung.doc", 300, 120}; }));
  // The last entry is placed: the list closes, and the alert image goes
  // (seen once the explanation is closed by its picture).
  EXPECT_TRUE(wait_for("!IsWindowVisible(list)", [&] { return !IsWindowVisible(list); }));
  left_click(map->panel(301 + 7, 3 + 7));
  EXPECT_TRUE(wait_for("screen_pixel(map->alert_image()) == kMapColour", [&] { return screen_pixel(map->alert_image()) == kMapColour; }));
}

TEST_F(MinideskWindow, TrayIconBringsTheHiddenWindowBackAndOutlivesAShellRestart) {
  ASSERT_TRUE(wait_for("FindWindowA(\"Shell_TrayWnd\", nullptr) != nullptr", [] { return FindWindowA("Shell_TrayWnd", nullptr) != nullptr; }))
      << "no Shell_TrayWnd in this session";
  start({{"Papierkorb", 300, 300}});
  HWND tray = nullptr;
  ASSERT_TRUE(wait_for("the tray icon window to be known to the shell", [&] {
    tray = find_process_window(app->process_id(), orvx::win::kHiddenWindowClass, nullptr, false);
    return tray && shell_knows(tray, "Orvane X");
  })) << "the icon is not in the notification area";

  // Minimized into the notification area, then a click on the icon.
  ASSERT_TRUE(minimize_to_tray(main));
  PostMessageA(tray, WM_USER + 1, 0, WM_LBUTTONDOWN);
  PostMessageA(tray, WM_USER + 1, 0, WM_LBUTTONUP);
  EXPECT_TRUE(wait_for("IsWindowVisible(main) != FALSE", [&] { return IsWindowVisible(main) != FALSE; }));

  // The shell restarts: it has forgotten the icon and says so to all.
  ASSERT_TRUE(shell_forgets(tray));
  ASSERT_FALSE(shell_knows(tray, "Orvane X"));
  PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(wait_for("shell_knows(tray, \"Orvane X\")", [&] { return shell_knows(tray, "Orvane X"); }));

  // Exit takes it out.
  app.reset();
  EXPECT_FALSE(shell_knows(tray, "Orvane X"));
}

}  // namespace
}  // namespace orvx::test
