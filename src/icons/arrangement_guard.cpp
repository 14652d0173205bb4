#include "icons/arrangement_guard.h"

#include "lang/messages.h"
#include "platform/message_ids.h"

namespace orvx::icons {

std::string arrangement_warning_text() {
  return std::string(lang::german_message(message_ids::kArrangementBlocksRestore));
}

bool check_desktop_arrangement(DesktopAccess& desktop, Prompts& prompts, const std::string& warning) {
  const ArrangementModes modes = desktop.arrangement_modes();
  if (!modes.auto_arrange && !modes.snap_to_grid) return true;
  prompts.show_message(warning);
  return false;
}

void snap_desktop_icons_to_grid(DesktopAccess& desktop) { desktop.snap_to_grid(); }

}  // namespace orvx::icons
