#include "icons/desktop_access.h"

namespace orvx::icons {

IconCycle DesktopAccess::open_cycle() {
  if (cycle_in_progress_) return {};
  cycle_in_progress_ = true;
  IconCycle::Token token(&cycle_in_progress_);
  std::unique_ptr<IconView> view = open_view();
  if (!view) return {};
  return IconCycle(std::move(token), std::move(view));
}

}  // namespace orvx::icons
