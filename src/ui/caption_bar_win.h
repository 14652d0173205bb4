#pragma once
// The caption bar of the borderless forms: the window's icon, its title in
// white bold Arial, and up to four 24-pixel buttons at the right end, each
// with a hint and a click handler. Dragging the bar (outside its buttons)
// moves the form; the cursor shows the size-all arrows there.
//
// The title is the form's window text: setting the form's "Caption" redraws
// the bar. The buttons are parts of the bar, not named components; the bar
// itself is named (usually "caption_form") and has a "Hint" for its title
// area.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/scoped_win.h"
#include "ui/caption_layout.h"
#include "ui/click_press_win.h"
#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::ui {

inline constexpr char kCaptionBarClass[] = "OrvxCaptionBar";

enum class CaptionGlyph { kClose, kMinimize, kAbout, kSettings };

struct CaptionButtonArgs {
  CaptionGlyph glyph = CaptionGlyph::kClose;
  std::string hint;
  std::function<void()> on_click;
};

struct CaptionBarArgs {
  std::string name = "caption_form";
  std::string hint;
  HWND parent = nullptr;  // the form; the bar sits at its top left
  int width = 0;
  int height = style::kCaptionBarHeight;
  HICON icon = nullptr;  // drawn at 16 × 16; not owned
  // buttons[0] is the rightmost button; at most four.
  std::vector<CaptionButtonArgs> buttons;
  Rgb background = style::kChrome;
  Rgb hover = style::kChromeHover;
  Rgb pressed = style::kChromePressed;
  Rgb text = style::kWhite;
  FontSpec font = style::title_font();
};

class CaptionBar final : public Widget {
 public:
  explicit CaptionBar(const CaptionBarArgs& args);

  size_t button_count() const { return buttons_.size(); }
  const std::string& button_hint(size_t index) const { return buttons_.at(index).hint; }
  // Runs a button's click handler as a click by the user would.
  void click_button(size_t index);
  void set_width(int width);

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;
  std::string hint_at(Point p) const override;
  HCURSOR cursor_at(Point p) const override;
  CaptionLayout layout() const;
  int button_at(Point p) const;
  void set_hot(int hot, int pressed);
  void paint();
  void draw_glyph(HDC dc, CaptionGlyph glyph, const Rect& box) const;

  CaptionBarArgs look_;
  std::vector<CaptionButtonArgs> buttons_;
  win::ScopedGdi<HFONT> font_;
  int hot_ = -1;
  ClickPress press_;
  int pressed_ = -1;  // the button pressed, or -1
  bool dragging_ = false;
  POINT drag_start_{};    // screen position of the press
  POINT window_start_{};  // the form's top left at the press
};

}  // namespace orvx::ui
