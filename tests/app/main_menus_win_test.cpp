// The main window's menus: their fixed items as the translation engine and
// Windows see them, and profile items that hand back their real names.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/main_menus_win.h"
#include "support/input_win.h"
#include "support/modal_driver_win.h"
#include "support/recording_reporter.h"
#include "support/wait_win.h"
#include "support/windows_win.h"
#include "ui/widget_form_win.h"

namespace orvx::app {
namespace {

std::string menu_string(HMENU menu, int position) {
  char buffer[256] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), buffer, sizeof buffer, MF_BYPOSITION);
  return buffer;
}

bool is_separator(HMENU menu, int position) {
  return (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_SEPARATOR) != 0;
}

// Two profiles whose names a menu would misread: an accelerator mark and a
// separator.
const ProfileMenus kTrickyProfiles{true, {{"a&b", "a&&b", "M_0"}, {"-", "-", "M_1"}}};

TEST(MainMenus, FixedItemsAreNamedComponentsInMenuOrder) {
  MainMenus menus({});
  std::vector<std::string> names;
  for (NamedComponent* item : menus.components()) names.push_back(item->component_name());
  EXPECT_EQ(names, (std::vector<std::string>{"pm_refresh_desktop", "pm_snaptogrid", "pm_monitor_settings",
                                             "pm_desktop_infos", "pa_blog", "pm_save_standard", "pm_select_profil",
                                             "pm_new_profil"}));

  ui::PopupMenu::Built desktop = menus.desktop_menu().build();
  HMENU menu = desktop.menu.get();
  ASSERT_EQ(GetMenuItemCount(menu), 6);  // "Desktop Infos" stays hidden
  EXPECT_EQ(menu_string(menu, 0), "Aktualisieren");
  EXPECT_EQ(menu_string(menu, 1), "Am Raster ausrichten");
  EXPECT_TRUE(is_separator(menu, 2));
  EXPECT_EQ(menu_string(menu, 3), "Eigenschaften von Anzeige");
  EXPECT_TRUE(is_separator(menu, 4));
  EXPECT_EQ(menu_string(menu, 5), "Quillfen Blog");
}

TEST(MainMenus, SaveMenuListsProfilesOnlyWhenThereAreAny) {
  MainMenus menus({});
  menus.fill_profile_items(ProfileMenus{});
  ui::PopupMenu::Built empty = menus.save_menu().build();
  ASSERT_EQ(GetMenuItemCount(empty.menu.get()), 2);
  EXPECT_EQ(menu_string(empty.menu.get(), 0), "Standard-Profil speichern...");
  EXPECT_EQ(menu_string(empty.menu.get(), 1), "Neu speichern...");

  menus.fill_profile_items(kTrickyProfiles);
  ui::PopupMenu::Built save = menus.save_menu().build();
  ASSERT_EQ(GetMenuItemCount(save.menu.get()), 3);
  EXPECT_EQ(menu_string(save.menu.get(), 1), "Profil w\xE4hlen");
  HMENU profiles = GetSubMenu(save.menu.get(), 1);
  ASSERT_NE(profiles, nullptr);
  ui::PopupMenu::Built restore = menus.restore_menu().build();
  for (HMENU menu : {profiles, restore.menu.get()}) {
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(menu_string(menu, 0), "a&&b");  // shown as "a&b"
    EXPECT_EQ(menu_string(menu, 1), "-");
    EXPECT_FALSE(is_separator(menu, 1));
  }
}

// Shows a menu of `form` and presses `keys` in its menu loop, each submenu
// waited for before the keys go into it.
template <typename Show>
auto choose_with_keys(test::WidgetForm& form, std::vector<WPARAM> keys, Show show) {
  test::Driver driver([&form, keys] {
    if (!test::wait_own_window("#32768", nullptr)) return false;
    return test::post_menu_keys(form.hwnd(), keys);
  });
  auto chosen = show();
  EXPECT_TRUE(driver.join());
  return chosen;
}

TEST(MainMenus, RestoreMenuHandsBackTheRealNameOfTheChosenProfile) {
  struct Case {
    std::vector<WPARAM> keys;
    std::optional<std::string> chosen;
  };
  const Case cases[] = {
      {{VK_DOWN, VK_RETURN}, "a&b"},
      {{VK_DOWN, VK_DOWN, VK_RETURN}, "-"},
      {{VK_ESCAPE}, std::nullopt},
  };
  test::WidgetForm form;
  MainMenus menus({});
  for (const Case& c : cases) {
    EXPECT_EQ(choose_with_keys(form, c.keys,
                               [&] { return menus.show_restore_menu(form.hwnd(), {150, 150}, kTrickyProfiles); }),
              c.chosen);
  }
}

TEST(MainMenus, SaveMenuHandsBackWhatWasChosen) {
  using Item = SaveMenuChoice::Item;
  struct Case {
    std::vector<WPARAM> keys;
    Item item;
    std::string profile_name;
  };
  const Case cases[] = {
      {{VK_DOWN, VK_RETURN}, Item::SaveStandard, ""},
      {{VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}, Item::SaveIntoProfile, "a&b"},
      {{VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}, Item::SaveIntoProfile, "-"},
      {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, Item::NewProfile, ""},
      {{VK_ESCAPE}, Item::None, ""},
  };
  test::WidgetForm form;
  MainMenus menus({});
  for (const Case& c : cases) {
    const SaveMenuChoice choice = choose_with_keys(
        form, c.keys, [&] { return menus.show_save_menu(form.hwnd(), {150, 150}, kTrickyProfiles); });
    EXPECT_EQ(choice.item, c.item);
    EXPECT_EQ(choice.profile_name, c.profile_name);
  }
}

}  // namespace
}  // namespace orvx::app
