#pragma once
// A flat check box: a 13-pixel box with a tick, and its caption beside it
// (several lines when the caption holds line breaks). A click anywhere on
// it, or Space while it has the focus, toggles the tick and then runs
// on_click; set_checked() changes the tick without running it.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/scoped_win.h"
#include "ui/click_press_win.h"
#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::ui {

// The window class of every check box.
inline constexpr char kCheckBoxClass[] = "OrvxCheckBox";

struct CheckBoxArgs {
  std::string name;
  std::string caption;
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;
  bool checked = false;
  FontSpec font = style::dialog_font();
  Rgb colour = style::kBlack;
  Rgb background = style::kWhite;
  bool tab_stop = true;
  std::function<void()> on_click;
};

class CheckBox final : public Widget {
 public:
  explicit CheckBox(const CheckBoxArgs& args);

  bool checked() const { return checked_; }
  void set_checked(bool checked);
  void set_on_click(std::function<void()> handler) { on_click_ = std::move(handler); }
  // Toggles and runs on_click, as a click by the user would (when enabled).
  void click();

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void paint();

  CheckBoxArgs look_;
  win::ScopedGdi<HFONT> font_;
  std::function<void()> on_click_;
  bool checked_;
  ClickPress press_;
};

}  // namespace orvx::ui
