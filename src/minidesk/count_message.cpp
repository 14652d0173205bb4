#include "minidesk/count_message.h"

#include <optional>

namespace orvx::minidesk {

namespace {

// The text with "%s" replaced by `number` and "%%" by "%", or nullopt when
// the text is not a message with exactly one "%s".
std::optional<std::string> substitute(std::string_view text, const std::string& number) {
  std::string out;
  out.reserve(text.size() + number.size());
  bool placed = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 1 == text.size()) return std::nullopt;
    const char directive = text[++i];
    if (directive == '%') {
      out += '%';
    } else if ((directive == 's' || directive == 'S') && !placed) {
      out += number;
      placed = true;
    } else {
      return std::nullopt;
    }
  }
  if (!placed) return std::nullopt;
  return out;
}

}  // namespace

std::string format_count_message(std::string_view text, int32_t count) {
  std::optional<std::string> formatted = substitute(text, std::to_string(count));
  return formatted ? std::move(*formatted) : std::string(text);
}

}  // namespace orvx::minidesk
