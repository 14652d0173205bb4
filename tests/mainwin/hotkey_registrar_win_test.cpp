// The save hotkey registered with the system: a combination one window holds
// is refused to another until it is given up, and a pressed combination
// arrives as WM_HOTKEY with the program's hotkey id.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "mainwin/save_hotkey.h"
#include "mainwin/hotkey_registrar_win.h"
#include "platform/scoped_win.h"
#include "support/scripted_prompts.h"
#include "support/wait_win.h"

namespace orvx::mainwin {
namespace {

config::Shortcut shortcut(const char* text) { return config::text_to_shortcut(text); }

win::ScopedWindow hidden_window() {
  return win::ScopedWindow(
      CreateWindowExA(0, "STATIC", "hotkey test", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
}

// The save hotkeys that reached the window given to count_save_hotkeys.
int save_hotkeys_arrived = 0;
WNDPROC static_procedure = nullptr;

LRESULT CALLBACK counting_procedure(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  if (message == WM_HOTKEY && wp == static_cast<WPARAM>(kSaveHotkeyId)) ++save_hotkeys_arrived;
  return CallWindowProcA(static_procedure, window, message, wp, lp);
}

void count_save_hotkeys(HWND window) {
  save_hotkeys_arrived = 0;
  static_procedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&counting_procedure)));
}

TEST(HotkeyModifiers, FollowTheShortcutAndNeverIncludeTheWindowsKey) {
  struct Case {
    const char* text;
    UINT modifiers;
  };
  const Case cases[] = {
      {"Strg+Alt+D", MOD_CONTROL | MOD_ALT},
      {"Umsch+F9", MOD_SHIFT},
      {"Umsch+Strg+Alt+Entf", MOD_SHIFT | MOD_CONTROL | MOD_ALT},
      {"F12", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(hotkey_modifiers(shortcut(c.text)), c.modifiers) << c.text;
}

TEST(WindowHotkeyRegistrar, ACombinationHeldByOneWindowIsRefusedToAnotherUntilGivenUp) {
  win::ScopedWindow first = hidden_window();
  win::ScopedWindow second = hidden_window();
  ASSERT_TRUE(first && second);
  WindowHotkeyRegistrar holder(first.get());
  WindowHotkeyRegistrar other(second.get());

  ASSERT_TRUE(holder.register_hotkey(shortcut("Umsch+Strg+Alt+F11")));
  EXPECT_FALSE(other.register_hotkey(shortcut("Umsch+Strg+Alt+F11")));
  EXPECT_FALSE(other.register_hotkey(shortcut(""))) << "no key, nothing to register";
  holder.unregister_hotkey();
  EXPECT_TRUE(other.register_hotkey(shortcut("Umsch+Strg+Alt+F11")));
  other.unregister_hotkey();
}

TEST(WindowHotkeyRegistrar, TheHotkeyComponentReportsACombinationHeldElsewhere) {
  win::ScopedWindow elsewhere = hidden_window();
  win::ScopedWindow main_window = hidden_window();
  WindowHotkeyRegistrar other_program(elsewhere.get());
  ASSERT_TRUE(other_program.register_hotkey(shortcut("Strg+Alt+F10")));

  WindowHotkeyRegistrar registrar(main_window.get());
  test::ScriptedPrompts prompts;
  SaveHotkey hotkey(registrar, prompts, [] { return std::string("held elsewhere"); });
  hotkey.configure(true, shortcut("Strg+Alt+F10"));
  EXPECT_FALSE(hotkey.registered());
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, "held elsewhere");

  other_program.unregister_hotkey();
  hotkey.configure(true, shortcut("Strg+Alt+F10"));
  EXPECT_TRUE(hotkey.registered());
  EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST(WindowHotkeyRegistrar, APressedCombinationArrivesAsWmHotkey) {
  win::ScopedWindow window = hidden_window();
  count_save_hotkeys(window.get());
  WindowHotkeyRegistrar registrar(window.get());
  ASSERT_TRUE(registrar.register_hotkey(shortcut("Strg+Alt+F9")));

  INPUT keys[6] = {};
  const WORD sequence[] = {VK_CONTROL, VK_MENU, VK_F9};
  for (int i = 0; i < 3; ++i) {
    keys[i].type = keys[5 - i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = keys[5 - i].ki.wVk = sequence[i];
    keys[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  ASSERT_EQ(SendInput(6, keys, sizeof(INPUT)), 6u);

  EXPECT_TRUE(test::wait_for("WM_HOTKEY with the save hotkey's id", [&] { return save_hotkeys_arrived > 0; }));
  registrar.unregister_hotkey();
}

}  // namespace
}  // namespace orvx::mainwin
