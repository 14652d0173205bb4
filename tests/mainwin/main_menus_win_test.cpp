// The main window's menus: their fixed items as the translation engine and
// Windows see them, and profile items that hand back their real names.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "mainwin/main_menus_win.h"
#include "lang/messages.h"
#include "support/input_win.h"
#include "support/modal_driver_win.h"
#include "support/recording_reporter.h"
#include "support/wait_win.h"
#include "support/windows_win.h"
#include "ui/widget_form_win.h"
#include "platform/message_ids.h"

namespace orvx::mainwin {
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
                                             "pm_new_profil", "pm_undo_restore"}));

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

TEST(MainMenus, RestoreMenuHandsBackTheRealNameOfTheChosenProfileOrTheUndo) {
  using Item = RestoreMenuChoice::Item;
  struct Case {
    bool undo_offered;
    std::vector<WPARAM> keys;
    Item item;
    std::string profile_name;
  };
  const Case cases[] = {
      {false, {VK_DOWN, VK_RETURN}, Item::kProfile, "a&b"},
      {false, {VK_DOWN, VK_DOWN, VK_RETURN}, Item::kProfile, "-"},
      {false, {VK_ESCAPE}, Item::kNone, ""},
      // The undo item comes after the separator below the profiles.
      {true, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, Item::kUndoRestore, ""},
      // Without it the selection wraps round to the first profile.
      {false, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, Item::kProfile, "a&b"},
  };
  test::WidgetForm form;
  MainMenus menus({});
  for (const Case& c : cases) {
    const RestoreMenuChoice choice = choose_with_keys(form, c.keys, [&] {
      return menus.show_restore_menu(form.hwnd(), {150, 150}, kTrickyProfiles,
                                     {.undo_offered = c.undo_offered, .undo_caption = "Undo"});
    });
    EXPECT_EQ(choice.item, c.item);
    EXPECT_EQ(choice.profile_name, c.profile_name);
  }
}

TEST(MainMenus, RestoreMenuCaptionsTheUndoItemUnlessALanguageFileDid) {
  MainMenus menus({});
  const ui::MenuItem* undo = nullptr;
  for (NamedComponent* component : menus.components()) {
    if (component->component_name() == "pm_undo_restore") undo = dynamic_cast<const ui::MenuItem*>(component);
  }
  ASSERT_NE(undo, nullptr);
  EXPECT_EQ(undo->caption(), lang::german_message(message_ids::kUndoLastRestore));
  EXPECT_FALSE(undo->visible());

  test::WidgetForm form;
  choose_with_keys(form, {VK_ESCAPE}, [&] {
    return menus.show_restore_menu(form.hwnd(), {150, 150}, kTrickyProfiles,
                                   {.undo_offered = true, .undo_caption = "Undo last restore"});
  });
  EXPECT_EQ(undo->caption(), "Undo last restore");
  EXPECT_TRUE(undo->visible());

  // A caption a language file set stays.
  MainMenus translated({});
  for (NamedComponent* component : translated.components()) {
    if (component->component_name() == "pm_undo_restore") component->set_string_property("Caption", "Annuler");
  }
  choose_with_keys(form, {VK_ESCAPE}, [&] {
    return translated.show_restore_menu(form.hwnd(), {150, 150}, kTrickyProfiles,
                                        {.undo_offered = true, .undo_caption = "Undo last restore"});
  });
  for (NamedComponent* component : translated.components()) {
    if (component->component_name() == "pm_undo_restore") {
      EXPECT_EQ(component->string_property("Caption"), "Annuler");
    }
  }
}

// The selection moving over the menu, by keys, is told as the profile under
// it; leaving the profiles and closing the menu take it away.
TEST(MainMenus, RestoreMenuTellsTheProfileUnderTheSelection) {
  test::WidgetForm form;
  MainMenus menus({});
  form.on_message = [&menus](UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_MENUSELECT) menus.menu_select(wp, lp);
  };
  std::vector<std::string> previews;
  RestoreMenuOptions options{.undo_offered = true, .undo_caption = "Undo", .on_preview = [&](const std::string* name) {
                               previews.push_back(name ? *name : "(none)");
                             }};
  choose_with_keys(form, {VK_DOWN, VK_DOWN, VK_DOWN, VK_ESCAPE}, [&] {
    return menus.show_restore_menu(form.hwnd(), {150, 150}, kTrickyProfiles, options);
  });
  form.on_message = nullptr;
  // Repeats of one selection do not matter, nor a first notice of the
  // opening menu with nothing selected; the order does.
  std::vector<std::string> distinct;
  for (const std::string& p : previews) {
    if (distinct.empty() ? p != "(none)" : distinct.back() != p) distinct.push_back(p);
  }
  EXPECT_EQ(distinct, (std::vector<std::string>{"a&b", "-", "(none)"}));
}

TEST(MainMenus, SaveMenuHandsBackWhatWasChosen) {
  using Item = SaveMenuChoice::Item;
  struct Case {
    std::vector<WPARAM> keys;
    Item item;
    std::string profile_name;
  };
  const Case cases[] = {
      {{VK_DOWN, VK_RETURN}, Item::kSaveStandard, ""},
      {{VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}, Item::kSaveIntoProfile, "a&b"},
      {{VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}, Item::kSaveIntoProfile, "-"},
      {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, Item::kNewProfile, ""},
      {{VK_ESCAPE}, Item::kNone, ""},
  };
  test::WidgetForm form;
  MainMenus menus({});
  for (const Case& c : cases) {
    const SaveMenuChoice choice = choose_with_keys(form, c.keys, [&] {
      return menus.show_save_menu(form.hwnd(), {150, 150}, kTrickyProfiles);
    });
    EXPECT_EQ(choice.item, c.item);
    EXPECT_EQ(choice.profile_name, c.profile_name);
  }
}

}  // namespace
}  // namespace orvx::mainwin
