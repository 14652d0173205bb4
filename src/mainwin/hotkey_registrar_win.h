#pragma once
// The main window's hotkey as Windows registers it: RegisterHotKey for one
// window under one id; the window receives WM_HOTKEY with that id in wParam.
#include <windows.h>

#include "mainwin/save_hotkey.h"

namespace orvx::mainwin {

// The ids the program registers hotkeys under; WM_HOTKEY carries them in
// wParam. The save hotkey is the only one.
enum HotkeyId : int {
  kSaveHotkeyId = 1,
};

// MOD_SHIFT, MOD_CONTROL and MOD_ALT as the shortcut holds them; never
// MOD_WIN.
UINT hotkey_modifiers(const config::Shortcut& shortcut);

class WindowHotkeyRegistrar final : public HotkeyRegistrar {
 public:
  explicit WindowHotkeyRegistrar(HWND window, int id = kSaveHotkeyId) : window_(window), id_(id) {}

  bool register_hotkey(const config::Shortcut& shortcut) override;
  void unregister_hotkey() noexcept override;

 private:
  HWND window_;
  int id_;
};

}  // namespace orvx::mainwin
