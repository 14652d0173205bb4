// Program entry of OrvaneX.exe.
#include <windows.h>

#include "app/program_win.h"
#include "app/single_instance_win.h"
#include "platform/system_check_win.h"
#include "mainwin/system_folders_win.h"
#include "mainwin/version_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace orvx::app;
  using orvx::confirm_supported_system;
  using namespace orvx::mainwin;
  // Held until the process ends; meanwhile a second start only brings this
  // instance's main window to the front and ends, creating nothing.
  const InstanceMutex instance = InstanceMutex::claim();
  if (!instance.is_only_instance()) {
    bring_running_instance_to_front();
    return 0;
  }
  if (!confirm_supported_system()) return 1;
  return run_program(classify_start_switch(program_arguments(), get_version_string()));
}
