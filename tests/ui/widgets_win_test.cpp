// The widgets on a live form: their texts through the named-component seam,
// their hints, clicks, the number field's clamp and the grouped sections.
#include <windows.h>

#include <gtest/gtest.h>

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

using test::send_click;
using test::window_text;

NamedComponent* component(Form& form, const std::string& name) {
  for (NamedComponent* c : form.owned_components()) {
    if (same_name(c->component_name(), name)) return c;
  }
  return nullptr;
}

class Widgets : public ::testing::Test {
 protected:
  void SetUp() override { test::pump_pending(); }
  test::WidgetForm form_;
};

TEST_F(Widgets, FormListsItsComponentsInOrder) {
  std::vector<std::string> names;
  for (NamedComponent* c : form_.owned_components()) names.push_back(c->component_name());
  EXPECT_EQ(names,
            (std::vector<std::string>{"caption_form", "desktop_frame", "versions_label", "link_1", "auto_check_icons",
                                      "auto_check_icons_value", "name_edit", "tab_container", "tab_1", "tab_2", "tab_3",
                                      "save_button", "form_status_button", "pm_refresh_desktop", "pa_blog"}));
}

TEST_F(Widgets, SettingTextsThroughTheSeamChangesWhatIsShown) {
  struct Case {
    const char* component;
    const char* property;
    const char* value;
    HWND shown_in;  // the window whose text must show the value; null: checked below
  } cases[] = {
      {"save_button", "Caption", "Save", form_.save_button->hwnd()},
      {"SAVE_BUTTON", "caption", "Save!", form_.save_button->hwnd()},  // names match without regard to case
      {"versions_label", "Caption", "Version: 2.0", form_.label->hwnd()},
      {"auto_check_icons", "Caption", "Saving\r\nfrequency", form_.check->hwnd()},
      {"tab_2", "Caption", "Profiles", form_.sections->section(1).hwnd()},
      {"link_1", "Caption", "<link>Home Page</link>", form_.link->hwnd()},
      {"name_edit", "Text", "Neues Profil", form_.edit->edit()},
      {"save_button", "Hint", "Save Current Position...", nullptr},
      {"form_status_button", "Hint", "Show/Hide Orvane X Minidesk", nullptr},
      {"auto_check_icons_value", "Hint", "Minutes", nullptr},
      {"pm_refresh_desktop", "Caption", "Refresh", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.component) + "." + c.property);
    NamedComponent* target = component(form_, c.component);
    ASSERT_NE(target, nullptr);
    EXPECT_TRUE(target->set_string_property(c.property, c.value));
    EXPECT_EQ(target->string_property(c.property), std::optional<std::string>(c.value));
    if (c.shown_in) {
      EXPECT_EQ(window_text(c.shown_in), c.value);
    }
  }
  EXPECT_EQ(form_.link->link_text(), "Home Page");
  EXPECT_EQ(form_.refresh_item->menu_text(), "Refresh");
  EXPECT_EQ(form_.save_button->hint(), "Save Current Position...");

  // The form's own caption is its title.
  EXPECT_TRUE(form_.set_string_property("Caption", "Settings"));
  EXPECT_EQ(window_text(form_.hwnd()), "Settings");
}

TEST_F(Widgets, PropertiesAWidgetDoesNotHaveAreRefused) {
  struct Case {
    const char* component;
    const char* property;
  } cases[] = {
      {"auto_check_icons_value", "Value"},  // a number, not a string
      {"auto_check_icons_value", "Caption"},
      {"desktop_frame", "Caption"},
      {"form_status_button", "Caption"},
      {"caption_form", "Caption"},  // the title belongs to the form
      {"save_button", "Text"},
      {"pm_refresh_desktop", "Hint"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.component) + "." + c.property);
    NamedComponent* target = component(form_, c.component);
    ASSERT_NE(target, nullptr);
    EXPECT_FALSE(target->string_property(c.property).has_value());
    EXPECT_FALSE(target->set_string_property(c.property, "x"));
  }
  EXPECT_EQ(form_.number->value(), 5);
}

TEST_F(Widgets, FlatButtonClicksOnlyWhenReleasedOverIt) {
  HWND b = form_.save_button->hwnd();
  send_click(b, 10, 5);
  EXPECT_EQ(form_.clicks, (std::vector<std::string>{"save"}));
  // Pressed, then dragged off and released outside: no click.
  SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
  SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 5));
  SendMessageA(b, WM_LBUTTONUP, 0, MAKELPARAM(200, 5));
  EXPECT_EQ(form_.clicks.size(), 1u);
  // Space on a focused button clicks; a disabled button never does.
  SendMessageA(b, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(form_.clicks.size(), 2u);
  form_.save_button->set_enabled(false);
  form_.save_button->click();
  EXPECT_EQ(form_.clicks.size(), 2u);
}

TEST_F(Widgets, CaptionBarButtonsAreRightAlignedAndClickable) {
  ASSERT_EQ(form_.caption->button_count(), 4u);
  HWND bar = form_.caption->hwnd();
  // Rightmost first: Beenden, then Minimieren, Über..., Einstellungen.
  for (size_t i = 0; i < 4; ++i) {
    const POINT button = test::caption_button_point(bar, i);
    send_click(bar, button.x, button.y);
  }
  EXPECT_EQ(form_.clicks, (std::vector<std::string>{"close", "minimize", "about", "settings"}));
  const POINT leftmost = test::caption_button_point(bar, 3);
  send_click(bar, leftmost.x - style::kCaptionButtonWidth, leftmost.y);  // the title area is no button
  EXPECT_EQ(form_.clicks.size(), 4u);
}

TEST_F(Widgets, CaptionBarDragMovesTheForm) {
  RECT before{};
  GetWindowRect(form_.hwnd(), &before);
  HWND bar = form_.caption->hwnd();
  // The mouse messages and the cursor agree, as they do when a user drags:
  // Windows sends its own mouse move when a window moves under the cursor.
  auto move_cursor_to = [&](int client_x, int client_y) {
    POINT p{client_x, client_y};
    ClientToScreen(bar, &p);
    SetCursorPos(p.x, p.y);
    return MAKELPARAM(client_x, client_y);
  };
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, move_cursor_to(50, 10));
  SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, move_cursor_to(80, 25));  // +30, +15 on screen
  RECT after{};
  GetWindowRect(form_.hwnd(), &after);
  EXPECT_EQ(after.left - before.left, 30);
  EXPECT_EQ(after.top - before.top, 15);
  // The window moved with the cursor: the same screen point is (50, 10) again.
  SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, move_cursor_to(40, 5));  // -10, -5 more
  SendMessageA(bar, WM_LBUTTONUP, 0, move_cursor_to(40, 5));
  test::pump_pending();
  GetWindowRect(form_.hwnd(), &after);
  EXPECT_EQ(after.left - before.left, 20);
  EXPECT_EQ(after.top - before.top, 10);
  EXPECT_NE(GetCapture(), bar);
  // Moving without a press no longer drags.
  SendMessageA(bar, WM_MOUSEMOVE, 0, move_cursor_to(100, 10));
  RECT still{};
  GetWindowRect(form_.hwnd(), &still);
  EXPECT_EQ(still.left, after.left);
  EXPECT_TRUE(form_.clicks.empty());
}

TEST_F(Widgets, CheckBoxTogglesOnClickOnly) {
  EXPECT_FALSE(form_.check->checked());
  send_click(form_.check->hwnd(), 5, 5);
  EXPECT_TRUE(form_.check->checked());
  EXPECT_EQ(form_.clicks, (std::vector<std::string>{"check"}));
  form_.check->set_checked(false);  // from code: no click event
  EXPECT_FALSE(form_.check->checked());
  EXPECT_EQ(form_.clicks.size(), 1u);
  SendMessageA(form_.check->hwnd(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_TRUE(form_.check->checked());
}

TEST_F(Widgets, NumberFieldClampsWhenItLosesTheFocus) {
  struct Case {
    const char* typed;
    const char* shown;
    int value;
  } cases[] = {
      {"75", "60", 60}, {"0", "1", 1}, {"", "1", 1}, {"30", "30", 30}, {"0007", "7", 7},
  };
  HWND edit = form_.number->edit();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    SetFocus(edit);
    SetWindowTextA(edit, c.typed);
    SetFocus(form_.edit->edit());
    test::pump_pending();
    EXPECT_EQ(window_text(edit), c.shown);
    EXPECT_EQ(form_.number->value(), c.value);
  }
  EXPECT_EQ(form_.number_changes, 4);  // every case that had to change the text
  // The arrows step within the range too.
  form_.number->set_value(59);
  SendMessageA(edit, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(form_.number->value(), 60);
  SendMessageA(edit, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(window_text(edit), "60");
}

TEST_F(Widgets, ExpandingASectionCollapsesTheOthers) {
  SectionGroup& group = *form_.sections;
  auto header_click = [&](size_t i) { send_click(group.section(i).hwnd(), 50, 10); };
  auto top_of = [&](size_t i) { return group.section(i).bounds().top; };
  EXPECT_FALSE(group.expanded().has_value());
  EXPECT_EQ(top_of(2), 40);  // three 20-pixel headers

  header_click(1);
  EXPECT_EQ(group.expanded(), 1u);
  EXPECT_TRUE(group.section(1).expanded());
  EXPECT_TRUE(IsWindowVisible(group.section(1).body()));
  EXPECT_EQ(top_of(2), 100);  // below the open body of 60

  header_click(0);
  EXPECT_EQ(group.expanded(), 0u);
  EXPECT_FALSE(group.section(1).expanded());
  EXPECT_FALSE(IsWindowVisible(group.section(1).body()));
  EXPECT_EQ(top_of(1), 80);
  EXPECT_EQ(top_of(2), 100);

  header_click(0);  // the open one closes: all collapsed
  EXPECT_FALSE(group.expanded().has_value());
  EXPECT_EQ(form_.expanded_by_click, (std::vector<size_t>{1, 0}));

  group.expand(2);  // from code, as the settings dialog opens a page
  EXPECT_EQ(group.expanded(), 2u);
  EXPECT_EQ(form_.expanded_by_click.size(), 2u);
}

TEST_F(Widgets, LinkLabelClicksOnlyOnItsLink) {
  form_.link->set_caption("Kein Link hier <link>x</link>");
  send_click(form_.link->hwnd(), 2, 5);
  EXPECT_TRUE(form_.clicks.empty());
  form_.link->set_caption("<link>Homepage</link>");
  send_click(form_.link->hwnd(), 2, 5);
  EXPECT_EQ(form_.clicks, (std::vector<std::string>{"link"}));
  send_click(form_.link->hwnd(), 195, 5);  // beyond the text
  EXPECT_EQ(form_.clicks.size(), 1u);
}

COLORREF pixel_of(HWND hwnd, int x, int y) {
  UpdateWindow(hwnd);
  HDC dc = GetDC(hwnd);
  COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return c;
}

TEST_F(Widgets, PictureButtonShowsTheToggleBitmaps) {
  PictureButton& p = *form_.status_button;
  EXPECT_EQ(p.picture(), "B_CLOSE");
  // The arrow is white in the middle, the strip colour at the edge.
  EXPECT_EQ(pixel_of(p.hwnd(), 12, 11), RGB(255, 255, 255));
  EXPECT_EQ(pixel_of(p.hwnd(), 3, 3), colorref(style::kChrome));
  p.set_picture("B_OPEN");
  EXPECT_EQ(p.picture(), "B_OPEN");
  p.set_picture("NO_SUCH_PICTURE");
  EXPECT_EQ(p.picture(), "");
  send_click(p.hwnd(), 12, 11);
  EXPECT_EQ(form_.clicks, (std::vector<std::string>{"status"}));
}

TEST_F(Widgets, PanelClickReportsThePoint) {
  send_click(form_.panel->hwnd(), 100, 50);
  ASSERT_EQ(form_.panel_clicks.size(), 1u);
  EXPECT_EQ(form_.panel_clicks[0], (Point{100, 50}));
}

}  // namespace
}  // namespace orvx::ui
