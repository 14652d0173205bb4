#pragma once
// Command lines the main window hands to the system.
#include <string>
#include <string_view>

namespace orvx::mainwin {

// The display settings page of the control panel.
inline constexpr char kDisplaySettingsApplet[] = "desk.cpl,,3";

// "rundll32.exe shell32.dll,Control_RunDLL " + the applet's arguments.
std::string control_panel_command_line(std::string_view arguments);

}  // namespace orvx::mainwin
