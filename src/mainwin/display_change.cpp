#include "mainwin/display_change.h"

#include "mainwin/profile_commands.h"
#include "profiles/save_restore.h"

namespace orvx::mainwin {

void on_display_change(const MainContext& context, MinideskOps& window) {
  on_refresh_desktop_clicked(window, context.desktop);
  window.set_refresh_timer(false);
  try {
    window.process_messages();
    if (context.settings.sort_after_res) restore_resolution_profile(context.profiles());
    ensure_resolution_profile(context.profiles());
    window.process_messages();
  } catch (...) {
    // A failed step must not leave the Minidesk without its live refresh.
    window.set_refresh_timer(true);
    throw;
  }
  window.set_refresh_timer(true);
}

}  // namespace orvx::mainwin
