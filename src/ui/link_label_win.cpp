#include "ui/link_label_win.h"

#include "ui/paint_win.h"

namespace orvx::ui {

namespace {
constexpr UINT kRunFlags = DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP;
}

LinkLabel::LinkLabel(const LinkLabelArgs& args)
    : Widget(args.name, args.hint, Texts::kCaptionAndHint),
      look_(args),
      font_(make_font(args.font)),
      link_font_(make_font(FontSpec{args.font.face, args.font.height, args.font.bold, true})),
      on_click_(args.on_click) {
  look_.on_click = nullptr;
  WindowArgs w;
  w.class_name = kLinkLabelClass;
  w.title = args.caption;
  w.parent = args.parent;
  w.bounds = args.bounds;
  create(w);
  layout_runs();
}

std::string LinkLabel::link_text() const {
  std::string out;
  for (const auto& r : split_link_caption(text())) {
    if (r.is_link) out += r.text;
  }
  return out;
}

void LinkLabel::click() {
  std::function<void()> handler = on_click_;  // the handler may close the window of this label
  if (handler) handler();
}

void LinkLabel::layout_runs() {
  runs_.clear();
  win::ScopedWindowDC dc(hwnd());
  int x = 0;
  for (TextRun& run : split_link_caption(text())) {
    HFONT font = run.is_link ? link_font_.get() : font_.get();
    Size s = measure_text(dc.get(), font, run.text, kRunFlags);
    runs_.push_back({std::move(run), RECT{x, 0, x + s.width, s.height}});
    x += s.width;
  }
}

void LinkLabel::on_caption_changed() {
  layout_runs();
  invalidate();
}

bool LinkLabel::over_link(Point p) const {
  POINT pt{p.x, p.y};
  for (const auto& r : runs_) {
    if (r.run.is_link && PtInRect(&r.box, pt)) return true;
  }
  return false;
}

HCURSOR LinkLabel::cursor_at(Point p) const { return over_link(p) ? hand_cursor() : nullptr; }

void LinkLabel::paint() {
  PaintBuffer paint(hwnd());
  fill_rect(paint.dc(), paint.client(), look_.background);
  for (const auto& r : runs_) {
    HFONT font = r.run.is_link ? link_font_.get() : font_.get();
    Rgb colour = r.run.is_link ? look_.link_colour : look_.colour;
    draw_text(paint.dc(), font, r.run.text, r.box, colour, kRunFlags);
  }
}

LRESULT LinkLabel::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  Point p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = over_link(p);
      return 0;
    case WM_LBUTTONUP: {
      bool clicked = pressed_ && over_link(p);
      pressed_ = false;
      if (clicked) click();  // last: the handler may close the window of this label
      return 0;
    }
    default:
      return default_handling(msg, wp, lp);
  }
}

}  // namespace orvx::ui
