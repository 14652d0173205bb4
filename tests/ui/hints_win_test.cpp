// Styled hints: the hint of the widget under the mouse appears at once in
// the form's hint window, light, at most 300 pixels wide, and goes when the
// mouse leaves.
#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "ui/paint_win.h"
#include "ui/style.h"
#include "support/input_win.h"
#include "support/modal_driver_win.h"
#include "support/recording_reporter.h"
#include "support/wait_win.h"
#include "support/windows_win.h"
#include "widget_form_win.h"

namespace orvx::ui {
namespace {

using test::window_text;

class Hints : public ::testing::Test {
 protected:
  void SetUp() override {
    park_cursor();
    test::pump_pending();
  }
  void TearDown() override { park_cursor(); }

  // Puts the cursor over a point of `widget` and tells the widget, as the
  // system does when the mouse moves there.
  void hover(HWND widget, int x, int y) {
    POINT p{x, y};
    ClientToScreen(widget, &p);
    SetCursorPos(p.x, p.y);
    PostMessageA(widget, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  }
  // Near the screen's lower right corner, away from the form.
  static void park_cursor() { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 10, GetSystemMetrics(SM_CYSCREEN) - 14); }

  bool hint_shows(const std::string& text) {
    HWND hint = form_.hints().hwnd();
    return test::wait_for("IsWindowVisible(hint) && window_text(hint) == text",
                          [&] { return IsWindowVisible(hint) && window_text(hint) == text; });
  }
  bool hint_hidden() {
    return test::wait_for("!IsWindowVisible(form.hints().hwnd())",
                          [&] { return !IsWindowVisible(form_.hints().hwnd()); });
  }

  test::WidgetForm form_;
};

TEST_F(Hints, HoveredWidgetShowsItsHintAndLeavingHidesIt) {
  hover(form_.save_button->hwnd(), 10, 5);
  ASSERT_TRUE(hint_shows("Aktuelle Position speichern..."));
  // The box lies below the cursor, on the light hint colour.
  RECT box{};
  GetWindowRect(form_.hints().hwnd(), &box);
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_GT(box.top, cursor.y);
  HDC dc = GetDC(form_.hints().hwnd());
  EXPECT_EQ(GetPixel(dc, 2, 2), colorref(style::kHintBackground));
  ReleaseDC(form_.hints().hwnd(), dc);

  park_cursor();
  EXPECT_TRUE(hint_hidden());
}

TEST_F(Hints, HintChangedThroughTheSeamIsShownAtTheNextHover) {
  ASSERT_TRUE(form_.save_button->set_string_property("Hint", "Save Current Position..."));
  hover(form_.save_button->hwnd(), 10, 5);
  EXPECT_TRUE(hint_shows("Save Current Position..."));
  // A hint that holds a standard control (the number field's edit) shows
  // over that control too.
  ASSERT_TRUE(form_.number->set_string_property("Hint", "Minuten"));
  hover(form_.number->edit(), 5, 5);
  EXPECT_TRUE(hint_shows("Minuten"));
}

TEST_F(Hints, CaptionBarButtonsHaveTheirOwnHints) {
  HWND bar = form_.caption->hwnd();
  const char* hints[] = {"Beenden", "Minimieren", "Über...", "Einstellungen"};  // from the right
  for (size_t i = 0; i < std::size(hints); ++i) {
    const POINT button = test::caption_button_point(bar, i);
    hover(bar, button.x, button.y);
    EXPECT_TRUE(hint_shows(hints[i])) << hints[i];
  }
}

TEST_F(Hints, LongHintIsWrappedToAtMost300Pixels) {
  std::string long_hint =
      "Orvane wird beim Windows-Start geladen und in die System Tray minimiert, damit die Positionen der "
      "Symbole jederzeit gesichert werden können";
  form_.check->set_hint(long_hint);
  hover(form_.check->hwnd(), 5, 5);
  ASSERT_TRUE(hint_shows(long_hint));
  RECT box{};
  GetWindowRect(form_.hints().hwnd(), &box);
  // Wrapped lines end at word breaks, so the box may be a little narrower.
  EXPECT_LE(box.right - box.left, style::kHintMaxWidth);
  EXPECT_GT(box.right - box.left, style::kHintMaxWidth - 40);
  EXPECT_GT(box.bottom - box.top, 30);  // more than one line

  // A short hint keeps a narrow box.
  form_.save_button->set_hint("Kurz");
  hover(form_.save_button->hwnd(), 10, 5);
  ASSERT_TRUE(hint_shows("Kurz"));
  GetWindowRect(form_.hints().hwnd(), &box);
  EXPECT_LT(box.right - box.left, 100);
}

TEST_F(Hints, WidgetWithoutHintShowsNone) {
  hover(form_.save_button->hwnd(), 10, 5);
  ASSERT_TRUE(hint_shows("Aktuelle Position speichern..."));
  hover(form_.edit->edit(), 5, 5);  // the edit field has no hint
  EXPECT_TRUE(hint_hidden());
}

TEST_F(Hints, PressingTheMouseHidesTheHint) {
  hover(form_.status_button->hwnd(), 5, 5);
  ASSERT_TRUE(hint_shows("Minidesk einblenden/ausblenden"));
  SendMessageA(form_.status_button->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(form_.status_button->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(IsWindowVisible(form_.hints().hwnd()));
}

TEST_F(Hints, HidingTheFormHidesItsHint) {
  hover(form_.save_button->hwnd(), 10, 5);
  ASSERT_TRUE(hint_shows("Aktuelle Position speichern..."));
  ShowWindow(form_.hwnd(), SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(form_.hints().hwnd()));
}

}  // namespace
}  // namespace orvx::ui
