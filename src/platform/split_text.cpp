#include "platform/split_text.h"

namespace orvx {

TextParts split_text(std::string_view text, std::string_view separator) {
  TextParts parts;
  if (separator.empty()) {
    parts.emplace_back(text);
    return parts;
  }
  size_t start = 0;
  for (;;) {
    size_t hit = text.find(separator, start);
    if (hit == std::string_view::npos) break;
    parts.emplace_back(text.substr(start, hit - start));
    start = hit + separator.size();
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

}  // namespace orvx
