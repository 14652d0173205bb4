// The Minidesk's surface under Wine: the map drawn into a bitmap, and the
// mouse on a real view moving the icons of the stand-in desktop, whose own
// report tells where they went.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "minidesk/error_list_window_win.h"
#include "minidesk/minidesk.h"
#include "minidesk/minidesk_view_win.h"
#include "support/quiet_minidesk_host.h"
#include "icons/icon_operations.h"
#include "icons/minidesk_icons.h"
#include "icons/shell_desktop_access_win.h"
#include "platform/scoped_win.h"
#include "standin_shared/standin_client_win.h"
#include "ui/form_win.h"

namespace orvx::minidesk {
namespace {

using standin::StandinItem;

constexpr MapSize kMap{426, 331};  // a work area of 1280 x 994

std::string count_message() { return "%s Icon(s) ausserhalb des Desktops"; }

// The map drawn into a 32-bit bitmap of the map's size.
class MapPicture {
 public:
  explicit MapPicture(const Minidesk& minidesk) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kMap.width;
    info.bmiHeader.biHeight = -kMap.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dc_.reset(CreateCompatibleDC(nullptr));
    select_ = std::make_unique<win::ScopedSelect>(dc_.get(), bitmap_.get());
    draw_minidesk(dc_.get(), RECT{0, 0, kMap.width, kMap.height}, minidesk);
  }
  COLORREF at(int x, int y) const { return GetPixel(dc_.get(), x, y); }

 private:
  win::ScopedGdi<HBITMAP> bitmap_;
  win::ScopedMemoryDC dc_;
  std::unique_ptr<win::ScopedSelect> select_;
};

TEST(MinideskDrawing, MarkersInTheirColoursAndPlaces) {
  test::QuietMinideskHost host;
  Minidesk minidesk(host);
  minidesk.set_map_size(kMap);
  minidesk.build_minidesk({{"Rechnung.doc", 1500, 600},  // far right: not on the picture
                           {"Papierkorb", 1248, 600},    // black in the last column
                           {"Ecke", 1248, 960},          // black, under the alert image
                           {"Links", -2, 5},             // black at (0, 11)
                           {"Zu weit links", -3, 300}},  // red, its left column off the map
                          count_message);
  MapPicture picture(minidesk);
  const COLORREF background = RGB(0x8E, 0xB0, 0xD2);
  const COLORREF black = RGB(0, 0, 0);
  const COLORREF red = RGB(0xFF, 0, 0);
  struct Case {
    int x, y;
    COLORREF colour;
  };
  const Case cases[] = {
      {200, 200, background}, {416, 210, black}, {425, 219, black},    {415, 210, background}, {416, 209, background},
      {0, 11, black},         {9, 20, black},    {10, 20, background}, {0, 10, background},    {0, 111, red},
      {7, 118, red},          {8, 115, black},   {3, 110, black},      {3, 119, black},        {9, 115, background},
  };
  for (const Case& c : cases) EXPECT_EQ(picture.at(c.x, c.y), c.colour) << c.x << "," << c.y;
  // The alert image near the lower right corner, in front of the markers.
  EXPECT_EQ(minidesk.alert_image().bounds, (MapRect{401, 306, 32, 32}));
  const COLORREF edge = RGB(0x80, 0, 0);
  EXPECT_EQ(picture.at(401, 306), edge);
  EXPECT_EQ(picture.at(403, 308), RGB(0xD4, 0x20, 0x20));
  EXPECT_EQ(picture.at(416, 330), edge);                   // its edge covers the marker "Ecke"
  EXPECT_EQ(picture.at(413, 312), RGB(0xFF, 0xFF, 0xFF));  // the exclamation mark, whole on the map
  EXPECT_EQ(picture.at(413, 326), RGB(0xFF, 0xFF, 0xFF));
}

// A hidden form with the view where the main window has it, and the error
// list window beside it.
class MapForm final : public ui::Form {
 public:
  explicit MapForm(Minidesk& minidesk) {
    create_form(ui::FormArgs{.name = "orvx_form",
                             .class_name = "OrvxTestMinidesk",
                             .caption = "Orvane X",
                             .bounds = ui::Rect{300, 100, 446, 381}});
    list = std::make_unique<ErrorListWindow>(hwnd(), minidesk);
    view = std::make_unique<MinideskView>(MinideskViewArgs{.parent = hwnd(),
                                                           .bounds = ui::Rect{10, 25, kMap.width, kMap.height},
                                                           .on_changed = [this] { list->sync(); }},
                                          minidesk);
  }
  std::unique_ptr<ErrorListWindow> list;
  std::unique_ptr<MinideskView> view;
};

// The main window's part: icons move on the stand-in desktop, the timers
// are only logged, the view keeps the mouse.
class DesktopHost : public MinideskHost {
 public:
  void move_desktop_icon(const std::string& caption, icons::IconPoint to) override {
    icons::move_desktop_icon(access, caption, to);
  }
  void set_refresh_timer(bool on) override { log.push_back(on ? "refresh on" : "refresh off"); }
  void set_alert_slide_in_timer(bool on) override { log.push_back(on ? "alert on" : "alert off"); }
  void set_alert_hide_timer(bool) override {}
  void set_mouse_capture(bool captured) override {
    log.push_back(captured ? "capture" : "release");
    view->set_mouse_capture(captured);
  }

  icons::ShellDesktopAccess access;
  MinideskView* view = nullptr;
  std::vector<std::string> log;
};

LPARAM at(MapPoint p) { return MAKELPARAM(p.x, p.y); }

class MinideskViewWin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { standin_ = std::make_unique<standin::StandinDesktop>(); }
  static void TearDownTestSuite() { standin_.reset(); }

  void SetUp() override {
    ASSERT_EQ(standin_->load({{"Papierkorb", 300, 300}, {"Rechnung.doc", 1500, 600}, {"Arbeitsplatz", 20, 20}}), 3);
    host_.view = form_.view.get();
    refresh();
  }

  // What a tick of the refresh timer does after the layout.
  void refresh() {
    icons::read_minidesk_icons(host_.access,
                               [&](const DesktopIcons& icons) { minidesk_.build_minidesk(icons, count_message); });
    form_.view->show_changes();
  }
  HWND view() const { return form_.view->hwnd(); }
  void click(MapPoint p) {
    SendMessageA(view(), WM_LBUTTONDOWN, MK_LBUTTON, at(p));
    SendMessageA(view(), WM_LBUTTONUP, 0, at(p));
  }
  void click_alert_image() {
    const MapRect alert = minidesk_.alert_image().bounds;
    click({alert.left + 8, alert.top + 8});
  }
  // What the list box tells its window when the user chooses an entry.
  void choose(int index) {
    HWND box = form_.list->list_box();
    SendMessageA(box, LB_SETCURSEL, index, 0);
    SendMessageA(form_.list->hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
  }
  std::vector<std::string> list_box_lines() const {
    std::vector<std::string> lines;
    HWND box = form_.list->list_box();
    const int count = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      std::string line(static_cast<size_t>(SendMessageA(box, LB_GETTEXTLEN, i, 0)), '\0');
      SendMessageA(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
      lines.push_back(line);
    }
    return lines;
  }
  ui::Rect panel_bounds() { return form_.view->alert_panel().alert_frame().bounds(); }
  bool panel_shown() { return form_.view->alert_panel().alert_frame().visible(); }
  StandinItem reported(size_t index) const { return standin_->report().at(index); }

  static inline std::unique_ptr<standin::StandinDesktop> standin_;
  DesktopHost host_;
  Minidesk minidesk_{host_};
  MapForm form_{minidesk_};
};

TEST_F(MinideskViewWin, ViewGivesTheMapItsSize) {
  EXPECT_EQ(minidesk_.map_size(), kMap);
  SetWindowPos(view(), nullptr, 0, 0, 853, 341, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(minidesk_.map_size(), (MapSize{853, 341}));
}

TEST_F(MinideskViewWin, DraggingAMarkerByTenAndFiveMovesItsIconByThirtyAndFifteen) {
  ASSERT_EQ(minidesk_.markers()[0].bounds, (MapRect{100, 110, 10, 10}));
  SendMessageA(view(), WM_LBUTTONDOWN, MK_LBUTTON, at({103, 113}));
  EXPECT_EQ(GetCapture(), view());
  SendMessageA(view(), WM_MOUSEMOVE, MK_LBUTTON, at({108, 115}));
  SendMessageA(view(), WM_MOUSEMOVE, MK_LBUTTON, at({113, 118}));
  SendMessageA(view(), WM_LBUTTONUP, 0, at({113, 118}));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(reported(0), (StandinItem{"Papierkorb", 330, 315}));
  EXPECT_EQ(host_.log, (std::vector<std::string>{"refresh off", "capture", "release", "refresh on"}));

  refresh();
  EXPECT_EQ(minidesk_.markers()[0].bounds, (MapRect{110, 115, 10, 10}));
}

TEST_F(MinideskViewWin, ChosenEntryOfTheErrorListGoesWhereTheMapIsClicked) {
  ASSERT_TRUE(minidesk_.alert_image().visible);
  EXPECT_FALSE(IsWindowVisible(form_.list->hwnd()));
  click_alert_image();
  ASSERT_TRUE(IsWindowVisible(form_.list->hwnd()));
  RECT docked{};
  GetWindowRect(form_.list->hwnd(), &docked);
  EXPECT_EQ(docked.left, 300 - 217);
  EXPECT_EQ(docked.top, 100 + 20);
  EXPECT_EQ(docked.right - docked.left, 217);
  EXPECT_EQ(docked.bottom - docked.top, 333);
  EXPECT_EQ(list_box_lines(), (std::vector<std::string>{"Rechnung.doc"}));

  choose(0);
  click({100, 50});
  EXPECT_EQ(reported(1), (StandinItem{"Rechnung.doc", 300, 120}));
  EXPECT_FALSE(IsWindowVisible(form_.list->hwnd()));  // the last entry is placed

  refresh();
  EXPECT_EQ(minidesk_.outside_count(), 0);
  EXPECT_FALSE(minidesk_.alert_image().visible);
}

TEST_F(MinideskViewWin, ChoiceInTheBoxOutlivesAChangeOfTheMapBeforeItIsTold) {
  click_alert_image();
  // The press in the box chooses the entry; the box tells its window only
  // at the release. Between the two the explanation slides a step.
  HWND box = form_.list->list_box();
  SendMessageA(box, LB_SETCURSEL, 0, 0);
  minidesk_.on_alert_slide_in_timer();
  form_.view->show_changes();
  EXPECT_EQ(SendMessageA(box, LB_GETCURSEL, 0, 0), 0);
  SendMessageA(form_.list->hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(box));
  click({100, 50});
  EXPECT_EQ(reported(1), (StandinItem{"Rechnung.doc", 300, 120}));
}

TEST_F(MinideskViewWin, OpenListKeepsItsEntriesUntilClosed) {
  click_alert_image();
  standin_->move(2, -600, 20);  // "Arbeitsplatz" leaves the screen
  refresh();
  EXPECT_TRUE(minidesk_.markers()[2].outside);
  EXPECT_EQ(list_box_lines(), (std::vector<std::string>{"Rechnung.doc"}));

  form_.list->abort_button().click();
  EXPECT_FALSE(IsWindowVisible(form_.list->hwnd()));
  refresh();
  click_alert_image();
  EXPECT_EQ(list_box_lines(), (std::vector<std::string>{"Rechnung.doc", "Arbeitsplatz"}));
  form_.list->dock(500, 50);  // the main window moved
  RECT docked{};
  GetWindowRect(form_.list->hwnd(), &docked);
  EXPECT_EQ(docked.left, 283);
  EXPECT_EQ(docked.top, 70);
}

TEST_F(MinideskViewWin, ExplanationSlidesInAndClosesOnItsPicture) {
  click_alert_image();
  ASSERT_TRUE(panel_shown());
  EXPECT_EQ(panel_bounds(), (ui::Rect{107, 331, 319, 72}));
  for (int tick = 0; tick < 13; ++tick) {
    minidesk_.on_alert_slide_in_timer();
    form_.view->show_changes();
  }
  EXPECT_EQ(panel_bounds(), (ui::Rect{107, 259, 319, 72}));
  EXPECT_EQ(form_.view->alert_panel().alert_label().caption(), kAlertText);

  form_.view->alert_panel().alert_img().click();
  EXPECT_FALSE(panel_shown());
  EXPECT_EQ(host_.log.back(), "alert off");
}

TEST_F(MinideskViewWin, HintNamesTheIconUnderTheMouse) {
  SendMessageA(view(), WM_MOUSEMOVE, 0, at({104, 114}));
  EXPECT_TRUE(form_.hints().showing());
  EXPECT_EQ(form_.hints().text(), "Papierkorb");
  SendMessageA(view(), WM_MOUSEMOVE, 0, at({7, 17}));
  EXPECT_EQ(form_.hints().text(), "Arbeitsplatz");
  SendMessageA(view(), WM_MOUSEMOVE, 0, at({200, 200}));
  EXPECT_FALSE(form_.hints().showing());
}

TEST_F(MinideskViewWin, MouseTakenAwayMidDragLeavesTheIconInPlace) {
  SendMessageA(view(), WM_LBUTTONDOWN, MK_LBUTTON, at({103, 113}));
  SendMessageA(view(), WM_MOUSEMOVE, MK_LBUTTON, at({150, 150}));
  ASSERT_EQ(GetCapture(), view());
  ReleaseCapture();  // as when another window takes the mouse
  EXPECT_FALSE(minidesk_.dragging());
  EXPECT_EQ(host_.log.back(), "refresh on");
  EXPECT_EQ(reported(0), (StandinItem{"Papierkorb", 300, 300}));
}

}  // namespace
}  // namespace orvx::minidesk
