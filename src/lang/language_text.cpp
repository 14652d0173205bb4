#include "lang/language_text.h"

#include "platform/split_text.h"
#include "platform/ansi_text.h"

namespace orvx::lang {
namespace {

constexpr std::string_view kWindowLineBreak = "~~";
constexpr std::string_view kMessageLineBreak = "*|*";
constexpr std::string_view kCrLf = "\r\n";
// A message shorter than this (after trimming) counts as not translated.
constexpr size_t kShortestMessage = 3;

}  // namespace

PropertyKey split_property_key(std::string_view key) {
  const size_t dot = key.find('.');
  if (dot == std::string_view::npos) return {{}, key};
  return {key.substr(0, dot), key.substr(dot + 1)};
}

std::string window_text_from_file(std::string_view value) { return text::replace_all(value, kWindowLineBreak, kCrLf); }

std::string window_text_to_file(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      out += kWindowLineBreak;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

std::string message_from_value(std::optional<std::string_view> value, std::string_view german) {
  if (!value || text::trim(*value).size() < kShortestMessage) return std::string(german);
  if (value->find(kMessageLineBreak) == std::string_view::npos) return std::string(*value);
  const TextParts parts = split_text(*value, kMessageLineBreak);
  std::string result;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    if (result.empty()) {
      result = parts[i];
    } else {
      result += kCrLf;
      result += parts[i];
    }
  }
  result += kCrLf;
  result += parts.back();
  return result;
}

}  // namespace orvx::lang
