#include "ui/collapsible_section_win.h"

#include "ui/paint_win.h"

namespace orvx::ui {

CollapsibleSection::CollapsibleSection(HWND group, Rect bounds, int header_height, const SectionArgs& args,
                                       std::function<void()> on_header_click)
    : Widget(args.name, args.hint, Texts::kCaptionAndHint, hand_cursor()),
      header_height_(header_height),
      font_(make_font(FontSpec{"Verdana", 11, true, false})),
      on_header_click_(std::move(on_header_click)) {
  WindowArgs w;
  w.class_name = kSectionClass;
  w.title = args.caption;
  w.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  w.ex_style = WS_EX_CONTROLPARENT;
  w.parent = group;
  w.bounds = bounds;
  create(w);
  body_ = std::make_unique<Panel>(PanelArgs{.name = {},
                                            .hint = {},
                                            .parent = hwnd(),
                                            .bounds = Rect{0, header_height, bounds.width, args.body_height},
                                            .colour = args.body_colour,
                                            .border = std::nullopt,
                                            .visible = false,
                                            .on_click = nullptr});
}

void CollapsibleSection::show_expanded(bool expanded) {
  if (expanded == expanded_) return;
  expanded_ = expanded;
  body_->set_visible(expanded);
  invalidate();
}

void CollapsibleSection::paint() {
  PaintBuffer paint(hwnd());
  HDC dc = paint.dc();
  RECT header{0, 0, paint.client().right, header_height_};
  fill_rect(dc, paint.client(), style::kWhite);
  fill_rect(dc, header, hot_ ? style::kSectionHeaderHover : style::kSectionHeader);
  fill_rect(dc, RECT{0, header_height_ - 1, header.right, header_height_}, style::kFrame);
  // A small triangle: pointing right while collapsed, down while expanded.
  int cx = 9, cy = header_height_ / 2;
  for (int i = 0; i < 4; ++i) {
    RECT line = expanded_ ? RECT{cx - 3 + i, cy - 2 + i, cx + 4 - i, cy - 1 + i}
                          : RECT{cx - 2 + i, cy - 3 + i, cx - 1 + i, cy + 4 - i};
    fill_rect(dc, line, style::kChrome);
  }
  RECT text_rect{18, 0, header.right - 4, header_height_};
  draw_text(dc, font_.get(), text(), text_rect, style::kChrome, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

LRESULT CollapsibleSection::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (is_parent_notification(msg)) {
    HWND parent = GetParent(hwnd());
    return parent ? SendMessageA(parent, msg, wp, lp) : default_handling(msg, wp, lp);
  }
  int y = static_cast<short>(HIWORD(lp));
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        invalidate();
      }
      return 0;
    case WM_MOUSELEAVE:
      hot_ = false;
      invalidate();
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = y < header_height_;
      return 0;
    case WM_LBUTTONUP:
      if (pressed_ && y < header_height_) {
        pressed_ = false;
        std::function<void()> handler = on_header_click_;
        if (handler) handler();
      }
      pressed_ = false;
      return 0;
    default:
      return default_handling(msg, wp, lp);
  }
}

SectionGroup::SectionGroup(const SectionGroupArgs& args)
    : Widget(args.name, args.hint, Texts::kHintOnly),
      colour_(args.colour),
      on_expand_(args.on_expand),
      stack_(args.header_height) {
  WindowArgs w;
  w.class_name = kSectionGroupClass;
  w.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
  w.ex_style = WS_EX_CONTROLPARENT;
  w.parent = args.parent;
  w.bounds = args.bounds;
  create(w);
}

CollapsibleSection& SectionGroup::add_section(const SectionArgs& args) {
  size_t index = stack_.add(args.body_height);
  Rect b = bounds();
  Rect at{0, stack_.top_of(index), b.width, stack_.height_of(index)};
  sections_.push_back(std::make_unique<CollapsibleSection>(hwnd(), at, stack_.header_height(), args, [this, index] {
    toggle(index);
    std::function<void(size_t)> handler = on_expand_;
    if (handler && stack_.is_expanded(index)) handler(index);
  }));
  return *sections_.back();
}

void SectionGroup::expand(size_t index) {
  stack_.expand(index);
  lay_out();
}

void SectionGroup::collapse(size_t index) {
  stack_.collapse(index);
  lay_out();
}

void SectionGroup::toggle(size_t index) {
  stack_.toggle(index);
  lay_out();
}

void SectionGroup::lay_out() {
  int width = bounds().width;
  for (size_t i = 0; i < sections_.size(); ++i) {
    sections_[i]->show_expanded(stack_.is_expanded(i));
    sections_[i]->set_bounds(Rect{0, stack_.top_of(i), width, stack_.height_of(i)});
  }
  invalidate();
}

LRESULT SectionGroup::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (is_parent_notification(msg)) {
    HWND parent = GetParent(hwnd());
    return parent ? SendMessageA(parent, msg, wp, lp) : default_handling(msg, wp, lp);
  }
  if (msg == WM_PAINT) {
    PaintBuffer paint(hwnd());
    fill_rect(paint.dc(), paint.client(), colour_);
    return 0;
  }
  return default_handling(msg, wp, lp);
}

}  // namespace orvx::ui
