#include "config/shortcut_text.h"

#include "config/key_names.h"
#include "platform/ansi_text.h"

namespace orvx::config {
namespace {

constexpr std::string_view kShiftPrefix = "Umsch+";
constexpr std::string_view kCtrlPrefix = "Strg+";
constexpr std::string_view kAltPrefix = "Alt+";
constexpr std::string_view kCaretCtrlPrefix = "^";

// Takes `prefix` off the front of `text` when it is there.
bool take_prefix(std::string_view& text, std::string_view prefix) {
  if (!text::starts_with_ignoring_case(text, prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

}  // namespace

std::string shortcut_to_text(const Shortcut& shortcut) {
  if (shortcut.empty()) return {};
  std::string_view name = key_name(shortcut.key);
  if (name.empty()) return {};
  std::string out;
  if (shortcut.shift) out += kShiftPrefix;
  if (shortcut.ctrl) out += kCtrlPrefix;
  if (shortcut.alt) out += kAltPrefix;
  out += name;
  return out;
}

Shortcut text_to_shortcut(std::string_view text) {
  Shortcut result;
  for (;;) {
    if (take_prefix(text, kShiftPrefix)) {
      result.shift = true;
    } else if (take_prefix(text, kCtrlPrefix) || take_prefix(text, kCaretCtrlPrefix)) {
      result.ctrl = true;
    } else if (take_prefix(text, kAltPrefix)) {
      result.alt = true;
    } else {
      break;
    }
  }
  if (text.empty()) return {};
  for (unsigned key = kFirstNamedKey; key <= kLastNamedKey; ++key) {
    std::string_view name = key_name(static_cast<uint8_t>(key));
    if (!name.empty() && text::equal_ignoring_case(name, text)) {
      result.key = static_cast<uint8_t>(key);
      return result;
    }
  }
  return {};
}

}  // namespace orvx::config
