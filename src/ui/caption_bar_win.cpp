#include "ui/caption_bar_win.h"

#include <algorithm>

#include "ui/paint_win.h"

namespace orvx::ui {

namespace {
Point point_from(LPARAM lp) { return Point{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}; }
}  // namespace

CaptionBar::CaptionBar(const CaptionBarArgs& args)
    : Widget(args.name, args.hint, Texts::kHintOnly), look_(args), font_(make_font(args.font)) {
  buttons_ = std::move(look_.buttons);
  if (buttons_.size() > static_cast<size_t>(style::kMaxCaptionButtons)) buttons_.resize(style::kMaxCaptionButtons);
  WindowArgs w;
  w.class_name = kCaptionBarClass;
  w.parent = args.parent;
  w.bounds = Rect{0, 0, args.width, args.height};
  create(w);
}

CaptionLayout CaptionBar::layout() const {
  RECT r{};
  GetClientRect(hwnd(), &r);
  return layout_caption_bar(r.right, r.bottom, static_cast<int>(buttons_.size()), style::kCaptionButtonWidth,
                            look_.icon != nullptr);
}

int CaptionBar::button_at(Point p) const { return caption_button_at(layout(), p); }

void CaptionBar::set_width(int width) {
  SetWindowPos(hwnd(), nullptr, 0, 0, width, look_.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  invalidate();
}

void CaptionBar::click_button(size_t index) {
  if (index >= buttons_.size()) return;
  std::function<void()> handler = buttons_[index].on_click;  // may hide or destroy the form
  if (handler) handler();
}

std::string CaptionBar::hint_at(Point p) const {
  int b = button_at(p);
  return b >= 0 ? buttons_[static_cast<size_t>(b)].hint : hint();
}

HCURSOR CaptionBar::cursor_at(Point p) const { return button_at(p) >= 0 ? hand_cursor() : size_all_cursor(); }

void CaptionBar::set_hot(int hot, int pressed) {
  if (hot == hot_ && pressed == pressed_) return;
  hot_ = hot;
  pressed_ = pressed;
  invalidate();
}

void CaptionBar::draw_glyph(HDC dc, CaptionGlyph glyph, const Rect& box) const {
  // Simple pixel glyphs, drawn with rectangles so that they stay crisp.
  int cx = box.left + box.width / 2;
  int cy = box.top + box.height / 2;
  Rgb c = look_.text;
  auto px = [&](int x, int y, int w = 1, int h = 1) { fill_rect(dc, RECT{x, y, x + w, y + h}, c); };
  switch (glyph) {
    case CaptionGlyph::kClose:
      for (int i = -4; i <= 4; ++i) {
        px(cx + i - 1, cy + i, 2);
        px(cx - i - 1, cy + i, 2);
      }
      break;
    case CaptionGlyph::kMinimize:
      px(cx - 5, cy + 3, 10, 2);
      break;
    case CaptionGlyph::kAbout:  // a question mark
      px(cx - 3, cy - 5, 6, 2);
      px(cx - 4, cy - 4, 2, 2);
      px(cx + 2, cy - 4, 2, 4);
      px(cx, cy - 1, 2, 2);
      px(cx - 1, cy, 2, 2);
      px(cx - 1, cy + 4, 2, 2);
      break;
    case CaptionGlyph::kSettings:  // a small cog: a ring with four teeth
      px(cx - 3, cy - 4, 6, 2);
      px(cx - 3, cy + 2, 6, 2);
      px(cx - 4, cy - 3, 2, 6);
      px(cx + 2, cy - 3, 2, 6);
      px(cx - 1, cy - 6, 2, 2);
      px(cx - 1, cy + 4, 2, 2);
      px(cx - 6, cy - 1, 2, 2);
      px(cx + 4, cy - 1, 2, 2);
      break;
  }
}

void CaptionBar::paint() {
  PaintBuffer paint(hwnd());
  HDC dc = paint.dc();
  fill_rect(dc, paint.client(), look_.background);
  CaptionLayout l = layout();
  if (look_.icon) {
    DrawIconEx(dc, l.icon.left, l.icon.top, look_.icon, l.icon.width, l.icon.height, 0, nullptr, DI_NORMAL);
  }
  std::string title;
  if (HWND root = GetAncestor(hwnd(), GA_ROOT)) {
    char buffer[256] = {};
    GetWindowTextA(root, buffer, sizeof(buffer));
    title = buffer;
  }
  draw_text(dc, font_.get(), title, to_rect(l.title), look_.text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const Rect& b = l.buttons[i];
    int index = static_cast<int>(i);
    if (index == pressed_) {
      fill_rect(dc, to_rect(b), look_.pressed);
    } else if (index == hot_) {
      fill_rect(dc, to_rect(b), look_.hover);
    }
    draw_glyph(dc, buttons_[i].glyph, b);
  }
}

LRESULT CaptionBar::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_LBUTTONDOWN: {
      Point p = point_from(lp);
      int b = button_at(p);
      press_.press(hwnd());
      if (b >= 0) {
        set_hot(b, b);
        return 0;
      }
      HWND root = GetAncestor(hwnd(), GA_ROOT);
      RECT r{};
      GetWindowRect(root, &r);
      window_start_ = POINT{r.left, r.top};
      drag_start_ = POINT{p.x, p.y};
      ClientToScreen(hwnd(), &drag_start_);
      dragging_ = true;
      return 0;
    }
    case WM_MOUSEMOVE: {
      Point p = point_from(lp);
      if (dragging_) {
        POINT now{p.x, p.y};
        ClientToScreen(hwnd(), &now);
        SetWindowPos(GetAncestor(hwnd(), GA_ROOT), nullptr, window_start_.x + now.x - drag_start_.x,
                     window_start_.y + now.y - drag_start_.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
      }
      int b = button_at(p);
      if (press_.pressed()) {
        set_hot(pressed_ >= 0 && b == pressed_ ? b : -1, pressed_);
      } else {
        set_hot(b, -1);
      }
      return 0;
    }
    case WM_MOUSELEAVE:
      if (!press_.pressed()) set_hot(-1, -1);
      return 0;
    case WM_LBUTTONUP: {
      int b = button_at(point_from(lp));
      const int pressed_button = pressed_;
      dragging_ = false;
      pressed_ = -1;
      // A click: released over the button it was pressed on.
      const bool released_inside = press_.release(hwnd(), lp);
      int clicked = (released_inside && pressed_button >= 0 && b == pressed_button) ? b : -1;
      set_hot(b, -1);
      if (clicked >= 0) click_button(static_cast<size_t>(clicked));  // last: it may hide or destroy the form
      return 0;
    }
    case WM_CAPTURECHANGED:
      press_.drop();
      dragging_ = false;
      if (pressed_ >= 0) set_hot(-1, -1);
      return 0;
    default:
      return default_handling(msg, wp, lp);
  }
}

}  // namespace orvx::ui
