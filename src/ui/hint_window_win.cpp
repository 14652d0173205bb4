#include "ui/hint_window_win.h"

#include "ui/hint_layout.h"
#include "ui/paint_win.h"
#include "ui/style.h"
#include "ui/work_area_win.h"

namespace orvx::ui {

namespace {
constexpr UINT_PTR kHideTimer = 1;
constexpr UINT kTextFlags = DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS;
// The box goes below the mouse cursor's picture, which ends about this far
// below its hot spot.
constexpr int kCursorHeight = 20;
}  // namespace

HintWindow::HintWindow(HWND owner) : font_(make_font(style::dialog_font())) {
  WindowArgs args;
  args.class_name = kHintWindowClass;
  args.style = WS_POPUP;
  args.ex_style = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  args.class_style = CS_SAVEBITS;
  args.parent = owner;
  create(args);
}

void HintWindow::hover(HWND source, const std::string& text, Point screen) {
  if (source == source_ && text == text_) return;  // already shown, or timed out for this widget
  source_ = source;
  text_ = text;
  if (text.empty()) {
    hide();
  } else {
    show_at(text, screen);
  }
}

void HintWindow::leave(HWND source) {
  if (source != source_) return;
  source_ = nullptr;
  text_.clear();
  hide();
}

void HintWindow::hide() {
  KillTimer(hwnd(), kHideTimer);
  if (visible()) ShowWindow(hwnd(), SW_HIDE);
}

void HintWindow::show_at(const std::string& text, Point screen) {
  SetWindowTextA(hwnd(), text.c_str());
  win::ScopedWindowDC dc(hwnd());
  Size natural = measure_text(dc.get(), font_.get(), text, kTextFlags);
  int wrap = hint_wrap_width(natural.width, style::kHintMaxWidth, style::kHintPadding);
  text_size_ = measure_text(dc.get(), font_.get(), text, kTextFlags | DT_WORDBREAK, wrap);
  Size box{text_size_.width + 2 * style::kHintPadding, text_size_.height + 2 * style::kHintPadding};
  if (box.width > style::kHintMaxWidth) box.width = style::kHintMaxWidth;  // a single unbreakable word
  Point at = place_hint(screen, kCursorHeight, box, work_area_at(screen));
  SetWindowPos(hwnd(), HWND_TOPMOST, at.x, at.y, box.width, box.height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hwnd(), nullptr, FALSE);
  SetTimer(hwnd(), kHideTimer, style::kHintShowMs, nullptr);
}

void HintWindow::paint() {
  PaintBuffer paint(hwnd());
  const RECT& r = paint.client();
  fill_rect(paint.dc(), r, style::kHintBackground);
  frame_rect(paint.dc(), r, style::kHintBorder);
  RECT text_rect{r.left + style::kHintPadding, r.top + style::kHintPadding, r.right - style::kHintPadding,
                 r.bottom - style::kHintPadding};
  draw_text(paint.dc(), font_.get(), text(), text_rect, style::kHintText, kTextFlags | DT_WORDBREAK);
}

LRESULT HintWindow::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_TIMER:
      if (wp == kHideTimer) {
        hide();  // the widget keeps its claim: no new show until the mouse leaves it
        return 0;
      }
      break;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // the mouse goes through to what lies below
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      break;
  }
  return default_handling(msg, wp, lp);
}

}  // namespace orvx::ui
