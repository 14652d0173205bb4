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
  icons::ReadMinideskIcons(desktop,
                           [&window](const DesktopIcons& icons) { window.BuildMinidesk(icons); });
}

void on_save_clicked(const MainContext& context, MainWindowOps& window) {
  const SaveMenuChoice choice = window.show_save_menu(BuildProfileMenus(context.folders.data));
  switch (choice.item) {
    case SaveMenuChoice::Item::None:
      break;
    case SaveMenuChoice::Item::SaveStandard:
      on_save_standard_clicked(context);
      break;
    case SaveMenuChoice::Item::SaveIntoProfile:
      on_save_profile_item_clicked(context, choice.profile_name);
      break;
    case SaveMenuChoice::Item::NewProfile:
      on_save_new_profile_clicked(context);
      break;
  }
  refresh_unless_live(context, window);
}

void on_restore_clicked(const MainContext& context, MainWindowOps& window) {
  if (icons::CheckDesktopArrangement(context.desktop, context.prompts,
                                     context.translator.message(message_ids::kArrangementBlocksRestore))) {
    const RestoreMenuChoice chosen =
        window.show_restore_menu(BuildProfileMenus(context.folders.data), context.restore_undo.available());
    switch (chosen.item) {
      case RestoreMenuChoice::Item::None:
        break;
      case RestoreMenuChoice::Item::Profile:
        on_restore_profile_item_clicked(context, chosen.profile_name);
        break;
      case RestoreMenuChoice::Item::UndoRestore:
        on_undo_restore_clicked(context);
        break;
    }
  }
  refresh_unless_live(context, window);
}

void on_save_standard_clicked(const MainContext& context) {
  SaveChosenStandardProfile(context.profiles(), context.settings.standard_profile);
}

void on_save_hotkey(const MainContext& context) { on_save_standard_clicked(context); }

void on_auto_save_timer(const MainContext& context) {
  SaveChosenStandardProfile(context.profiles(), context.settings.standard_profile, SaveTrigger::automatic);
}

void on_save_profile_item_clicked(const MainContext& context, const std::string& profile_name) {
  SaveProfile(context.profiles(), ProfileFileName(context.folders.data, profile_name));
}

void on_restore_profile_item_clicked(const MainContext& context, const std::string& profile_name) {
  RestoreProfile(context.profiles(), ProfileFileName(context.folders.data, profile_name));
}

void on_undo_restore_clicked(const MainContext& context) { UndoLastRestore(context.profiles()); }

void on_snap_to_grid_clicked(const MainContext& context) { SnapIconsToGrid(context.profiles()); }

}  // namespace orvx::mainwin
