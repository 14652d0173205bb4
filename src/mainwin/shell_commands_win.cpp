#include "mainwin/shell_commands_win.h"

#include <windows.h>
#include <shellapi.h>

#include "mainwin/shell_commands.h"

namespace orvx::mainwin {

bool run_control_panel_applet(const std::string& arguments) {
  // WinExec reports failures with values up to 31 and success above; the
  // program counts from 33 on, as ShellExecute does.
  return WinExec(control_panel_command_line(arguments).c_str(), SW_SHOWNORMAL) > 32;
}

bool open_web_page(const std::string& address) {
  const auto result =
      reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace orvx::mainwin
