#include "mainwin/shell_commands.h"

namespace orvx::mainwin {

std::string control_panel_command_line(std::string_view arguments) {
  std::string line = "rundll32.exe shell32.dll,Control_RunDLL ";
  line += arguments;
  return line;
}

}  // namespace orvx::mainwin
