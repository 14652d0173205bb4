#include "icons/minidesk_icons.h"

#include "icons/icon_operations.h"

namespace orvx::icons {

bool ReadMinideskIcons(DesktopAccess& desktop, const BuildMinideskFrom& BuildMinidesk) {
  const std::optional<DesktopIcons> icons = ReadDesktopIcons(desktop);
  if (!icons) return false;
  if (BuildMinidesk) BuildMinidesk(*icons);
  return true;
}

}  // namespace orvx::icons
