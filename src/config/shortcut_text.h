#pragma once
// Hotkeys written as text, e.g. "Strg+Alt+D": optional modifier prefixes
// "Umsch+" (Shift), "Strg+" (Ctrl) and "Alt+", then a key name (key_names.h).
#include <cstdint>
#include <string>
#include <string_view>

namespace orvx::config {

struct Shortcut {
  uint8_t key = 0;  // virtual-key code; 0 is no hotkey
  bool shift = false;
  bool ctrl = false;
  bool alt = false;

  bool empty() const { return key == 0; }
  friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

// The prefixes of the modifiers held, in the order Umsch, Strg, Alt, then the
// key's name. Empty for no key, and for a key that has no name (such a text
// could not be read back).
std::string shortcut_to_text(const Shortcut& shortcut);

// Reads a shortcut text. The prefixes "Umsch+", "Strg+", "Alt+" and "^"
// (Ctrl) are taken off the front in any order and letter case; the rest must
// name a key, compared without regard to case, and the lowest key code of that
// name wins (so "5" is the top-row 5, not the number-pad one). Anything else,
// an empty rest included, is no hotkey.
Shortcut text_to_shortcut(std::string_view text);

// The hotkey a missing configuration value stands for.
inline constexpr std::string_view kDefaultHotkeyText = "Strg+Alt+D";

}  // namespace orvx::config
