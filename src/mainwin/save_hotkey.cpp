#include "mainwin/save_hotkey.h"

namespace orvx::mainwin {

SaveHotkey::SaveHotkey(HotkeyRegistrar& registrar, Prompts& prompts, std::function<std::string()> failure_text)
    : registrar_(registrar), prompts_(prompts), failure_text_(std::move(failure_text)) {}

SaveHotkey::~SaveHotkey() {
  if (registered_) registrar_.unregister_hotkey();
}

void SaveHotkey::configure(bool enabled, const config::Shortcut& shortcut) {
  if (registered_ && (!enabled || shortcut != shortcut_)) {
    registrar_.unregister_hotkey();
    registered_ = false;
  }
  enabled_ = enabled;
  shortcut_ = shortcut;
  if (!enabled_ || registered_) return;
  registered_ = !shortcut_.empty() && registrar_.register_hotkey(shortcut_);
  if (!registered_) prompts_.show_message(failure_text_());
}

}  // namespace orvx::mainwin
