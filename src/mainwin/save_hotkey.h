#pragma once
// `save_hotkey`: the main window's system-wide hotkey that saves into the chosen
// standard profile.
//
// load_settings hands over activation and key combination together, so that
// the order in which the two settings are read does not matter: a hotkey is
// never registered with a combination that is about to change (which could
// fail because another program holds the old one, and report a failure that
// is none), and it is never left unregistered because it was activated
// before its combination was known. Handing over the same settings again
// (each show of the main window loads them) leaves a registered hotkey
// alone.
#include <functional>
#include <string>

#include "config/shortcut_text.h"
#include "platform/prompts.h"

namespace orvx::mainwin {

// The platform side: RegisterHotKey and UnregisterHotKey for the main window
// under the one hotkey id of the program (hotkey_registrar_win.h).
class HotkeyRegistrar {
 public:
  virtual ~HotkeyRegistrar() = default;
  // Registers the combination with its Shift, Ctrl and Alt modifiers (never
  // the Windows key). False when the system refuses it, typically because
  // another program holds it. Called only while nothing is registered.
  virtual bool register_hotkey(const config::Shortcut& shortcut) = 0;
  // Unregisters what register_hotkey registered. Never throws.
  virtual void unregister_hotkey() noexcept = 0;
};

class SaveHotkey {
 public:
  // `failure_text` gives the text shown when a registration fails (MSDLG_1
  // in the language of the moment).
  SaveHotkey(HotkeyRegistrar& registrar, Prompts& prompts, std::function<std::string()> failure_text);
  SaveHotkey(const SaveHotkey&) = delete;
  SaveHotkey& operator=(const SaveHotkey&) = delete;
  // Unregisters a registered hotkey: destroy it before the window it
  // registers for.
  ~SaveHotkey();

  // Activation and combination. Deactivating unregisters; a new combination
  // unregisters the old one first. When the hotkey is active but not
  // registered - at the first call, after a change, or after a registration
  // that failed - it is registered; when that fails, or the combination names
  // no key, MSDLG_1 is shown and the hotkey stays unregistered until the next
  // call that activates it.
  void configure(bool enabled, const config::Shortcut& shortcut);

  bool enabled() const { return enabled_; }
  const config::Shortcut& shortcut() const { return shortcut_; }
  // True while the system delivers the combination to the main window.
  bool registered() const { return registered_; }

 private:
  HotkeyRegistrar& registrar_;
  Prompts& prompts_;
  std::function<std::string()> failure_text_;
  bool enabled_ = false;
  config::Shortcut shortcut_;
  bool registered_ = false;
};

}  // namespace orvx::mainwin
