#pragma once
// A flat button: its caption in white bold Verdana 13 pixels high on the
// window's chrome colour, lighter while the mouse is over it, darker while it
// is pressed; hand cursor. A click (press and release over the button, or
// Space or Enter while it has the focus) runs on_click.
//
// on_click may hide, destroy or replace the button: the button touches
// nothing of itself after calling it.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/scoped_win.h"
#include "ui/click_press_win.h"
#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::ui {

inline constexpr char kFlatButtonClass[] = "OrvxFlatButton";

struct FlatButtonArgs {
  std::string name;
  std::string caption;
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;
  Rgb face = style::kChrome;
  Rgb hover = style::kChromeHover;
  Rgb pressed = style::kChromePressed;
  Rgb text = style::kWhite;
  FontSpec font = style::flat_button_font();
  bool tab_stop = false;   // reachable with Tab in dialogs
  bool word_wrap = false;  // a long caption breaks into lines
  std::function<void()> on_click;
};

class FlatButton final : public Widget {
 public:
  explicit FlatButton(const FlatButtonArgs& args);

  void set_on_click(std::function<void()> handler) { on_click_ = std::move(handler); }
  // Runs the click handler as a click by the user would (when enabled).
  void click();

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void paint();
  void set_state(bool hot, bool pressed);

  FlatButtonArgs look_;
  win::ScopedGdi<HFONT> font_;
  std::function<void()> on_click_;
  bool hot_ = false;
  bool pressed_ = false;
  ClickPress press_;
};

}  // namespace orvx::ui
