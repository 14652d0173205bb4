#pragma once
// A text label: its caption in a chosen font and colour on a background
// colour (labels sit on panels of a known colour). Options: alignment, word
// wrapping at the label's width, a path shortened with an ellipsis in the
// middle, right-to-left reading order, and sizing itself to its text.
// Line breaks (CR LF) in the caption start new lines; "&" marks an
// accelerator letter unless show_ampersands is set.
#include <windows.h>

#include <string>

#include "platform/scoped_win.h"
#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::ui {

inline constexpr char kLabelClass[] = "OrvxLabel";

enum class TextAlign { kLeft, kCenter, kRight };

struct LabelArgs {
  std::string name;
  std::string caption;
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;
  FontSpec font = style::dialog_font();
  Rgb colour = style::kBlack;
  Rgb background = style::kWhite;
  TextAlign align = TextAlign::kLeft;
  bool word_wrap = false;
  bool path_ellipsis = false;
  bool right_to_left = false;
  // Width and height follow the text (with word_wrap: only the height).
  bool auto_size = false;
  bool show_ampersands = false;
};

class Label final : public Widget {
 public:
  explicit Label(const LabelArgs& args);

  void set_colour(Rgb colour);
  void set_background(Rgb colour);

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void on_caption_changed() override;
  UINT draw_flags() const;
  void fit_to_text();
  void paint();

  LabelArgs look_;
  win::ScopedGdi<HFONT> font_;
};

}  // namespace orvx::ui
