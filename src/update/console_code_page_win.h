#pragma once
// The console code page of this system: the table from its ANSI code page to
// its OEM code page, which a hidden console starts with.
#include "update/console_code_page.h"

namespace orvx::update {

ConsoleCodePage system_console_code_page();

}  // namespace orvx::update
