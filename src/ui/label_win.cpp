#include "ui/label_win.h"

#include "ui/paint_win.h"

namespace orvx::ui {

Label::Label(const LabelArgs& args)
    : Widget(args.name, args.hint, Texts::kCaptionAndHint), look_(args), font_(make_font(args.font)) {
  WindowArgs w;
  w.class_name = kLabelClass;
  w.title = args.caption;
  w.parent = args.parent;
  w.bounds = args.bounds;
  create(w);
  fit_to_text();
}

void Label::set_colour(Rgb colour) {
  look_.colour = colour;
  invalidate();
}

void Label::set_background(Rgb colour) {
  look_.background = colour;
  invalidate();
}

UINT Label::draw_flags() const {
  UINT flags = DT_EXPANDTABS;
  switch (look_.align) {
    case TextAlign::kLeft:
      flags |= DT_LEFT;
      break;
    case TextAlign::kCenter:
      flags |= DT_CENTER;
      break;
    case TextAlign::kRight:
      flags |= DT_RIGHT;
      break;
  }
  if (look_.word_wrap) flags |= DT_WORDBREAK;
  if (look_.path_ellipsis) flags |= DT_PATH_ELLIPSIS | DT_SINGLELINE;
  if (look_.right_to_left) flags |= DT_RTLREADING;
  if (look_.show_ampersands) flags |= DT_NOPREFIX;
  return flags;
}

void Label::fit_to_text() {
  if (!look_.auto_size || !hwnd()) return;
  Rect b = bounds();
  win::ScopedWindowDC dc(hwnd());
  Size s = measure_text(dc.get(), font_.get(), text(), draw_flags(), b.width);
  SetWindowPos(hwnd(), nullptr, 0, 0, look_.word_wrap ? b.width : s.width, s.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Label::on_caption_changed() {
  fit_to_text();
  invalidate();
}

void Label::paint() {
  PaintBuffer paint(hwnd());
  fill_rect(paint.dc(), paint.client(), look_.background);
  Rgb colour = enabled() ? look_.colour : style::kDisabledText;
  draw_text(paint.dc(), font_.get(), text(), paint.client(), colour, draw_flags());
}

LRESULT Label::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    paint();
    return 0;
  }
  if (msg == WM_NCHITTEST) {
    // Labels take the mouse only to show their hint; clicks go through to
    // the panel below when there is no hint to show.
    return hint().empty() ? HTTRANSPARENT : HTCLIENT;
  }
  return default_handling(msg, wp, lp);
}

}  // namespace orvx::ui
