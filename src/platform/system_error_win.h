#pragma once
// SystemError from the codes of Windows.
#include <windows.h>

#include <string>

#include "platform/system_error.h"

namespace orvx {

// The system's text for an error code (FormatMessageA), without the line
// break it ends with; a generic text for codes the system does not know.
std::string system_error_text(DWORD code);

SystemError system_error(DWORD code);
// The calling thread's last error. Call it before anything else can
// overwrite that error.
SystemError last_system_error();

}  // namespace orvx
