// Program entry of OrvaneX.exe.
#include <windows.h>

#include "app/single_instance_win.h"
#include "app/system_check_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Held until the process ends; meanwhile a second start only brings this
  // instance's main window to the front and ends, creating nothing.
  const orvx::app::InstanceMutex instance = orvx::app::InstanceMutex::claim();
  if (!instance.is_only_instance()) {
    orvx::app::bring_running_instance_to_front();
    return 0;
  }
  if (!orvx::app::confirm_supported_system()) return 1;
  return 0;
}
