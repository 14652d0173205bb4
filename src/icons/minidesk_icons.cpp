#include "icons/minidesk_icons.h"

#include "icons/icon_operations.h"

namespace orvx::icons {

bool read_minidesk_icons(DesktopAccess& desktop, const BuildMinideskFrom& build_minidesk) {
  const std::optional<DesktopIcons> icons = read_desktop_icons(desktop);
  if (!icons) return false;
  if (build_minidesk) build_minidesk(*icons);
  return true;
}

}  // namespace orvx::icons
