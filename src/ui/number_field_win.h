#pragma once
// A number field: an edit field for a whole number with up and down arrows
// beside it. The arrows and the arrow keys step within [minimum, maximum];
// a typed value outside the range, or no number at all, is brought into the
// range when the field loses the focus (no number counts as the minimum).
// Its value is a number, not a string property: only its "Hint" is named.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/scoped_win.h"
#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::ui {

inline constexpr char kNumberFieldClass[] = "OrvxNumberField";

struct NumberFieldArgs {
  std::string name;
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;
  int minimum = 1;
  int maximum = 60;
  int value = 1;
  FontSpec font = style::dialog_font();
  std::function<void()> on_change;  // after an arrow step or the focus-loss clamp
};

class NumberField final : public Widget {
 public:
  explicit NumberField(const NumberFieldArgs& args);

  // The value as the field shows it now, read as the focus loss would.
  int value() const;
  void set_value(int value);
  HWND edit() const { return edit_; }

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;
  std::string edit_text() const;
  void clamp_now();
  void changed();

  int minimum_;
  int maximum_;
  win::ScopedGdi<HFONT> font_;
  std::function<void()> on_change_;
  HWND edit_ = nullptr;  // child windows, destroyed with the field
  HWND arrows_ = nullptr;
};

}  // namespace orvx::ui
