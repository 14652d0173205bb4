#include "mainwin/main_menus_win.h"

#include <utility>

#include "lang/messages.h"

namespace orvx::mainwin {

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

  // Shown while a restore can be taken back (show_restore_menu).
  undo_separator_ = &PM_RESTORE.add_separator();
  undo_separator_->set_visible(false);
  pm_undo_restore_ = &PM_RESTORE.add({.name = "pm_undo_restore",
                                      .caption = std::string(lang::german_message("MSDLG_22")),
                                      .on_click = [this] { restore_choice_.item = RestoreMenuChoice::Item::UndoRestore; },
                                      .visible = false});
}

std::vector<NamedComponent*> MainMenus::components() const {
  std::vector<NamedComponent*> named;
  for (const ui::PopupMenu* menu : {&PM_DESKTOP, &PM_SAVE}) {
    for (const auto& item : menu->items()) {
      if (!item->component_name().empty()) named.push_back(item.get());
    }
  }
  named.push_back(pm_undo_restore_);
  return named;
}

void MainMenus::show_desktop_menu(HWND owner, ui::Point screen) { PM_DESKTOP.show(owner, screen); }

void MainMenus::fill_profile_items(const ProfileMenus& menus) {
  pm_select_profil_->clear();
  PM_RESTORE.remove(0, restore_profile_count_);
  restore_profile_count_ = 0;
  restore_profiles_.clear();
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
    PM_RESTORE.insert(restore_profile_count_++,
                      {.name = profile.component_name,
                       .caption = profile.profile_name,
                       .on_click =
                           [this, name = profile.profile_name] {
                             restore_choice_ = {RestoreMenuChoice::Item::Profile, name};
                           },
                       .literal_caption = true});
    restore_profiles_.push_back(profile.profile_name);
  }
  pm_select_profil_->set_visible(menus.select_profile_visible && !menus.items.empty());
}

SaveMenuChoice MainMenus::show_save_menu(HWND owner, ui::Point screen, const ProfileMenus& menus) {
  fill_profile_items(menus);
  save_choice_ = {};
  PM_SAVE.show(owner, screen);
  return std::exchange(save_choice_, {});
}

RestoreMenuChoice MainMenus::show_restore_menu(HWND owner, ui::Point screen, const ProfileMenus& menus,
                                               const RestoreMenuOptions& options) {
  fill_profile_items(menus);
  undo_separator_->set_visible(options.undo_offered && restore_profile_count_ > 0);
  pm_undo_restore_->set_visible(options.undo_offered);
  // A caption a language file gave the item stays; otherwise the message.
  if (pm_undo_restore_->caption() == lang::german_message("MSDLG_22") && !options.undo_caption.empty()) {
    pm_undo_restore_->set_caption(options.undo_caption);
  }
  restore_choice_ = {};
  ui::MenuHighlight highlight;
  if (options.on_preview) {
    highlight = [this, &options](ui::MenuItem* item) {
      const std::string* profile = nullptr;
      for (size_t i = 0; item && i < restore_profile_count_; ++i) {
        if (PM_RESTORE.items()[i].get() == item) profile = &restore_profiles_[i];
      }
      options.on_preview(profile);
    };
  }
  PM_RESTORE.show(owner, screen, TPM_LEFTALIGN | TPM_TOPALIGN, std::move(highlight));
  return std::exchange(restore_choice_, {});
}

}  // namespace orvx::mainwin
