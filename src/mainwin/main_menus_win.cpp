#include "mainwin/main_menus_win.h"

#include <utility>

#include "lang/messages.h"
#include "platform/message_ids.h"
#include "mainwin/main_window_components.h"

namespace orvx::mainwin {

MainMenus::MainMenus(DesktopMenuActions actions) {
  desktop_menu_.add({.name = components::kRefreshDesktopItem.name,
                     .caption = "Aktualisieren",
                     .on_click = std::move(actions.on_refresh_desktop_clicked)});
  desktop_menu_.add({.name = components::kSnapToGridItem.name,
                     .caption = "Am Raster ausrichten",
                     .on_click = std::move(actions.on_snap_to_grid_clicked)});
  desktop_menu_.add_separator();
  desktop_menu_.add({.name = components::kDisplaySettingsItem.name,
                     .caption = "Eigenschaften von Anzeige",
                     .on_click = std::move(actions.on_display_settings_clicked)});
  desktop_menu_.add({.name = components::kDesktopInfosItem.name, .caption = "Desktop Infos", .visible = false});
  desktop_menu_.add_separator();
  desktop_menu_.add(
      {.name = components::kBlogItem.name, .caption = "Quillfen Blog", .on_click = std::move(actions.on_blog_clicked)});

  save_menu_.add({.name = components::kSaveStandardItem.name,
                  .caption = "Standard-Profil speichern...",
                  .on_click = [this] { save_choice_.item = SaveMenuChoice::Item::kSaveStandard; }});
  choose_profile_item_ = &save_menu_.add({.name = components::kChooseProfileItem.name, .caption = "Profil wählen"});
  save_menu_.add({.name = components::kSaveNewProfileItem.name, .caption = "Neu speichern...", .on_click = [this] {
                    save_choice_.item = SaveMenuChoice::Item::kNewProfile;
                  }});

  // Shown while a restore can be taken back (show_restore_menu).
  undo_separator_ = &restore_menu_.add_separator();
  undo_separator_->set_visible(false);
  undo_restore_item_ =
      &restore_menu_.add({.name = components::kUndoRestoreItem.name,
                          .caption = std::string(lang::german_message(message_ids::kUndoLastRestore)),
                          .on_click = [this] { restore_choice_.item = RestoreMenuChoice::Item::kUndoRestore; },
                          .visible = false});
}

std::vector<NamedComponent*> MainMenus::components() const {
  std::vector<NamedComponent*> named;
  for (const ui::PopupMenu* menu : {&desktop_menu_, &save_menu_}) {
    for (const auto& item : menu->items()) {
      if (!item->component_name().empty()) named.push_back(item.get());
    }
  }
  named.push_back(undo_restore_item_);
  return named;
}

void MainMenus::show_desktop_menu(HWND owner, ui::Point screen) { desktop_menu_.show(owner, screen); }

void MainMenus::fill_profile_items(const ProfileMenus& menus) {
  choose_profile_item_->clear();
  restore_menu_.remove(0, restore_profile_count_);
  restore_profile_count_ = 0;
  restore_profiles_.clear();
  for (const ProfileMenuItem& profile : menus.items) {
    // The real name, shown literally: the menu doubles each "&" itself, so
    // the text handed to Windows is the escaped caption of the item.
    choose_profile_item_->add({.name = profile.component_name,
                               .caption = profile.profile_name,
                               .on_click =
                                   [this, name = profile.profile_name] {
                                     save_choice_ = {SaveMenuChoice::Item::kSaveIntoProfile, name};
                                   },
                               .literal_caption = true});
    restore_menu_.insert(restore_profile_count_++, {.name = profile.component_name,
                                                    .caption = profile.profile_name,
                                                    .on_click =
                                                        [this, name = profile.profile_name] {
                                                          restore_choice_ = {RestoreMenuChoice::Item::kProfile, name};
                                                        },
                                                    .literal_caption = true});
    restore_profiles_.push_back(profile.profile_name);
  }
  choose_profile_item_->set_visible(menus.select_profile_visible && !menus.items.empty());
}

SaveMenuChoice MainMenus::show_save_menu(HWND owner, ui::Point screen, const ProfileMenus& menus) {
  fill_profile_items(menus);
  save_choice_ = {};
  save_menu_.show(owner, screen);
  return std::exchange(save_choice_, {});
}

RestoreMenuChoice MainMenus::show_restore_menu(HWND owner, ui::Point screen, const ProfileMenus& menus,
                                               const RestoreMenuOptions& options) {
  fill_profile_items(menus);
  undo_separator_->set_visible(options.undo_offered && restore_profile_count_ > 0);
  undo_restore_item_->set_visible(options.undo_offered);
  // A caption a language file gave the item stays; otherwise the message.
  if (undo_restore_item_->caption() == lang::german_message(message_ids::kUndoLastRestore) &&
      !options.undo_caption.empty()) {
    undo_restore_item_->set_caption(options.undo_caption);
  }
  restore_choice_ = {};
  ui::MenuHighlight highlight;
  if (options.on_preview) {
    highlight = [this, &options](ui::MenuItem* item) {
      const std::string* profile = nullptr;
      for (size_t i = 0; item && i < restore_profile_count_; ++i) {
        if (restore_menu_.items()[i].get() == item) profile = &restore_profiles_[i];
      }
      options.on_preview(profile);
    };
  }
  restore_menu_.show(owner, screen, TPM_LEFTALIGN | TPM_TOPALIGN, std::move(highlight));
  return std::exchange(restore_choice_, {});
}

}  // namespace orvx::mainwin
