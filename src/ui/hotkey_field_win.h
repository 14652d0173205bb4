#pragma once
// A hotkey field: the system's hotkey control, showing the key combination
// the user presses in it. A combination without a modifier, or with Shift
// as its only modifier, becomes the same key with Ctrl+Alt. Only its "Hint"
// is a named property.
#include <windows.h>

#include <string>

#include "config/shortcut_text.h"
#include "ui/hosted_control_win.h"

namespace orvx::ui {

inline constexpr char kHotkeyFieldClass[] = "OrvxHotkeyField";

struct HotkeyFieldArgs {
  std::string name;
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;
  bool enabled = true;
};

class HotkeyField final : public HostedControl {
 public:
  explicit HotkeyField(const HotkeyFieldArgs& args);

  config::Shortcut shortcut() const;
  void set_shortcut(const config::Shortcut& shortcut);
};

}  // namespace orvx::ui
