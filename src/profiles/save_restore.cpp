#include "profiles/save_restore.h"

#include "profiles/data_folders.h"
#include "icons/arrangement_guard.h"
#include "icons/icon_operations.h"
#include "profiles/profile_file.h"
#include "profiles/profile_store.h"
#include "profiles/stored_screen.h"
#include "platform/message_ids.h"

namespace orvx {
namespace {

// Whether the "no standard profile" box is open. The timer and the hotkey
// run inside a box's message loop; one box is enough, a user back from a
// break must not find a stack of them. One main window, one thread.
bool g_no_standard_box_open = false;

class NoStandardBox {
 public:
  NoStandardBox() { g_no_standard_box_open = true; }
  ~NoStandardBox() { g_no_standard_box_open = false; }
  NoStandardBox(const NoStandardBox&) = delete;
  NoStandardBox& operator=(const NoStandardBox&) = delete;
};

std::string resolution_profile_file(const ProfileSession& session) {
  return profile_file_name(session.folders.data, resolution_profile_name(session.screen.size));
}

}  // namespace

bool save_profile(const ProfileSession& session, const std::string& file_name) {
  require_data_folders(session.folders, session.prompts);
  const std::optional<DesktopIcons> icons = icons::read_desktop_icons(session.desktop);
  // A view that answers with no items is one the shell is rebuilding (after
  // Explorer restarted, say): such a read would replace a profile with an
  // empty one, and an empty profile restores nothing.
  if (!icons || icons->empty()) return false;
  return write_profile_file(*icons, file_name, session.screen.size, session.screen.monitor_count);
}

void restore_profile(const ProfileSession& session, const std::string& file_name) {
  // An unreachable desktop makes the restore a no-op, so the file is read
  // without asking first.
  const DesktopIcons stored = read_profile_file(file_name);
  session.undo.keep(icons::read_desktop_icons(session.desktop));
  icons::restore_desktop_icons(session.desktop, stored);
}

void snap_icons_to_grid(const ProfileSession& session) {
  session.undo.keep(icons::read_desktop_icons(session.desktop));
  icons::snap_desktop_icons_to_grid(session.desktop);
}

bool undo_last_restore(const ProfileSession& session) {
  const std::optional<DesktopIcons> before = session.undo.take();
  if (!before) return false;
  icons::restore_desktop_icons(session.desktop, *before);
  return true;
}

void restore_resolution_profile(const ProfileSession& session) {
  const std::string file = resolution_profile_file(session);
  if (files::file_exists(file)) restore_profile(session, file);
}

void ensure_resolution_profile(const ProfileSession& session) {
  const std::string file = resolution_profile_file(session);
  if (files::file_exists(file)) return;
  if (!session.prompts.confirm_information(session.lang.message(message_ids::kStandardProfileCreated))) return;
  // The box has promised the profile: when it could not be written, the user
  // hears so, and with no file there the next call asks again.
  if (!save_profile(session, file))
    session.prompts.show_message(session.lang.message(message_ids::kStandardProfileNotSaved));
}

void save_chosen_standard_profile(const ProfileSession& session, const std::string& standard_profile,
                                  SaveTrigger trigger) {
  if (!is_usable_profile_name(standard_profile)) {
    if (g_no_standard_box_open) return;
    const NoStandardBox open;
    session.prompts.show_message(session.lang.message(message_ids::kChooseStandardProfileFirst));
    return;
  }
  const std::string file = profile_file_name(session.folders.data, standard_profile);
  if (trigger == SaveTrigger::kAutomatic && !profile_fits_screen(read_stored_screen(file), session.screen)) return;
  save_profile(session, file);
}

}  // namespace orvx
