#include "profiles/save_restore.h"

#include "profiles/data_folders.h"
#include "icons/icon_operations.h"
#include "profiles/profile_file.h"
#include "profiles/profile_store.h"

namespace orvx {
namespace {

std::string resolution_profile_file(const ProfileSession& session) {
  return ProfileFileName(session.folders.data, ResolutionProfileName(session.screen.size));
}

}  // namespace

bool SaveProfile(const ProfileSession& session, const std::string& file_name) {
  require_data_folders(session.folders, session.prompts);
  const std::optional<TDesktopIconInfoArray> icons = icons::ReadDesktopIcons(session.desktop);
  if (!icons) return false;
  return WriteProfileFile(*icons, file_name, session.screen.size, session.screen.monitor_count);
}

void RestoreProfile(const ProfileSession& session, const std::string& file_name) {
  // An unreachable desktop makes the restore a no-op, so the file is read
  // without asking first.
  icons::RestoreDesktopIcons(session.desktop, ReadProfileFile(file_name));
}

void RestoreResolutionProfile(const ProfileSession& session) {
  const std::string file = resolution_profile_file(session);
  if (files::file_exists(file)) RestoreProfile(session, file);
}

void EnsureResolutionProfile(const ProfileSession& session) {
  const std::string file = resolution_profile_file(session);
  if (files::file_exists(file)) return;
  if (session.prompts.confirm_information(session.lang.message("MSDLG_19"))) SaveProfile(session, file);
}

void SaveChosenStandardProfile(const ProfileSession& session, const std::string& std_profil) {
  if (!IsUsableProfileName(std_profil)) {
    session.prompts.show_message(session.lang.message("MSDLG_0"));
    return;
  }
  SaveProfile(session, ProfileFileName(session.folders.data, std_profil));
}

}  // namespace orvx
