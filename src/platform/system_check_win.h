#pragma once
// The running system's own report of its version, for the start-up check.
#include "platform/system_check.h"

namespace orvx {

// Asks the running system. The architecture comes from GetNativeSystemInfo
// where kernel32 has it (so a 64-bit Windows shows through its 32-bit
// emulation), else from GetSystemInfo.
SystemVersion query_system_version();

// True on a supported system. Otherwise shows the unsupported-system message
// in a plain message box and returns false: the caller then ends at once,
// before any window exists.
bool confirm_supported_system();

}  // namespace orvx
