#include "ui/check_box_win.h"

#include <algorithm>

#include "ui/paint_win.h"

namespace orvx::ui {

namespace {
constexpr int kBox = 13;
constexpr int kGap = 5;
constexpr UINT kTextFlags = DT_LEFT | DT_WORDBREAK;
}  // namespace

CheckBox::CheckBox(const CheckBoxArgs& args)
    : Widget(args.name, args.hint, Texts::kCaptionAndHint),
      look_(args),
      font_(make_font(args.font)),
      on_click_(args.on_click),
      checked_(args.checked) {
  look_.on_click = nullptr;
  WindowArgs w;
  w.class_name = kCheckBoxClass;
  w.title = args.caption;
  w.style = WS_CHILD | WS_VISIBLE | (args.tab_stop ? WS_TABSTOP : 0);
  w.parent = args.parent;
  w.bounds = args.bounds;
  create(w);
}

void CheckBox::set_checked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  invalidate();
}

void CheckBox::click() {
  if (!enabled()) return;
  set_checked(!checked_);
  std::function<void()> handler = on_click_;  // the handler may destroy this box
  if (handler) handler();
}

void CheckBox::paint() {
  PaintBuffer paint(hwnd());
  HDC dc = paint.dc();
  const RECT& client = paint.client();
  fill_rect(dc, client, look_.background);
  bool on = enabled();

  // The caption, centred as a block against the box's middle line.
  RECT text_rect{kBox + kGap, 0, client.right, client.bottom};
  Size text_size = measure_text(dc, font_.get(), text(), kTextFlags, text_rect.right - text_rect.left);
  int height = client.bottom - client.top;
  int text_top = std::max(0, (height - text_size.height) / 2);
  text_rect.top = text_top;
  draw_text(dc, font_.get(), text(), text_rect, on ? look_.colour : style::kDisabledText, kTextFlags);

  int box_top = (height - kBox) / 2;
  RECT box{0, box_top, kBox, box_top + kBox};
  fill_rect(dc, box, on ? style::kWhite : style::kSectionHeader);
  frame_rect(dc, box, style::kFrame);
  if (checked_) {
    // A tick of two strokes, three pixels thick.
    Rgb tick = on ? style::kBlack : style::kDisabledText;
    for (int t = 0; t < 3; ++t) {
      for (int i = 0; i < 3; ++i) fill_rect(dc, RECT{3 + i, box_top + 5 + i + t, 4 + i, box_top + 6 + i + t}, tick);
      for (int i = 0; i < 5; ++i) fill_rect(dc, RECT{6 + i, box_top + 7 - i + t, 7 + i, box_top + 8 - i + t}, tick);
    }
  }
  if (GetFocus() == hwnd()) {
    RECT focus{text_rect.left - 1, text_top, text_rect.left + text_size.width + 1, text_top + text_size.height};
    DrawFocusRect(dc, &focus);
  }
}

LRESULT CheckBox::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetWindowLongA(hwnd(), GWL_STYLE) & WS_TABSTOP) SetFocus(hwnd());
      press_.press(hwnd());
      return 0;
    case WM_LBUTTONUP:
      if (press_.release(hwnd(), lp)) click();  // last: the handler may destroy this box
      return 0;
    case WM_CAPTURECHANGED:
      press_.drop();
      return 0;
    case WM_KEYUP:
      if (wp == VK_SPACE) click();
      return 0;
    case BM_GETCHECK:
      // As a standard check box answers, for tools that read the state.
      return checked_ ? BST_CHECKED : BST_UNCHECKED;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      invalidate();
      return 0;
    default:
      return default_handling(msg, wp, lp);
  }
}

}  // namespace orvx::ui
