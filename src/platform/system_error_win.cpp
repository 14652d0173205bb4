#include "platform/system_error_win.h"

namespace orvx {

std::string system_error_text(DWORD code) {
  char text[1024];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                                sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ')) --length;
  if (length == 0) return "Unknown error " + std::to_string(code) + ".";
  return std::string(text, length);
}

SystemError system_error(DWORD code) { return SystemError(code, system_error_text(code)); }

SystemError last_system_error() { return system_error(GetLastError()); }

}  // namespace orvx
