// The stand-in desktop: plays the shell's desktop list view in its own
// process for the tests, the benchmarks and scripts/run (see options.h for
// the command line and standin_protocol.h for the commands).
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "desktop_windows_win.h"
#include "list_view_state_win.h"
#include "options.h"
#include "standin_shared/item_file.h"

namespace {

std::string read_whole_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  const standin::Options options = standin::parse_options(std::vector<std::string>(__argv + 1, __argv + __argc));
  standin::DesktopState state;
  if (!standin::create_desktop_windows(instance, options, state)) return 1;
  ShowWindow(state.progman, SW_SHOW);
  UpdateWindow(state.progman);
  if (!options.item_file.empty())
    standin::load_items(state.list_view, standin::parse_items(read_whole_file(options.item_file)));
  if (!options.ready_file.empty()) std::ofstream(options.ready_file) << "ready\r\n";

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
