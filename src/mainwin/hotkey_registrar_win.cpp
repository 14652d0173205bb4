#include "mainwin/hotkey_registrar_win.h"

namespace orvx::mainwin {

UINT hotkey_modifiers(const config::Shortcut& shortcut) {
  UINT modifiers = 0;
  if (shortcut.shift) modifiers |= MOD_SHIFT;
  if (shortcut.ctrl) modifiers |= MOD_CONTROL;
  if (shortcut.alt) modifiers |= MOD_ALT;
  return modifiers;
}

bool WindowHotkeyRegistrar::register_hotkey(const config::Shortcut& shortcut) {
  if (shortcut.empty()) return false;
  return RegisterHotKey(window_, id_, hotkey_modifiers(shortcut), shortcut.key) != 0;
}

void WindowHotkeyRegistrar::unregister_hotkey() noexcept { UnregisterHotKey(window_, id_); }

}  // namespace orvx::mainwin
