#include "app/main_menus_win.h"

#include <utility>

namespace orvx::app {

MainMenus::MainMenus(DesktopMenuActions actions) {
  PM_DESKTOP.add({.name = "pm_refresh_desktop", .caption = "Aktualisieren",
                  .on_click = std::move(actions.pm_refresh_desktopClick)});
  PM_DESKTOP.add({.name = "pm_snaptogrid", .caption = "Am Raster ausrichten",
                  .on_click = std::move(actions.pm_snaptogridClick)});
  PM_DESKTOP.add_separator();
  PM_DESKTOP.add({.name = "pm_monitor_settings", .caption = "Eigenschaften von Anzeige",
                  .on_click = std::move(actions.pm_monitor_settingsClick)});
  PM_DESKTOP.add({.name = "pm_desktop_infos", .caption = "Desktop Infos", .visible = false});
  PM_DESKTOP.add_separator();
  PM_DESKTOP.add({.name = "pa_blog", .caption = "Quillfen Blog", .on_click = std::move(actions.pa_blogClick)});

  PM_SAVE.add({.name = "pm_save_standard", .caption = "Standard-Profil speichern...",
               .on_click = [this] { save_choice_.item = SaveMenuChoice::Item::SaveStandard; }});
  pm_select_profil_ = &PM_SAVE.add({.name = "pm_select_profil", .caption = "Profil wählen"});
  PM_SAVE.add({.name = "pm_new_profil", .caption = "Neu speichern...",
               .on_click = [this] { save_choice_.item = SaveMenuChoice::Item::NewProfile; }});
}

std::vector<NamedComponent*> MainMenus::components() const {
  std::vector<NamedComponent*> named;
  for (const ui::PopupMenu* menu : {&PM_DESKTOP, &PM_SAVE}) {
    for (const auto& item : menu->items()) {
      if (!item->component_name().empty()) named.push_back(item.get());
    }
  }
  return named;
}

void MainMenus::show_desktop_menu(HWND owner, ui::Point screen) { PM_DESKTOP.show(owner, screen); }

void MainMenus::fill_profile_items(const ProfileMenus& menus) {
  pm_select_profil_->clear();
  PM_RESTORE.clear();
  for (const ProfileMenuItem& profile : menus.items) {
    // The real name, shown literally: the menu doubles each "&" itself, so
    // the text handed to Windows is the escaped caption of the item.
    pm_select_profil_->add({.name = profile.component_name,
                            .caption = profile.profile_name,
                            .on_click =
                                [this, name = profile.profile_name] {
                                  save_choice_ = {SaveMenuChoice::Item::SaveIntoProfile, name};
                                },
                            .literal_caption = true});
    PM_RESTORE.add({.name = profile.component_name,
                    .caption = profile.profile_name,
                    .on_click = [this, name = profile.profile_name] { restore_choice_ = name; },
                    .literal_caption = true});
  }
  pm_select_profil_->set_visible(menus.select_profile_visible && !menus.items.empty());
}

SaveMenuChoice MainMenus::show_save_menu(HWND owner, ui::Point screen, const ProfileMenus& menus) {
  fill_profile_items(menus);
  save_choice_ = {};
  PM_SAVE.show(owner, screen);
  return std::exchange(save_choice_, {});
}

std::optional<std::string> MainMenus::show_restore_menu(HWND owner, ui::Point screen, const ProfileMenus& menus) {
  fill_profile_items(menus);
  restore_choice_.reset();
  PM_RESTORE.show(owner, screen);
  return std::exchange(restore_choice_, std::nullopt);
}

}  // namespace orvx::app
