#include "platform/ansi_text.h"

namespace orvx::text {

char fold_case(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 0x20);
  // À..Þ except the multiplication sign.
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 0x20);
  switch (b) {
    case 0x8A:
      return static_cast<char>(0x9A);  // Š
    case 0x8C:
      return static_cast<char>(0x9C);  // Œ
    case 0x8E:
      return static_cast<char>(0x9E);  // Ž
    case 0x9F:
      return static_cast<char>(0xFF);  // Ÿ
    default:
      return c;
  }
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (fold_case(a[i]) != fold_case(b[i])) return false;
  }
  return true;
}

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equal_ignoring_case(text.substr(0, prefix.size()), prefix);
}

std::string_view trim(std::string_view text) {
  auto is_blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string replace_all(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  for (;;) {
    size_t hit = from.empty() ? std::string_view::npos : text.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(text.substr(pos));
  return out;
}

std::string with_detail(std::string_view text, std::string_view detail) {
  std::string result(text);
  const size_t at = result.find("%s");
  if (at != std::string::npos) result.replace(at, 2, detail);
  return result;
}

}  // namespace orvx::text
