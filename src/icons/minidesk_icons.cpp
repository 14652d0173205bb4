#include "icons/minidesk_icons.h"

#include "icons/icon_operations.h"

namespace orvx::icons {

namespace {
TDesktopIconInfoArray g_minidesk_icons;
}  // namespace

const TDesktopIconInfoArray& MinideskIcons() { return g_minidesk_icons; }

bool ReadMinideskIcons(DesktopAccess& desktop, const std::function<void()>& BuildMinidesk) {
  std::optional<TDesktopIconInfoArray> icons = ReadDesktopIcons(desktop);
  if (!icons) return false;
  g_minidesk_icons = std::move(*icons);
  if (BuildMinidesk) BuildMinidesk();
  return true;
}

}  // namespace orvx::icons
