#pragma once
// Opening other programs: a control panel applet and a web page in the
// default browser. Neither failure is reported to the user.
#include <string>

namespace orvx::mainwin {

// Runs the control panel applet with `arguments` (e.g. "desk.cpl,,3")
// through rundll32, shown normally. True when it could be started.
bool run_control_panel_applet(const std::string& arguments);

// Opens `address` in the default browser (ShellExecute, verb "open", shown
// normally). True when the shell took it.
bool open_web_page(const std::string& address);

}  // namespace orvx::mainwin
