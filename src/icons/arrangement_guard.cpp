#include "icons/arrangement_guard.h"

#include "lang/messages.h"
#include "platform/message_ids.h"

namespace orvx::icons {

std::string ArrangementWarningText() { return std::string(lang::german_message(message_ids::kArrangementBlocksRestore)); }

bool CheckDesktopArrangement(DesktopAccess& desktop, Prompts& prompts, const std::string& warning) {
  const ArrangementModes modes = desktop.arrangement_modes();
  if (!modes.auto_arrange && !modes.snap_to_grid) return true;
  prompts.show_message(warning);
  return false;
}

void SnapDesktopIconsToGrid(DesktopAccess& desktop) { desktop.snap_to_grid(); }

}  // namespace orvx::icons
