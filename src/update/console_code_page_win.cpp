#include "update/console_code_page_win.h"

#include <windows.h>

namespace orvx::update {
namespace {

// The OEM byte of one wide character, exactly: no default character and no
// "best fit" (which would turn "Œ" into "O" and name another file).
std::optional<unsigned char> oem_byte_of(UINT oem, wchar_t wide) {
  char out[2] = {};
  BOOL used_default = FALSE;
  int length = WideCharToMultiByte(oem, WC_NO_BEST_FIT_CHARS, &wide, 1, out, sizeof out, nullptr, &used_default);
  if (length == 0 && GetLastError() == ERROR_INVALID_FLAGS) {
    // Windows NT 4.0 does not know the flag; the way back below still
    // catches a best fit.
    length = WideCharToMultiByte(oem, 0, &wide, 1, out, sizeof out, nullptr, &used_default);
  }
  if (length != 1 || used_default) return std::nullopt;
  wchar_t back = 0;
  if (MultiByteToWideChar(oem, MB_ERR_INVALID_CHARS, out, 1, &back, 1) != 1 || back != wide) return std::nullopt;
  return static_cast<unsigned char>(out[0]);
}

}  // namespace

ConsoleCodePage system_console_code_page() {
  const UINT ansi = GetACP();
  const UINT oem = GetOEMCP();
  if (ansi == oem) return ConsoleCodePage::same_as_ansi();
  ConsoleCodePage code_page;
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    const char in = static_cast<char>(byte);
    wchar_t wide = 0;
    // A lead byte of a double-byte code page alone is no character: no form.
    if (MultiByteToWideChar(ansi, MB_ERR_INVALID_CHARS, &in, 1, &wide, 1) != 1) continue;
    if (const std::optional<unsigned char> out = oem_byte_of(oem, wide)) {
      code_page.map(static_cast<unsigned char>(byte), *out);
    }
  }
  return code_page;
}

}  // namespace orvx::update
