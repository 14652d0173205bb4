#include "mainwin/profile_commands.h"

#include "mainwin/name_prompt.h"
#include "icons/arrangement_guard.h"
#include "icons/minidesk_icons.h"
#include "profiles/profile_menus.h"
#include "profiles/profile_store.h"
#include "profiles/save_restore.h"

namespace orvx::mainwin {
namespace {

void refresh_unless_live(const MainContext& context, MinideskOps& window) {
  if (!context.settings.live_desktop) pm_refresh_desktopClick(window, context.desktop);
}

}  // namespace

void pm_refresh_desktopClick(MinideskOps& window, icons::DesktopAccess& desktop) {
  window.update_layout();
  icons::ReadMinideskIcons(desktop,
                           [&window](const TDesktopIconInfoArray& icons) { window.BuildMinidesk(icons); });
}

void save_buttonClick(const MainContext& context, MainWindowOps& window) {
  const SaveMenuChoice choice = window.show_save_menu(BuildProfileMenus(context.folders.data));
  switch (choice.item) {
    case SaveMenuChoice::Item::None:
      break;
    case SaveMenuChoice::Item::SaveStandard:
      pm_save_standardClick(context);
      break;
    case SaveMenuChoice::Item::SaveIntoProfile:
      SaveProfileItemClick(context, choice.profile_name);
      break;
    case SaveMenuChoice::Item::NewProfile:
      pm_new_profilClick(context);
      break;
  }
  refresh_unless_live(context, window);
}

void arrange_buttonClick(const MainContext& context, MainWindowOps& window) {
  if (icons::CheckDesktopArrangement(context.desktop, context.prompts,
                                     context.lang_system.message("MSDLG_11"))) {
    const RestoreMenuChoice chosen =
        window.show_restore_menu(BuildProfileMenus(context.folders.data), context.restore_undo.available());
    switch (chosen.item) {
      case RestoreMenuChoice::Item::None:
        break;
      case RestoreMenuChoice::Item::Profile:
        RestoreProfileItemClick(context, chosen.profile_name);
        break;
      case RestoreMenuChoice::Item::UndoRestore:
        pm_undo_restoreClick(context);
        break;
    }
  }
  refresh_unless_live(context, window);
}

void pm_save_standardClick(const MainContext& context) {
  SaveChosenStandardProfile(context.profiles(), context.settings.std_profil);
}

void hotKey1HotKey(const MainContext& context) { pm_save_standardClick(context); }

void auto_check_icons_timerTimer(const MainContext& context) {
  SaveChosenStandardProfile(context.profiles(), context.settings.std_profil, SaveTrigger::automatic);
}

void SaveProfileItemClick(const MainContext& context, const std::string& profile_name) {
  SaveProfile(context.profiles(), ProfileFileName(context.folders.data, profile_name));
}

void RestoreProfileItemClick(const MainContext& context, const std::string& profile_name) {
  RestoreProfile(context.profiles(), ProfileFileName(context.folders.data, profile_name));
}

void pm_undo_restoreClick(const MainContext& context) { UndoLastRestore(context.profiles()); }

void pm_snaptogridClick(const MainContext& context) { SnapIconsToGrid(context.profiles()); }

}  // namespace orvx::mainwin
