#pragma once
// The combinations a hotkey may have: a key with no modifier, or with Shift
// as its only modifier, would take the key from every other program, so it
// becomes the same key with Ctrl+Alt.
#include "config/shortcut_text.h"

namespace orvx::config {

inline Shortcut with_required_modifiers(Shortcut s) {
  if (s.empty() || s.ctrl || s.alt) return s;
  return Shortcut{.key = s.key, .shift = false, .ctrl = true, .alt = true};
}

}  // namespace orvx::config
