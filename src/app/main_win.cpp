// Program entry of OrvaneX.exe. Until the main window exists, the first
// instance reads the desktop's icons through the icon access, prints them
// and puts them back where they were read (save and restore in one run).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <exception>

#include "app/single_instance_win.h"
#include "app/system_check_win.h"
#include "icons/icon_operations.h"
#include "icons/shell_desktop_access_win.h"

namespace {

using namespace orvx;

bool SameLayout(const TDesktopIconInfoArray& a, const TDesktopIconInfoArray& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.Caption == y.Caption && x.X == y.X && x.Y == y.Y;
  });
}

int SaveAndRestoreDesktopIcons() {
  icons::ShellDesktopAccess desktop;
  const auto saved = icons::ReadDesktopIcons(desktop);
  if (!saved) {
    std::printf("No desktop icons found.\n");
    return 1;
  }
  std::printf("%d desktop icons:\n", static_cast<int>(saved->size()));
  for (const TDesktopIconInfo& icon : *saved) std::printf("%6d %6d  %s\n", icon.X, icon.Y, icon.Caption.c_str());

  icons::RestoreDesktopIcons(desktop, *saved);
  const auto after = icons::ReadDesktopIcons(desktop);
  const bool unchanged = after && SameLayout(*after, *saved);
  std::printf("Saved and restored %d icons; the desktop %s.\n", static_cast<int>(saved->size()),
              unchanged ? "is unchanged" : "has changed");
  return unchanged ? 0 : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Held until the process ends; meanwhile a second start only brings this
  // instance's main window to the front and ends, creating nothing.
  const orvx::app::InstanceMutex instance = orvx::app::InstanceMutex::claim();
  if (!instance.is_only_instance()) {
    orvx::app::bring_running_instance_to_front();
    return 0;
  }
  if (!orvx::app::confirm_supported_system()) return 1;
  try {
    return SaveAndRestoreDesktopIcons();
  } catch (const std::exception& error) {
    std::printf("Error: %s\n", error.what());
    return 1;
  }
}
