#pragma once
// The commands of standin_protocol.h, answered in the stand-in's process.
#include <windows.h>

#include "desktop_state_win.h"

namespace standin {

LRESULT run_command(DesktopState& state, const COPYDATASTRUCT& request);

}  // namespace standin
