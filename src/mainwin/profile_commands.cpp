#include "mainwin/profile_commands.h"

#include "mainwin/name_prompt.h"
#include "icons/arrangement_guard.h"
#include "icons/minidesk_icons.h"
#include "profiles/profile_menus.h"
#include "profiles/profile_store.h"
#include "profiles/save_restore.h"
#include "platform/message_ids.h"

namespace orvx::mainwin {
namespace {

void refresh_unless_live(const MainContext& context, MinideskOps& window) {
  if (!context.settings.live_desktop) on_refresh_desktop_clicked(window, context.desktop);
}

}  // namespace

void on_refresh_desktop_clicked(MinideskOps& window, icons::DesktopAccess& desktop) {
  window.update_layout();
  icons::read_minidesk_icons(desktop, [&window](const DesktopIcons& icons) { window.build_minidesk(icons); });
}

void on_save_clicked(const MainContext& context, MainWindowOps& window) {
  const SaveMenuChoice choice = window.show_save_menu(build_profile_menus(context.folders.data));
  switch (choice.item) {
    case SaveMenuChoice::Item::kNone:
      break;
    case SaveMenuChoice::Item::kSaveStandard:
      on_save_standard_clicked(context);
      break;
    case SaveMenuChoice::Item::kSaveIntoProfile:
      on_save_profile_item_clicked(context, choice.profile_name);
      break;
    case SaveMenuChoice::Item::kNewProfile:
      on_save_new_profile_clicked(context);
      break;
  }
  refresh_unless_live(context, window);
}

void on_restore_clicked(const MainContext& context, MainWindowOps& window) {
  if (icons::check_desktop_arrangement(context.desktop, context.prompts,
                                       context.translator.message(message_ids::kArrangementBlocksRestore))) {
    const RestoreMenuChoice chosen =
        window.show_restore_menu(build_profile_menus(context.folders.data), context.restore_undo.available());
    switch (chosen.item) {
      case RestoreMenuChoice::Item::kNone:
        break;
      case RestoreMenuChoice::Item::kProfile:
        on_restore_profile_item_clicked(context, chosen.profile_name);
        break;
      case RestoreMenuChoice::Item::kUndoRestore:
        on_undo_restore_clicked(context);
        break;
    }
  }
  refresh_unless_live(context, window);
}

void on_save_standard_clicked(const MainContext& context) {
  save_chosen_standard_profile(context.profiles(), context.settings.standard_profile);
}

void on_save_hotkey(const MainContext& context) { on_save_standard_clicked(context); }

void on_auto_save_timer(const MainContext& context) {
  save_chosen_standard_profile(context.profiles(), context.settings.standard_profile, SaveTrigger::kAutomatic);
}

void on_save_profile_item_clicked(const MainContext& context, const std::string& profile_name) {
  save_profile(context.profiles(), profile_file_name(context.folders.data, profile_name));
}

void on_restore_profile_item_clicked(const MainContext& context, const std::string& profile_name) {
  restore_profile(context.profiles(), profile_file_name(context.folders.data, profile_name));
}

void on_undo_restore_clicked(const MainContext& context) { undo_last_restore(context.profiles()); }

void on_snap_to_grid_clicked(const MainContext& context) { snap_icons_to_grid(context.profiles()); }

}  // namespace orvx::mainwin
