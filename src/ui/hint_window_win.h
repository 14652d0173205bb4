#pragma once
// The styled hint of a form: a small top-most box with a light background
// that shows the hint of the widget under the mouse. It appears at once when
// the mouse comes onto a widget with a hint, stays for ten seconds (or until
// the mouse leaves the widget or a button is pressed), and does not appear
// again for the same widget until the mouse has left it. Long texts are
// word-wrapped so that the box is at most 300 pixels wide.
//
// Each form owns one (form_win.h); widgets reach it through
// Window::hint_window_of_root(). Its window text is the hint on show.
#include <windows.h>

#include <string>

#include "platform/scoped_win.h"
#include "ui/geometry.h"
#include "ui/window_win.h"

namespace orvx::ui {

inline constexpr char kHintWindowClass[] = "OrvxHint";

class HintWindow final : public Window {
 public:
  explicit HintWindow(HWND owner);

  // The mouse is over `source` at `screen`, where the hint is `text`.
  void hover(HWND source, const std::string& text, Point screen);
  // The mouse has left `source`.
  void leave(HWND source);
  void hide();

  bool showing() const { return visible(); }

 private:
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void show_at(const std::string& text, Point screen);
  void paint();

  win::ScopedGdi<HFONT> font_;
  HWND source_ = nullptr;
  std::string text_;
  Size text_size_;
};

}  // namespace orvx::ui
