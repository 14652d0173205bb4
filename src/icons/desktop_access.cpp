#include "icons/desktop_access.h"

namespace orvx::icons {

namespace {
// The one cycle of the program, on the user-interface thread.
bool g_cycle_in_progress = false;
}  // namespace

IconCycle DesktopAccess::open_cycle() {
  if (g_cycle_in_progress) return {};
  g_cycle_in_progress = true;
  IconCycle::Token token(&g_cycle_in_progress);
  std::unique_ptr<IconView> view = open_view();
  if (!view) return {};
  return IconCycle(std::move(token), std::move(view));
}

bool DesktopAccess::cycle_in_progress() { return g_cycle_in_progress; }

}  // namespace orvx::icons
