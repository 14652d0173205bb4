#include "update/console_code_page.h"

namespace orvx::update {
namespace {

constexpr int kFirstAboveAscii = 0x80;

}  // namespace

ConsoleCodePage::ConsoleCodePage() {
  oem_.fill(-1);
  for (int byte = 0; byte < kFirstAboveAscii; ++byte) oem_[byte] = static_cast<int16_t>(byte);
}

ConsoleCodePage ConsoleCodePage::same_as_ansi() {
  ConsoleCodePage code_page;
  for (int byte = 0; byte < 256; ++byte) code_page.oem_[byte] = static_cast<int16_t>(byte);
  return code_page;
}

void ConsoleCodePage::map(unsigned char ansi, unsigned char oem) {
  if (ansi >= kFirstAboveAscii && oem < kFirstAboveAscii) {
    oem_[ansi] = -1;
    return;
  }
  oem_[ansi] = oem;
}

std::optional<unsigned char> ConsoleCodePage::of(unsigned char ansi) const {
  if (oem_[ansi] < 0) return std::nullopt;
  return static_cast<unsigned char>(oem_[ansi]);
}

std::optional<std::string> in_console_code_page(std::string_view text, const ConsoleCodePage& code_page) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const std::optional<unsigned char> oem = code_page.of(static_cast<unsigned char>(c));
    if (!oem) return std::nullopt;
    out += static_cast<char>(*oem);
  }
  return out;
}

}  // namespace orvx::update
