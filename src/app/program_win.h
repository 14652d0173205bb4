#pragma once
// The program's run, once the single-instance guard and the operating-system
// check have let it start: the windows in their order, the first show of the
// main window, and the message loop until Exit.
#include "mainwin/start_switch.h"

namespace orvx::app {

// The exit code of the process. Nothing escapes: a failure that ends the run
// early is shown by the general error handling.
int run_program(mainwin::StartSwitch start_switch) noexcept;

}  // namespace orvx::app
