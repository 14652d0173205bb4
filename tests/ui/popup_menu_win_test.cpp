// Popup menus built in code: the menu as Windows sees it, literal "&" in
// captions, and the chosen item's handler.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/popup_menu_win.h"
#include "support/input_win.h"
#include "support/modal_driver_win.h"
#include "support/recording_reporter.h"
#include "support/wait_win.h"
#include "support/windows_win.h"
#include "widget_form_win.h"

namespace orvx::ui {
namespace {

std::string menu_string(HMENU menu, UINT position) {
  char buffer[256] = {};
  GetMenuStringA(menu, position, buffer, sizeof(buffer), MF_BYPOSITION);
  return buffer;
}

struct ProfileMenu {
  std::vector<std::string> chosen;
  PopupMenu menu;
  ProfileMenu() {
    menu.add({.name = "pm_save_standard", .caption = "Standard-Profil &speichern...", .on_click = [this] {
                chosen.push_back("standard");
              }});
    MenuItem& select = menu.add({.name = "pm_select_profil", .caption = "Profil wählen"});
    for (const char* profile : {"ORV - 1280x1024", "a&b", "Büro && Haus", "-"}) {
      select.add(
          {.caption = profile, .on_click = [this, profile] { chosen.push_back(profile); }, .literal_caption = true});
    }
    menu.add_separator();
    menu.add({.name = "pm_desktop_infos", .caption = "Desktop Infos", .visible = false});
    menu.add({.name = "pm_new_profil", .caption = "Neu speichern...", .on_click = [this] { chosen.push_back("new"); }});
  }
};

TEST(PopupMenu, BuiltMenuShowsCaptionsAndKeepsLiteralAmpersands) {
  ProfileMenu m;
  PopupMenu::Built built = m.menu.build();
  HMENU root = built.menu.get();
  ASSERT_EQ(GetMenuItemCount(root), 4);                              // the hidden item is left out
  EXPECT_EQ(menu_string(root, 0), "Standard-Profil &speichern...");  // an accelerator stays one
  EXPECT_EQ(menu_string(root, 1), "Profil wählen");
  EXPECT_EQ(GetMenuState(root, 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(menu_string(root, 3), "Neu speichern...");

  HMENU profiles = GetSubMenu(root, 1);
  ASSERT_NE(profiles, nullptr);
  // Profile names are shown as they are: "&" doubled so that Windows draws it.
  EXPECT_EQ(menu_string(profiles, 0), "ORV - 1280x1024");
  EXPECT_EQ(menu_string(profiles, 1), "a&&b");
  EXPECT_EQ(menu_string(profiles, 2), "Büro &&&& Haus");
  EXPECT_EQ(menu_string(profiles, 3), "-");  // a profile named "-" is no separator
  EXPECT_EQ(GetMenuState(profiles, 3, MF_BYPOSITION) & MF_SEPARATOR, 0u);

  // Each command id leads to its own item, which carries the real name.
  ASSERT_EQ(built.commands.size(), 6u);
  UINT id = GetMenuItemID(profiles, 1);
  ASSERT_GE(id, 1u);
  EXPECT_EQ(built.commands[id - 1]->caption(), "a&b");
  built.commands[id - 1]->click();
  EXPECT_EQ(m.chosen, (std::vector<std::string>{"a&b"}));
}

TEST(PopupMenu, CaptionsSetThroughTheSeamAppearAtTheNextShow) {
  ProfileMenu m;
  NamedComponent& item = *m.menu.items()[4];  // after the separator and the hidden item
  EXPECT_EQ(item.component_name(), "pm_new_profil");
  ASSERT_TRUE(item.set_string_property("Caption", "Re-save..."));
  PopupMenu::Built built = m.menu.build();
  EXPECT_EQ(menu_string(built.menu.get(), 3), "Re-save...");
}

TEST(PopupMenu, ShowRunsTheChosenItemsHandler) {
  test::WidgetForm form;
  ProfileMenu m;
  // The menu runs its own loop; keys posted to the thread choose an item:
  // down to the second entry, into its submenu (once it is open), down
  // once, Enter.
  test::Driver driver([&form] {
    if (!test::wait_own_window("#32768", nullptr)) return false;
    return test::post_menu_keys(form.hwnd(), {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});
  });
  bool chosen = m.menu.show(form.hwnd(), Point{150, 150});
  EXPECT_TRUE(driver.join());
  EXPECT_TRUE(chosen);
  EXPECT_EQ(m.chosen, (std::vector<std::string>{"a&b"}));
}

TEST(PopupMenu, ShowClosedWithoutAChoiceRunsNothing) {
  test::WidgetForm form;
  ProfileMenu m;
  test::Driver driver([&form] {
    if (!test::wait_own_window("#32768", nullptr)) return false;
    PostMessageA(form.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    return true;
  });
  EXPECT_FALSE(m.menu.show(form.hwnd(), Point{150, 150}));
  EXPECT_TRUE(driver.join());
  EXPECT_TRUE(m.chosen.empty());
}

}  // namespace
}  // namespace orvx::ui
