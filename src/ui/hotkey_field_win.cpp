#include "ui/hotkey_field_win.h"

#include <commctrl.h>

#include "config/hotkey_rules.h"

namespace orvx::ui {

HotkeyField::HotkeyField(const HotkeyFieldArgs& args)
    : HostedControl(HostedControlArgs{.widget_class = kHotkeyFieldClass,
                                      .control_class = HOTKEY_CLASSA,
                                      .control_style = WS_TABSTOP,
                                      .control_ex_style = WS_EX_CLIENTEDGE,
                                      .name = args.name,
                                      .hint = args.hint,
                                      .parent = args.parent,
                                      .bounds = args.bounds,
                                      .enabled = args.enabled}) {
  // The control itself puts Ctrl+Alt in place of the combinations it may not
  // keep, as the user types; shortcut() applies the same rule to what it
  // reads, for controls that do not.
  SendMessageA(control(), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
}

config::Shortcut HotkeyField::shortcut() const {
  const LRESULT value = SendMessageA(control(), HKM_GETHOTKEY, 0, 0);
  const BYTE modifiers = HIBYTE(LOWORD(value));
  config::Shortcut s;
  s.key = LOBYTE(LOWORD(value));
  s.shift = (modifiers & HOTKEYF_SHIFT) != 0;
  s.ctrl = (modifiers & HOTKEYF_CONTROL) != 0;
  s.alt = (modifiers & HOTKEYF_ALT) != 0;
  return config::with_required_modifiers(s);
}

void HotkeyField::set_shortcut(const config::Shortcut& shortcut) {
  BYTE modifiers = 0;
  if (shortcut.shift) modifiers |= HOTKEYF_SHIFT;
  if (shortcut.ctrl) modifiers |= HOTKEYF_CONTROL;
  if (shortcut.alt) modifiers |= HOTKEYF_ALT;
  SendMessageA(control(), HKM_SETHOTKEY, MAKEWORD(shortcut.key, modifiers), 0);
}

}  // namespace orvx::ui
